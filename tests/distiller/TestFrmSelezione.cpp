#include "AmbienteDistillatore.h"
#include "StampaQString.h"

#include "app/CampoTesto.h"
#include "app/GrigliaLista.h"
#include "data/ModelloLista.h"
#include "distiller/FrmSelezione.h"
#include "distiller/frmCambioDomanda.h"
#include "help/FrmHelp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <memory>

namespace {

const QMap<int, QString> TITOLI = {{0, " Domande "},
                                   {1, " Fatture "},
                                   {3, " Cambio Num. Domande "},
                                   {4, " Scarico della Domanda "},
                                   {5, "Stampa Domanda "}};

class TestFrmSelezione : public AmbienteDistillatore {
protected:
    TestFrmSelezione() { stato.sUltimaCampagna = QStringLiteral("2005"); }

    FrmSelezione& apri(int modo)
    {
        stato.vModoOperativo = modo;
        stato.sTitolo = TITOLI.value(modo);
        m_finestra = std::make_unique<FrmSelezione>(contesto, azioni);
        m_finestra->show();
        return *m_finestra;
    }
    FrmSelezione& finestra() { return *m_finestra; }
    // Every row of the list: number, progressive, campaign, and the invoice number in mode 1.
    QStringList righe()
    {
        ModelloLista* modello = finestra().Data_DISTILLA();
        modello->caricaTutto();
        QStringList elenco;
        for (int r = 0; r < modello->rowCount(); ++r) {
            QString riga = modello->testo(r, "DOMANDA") + '|' + modello->testo(r, "PROGRESSIVO") + '|' +
                           modello->testo(r, "DATA_CAMP");
            if (finestra().modo() == 1) riga += '|' + modello->testo(r, "NUME_FATT");
            elenco << riga;
        }
        return elenco;
    }
    void seleziona(const QList<int>& righe, int corrente = -1)
    {
        QTableView* griglia = finestra().TDBG_DISTILLA();
        QItemSelectionModel* selezione = griglia->selectionModel();
        selezione->clearSelection();
        const int colonna = finestra().Data_DISTILLA()->colonna("DOMANDA");
        for (int r : righe) {
            selezione->select(griglia->model()->index(r, colonna), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        const int suCui = corrente >= 0 ? corrente : (righe.isEmpty() ? -1 : righe.first());
        if (suCui >= 0) selezione->setCurrentIndex(griglia->model()->index(suCui, colonna), QItemSelectionModel::NoUpdate);
    }
    void premi(int indice) { QTest::mouseClick(finestra().Cmddati(indice), Qt::LeftButton); }
    void filtra(const QString& numero, const QString& secondo, bool stampate = false, bool scaricate = false)
    {
        finestra().TxtSEL_NumDom(0)->setText(numero);
        finestra().TxtSEL_NumDom(1)->setText(secondo);
        finestra().Check1(0)->setChecked(stampate);
        finestra().Check1(1)->setChecked(scaricate);
        premi(0);
    }
    void scegliCampagna(const QString& campagna)
    {
        QComboBox* lista = finestra().CmbDomAnnualita();
        lista->setCurrentIndex(lista->findText(campagna));
        Q_EMIT lista->activated(lista->currentIndex());
    }
    Messaggio avvisoModo(const QString& testo, Icona icona = Icona::Informazione)
    {
        return avviso(stato.sTitolo, testo, icona);
    }

    AzioniSelezione azioni;
    std::unique_ptr<FrmSelezione> m_finestra;
};

QStringList voci(QComboBox* lista)
{
    QStringList elenco;
    for (int i = 0; i < lista->count(); ++i) elenco << lista->itemText(i);
    return elenco;
}

}  // namespace

TEST_F(TestFrmSelezione, AperturaPerModo)
{
    azioni.elencoFatture = [](Contesto&) { return new QLabel; };
    azioni.scarico = [](Contesto&) { return new QLabel; };
    azioni.STAMPA = [](Contesto&) { return true; };
    azioni.StampaBolle = [](Contesto&, const RecordDomanda&) {};
    QStringList chiavi;
    finestre.copioni["FrmHelp"] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    struct Caso {
        int modo;
        QString etichetta;
        int lunghezza;
        int cornice;
        int help;
        QString chiave;
        bool spuntaBloccata;
        QString campagna;
    };
    const QStringList campagne = {"2001", "2002", "2003", "2004", "2005"};
    const QList<Caso> casi = {
        {0, "N° Progressivo ", 2, 0, 13, "FRMSELEZIONE_DOMA", false, ""},
        {1, "N° Fattura ", 15, 1, 11, "FRMSELEZIONE_FATTU", false, ""},
        {3, "N° Progressivo ", 2, 1, 11, "FRMSELEZIONE_CAMBIO", false, ""},
        {4, "N° Progressivo ", 2, 2, 14, "frmScarico", true, "2005"},
        {5, "N° Progressivo ", 2, 3, 12, "FRMSELEZIONE_STAMPA", false, "2005"},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.modo);
        apri(caso.modo);
        EXPECT_EQ(finestra().windowTitle(), "Elenco " + TITOLI.value(caso.modo));
        EXPECT_EQ(finestra().didascaliaLista()->text(), TITOLI.value(caso.modo));
        EXPECT_EQ(finestra().LblSelezione(1)->text(), caso.etichetta);
        EXPECT_EQ(finestra().TxtSEL_NumDom(0)->maxLength(), 11);
        EXPECT_EQ(finestra().TxtSEL_NumDom(1)->maxLength(), caso.lunghezza);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(finestra().cornicePulsanti(c)->isVisible(), c == caso.cornice) << c;
        EXPECT_EQ(finestra().Check1(0)->isChecked(), caso.spuntaBloccata);
        EXPECT_FALSE(finestra().Check1(1)->isChecked());
        EXPECT_EQ(finestra().Check1(0)->isEnabled(), !caso.spuntaBloccata);
        EXPECT_EQ(finestra().Check1(1)->isEnabled(), !caso.spuntaBloccata);
        const bool preimpostata = !caso.campagna.isEmpty();
        EXPECT_EQ(voci(finestra().CmbDomAnnualita()), preimpostata ? campagne : campagne + QStringList{""});
        EXPECT_EQ(finestra().CmbDomAnnualita()->currentText(), caso.campagna);
        EXPECT_EQ(stato.sCampagnaFiltro, caso.campagna);

        chiavi.clear();
        premi(caso.help);
        attiva(finestra());
        QTest::keyClick(finestra().TxtSEL_NumDom(0), Qt::Key_F1);
        EXPECT_EQ(chiavi, QStringList({caso.chiave, caso.chiave}));
        finestra().close();
        EXPECT_EQ(stato.sCampagnaFiltro, QString());
    }
}

TEST_F(TestFrmSelezione, PulsantiSenzaFinestraCollegataRestanoDisabilitati)
{
    EXPECT_FALSE(apri(1).Cmddati(4)->isEnabled());
    EXPECT_TRUE(apri(3).Cmddati(4)->isEnabled());
    EXPECT_FALSE(apri(4).Cmddati(10)->isEnabled());
    apri(5);
    EXPECT_FALSE(finestra().Cmddati(8)->isEnabled());
    EXPECT_FALSE(finestra().Cmddati(15)->isEnabled());
}

TEST_F(TestFrmSelezione, FiltriDaSoliECombinati)
{
    domanda("00000000002", "01", "2005", "S", "S");
    domanda("00000000001", "02", "2004", "S", "N");
    domanda("00000000001", "01", "2005", "N", "S");
    domanda("00000000001", "01", "2004", "S", "S");
    domanda("00000000003", "02", "2005");
    apri(0);
    struct Caso {
        QString numero, secondo;
        bool stampate, scaricate;
        QString campagna;
        QStringList attese;
    };
    const QList<Caso> casi = {
        {"", "", false, false, "",
         {"00000000001|01|2004", "00000000001|01|2005", "00000000001|02|2004", "00000000002|01|2005",
          "00000000003|02|2005"}},
        {"00000000001", "", false, false, "", {"00000000001|01|2004", "00000000001|01|2005", "00000000001|02|2004"}},
        {"", "02", false, false, "", {"00000000001|02|2004", "00000000003|02|2005"}},
        {"00000000001", "01", false, false, "", {"00000000001|01|2004", "00000000001|01|2005"}},
        {"", "", true, false, "", {"00000000001|01|2004", "00000000001|02|2004", "00000000002|01|2005"}},
        {"", "", false, true, "", {"00000000001|01|2004", "00000000001|01|2005", "00000000002|01|2005"}},
        {"00000000001", "", true, true, "", {"00000000001|01|2004"}},
        {"", "", false, false, "2005", {"00000000001|01|2005", "00000000002|01|2005", "00000000003|02|2005"}},
        {"00000000001", "01", true, false, "2004", {"00000000001|01|2004"}},
        {"00000000009", "", false, false, "", {}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE((caso.numero + '/' + caso.secondo + '/' + caso.campagna).toStdString() +
                     (caso.stampate ? " stampate" : "") + (caso.scaricate ? " scaricate" : ""));
        stato.sCampagnaFiltro = caso.campagna;
        filtra(caso.numero, caso.secondo, caso.stampate, caso.scaricate);
        EXPECT_EQ(righe(), caso.attese);
    }

    filtra("00000000001", "01");
    scegliCampagna("2004");
    EXPECT_EQ(stato.sCampagnaFiltro, "2004");
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2004"})) << "the campaign is searched with the typed filter";
    scegliCampagna("");
    EXPECT_EQ(stato.sCampagnaFiltro, "");
    EXPECT_EQ(righe().size(), 2);
}

TEST_F(TestFrmSelezione, FattureUnaRigaPerFatturaEFiltroSulNumeroFattura)
{
    const qint32 conFatture = domanda("00000000001", "01", "2005");
    domanda("00000000002", "01", "2005");
    fattura(conFatture, "7");
    fattura(conFatture, "8");
    fattura(conFatture, "9");
    apri(1);
    QStringList attese = righe();
    attese.sort();
    EXPECT_EQ(attese, QStringList({"00000000001|01|2005|7", "00000000001|01|2005|8", "00000000001|01|2005|9",
                                   "00000000002|01|2005|"}));
    const QTableView* griglia = finestra().TDBG_DISTILLA();
    const ModelloLista* modello = finestra().Data_DISTILLA();
    QStringList visibili;
    for (int v = 0; v < modello->columnCount(); ++v) {
        const int c = griglia->horizontalHeader()->logicalIndex(v);
        if (!griglia->isColumnHidden(c)) visibili << modello->headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(visibili, QStringList({"Numero Domanda", "Progressivo", "Stampata ", "Scaricata", "Campagna",
                                     "Num. Fattura", "Data Fattura"}));

    filtra("", "8");
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005|8"}));
    filtra("00000000002", "");
    EXPECT_EQ(righe(), QStringList({"00000000002|01|2005|"}));
}

TEST_F(TestFrmSelezione, StampeSoloDomandeConFattureDellaCampagnaPiuRecente)
{
    const qint32 stampabile = domanda("00000000001", "01", "2005");
    fattura(stampabile, "1");
    domanda("00000000002", "01", "2005");
    fattura(domanda("00000000003", "01", "2004"), "1");
    apri(5);
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005"}));
    scegliCampagna("2004");
    EXPECT_EQ(righe(), QStringList({"00000000003|01|2004"}));
}

TEST_F(TestFrmSelezione, QuanteRigheSelezionate)
{
    for (int i = 1; i <= 3; ++i) fattura(domanda(QStringLiteral("0000000000%1").arg(i), "01", "2005"), "1");
    azioni.StampaBolle = [](Contesto&, const RecordDomanda&) { ADD_FAILURE() << "printout started"; };
    azioni.STAMPA = [](Contesto&) -> bool {
        ADD_FAILURE() << "printout started";
        return false;
    };
    struct Caso {
        int modo, pulsante;
        QList<int> righe;
        QString testo;
    };
    const QList<Caso> casi = {
        {0, 2, {}, "Selezionare almeno una domanda."},
        {0, 6, {}, "Selezionare almeno una domanda."},
        {3, 4, {}, "Selezionare almeno una domanda."},
        {3, 4, {0, 2}, "Selezionare una domanda alla volta."},
        {5, 8, {}, "Selezionare almeno una domanda."},
        {5, 8, {1, 2}, "Selezionare una domanda alla volta."},
        {5, 15, {}, "Selezionare una domanda."},
        {5, 15, {0, 1}, "Selezionare una sola domanda."},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(QStringLiteral("modo %1 pulsante %2").arg(caso.modo).arg(caso.pulsante).toStdString());
        apri(caso.modo);
        seleziona(caso.righe);
        messaggi.aspetta(avvisoModo(caso.testo));
        premi(caso.pulsante);
        messaggi.verificaCompletato();
    }
    EXPECT_TRUE(finestre.aperture.isEmpty());
}

TEST_F(TestFrmSelezione, CancellaConConferma)
{
    const qint32 conFatture = domanda("00000000001", "01", "2005");
    fattura(conFatture, "1");
    const qint32 senza = domanda("00000000002", "01", "2005");
    apri(0);
    const Messaggio conferma = {Icona::Informazione, Pulsanti::SiNo, 1, " Domande ",
                                "Confermi la cancellazione della domanda : 00000000001"};

    seleziona({0});
    messaggi.aspetta(conferma, Risposta::Si);
    messaggi.aspetta(avvisoModo("Operazione non eseguita, verificare eventuale presenza di fatture.", Icona::Esclamazione));
    premi(6);
    EXPECT_EQ(conta("DOMANDE"), 2);
    EXPECT_EQ(conta("FATTURE"), 1);

    seleziona({1});
    Messaggio secondaConferma = conferma;
    secondaConferma.testo = "Confermi la cancellazione della domanda : 00000000002";
    messaggi.aspetta(secondaConferma, Risposta::No);
    premi(6);
    EXPECT_EQ(riga(senza), "00000000002|01|N|N");

    messaggi.aspetta(secondaConferma, Risposta::Si);
    messaggi.aspetta(avvisoModo("Operazione correttamente eseguita."));
    premi(6);
    EXPECT_EQ(riga(senza), "");
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005"}));
}

TEST_F(TestFrmSelezione, SelezionaCopiaLaDomandaEApreIlCambioNumero)
{
    domanda("00000000001", "01", "2005");
    const qint32 id = domanda("00000000002", "03", "2004", "S", "N", "29", 3);
    apri(3);
    RecordDomanda copiata;
    finestre.copioni["frmCambioDomanda"] = [&](QWidget*) {
        copiata = stato.DomandaCorrente;
        stato.dbDati->esegui("UPDATE DOMANDE SET DOMANDA = '00000000005' WHERE ID_DOMANDA = ?1", {id});
    };
    seleziona({1});
    premi(4);
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::Modale);
    EXPECT_EQ(finestre.aperture[0].sOperazione, "I");
    EXPECT_EQ(copiata.ID_DOMANDA, id);
    EXPECT_EQ(copiata.DOMANDA, "00000000002");
    EXPECT_EQ(copiata.PROGRESSIVO, "03");
    EXPECT_EQ(copiata.STAM + copiata.SCAR, "SN");
    EXPECT_EQ(copiata.PROG_VERS, "1");
    EXPECT_EQ(copiata.TIPO_ARTICOLO, "29");
    EXPECT_EQ(copiata.PRODOTTO, "ALN ALCOLE NEUTRO");
    EXPECT_EQ(copiata.PROG_INVIO, 2);
    EXPECT_EQ(copiata.CAMPAGNA, "2004");
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005", "00000000005|03|2004"})) << "reloaded after the window closed";
}

TEST_F(TestFrmSelezione, LaRigaCorrenteNonSelezionataNonVieneUsata)
{
    domanda("00000000001", "01", "2005");
    domanda("00000000002", "01", "2005");
    apri(3);
    QString numero;
    finestre.copioni["frmCambioDomanda"] = [&](QWidget*) { numero = stato.DomandaCorrente.DOMANDA; };
    seleziona({0}, 1);
    premi(4);
    EXPECT_EQ(numero, "00000000001");
}

TEST_F(TestFrmSelezione, ScaricoControllaLeQuantitaDelleBolle)
{
    azioni.scarico = [](Contesto&) {
        auto* finestra = new QLabel;
        finestra->setObjectName("scarico");
        return finestra;
    };
    const qint32 buona = domanda("00000000001", "01", "2005", "S");
    bolla(fattura(buona, "1", "CANTINA", "12,5"), "12,50004");
    bolla(fattura(buona, "2", "CANTINA", ""), "0");
    const qint32 cattiva = domanda("00000000002", "01", "2005", "S");
    const qint32 f = fattura(cattiva, "5", "L'UVA", "12,5");
    bolla(f, "6,2");
    bolla(f, "6,2");
    fattura(cattiva, "6", "VIGNA", "1");
    domanda("00000000003", "01", "2005", "N");
    apri(4);
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005", "00000000002|01|2005"})) << "printed applications only";

    seleziona({0});
    premi(10);
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].classe, "QLabel");
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::Modale);

    seleziona({1});
    messaggi.aspetta(avviso("Elenco  Scarico della Domanda ",
                            "La domanda presenta incogruenze tra la somma\r\n"
                            "del prodotto distillato delle fatture e la somma del prodotto delle bolle di consegna.\r\n"
                            " - L'UVA fattura n° 5\r\n - VIGNA fattura n° 6"));
    premi(10);
    EXPECT_EQ(finestre.aperture.size(), 1);
}

