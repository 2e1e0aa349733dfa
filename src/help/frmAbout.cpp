#include "help/frmAbout.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "help/Help.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>

namespace {
// The system information programs of the Linux desktops, in order of preference.
const QStringList PROGRAMMI_INFORMAZIONI_SISTEMA = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                                    QStringLiteral("kinfocenter")};
}  // namespace

frmAbout::frmAbout(Contesto& contesto, QWidget* parent)
    : QWidget(parent),
      m_contesto(contesto),
      m_picIcon(new QLabel(this)),
      m_lblTitle(new QLabel(this)),
      m_lblVersion(new QLabel(this)),
      m_lblDescription(new QLabel(this)),
      m_cmdOK(new QPushButton(QStringLiteral("OK"), this)),
      m_cmdSysInfo(new QPushButton(QStringLiteral("&System Info..."), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    ServizioApplicazione& applicazione = contesto.applicazione();
    setWindowTitle(QStringLiteral("Informazioni su ") + applicazione.nomeEseguibile());

    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    m_lblTitle->setObjectName(QStringLiteral("lblTitle"));
    m_lblTitle->setText(md_Globali::MARCHI_PROGRAMMA + QLatin1Char('\n') + QStringLiteral("Per sistemi Windows a 32 bit"));
    m_lblTitle->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    m_lblVersion->setObjectName(QStringLiteral("lblVersion"));
    m_lblVersion->setText(QStringLiteral("  Versione ") + applicazione.versione() + QStringLiteral(" del ") +
                          contesto.stato.sDataVersione);
    m_lblDescription->setObjectName(QStringLiteral("lblDescription"));
    m_lblDescription->setText(md_Globali::DESCRIZIONE_PROGRAMMA);
    m_lblDescription->setWordWrap(true);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_picIcon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(m_lblTitle, 0, 1, 1, 2);
    layout->addWidget(m_lblVersion, 1, 1, 1, 2);
    layout->addWidget(m_lblDescription, 2, 1, 1, 2);
    layout->setRowStretch(3, 1);
    layout->addWidget(m_cmdOK, 4, 2);
    layout->addWidget(m_cmdSysInfo, 5, 2);
    layout->setColumnStretch(1, 1);
    resize(480, 260);

    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        Trappola(m_contesto, QStringLiteral("frmAbout Form_KeyDown"),
                 [this] { Help::MostraHelp(m_contesto, QStringLiteral("frmAbout")); });
    });
}

void frmAbout::StartSysInfo()
{
    ServizioApplicazione& applicazione = m_contesto.applicazione();
    for (const QString& nome : PROGRAMMI_INFORMAZIONI_SISTEMA) {
        const QString percorso = applicazione.cercaProgramma(nome);
        if (percorso.isEmpty()) continue;
        if (applicazione.avviaProgramma(percorso)) return;
        break;
    }
    m_contesto.messaggi().mostra({Icona::Nessuna, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA,
                                  QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.")});
}
