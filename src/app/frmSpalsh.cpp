#include "app/frmSpalsh.h"

#include "app/FrmMenu.h"
#include "app/base/Avvio.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

frmSpalsh::frmSpalsh(Contesto& contesto, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen), m_contesto(contesto)
{
    setObjectName(QStringLiteral("frmSpalsh"));
    setWindowTitle(md_Globali::TITOLO_PROGRAMMA);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    auto* titolo = new QLabel(md_Globali::TITOLO_PROGRAMMA, this);
    titolo->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #6b1d2a;"));
    auto* sottotitolo = new QLabel(md_Globali::TITOLO_DOMANDA, this);
    sottotitolo->setWordWrap(true);
    layout->addWidget(titolo, 0, 0, 1, 2);
    layout->addWidget(sottotitolo, 1, 0, 1, 2);

    for (size_t i = 0; i < m_lblEtichette.size(); ++i) {
        m_lblEtichette[i] = new QLabel(this);
        m_lblEtichette[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        m_lblEtichette[i]->installEventFilter(this);
    }
    m_lblEtichette[0]->setText(QStringLiteral("Per sistemi Microsoft Windows"));
    m_lblEtichette[1]->setText(QStringLiteral("Versione ") + contesto.applicazione().versione());
    m_lblEtichette[2]->setText(QStringLiteral("Prosegui"));
    m_lblEtichette[2]->setStyleSheet(QStringLiteral("font-weight: bold; text-decoration: underline;"));
    m_lblEtichette[2]->setCursor(Qt::PointingHandCursor);
    layout->addWidget(m_lblEtichette[0], 2, 0);
    layout->addWidget(m_lblEtichette[1], 3, 0);
    // Labels 2 and 3 lie at the same place.
    layout->addWidget(m_lblEtichette[2], 3, 1, Qt::AlignRight);
    layout->addWidget(m_lblEtichette[3], 3, 1, Qt::AlignRight);
    setStyleSheet(QStringLiteral("frmSpalsh { background: #f4efe6; border: 2px solid #6b1d2a; }"));
    setAttribute(Qt::WA_StyledBackground);
    resize(520, 260);

    m_contesto.stato.sPercorsoDB = Gestione_DataBase::CartellaDatabase(contesto.applicazione().cartellaProgramma());
}

void frmSpalsh::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_controlliAvviati) return;
    m_controlliAvviati = true;
    QTimer::singleShot(0, this, &frmSpalsh::eseguiControlli);
}

void frmSpalsh::eseguiControlli()
{
    m_pronto = Avvio::ControlliAvvio(m_contesto);
}

bool frmSpalsh::eventFilter(QObject* oggetto, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && m_pronto) {
        for (QLabel* etichetta : m_lblEtichette) {
            if (oggetto == etichetta) {
                close();
                return true;
            }
        }
    }
    return QWidget::eventFilter(oggetto, event);
}

void frmSpalsh::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (!m_pronto) return;
    m_pronto = false;
    m_contesto.servizi.finestre.apri(new FrmMenu(m_contesto), ModoFinestra::Principale);
}
