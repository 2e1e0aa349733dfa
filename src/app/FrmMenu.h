#pragma once

#include <QMainWindow>

class QMdiArea;
struct Contesto;

// The main window: holds the database connection for the run and the windows opened from its menu.
class FrmMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMenu(Contesto& contesto, QWidget* parent = nullptr);
    ~FrmMenu() override;

    QMdiArea* area() const { return m_area; }

private:
    Contesto& m_contesto;
    QMdiArea* m_area;
};
