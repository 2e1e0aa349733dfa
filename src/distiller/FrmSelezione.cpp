#include "distiller/FrmSelezione.h"

#include "app/CaricaCmb.h"
#include "app/CampoTesto.h"
#include "app/GrigliaLista.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/FrmDomanda.h"
#include "distiller/frmCambioDomanda.h"
#include "help/Help.h"
#include "reports/StampeDistillatore.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

struct Pulsante {
    int indice;
    const char* didascalia;
};
struct Cornice {
    const char* nome;
    std::vector<Pulsante> pulsanti;
};
const std::array<Cornice, 4> CORNICI{{
    {"Fradomande", {{1, "Nuovo"}, {2, "Modifica"}, {6, "Cancella"}, {3, "Esci"}, {13, "Help"}}},
    {"Frafatture", {{4, "Seleziona"}, {5, "Esci"}, {11, "Help"}}},
    {"FraScarico", {{10, "Scarico"}, {9, "Esci"}, {14, "Help"}}},
    {"FrasTAMPA", {{8, "Fatture"}, {15, "Bolle"}, {7, "Esci"}, {12, "Help"}}},
}};

int cornice(int modo)
{
    switch (modo) {
    case 0: return 0;
    case 1:
    case 3: return 1;
    case 4: return 2;
    case 5: return 3;
    }
    return -1;
}

// The "Help" button of each frame.
constexpr std::array<int, 4> HELP_DELLA_CORNICE{13, 11, 14, 12};

}  // namespace

