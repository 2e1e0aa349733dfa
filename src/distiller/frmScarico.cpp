#include "distiller/frmScarico.h"

#include "app/CampiFinestra.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

frmScarico::frmScarico(Contesto& contesto, QWidget* parent)
    : QWidget(parent), m_contesto(contesto), m_scarico(contesto)
{
    setObjectName(QStringLiteral("frmScarico"));
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label1);
    setMinimumWidth(m_label1->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 30);
    Trappola(m_contesto, QStringLiteral("frmScarico Form_Load"), [this] { Form_Load(); });
}

void frmScarico::Form_Load()
{
    Md_FunzioniGenerali::CentraForm(*this, true, nullptr);
    setWindowTitle(m_contesto.stato.sTitolo);
    m_label1->setText(QStringLiteral("Scarico in corso della Domanda n. ") + m_contesto.stato.DomandaCorrente.DOMANDA);
}

void frmScarico::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_attivata) return;
    m_attivata = true;
    // Once the window is on screen, so that its label shows during the work.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmScarico::Form_Activate()
{
    const QString percorso = m_scarico.ScegliPercorso();
    if (percorso.isEmpty()) {
        m_bAnnulla = true;
        close();
        return;
    }
    repaint();
    m_esito = m_scarico.Esegui(percorso);
    if (m_esito.stato == EsitoScarico::Stato::ProgrammaTerminato) return;
    close();
}

void frmScarico::closeEvent(QCloseEvent* event)
{
    m_contesto.stato.sCampagnaFiltro.clear();
    QWidget::closeEvent(event);
}
