#pragma once

#include "exchange/ScaricoFatture.h"

#include <QWidget>

class QLabel;
struct Contesto;

// The export of the current application: all the work happens when the window is first shown,
// then it closes itself.
class frmScarico : public QWidget {
    Q_OBJECT

public:
    explicit frmScarico(Contesto& contesto, QWidget* parent = nullptr);

    QLabel* Label1() const { return m_label1; }
    bool bAnnulla() const { return m_bAnnulla; }
    const EsitoScarico& esito() const { return m_esito; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();

    Contesto& m_contesto;
    ScaricoFatture m_scarico;
    QLabel* m_label1 = nullptr;
    bool m_bAnnulla = false;
    bool m_attivata = false;
    EsitoScarico m_esito;
};