FrmSelezione::FrmSelezione(Contesto& contesto, AzioniSelezione azioni, QWidget* parent)
    : QWidget(parent),
      m_contesto(contesto),
      m_azioni(std::move(azioni)),
      m_modo(contesto.stato.vModoOperativo),
      m_titolo(contesto.stato.sTitolo),
      m_cmbDomAnnualita(new QComboBox(this)),
      m_lista{new QLabel(this), new QTableView(this), new ModelloLista(this)}
{
    setObjectName(QStringLiteral("FrmSelezione"));

    auto* filtro = new QGroupBox(this);
    filtro->setObjectName(QStringLiteral("Fra_Selezuione"));
    auto* domande = new QGroupBox(QStringLiteral("Domande"), filtro);
    domande->setObjectName(QStringLiteral("AFraSelezione"));
    auto* griglia = new QGridLayout(domande);
    for (size_t i = 0; i < m_lblSelezione.size(); ++i) {
        m_lblSelezione[i] = new QLabel(domande);
        m_lblSelezione[i]->setObjectName(QStringLiteral("LblSelezione_%1").arg(i));
    }
    m_lblSelezione[0]->setText(QStringLiteral("Numero domanda : "));
    m_lblSelezione[2]->setText(QStringLiteral("Campagna : "));
    for (size_t i = 0; i < m_txtSEL_NumDom.size(); ++i) {
        m_txtSEL_NumDom[i] = new CampoTesto(contesto.applicazione(), domande);
        m_txtSEL_NumDom[i]->setObjectName(QStringLiteral("TxtSEL_NumDom_%1").arg(i));
        m_txtSEL_NumDom[i]->impostaFiltri({Md_FunzioniGenerali::Keypress_Integer});
        m_lblSelezione[i]->setBuddy(m_txtSEL_NumDom[i]);
    }
    m_txtSEL_NumDom[0]->setMaxLength(11);
    m_cmbDomAnnualita->setObjectName(QStringLiteral("CmbDomAnnualita"));
    m_cmbDomAnnualita->setParent(domande);
    m_lblSelezione[2]->setBuddy(m_cmbDomAnnualita);
    const std::array<const char*, 2> spunte{"Stampate", "Scaricate"};
    for (size_t i = 0; i < m_check1.size(); ++i) {
        m_check1[i] = new QCheckBox(QLatin1String(spunte[i]), domande);
        m_check1[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
    }
    m_cmddati[0] = new QPushButton(QStringLiteral("Cerca ..."), domande);
    for (int riga = 0; riga < 3; ++riga) griglia->addWidget(m_lblSelezione[static_cast<size_t>(riga)], riga, 0);
    griglia->addWidget(m_txtSEL_NumDom[0], 0, 1);
    griglia->addWidget(m_txtSEL_NumDom[1], 1, 1);
    griglia->addWidget(m_cmbDomAnnualita, 2, 1);
    griglia->addWidget(m_check1[0], 0, 2);
    griglia->addWidget(m_check1[1], 1, 2);
    griglia->addWidget(m_cmddati[0], 2, 2);
    auto* layoutFiltro = new QVBoxLayout(filtro);
    layoutFiltro->addWidget(domande);

    m_lista.didascalia->setObjectName(QStringLiteral("didascalia_TDBG_DISTILLA"));
    m_lista.griglia->setObjectName(QStringLiteral("TDBG_DISTILLA"));
    m_lista.modello->setObjectName(QStringLiteral("Data_DISTILLA"));
    GrigliaLista::PreparaGriglia(m_lista.griglia, m_lista.modello);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (size_t c = 0; c < CORNICI.size(); ++c) {
        m_cornici[c] = new QGroupBox(this);
        m_cornici[c]->setObjectName(QLatin1String(CORNICI[c].nome));
        auto* riga = new QHBoxLayout(m_cornici[c]);
        for (const Pulsante& pulsante : CORNICI[c].pulsanti) {
            auto* bottone = new QPushButton(QLatin1String(pulsante.didascalia), m_cornici[c]);
            m_cmddati[static_cast<size_t>(pulsante.indice)] = bottone;
            riga->addWidget(bottone);
        }
        pulsanti->addWidget(m_cornici[c]);
    }
    for (size_t i = 0; i < m_cmddati.size(); ++i) {
        m_cmddati[i]->setObjectName(QStringLiteral("Cmddati_%1").arg(i));
        connect(m_cmddati[i], &QPushButton::clicked, this, [this, i] { CmdDATI_Click(static_cast<int>(i)); });
    }
    m_cmddati[4]->setEnabled(m_modo != 1 || static_cast<bool>(m_azioni.elencoFatture));
    m_cmddati[10]->setEnabled(static_cast<bool>(m_azioni.scarico));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filtro);
    layout->addWidget(m_lista.didascalia);
    layout->addWidget(m_lista.griglia, 1);
    layout->addLayout(pulsanti);
    resize(640, 520);

    connect(m_cmbDomAnnualita, &QComboBox::activated, this, [this] {
        Trappola(m_contesto, QStringLiteral("FrmSelezione CmbDomAnnualita_Click"), [this] { CmbDomAnnualita_Click(); });
    });
    connect(m_lista.griglia->horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { CmdDATI_Click(0); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] {
        const int c = cornice(m_modo);
        if (c >= 0) CmdDATI_Click(HELP_DELLA_CORNICE[static_cast<size_t>(c)]);
    });

    Trappola(m_contesto, QStringLiteral("FrmSelezione Form_Load"), [this] { Form_Load(); });
}

void FrmSelezione::Form_Load()
{
    StatoCondiviso& stato = m_contesto.stato;
    setWindowTitle(QStringLiteral("Elenco ") + m_titolo);

    for (QCheckBox* spunta : m_check1) spunta->setEnabled(true);
    for (QGroupBox* c : m_cornici) c->setVisible(false);
    const bool fatture = m_modo == 1;
    m_lblSelezione[1]->setText(fatture ? QStringLiteral("N° Fattura ") : QStringLiteral("N° Progressivo "));
    m_txtSEL_NumDom[1]->setMaxLength(fatture ? 15 : 2);
    if (const int c = cornice(m_modo); c >= 0) m_cornici[static_cast<size_t>(c)]->setVisible(true);
    if (m_modo == 4) {
        m_check1[0]->setChecked(true);
        for (QCheckBox* spunta : m_check1) spunta->setEnabled(false);
    }

    Cerca();

    const bool campagnaPreimpostata = m_modo == 4 || m_modo == 5;
    Md_FunzioniGenerali::CaricaCmb(m_contesto, m_cmbDomAnnualita, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"),
                                   QString(), false, QStringLiteral(" ORDER BY ANNUALITA"), false, !campagnaPreimpostata);
    if (campagnaPreimpostata && !stato.sUltimaCampagna.isEmpty()) CmbDomAnnualita_Click();
}