TEST_F(TestFrmSelezione, StampaImpostaIlFlagDiStampata)
{
    const qint32 id = domanda("00000000001", "01", "2005");
    fattura(id, "1");
    bool riuscita = false;
    RecordDomanda stampata;
    azioni.STAMPA = [&](Contesto& c) {
        stampata = c.stato.DomandaCorrente;
        return riuscita;
    };
    apri(5);
    seleziona({0});
    premi(8);
    EXPECT_EQ(stampata.ID_DOMANDA, id);
    EXPECT_EQ(riga(id), "00000000001|01|N|N") << "a printout that failed leaves the flag";

    riuscita = true;
    premi(8);
    EXPECT_EQ(riga(id), "00000000001|01|S|N");

    azioni.STAMPA = [&](Contesto& c) {
        c.stato.dbDati->esegui("DELETE FROM FATTURE");
        c.stato.dbDati->esegui("DELETE FROM DOMANDE");
        return true;
    };
    apri(5);
    seleziona({0});
    messaggi.aspetta(avvisoModo("Flag di stampa non aggiornato , rifare la stampa."));
    premi(8);
}

TEST_F(TestFrmSelezione, BolleStampaLaRigaCorrente)
{
    const qint32 id = domanda("00000000001", "04", "2005");
    fattura(id, "1");
    RecordDomanda riga;
    azioni.StampaBolle = [&riga](Contesto&, const RecordDomanda& corrente) { riga = corrente; };
    apri(5);
    seleziona({0});
    premi(15);
    EXPECT_EQ(riga.ID_DOMANDA, id);
    EXPECT_EQ(riga.PROGRESSIVO, "04");
    EXPECT_EQ(riga.CAMPAGNA, "2005");
}

