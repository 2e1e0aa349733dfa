#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
struct Contesto;

// The program information window: version, version date of the database, description.
class frmAbout : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(Contesto& contesto, QWidget* parent = nullptr);

    // Starts the system information program of the platform, or says that there is none.
    void StartSysInfo();

    QLabel* lblTitle() const { return m_lblTitle; }
    QLabel* lblVersion() const { return m_lblVersion; }
    QLabel* lblDescription() const { return m_lblDescription; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdSysInfo() const { return m_cmdSysInfo; }

private:
    Contesto& m_contesto;
    QLabel* m_picIcon;
    QLabel* m_lblTitle;
    QLabel* m_lblVersion;
    QLabel* m_lblDescription;
    QPushButton* m_cmdOK;
    QPushButton* m_cmdSysInfo;
};