void FrmSelezione::Cerca()
{
    const CriteriSelezione criteri{m_modo,
                                   m_txtSEL_NumDom[0]->text(),
                                   m_txtSEL_NumDom[1]->text(),
                                   m_check1[0]->isChecked(),
                                   m_check1[1]->isChecked(),
                                   m_contesto.stato.sCampagnaFiltro};
    const QString chiave = SelezioneDistillatore::chiaveModo(m_modo);
    SelezioneDistillatore::CaricaGrigliaDistillatore(m_contesto, m_lista, chiave, false,
                                                     SelezioneDistillatore::ImpostaFiltro(criteri));
    SelezioneDistillatore::ImpostaColonneDistillatore(m_contesto, m_lista, chiave);
}

void FrmSelezione::CmbDomAnnualita_Click()
{
    m_contesto.stato.vModoOperativo = m_modo;
    m_contesto.stato.sTitolo = m_titolo;
    m_contesto.stato.sCampagnaFiltro = m_cmbDomAnnualita->currentText();
    Cerca();
}

void FrmSelezione::CmdDATI_Click(int indice)
{
    StatoCondiviso& stato = m_contesto.stato;
    // Another window may have changed the mode and title since this one opened.
    stato.vModoOperativo = m_modo;
    stato.sTitolo = m_titolo;
    Trappola(m_contesto, QStringLiteral(" FrmSeleziona CmdDATI_Click"), [this, indice, &stato] {
        switch (indice) {
        case 0: Cerca(); break;
        case 1:
            stato.sOperazione = QStringLiteral("I");
            ChiamaFORM(0);
            break;
        case 2:
            if (righeSelezionate() < 1) {
                m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo,
                                              QStringLiteral("Selezionare almeno una domanda.")});
                return;
            }
            stato.sOperazione = QStringLiteral("M");
            SEL_RECORD();
            ChiamaFORM(m_modo);
            break;
        case 6: Cancella(); break;
        case 4:
        case 8:
        case 10: Conferma(); break;
        case 15: Bolle(); break;
        case 3:
        case 5:
        case 7:
        case 9: close(); break;
        case 11:
        case 12:
        case 13:
        case 14: Help::MostraHelp(m_contesto, chiaveHelp()); break;
        }
    });
    m_contesto.applicazione().cursoreAttesa(false);
}

QString FrmSelezione::chiaveHelp() const
{
    switch (m_modo) {
    case 0: return QStringLiteral("FRMSELEZIONE_DOMA");
    case 1: return QStringLiteral("FRMSELEZIONE_FATTU");
    case 3: return QStringLiteral("FRMSELEZIONE_CAMBIO");
    case 4: return QStringLiteral("frmScarico");
    case 5: return QStringLiteral("FRMSELEZIONE_STAMPA");
    }
    return QString();
}

void FrmSelezione::Cancella()
{
    StatoCondiviso& stato = m_contesto.stato;
    ServizioMessaggi& messaggi = m_contesto.messaggi();
    if (righeSelezionate() < 1) {
        messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo, QStringLiteral("Selezionare almeno una domanda.")});
        return;
    }
    SEL_RECORD();
    const Risposta risposta =
        messaggi.mostra({Icona::Informazione, Pulsanti::SiNo, 1, stato.sTitolo,
                         QStringLiteral("Confermi la cancellazione della domanda : ") + stato.DomandaCorrente.DOMANDA});
    if (risposta != Risposta::Si) return;
    stato.sSQL = QStringLiteral("delete from domande where id_domanda = ?1");
    if (m_contesto.db().eseguiSenzaErrori(stato.sSQL, {stato.DomandaCorrente.ID_DOMANDA}) > 0) {
        messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo, QStringLiteral("Operazione correttamente eseguita.")});
    } else {
        messaggi.mostra({Icona::Esclamazione, Pulsanti::Ok, 0, stato.sTitolo,
                         QStringLiteral("Operazione non eseguita, verificare eventuale presenza di fatture.")});
    }
    Cerca();
}