TEST_F(TestFrmSelezione, ApostrofoInOgniCasellaDelFiltro)
{
    stato.dbDati->esegui("INSERT INTO CAMPAGNA (ANNUALITA) VALUES ('20''6')");
    const qint32 id = domanda("12'4", "0'", "20'6");
    fattura(id, "F'1");
    domanda("12'4", "01", "2005");
    domanda("124", "0'", "20'6");
    apri(0);
    scegliCampagna("20'6");
    filtra("12'4", "0'");
    EXPECT_EQ(righe(), QStringList({"12'4|0'|20'6"}));

    apri(1);
    scegliCampagna("20'6");
    filtra("12'4", "F'1");
    EXPECT_EQ(righe(), QStringList({"12'4|0'|20'6|F'1"}));
    EXPECT_EQ(conta("DOMANDE"), 3);
}

TEST_F(TestFrmSelezione, ClicSullIntestazioneRiesegueLaRicerca)
{
    domanda("00000000003", "01", "2005");
    apri(0);
    filtra("", "01");
    domanda("00000000001", "01", "2005");
    domanda("00000000002", "02", "2005");
    QTest::mouseClick(finestra().TDBG_DISTILLA()->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(righe(), QStringList({"00000000001|01|2005", "00000000003|01|2005"}));
}

TEST_F(TestFrmSelezione, ColonneDelleFattureDiUnaDomanda)
{
    const qint32 id = domanda("00000000001", "01", "2005");
    fattura(id, "10");
    fattura(id, "9");
    fattura(domanda("00000000002", "01", "2005"), "1");
    stato.DomandaCorrente.ID_DOMANDA = id;
    stato.sTitolo = " Fatture ";
    QLabel didascalia;
    QTableView griglia;
    ModelloLista modello;
    GrigliaLista::PreparaGriglia(&griglia, &modello);
    const ListaDistillatore lista{&didascalia, &griglia, &modello};
    SelezioneDistillatore::CaricaGrigliaDistillatore(contesto, lista, "SCARICO", false, {});
    SelezioneDistillatore::ImpostaColonneDistillatore(contesto, lista, "FATTURE2");
    EXPECT_EQ(didascalia.text(), " Fatture ");
    ASSERT_EQ(modello.rowCount(), 2);
    EXPECT_EQ(modello.testo(0, "NUME_FATT") + modello.testo(1, "NUME_FATT"), "910") << "in the numeric order";
    QStringList visibili;
    for (int c = 0; c < modello.columnCount(); ++c) {
        if (!griglia.isColumnHidden(c)) visibili << modello.headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(visibili.size(), 4);
    EXPECT_TRUE(visibili.contains(" Fattura N° ") && visibili.contains(" Codice fiscale "));

    const qint32 fatturaConBolle = leggi("SELECT ID_FATTURA FROM FATTURE WHERE NUME_FATT = '9'").toInt();
    bolla(fatturaConBolle, "1");
    bolla(fatturaConBolle, "2");
    SelezioneDistillatore::CaricaGrigliaDistillatore(contesto, lista, "SCARICO2", false, {});
    EXPECT_EQ(modello.rowCount(), 2);
    EXPECT_EQ(SelezioneDistillatore::QuerySelezioneDistillatore(stato, "2"), " ");
}
