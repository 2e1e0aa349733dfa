#pragma once

#include "data/Archiviatore.h"
#include "distiller/SelezioneDistillatore.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>

class FrmSelezione;
class QMdiArea;
class QMenu;
struct Contesto;

// The main window: holds the database connection for the run and the windows opened from its menu.
class FrmMenu : public QMainWindow {
    Q_OBJECT

public:
    explicit FrmMenu(Contesto& contesto, QWidget* parent = nullptr);
    ~FrmMenu() override;

    QMdiArea* area() const { return m_area; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void creaMenu();
    // One entry of a group: it stores its mode (when it has one) and its title.
    QAction* voce(QMenu* gruppo, const QString& didascalia, std::optional<int> modo, const QString& titolo);
    void apriDistilleria();
    // The selection window of the mode just chosen; one open for another mode is closed first.
    void apriSelezione();
    // Brings forward the window when it is open, otherwise opens a new one inside the main window.
    void mostraNelMenu(QPointer<QWidget>& finestra, const std::function<QWidget*()>& crea);

    Contesto& m_contesto;
    QMdiArea* m_area;
    QPointer<QWidget> m_frmInizializza;
    QPointer<FrmSelezione> m_frmSelezione;
    AzioniSelezione m_azioniSelezione;
    QPointer<QWidget> m_frmAbout;
    QPointer<QWidget> m_frmCarico;
    Archiviatore m_xZipDataBase;
};
