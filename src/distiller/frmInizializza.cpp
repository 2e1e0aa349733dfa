#include "distiller/frmInizializza.h"

#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"
#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "distiller/Distilleria.h"
#include "help/Help.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
struct Campo {
    const char* tag;
    const char* etichetta;
    const char* suggerimento;
    int lunghezza;
};
constexpr std::array<Campo, 3> CAMPI{{
    {"CODI_FISC", "C.F. / Partitra IVA", "Partita IVA o Codice fiscale", 16},
    {"RAGI_SOCI", "Ragione sociale ", "Ragione sociale", 30},
    {"INDI_DIST", "Indirizzo sede legale ", "Indirizzo sede legale", 30},
}};
}  // namespace

frmInizializza::frmInizializza(Contesto& contesto, QWidget* parent) : QWidget(parent), m_contesto(contesto)
{
    setObjectName(QStringLiteral("frmInizializza"));
    auto* cornice = new QGroupBox(QStringLiteral("Informazioni relative alla distilleria"), this);
    auto* griglia = new QGridLayout(cornice);
    for (size_t i = 0; i < CAMPI.size(); ++i) {
        const Campo& campo = CAMPI[i];
        m_lbldati[i] = new QLabel(QString::fromUtf8(campo.etichetta), cornice);
        m_lbldati[i]->setObjectName(QStringLiteral("Lbldati_%1").arg(i + 1));
        auto* testo = new CampoTesto(contesto.applicazione(), cornice);
        testo->setObjectName(QStringLiteral("TxtDISTDati_%1").arg(i + 1));
        testo->setTag(QString::fromLatin1(campo.tag));
        testo->impostaFiltri({Md_FunzioniGenerali::Keypress_Upper, Md_FunzioniGenerali::Keypress_Testo});
        testo->setToolTip(QString::fromUtf8(campo.suggerimento));
        testo->setMaxLength(campo.lunghezza);
        testo->setMinimumWidth(testo->fontMetrics().horizontalAdvance(QLatin1Char('W')) * (campo.lunghezza * 2 / 3 + 2));
        m_lbldati[i]->setBuddy(testo);
        m_txtDISTDati[i] = testo;
        griglia->addWidget(m_lbldati[i], static_cast<int>(i), 0);
        griglia->addWidget(testo, static_cast<int>(i), 1);
    }
    griglia->setColumnStretch(1, 1);

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(*this, {{0, "Salva"}, {1, "Esci"}, {2, "Help"}}, m_cmddati,
                                                       [this](int indice) { CmdDATI_Click(indice); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cornice);
    layout->addLayout(pulsanti);

    QWidget* precedente = m_txtDISTDati[0];
    for (QWidget* successivo : {static_cast<QWidget*>(m_txtDISTDati[1]), static_cast<QWidget*>(m_txtDISTDati[2]),
                                static_cast<QWidget*>(m_cmddati[0]), static_cast<QWidget*>(m_cmddati[1]),
                                static_cast<QWidget*>(m_cmddati[2])}) {
        setTabOrder(precedente, successivo);
        precedente = successivo;
    }
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { CmdDATI_Click(2); });

    Trappola(m_contesto, QStringLiteral("frmInizializza Form_Load"), [this] { Form_Load(); });
}

void frmInizializza::Form_Load()
{
    setWindowTitle(m_contesto.stato.sTitolo);
    mostraDistilleria();
}

void frmInizializza::mostraDistilleria()
{
    const RecordDistilleria& distilleria = m_contesto.stato.DistilleriaCorrente;
    TxtDISTDati(1)->setText(distilleria.CODI_FISC);
    TxtDISTDati(2)->setText(distilleria.RAGI_SOCI);
    TxtDISTDati(3)->setText(distilleria.INDI_DIST);
}

int frmInizializza::ControllaCampi()
{
    return Distilleria::ControllaCampi(m_contesto, {TxtDISTDati(1)->text(), TxtDISTDati(2)->text(), TxtDISTDati(3)->text()});
}

void frmInizializza::CmdDATI_Click(int indice)
{
    Trappola(m_contesto, QStringLiteral("frmInizializza CmdDATI_Click"), [this, indice] {
        switch (indice) {
        case 0: Salva(); break;
        case 1: close(); break;
        case 2: Help::MostraHelp(m_contesto, QStringLiteral("frmInizializza")); break;
        }
    });
}

void frmInizializza::Salva()
{
    StatoCondiviso& stato = m_contesto.stato;
    ServizioMessaggi& messaggi = m_contesto.messaggi();
    stato.iEsitoControllo = ControllaCampi();
    switch (stato.iEsitoControllo) {
    case 1:
    case 2:
    case 3: {
        CampoTesto* campo = TxtDISTDati(stato.iEsitoControllo);
        messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Salvataggio "),
                         campo->toolTip() + QStringLiteral(" campo obbligatorio. ")});
        campo->setFocus();
        return;
    }
    case 4:
    case 5:
        messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo,
                         stato.iEsitoControllo == 4 ? QStringLiteral("Codice fiscale non corretto. ")
                                                    : QStringLiteral("P. IVA non corretta. ")});
        TxtDISTDati(1)->setFocus();
        return;
    }

    const int righe = Distilleria::Salva(m_contesto, {TxtDISTDati(1)->text(), TxtDISTDati(2)->text(), TxtDISTDati(3)->text()});
    QString esito;
    if (righe == 0) {
        esito = QStringLiteral("Operazione non eseguita.");
    } else if (Md_FunzioniGenerali::CaricaDistilleria(m_contesto)) {
        mostraDistilleria();
        esito = QStringLiteral("Operazione correttamente eseguita.");
    } else {
        esito = QStringLiteral("Distilleria non inserita.");
    }
    messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo, esito});
}

void frmInizializza::closeEvent(QCloseEvent* event)
{
    // Without a stored distillery there is nothing to work on: leaving the window ends the program.
    if (m_contesto.stato.bDistilleriaMancante) m_contesto.applicazione().termina(0);
    QWidget::closeEvent(event);
}