void FrmSelezione::Conferma()
{
    StatoCondiviso& stato = m_contesto.stato;
    ServizioMessaggi& messaggi = m_contesto.messaggi();
    stato.sOperazione = QStringLiteral("I");
    const int selezionate = righeSelezionate();
    if (selezionate != 1) {
        messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo,
                         selezionate == 0 ? QStringLiteral("Selezionare almeno una domanda.")
                                          : QStringLiteral("Selezionare una domanda alla volta.")});
        return;
    }
    SEL_RECORD();
    switch (m_modo) {
    case 1:
    case 3: ChiamaFORM(m_modo); break;
    case 4:
        if (SelezioneDistillatore::VerificaCongruenzaQuantitaProdotto(m_contesto, stato.DomandaCorrente.ID_DOMANDA,
                                                                      windowTitle()) &&
            stato.DomandaCorrente.STAM == QLatin1String("S")) {
            ChiamaFORM(4);
        }
        break;
    case 5:
        if (StampeDistillatore::STAMPA(m_contesto, stato.DomandaCorrente.CAMPAGNA)) {
            stato.sSQL = QStringLiteral("UPDATE DOMANDE SET stam = 'S' where id_domanda = ?1");
            if (m_contesto.db().eseguiSenzaErrori(stato.sSQL, {stato.DomandaCorrente.ID_DOMANDA}) == 0) {
                messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo,
                                 QStringLiteral("Flag di stampa non aggiornato , rifare la stampa.")});
            }
        }
        break;
    }
    const QString chiave = SelezioneDistillatore::chiaveModo(m_modo);
    SelezioneDistillatore::CaricaGrigliaDistillatore(m_contesto, m_lista, chiave, true, {});
    SelezioneDistillatore::ImpostaColonneDistillatore(m_contesto, m_lista, chiave);
}

void FrmSelezione::Bolle()
{
    const int selezionate = righeSelezionate();
    if (selezionate != 1) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, m_contesto.stato.sTitolo,
                                      selezionate == 0 ? QStringLiteral("Selezionare una domanda.")
                                                       : QStringLiteral("Selezionare una sola domanda.")});
        return;
    }
    const RecordDomanda riga = SelezioneDistillatore::SEL_RECORD(*m_lista.modello, rigaScelta());
    StampeDistillatore::StampaBolle(m_contesto, {riga.ID_DOMANDA, riga.DOMANDA, riga.PROGRESSIVO, riga.CAMPAGNA});
}

void FrmSelezione::ChiamaFORM(int vTipo)
{
    QWidget* finestra = nullptr;
    switch (vTipo) {
    case 0: finestra = new FrmDomanda(m_contesto); break;
    case 1:
        if (m_azioni.elencoFatture) finestra = m_azioni.elencoFatture(m_contesto);
        break;
    case 3: finestra = new frmCambioDomanda(m_contesto); break;
    case 4:
        if (m_azioni.scarico) finestra = m_azioni.scarico(m_contesto);
        break;
    }
    if (finestra) m_contesto.servizi.finestre.apri(finestra, ModoFinestra::Modale);
    Cerca();
}

void FrmSelezione::SEL_RECORD()
{
    m_contesto.stato.DomandaCorrente = SelezioneDistillatore::SEL_RECORD(*m_lista.modello, rigaScelta());
}

int FrmSelezione::righeSelezionate() const
{
    return static_cast<int>(m_lista.griglia->selectionModel()->selectedRows().size());
}

int FrmSelezione::rigaScelta() const
{
    const QItemSelectionModel* selezione = m_lista.griglia->selectionModel();
    const int corrente = m_lista.griglia->currentIndex().row();
    if (corrente >= 0 && selezione->isRowSelected(corrente, QModelIndex())) return corrente;
    int prima = -1;
    for (const QModelIndex& indice : selezione->selectedRows()) {
        if (prima < 0 || indice.row() < prima) prima = indice.row();
    }
    return prima;
}

void FrmSelezione::closeEvent(QCloseEvent* event)
{
    m_contesto.stato.sCampagnaFiltro.clear();
    QWidget::closeEvent(event);
}
