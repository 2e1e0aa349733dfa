#include "distiller/FrmSelezionaFatture.h"

#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"
#include "app/GrigliaLista.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/Fattura.h"
#include "distiller/FrmFattura.h"
#include "help/Help.h"
#include "rules/Numeri.h"

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

struct Campo {
    int indice;
    const char* etichetta;
};

constexpr std::array<Campo, 5> CAMPI_DOMANDA{{
    {0, "Num. Domanda"}, {1, "Progressivo"}, {2, "N.Articolo"}, {3, "Prodotto ottenuto"}, {15, "Campagna"}}};
constexpr std::array<Campo, 9> CAMPI_DETTAGLIO{{
    {4, "Prodotto Ql/Hl"}, {5, "Grado"}, {6, "Prezzo Unitario"}, {7, "Imponibile"}, {8, "Iva"}, {9, "Importo"},
    {10, "Data pagamento"}, {11, "Data di introduzione"}, {12, "Quantità lavorata"}}};

const QString CHIAVE = QStringLiteral("FATTURE2");
const QString ETICHETTA_PULSANTI = QStringLiteral(" FrmSelezionaFatture CmdDATI_Click");

}  // namespace

FrmSelezionaFatture::FrmSelezionaFatture(Contesto& contesto, QWidget* parent)
    : QWidget(parent),
      m_contesto(contesto),
      m_lista{new QLabel(this), new QTableView(this), new ModelloLista(this)}
{
    setObjectName(QStringLiteral("FrmSelezionaFatture"));
    setWindowTitle(QStringLiteral("Seleziona Fatture"));
    m_lista.griglia->setObjectName(QStringLiteral("TDBG_Selfatt"));
    GrigliaLista::PreparaGriglia(m_lista.griglia, m_lista.modello);
    connect(m_lista.griglia->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrmSelezionaFatture::rigaCorrenteCambiata);
    connect(m_lista.griglia->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &FrmSelezionaFatture::intestazioneCliccata);

    const auto cornice = [this](const QString& titolo, const auto& campi, int perRiga) {
        auto* gruppo = new QGroupBox(titolo, this);
        auto* griglia = new QGridLayout(gruppo);
        int posizione = 0;
        for (const Campo& campo : campi) {
            auto* testo = new CampoTesto(m_contesto.applicazione(), gruppo);
            testo->setObjectName(QStringLiteral("TxtDati_%1").arg(campo.indice));
            testo->setReadOnly(true);
            auto* etichetta = new QLabel(QString::fromUtf8(campo.etichetta), gruppo);
            etichetta->setBuddy(testo);
            griglia->addWidget(etichetta, posizione / perRiga, (posizione % perRiga) * 2);
            griglia->addWidget(testo, posizione / perRiga, (posizione % perRiga) * 2 + 1);
            ++posizione;
            m_txtDati[static_cast<size_t>(campo.indice)] = testo;
        }
        return gruppo;
    };
    QGroupBox* domanda = cornice(QStringLiteral("Informazioni relative alla domanda "), CAMPI_DOMANDA, 5);
    QGroupBox* dettaglio = cornice(QStringLiteral("Dettaglio Fattura in Euro (€)"), CAMPI_DETTAGLIO, 3);

    auto* totale = new CampoTesto(contesto.applicazione(), this);
    totale->setObjectName(QStringLiteral("TxtDati_14"));
    totale->setReadOnly(true);
    m_txtDati[14] = totale;
    auto* rigaTotale = new QHBoxLayout;
    rigaTotale->addStretch();
    rigaTotale->addWidget(new QLabel(QStringLiteral("Totale Quintali delle fatture"), this));
    rigaTotale->addWidget(totale);

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(
        *this, {{1, "Nuovo"}, {2, "Modifica"}, {4, "Cancella"}, {3, "Esci"}, {0, "Help"}}, m_cmddati,
        [this](int indice) { CmdDATI_Click(indice); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(domanda);
    layout->addWidget(m_lista.didascalia);
    layout->addWidget(m_lista.griglia, 1);
    layout->addWidget(dettaglio);
    layout->addLayout(rigaTotale);
    layout->addLayout(pulsanti);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { CmdDATI_Click(0); });

    resize(820, 600);
    Md_FunzioniGenerali::CentraForm(*this, true, nullptr);
    Trappola(m_contesto, QStringLiteral(" FrmSelezionaFatture Form_Load"), [this] { Form_Load(); });
}

void FrmSelezionaFatture::Form_Load()
{
    CaricaElenco({});
    const RecordDomanda& domanda = m_contesto.stato.DomandaCorrente;
    TxtDati(0)->setText(domanda.DOMANDA);
    TxtDati(1)->setText(domanda.PROGRESSIVO);
    TxtDati(2)->setText(domanda.TIPO_ARTICOLO);
    TxtDati(3)->setText(domanda.PRODOTTO);
    TxtDati(15)->setText(domanda.CAMPAGNA);
}

void FrmSelezionaFatture::CaricaElenco(const TestoSql& ordine)
{
    SelezioneDistillatore::CaricaGrigliaDistillatore(m_contesto, m_lista, CHIAVE, false, ordine);
    SelezioneDistillatore::ImpostaColonneDistillatore(m_contesto, m_lista, CHIAVE);
    if (m_lista.modello->rowCount() == 0) {
        for (const Campo& campo : CAMPI_DETTAGLIO) TxtDati(campo.indice)->clear();
        TxtDati(14)->clear();
        return;
    }
    // The first invoice is the current one, none is selected yet.
    m_lista.griglia->selectionModel()->setCurrentIndex(m_lista.modello->index(0, 0), QItemSelectionModel::NoUpdate);
}

void FrmSelezionaFatture::rigaCorrenteCambiata()
{
    if (!m_lista.griglia->selectionModel()->currentIndex().isValid()) return;
    if (!Trappola(m_contesto, QStringLiteral(" FrmSelezionaFatture.SelRiga_SelFatture"), [this] { SelRiga_SelFatture(); }))
        return;
    Trappola(m_contesto, QStringLiteral(" FrmSelezionaFatture PassaCampi_SelFatt"), [this] { PassaCampi_SelFatt(); });
}

void FrmSelezionaFatture::SelRiga_SelFatture()
{
    const int riga = m_lista.griglia->selectionModel()->currentIndex().row();
    const ModelloLista& modello = *m_lista.modello;
    const auto testo = [&](const char* colonna) { return modello.testo(riga, QLatin1String(colonna)); };
    const auto intero = [&](const char* colonna) {
        return static_cast<qint32>(Md_FunzioniGenerali::Val(testo(colonna)).troncato().toDouble());
    };
    RecordFattura& fattura = m_contesto.stato.FatturaCorrente;
    fattura.ID_FATTURA = intero("id_fattura");
    fattura.ID_DOMANDA = intero("ID_DOMANDA");
    fattura.CODI_FISC = testo("CODI_FISC");
    fattura.DENOMINAZIONE = testo("DENOMINAZIONE");
    fattura.NUME_FATT = testo("NUME_FATT");
    fattura.DATA_FATT = testo("DATA_FATT");
    fattura.QTA_PROD = testo("QTA_PROD");
    fattura.GRAD = testo("GRAD");
    fattura.PREZ_MINI = testo("PREZ_MINI");
    fattura.IMPO = testo("IMPO");
    fattura.IVA = testo("IVA");
    fattura.IMPO_TOTA = testo("IMPO_TOTA");
    fattura.DATA_PAGA = testo("DATA_PAGA");
    fattura.DATA_COMP = testo("DATA_COMP");
    fattura.QTA_LAVO = testo("QTA_LAVO");
    fattura.ID_LAVORAZIONE = testo("ID_LAVORAZIONE");
}

void FrmSelezionaFatture::PassaCampi_SelFatt()
{
    StatoCondiviso& stato = m_contesto.stato;
    const RecordFattura& fattura = stato.FatturaCorrente;
    const std::array<const QString*, 9> valori{&fattura.QTA_PROD, &fattura.GRAD,      &fattura.PREZ_MINI,
                                               &fattura.IMPO,     &fattura.IVA,       &fattura.IMPO_TOTA,
                                               &fattura.DATA_PAGA, &fattura.DATA_COMP, &fattura.QTA_LAVO};
    for (size_t i = 0; i < valori.size(); ++i) TxtDati(CAMPI_DETTAGLIO[i].indice)->setText(*valori[i]);

    stato.sSQL = QStringLiteral("SELECT DOMANDE.DOMANDA, Sum(CDBL(FATTURE.QTA_PROD)) AS Somma_QTAPROD"
                                " FROM DOMANDE, FATTURE "
                                "WHERE DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA AND "
                                " DOMANDE.id_DOMANDA = ?1 GROUP BY DOMANDE.DOMANDA");
    Istruzione somma = m_contesto.db().prepara(stato.sSQL);
    somma.lega({stato.DomandaCorrente.ID_DOMANDA});
    if (!somma.avanza()) {
        TxtDati(14)->clear();
        return;
    }
    const double valore = somma.nullo(1) ? 0.0 : somma.valore(1).toDouble();
    TxtDati(14)->setText(Md_FunzioniGenerali::Format(NumeroDecimale::daDouble(valore), QStringLiteral("##0.0000")));
}

void FrmSelezionaFatture::intestazioneCliccata(int colonna)
{
    const QString nome = m_lista.modello->nomeColonna(colonna).toUpper();
    if (nome != QLatin1String("CODI_FISC") && nome != QLatin1String("DENOMINAZIONE") && nome != QLatin1String("NUME_FATT"))
        return;
    Trappola(m_contesto, ETICHETTA_PULSANTI,
             [this, nome] { CaricaElenco({QStringLiteral(" ORDER BY FATTURE.") + nome, {}}); });
}

void FrmSelezionaFatture::CmdDATI_Click(int indice)
{
    StatoCondiviso& stato = m_contesto.stato;
    Trappola(m_contesto, ETICHETTA_PULSANTI, [&] {
        switch (indice) {
        case 0: Help::MostraHelp(m_contesto, QStringLiteral("FRMSELEZIONE_SELFAT")); break;
        case 1:
            stato.sOperazione = QStringLiteral("I");
            stato.FatturaCorrente.ID_FATTURA = 0;
            ApriFattura();
            break;
        case 2:
            stato.sOperazione = QStringLiteral("M");
            if (nessunaScelta()) return;
            // The copy is of the notes of the invoice the row holds, read first.
            SelRiga_SelFatture();
            Fattura::CopiaBolle(m_contesto, stato.FatturaCorrente.ID_FATTURA);
            PassaCampi_SelFatt();
            ApriFattura();
            break;
        case 3: close(); break;
        case 4: Cancella(); break;
        }
    });
}

bool FrmSelezionaFatture::nessunaScelta()
{
    if (m_lista.griglia->selectionModel()->hasSelection()) return false;
    m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, m_contesto.stato.sTitolo,
                                  QStringLiteral("Selezionare almeno una fattura.")});
    return true;
}

void FrmSelezionaFatture::ApriFattura()
{
    m_contesto.servizi.finestre.apri(new FrmFattura(m_contesto), ModoFinestra::Modale);
    CaricaElenco({});
}

void FrmSelezionaFatture::Cancella()
{
    StatoCondiviso& stato = m_contesto.stato;
    ServizioMessaggi& messaggi = m_contesto.messaggi();
    if (nessunaScelta()) return;
    SelRiga_SelFatture();
    if (messaggi.mostra({Icona::Informazione, Pulsanti::SiNo, 1, stato.sTitolo,
                         QStringLiteral("Confermi la cancellazione della fattura: ") + stato.FatturaCorrente.NUME_FATT}) !=
        Risposta::Si)
        return;
    const bool eseguita = Fattura::Cancella(m_contesto, stato.FatturaCorrente.ID_FATTURA) > 0;
    messaggi.mostra({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo,
                     eseguita ? QStringLiteral("Operazione correttamente eseguita.") : QStringLiteral("Operazione non eseguita.")});
    CaricaElenco({});
}
