#include "distiller/frmCambioDomanda.h"

#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "distiller/Domanda.h"
#include "help/Help.h"
#include "rules/Formattazione.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
struct Campo {
    const char* etichetta;
    const char* tag;
    const char* suggerimento;
};
constexpr std::array<Campo, 2> CAMPI{{
    {"N°Domanda", "DOMANDA", "Numero Domanda"},
    {"N° Domanda nuovo", "DOMANDA_NUOVA", "Numero U.T.F."},
}};
}  // namespace

frmCambioDomanda::frmCambioDomanda(Contesto& contesto, QWidget* parent) : QWidget(parent), m_contesto(contesto)
{
    setObjectName(QStringLiteral("frmCambioDomanda"));
    setWindowTitle(QStringLiteral("Cambio"));
    auto* cornice = new QGroupBox(QStringLiteral("Cambio numero di domanda"), this);
    auto* griglia = new QGridLayout(cornice);
    for (size_t i = 0; i < CAMPI.size(); ++i) {
        auto* campo = new CampoTesto(contesto.applicazione(), cornice);
        campo->setObjectName(QStringLiteral("TxtDati_%1").arg(i + 1));
        campo->setTag(QLatin1String(CAMPI[i].tag));
        campo->setToolTip(QString::fromUtf8(CAMPI[i].suggerimento));
        campo->setMaxLength(Domanda::LunghezzaNumero);
        campo->impostaFiltri({Md_FunzioniGenerali::Keypress_Integer});
        connect(campo, &CampoTesto::uscito, campo, [campo] {
            campo->setText(Md_FunzioniGenerali::RiempiSinistra(campo->text(), Domanda::LunghezzaNumero, QLatin1Char('0')));
        });
        auto* etichetta = new QLabel(QString::fromUtf8(CAMPI[i].etichetta), cornice);
        etichetta->setBuddy(campo);
        griglia->addWidget(etichetta, static_cast<int>(i), 0);
        griglia->addWidget(campo, static_cast<int>(i), 1);
        m_txtDati[i] = campo;
    }
    TxtDati(1)->setReadOnly(true);
    TxtDati(1)->setText(contesto.stato.DomandaCorrente.DOMANDA);

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(*this, {{0, "Salva"}, {1, "Esci"}, {2, "Help"}}, m_cmddati,
                                                       [this](int indice) { CmdDATI_Click(indice); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cornice);
    layout->addLayout(pulsanti);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { CmdDATI_Click(2); });
}

void frmCambioDomanda::CmdDATI_Click(int indice)
{
    Trappola(m_contesto, QStringLiteral("frmCambioDomanda CmdDATI_Click"), [this, indice] {
        switch (indice) {
        case 0: Salva(); break;
        case 1: close(); break;
        case 2: Help::MostraHelp(m_contesto, QStringLiteral("frmCambioDomanda")); break;
        }
    });
}

void frmCambioDomanda::Salva()
{
    const RecordDomanda& corrente = m_contesto.stato.DomandaCorrente;
    const Domanda::EsitoCambio esito = Domanda::CambiaNumero(m_contesto, TxtDati(2)->text(), TxtDati(1)->text(),
                                                             corrente.ID_DOMANDA, corrente.TIPO_ARTICOLO);
    QString testo;
    switch (esito) {
    case Domanda::EsitoCambio::NumeroMancante: testo = QStringLiteral("Inserire il nuovo numero domanda. "); break;
    case Domanda::EsitoCambio::NumeroNonCorretto: testo = QStringLiteral("Il nuovo numero domanda non è corretto. "); break;
    case Domanda::EsitoCambio::NumeroEsistente: testo = QStringLiteral("Il nuovo numero domanda è già esistente. "); break;
    case Domanda::EsitoCambio::NonEseguito: testo = QStringLiteral("Operazione non eseguita."); break;
    case Domanda::EsitoCambio::Eseguito: testo = QStringLiteral("Operazione correttamente eseguita."); break;
    }
    m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, m_contesto.stato.sTitolo, testo});
    if (esito == Domanda::EsitoCambio::Eseguito) close();
}
