#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
struct Contesto;

// The help topics of one window, or all of them, as one read-only text.
class FrmHelp : public QWidget {
    Q_OBJECT

public:
    // Reads the topics at once; a failure is raised to the caller.
    FrmHelp(Contesto& contesto, const QString& vNomeForm, QWidget* parent = nullptr);

    const QString& vNomeForm() const { return m_vNomeForm; }
    QPlainTextEdit* TxtHElp() const { return m_txtHElp; }
    QPushButton* CmdHelp() const { return m_cmdHelp; }

private:
    QString m_vNomeForm;
    QPlainTextEdit* m_txtHElp;
    QPushButton* m_cmdHelp;
};
