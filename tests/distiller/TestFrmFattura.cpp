#include "AmbienteProva.h"
#include "StampaQString.h"

#include "app/CampoTesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/FrmFattura.h"
#include "distiller/frmBolleConsegne.h"
#include "help/FrmHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

const QString PARTITA_IVA = QStringLiteral("12345678903");
const QString TITOLO = QStringLiteral(" Fatture ");
const QString PRODOTTO = QStringLiteral("VRT VINO ROSSO DA TAVOLA");

Messaggio avviso(const QString& titolo, const QString& testo)
{
    return {Icona::Informazione, Pulsanti::Ok, 0, titolo, testo};
}
Messaggio domanda(const QString& testo)
{
    return {Icona::Esclamazione, Pulsanti::SiNo, 0, md_Globali::TITOLO_PROGRAMMA, testo + QStringLiteral("\rProseguo ?")};
}
const Messaggio IMPONIBILE = domanda(QStringLiteral("Imponibile immesso non corretto"));
const Messaggio TOTALE = domanda(QStringLiteral("Totale immesso non corretto"));
const Messaggio DATA_NON_VALIDA{Icona::Esclamazione, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA,
                                QStringLiteral("Data non valida")};

void clic(QWidget* pulsante)
{
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Types into a field as the user does and leaves it with Tab.
void scriviEdEsci(CampoTesto* campo, const QString& testo)
{
    campo->setFocus();
    campo->selectAll();
    QTest::keyClick(campo, Qt::Key_Backspace);
    QTest::keyClicks(campo, testo);
    QTest::keyClick(campo, Qt::Key_Tab);
    QCoreApplication::processEvents();
}

class TestFrmFattura : public AmbienteProva {
protected:
    TestFrmFattura()
    {
        apriDatabase();
        stato.sTitolo = TITOLO;
        stato.DomandaCorrente = domandaInDatabase(QStringLiteral("12345678901"), QStringLiteral("01"));
    }

    RecordDomanda domandaInDatabase(const QString& numero, const QString& progressivo)
    {
        Database& db = apriDatabase();
        db.esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, "
                                 "PROG_VERS, DATA_CAMP, PROG_INVIO) VALUES (?1, ?2, 1, '30', 'S', 'S', '1', '2005', 0)"),
                  {numero, progressivo});
        RecordDomanda record;
        record.ID_DOMANDA = leggi(QStringLiteral("SELECT max(ID_DOMANDA) FROM DOMANDE")).toInt();
        record.DOMANDA = numero;
        record.PROGRESSIVO = progressivo;
        record.TIPO_ARTICOLO = QStringLiteral("30");
        record.PRODOTTO = QStringLiteral("ACQ ACQUAVITE DI VINO");
        record.CAMPAGNA = QStringLiteral("2005");
        record.STAM = record.SCAR = QStringLiteral("S");
        return record;
    }

    qint32 fatturaInDatabase(const QString& numero, const QString& qtaLavo = QStringLiteral("100,0000"))
    {
        apriDatabase().esegui(
            QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, "
                           "GRAD, PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, DATA_COMP, QTA_LAVO, ID_LAVORAZIONE, "
                           "FOGL, RIGO) VALUES (?1, ?2, 'CANTINA', ?3, '01/02/2006', '100,0000', '10,0000', '0,5000', "
                           "'500,00', '100,00', '600,00', '01/03/2006', '02/02/2006', ?4, 2, '0', '0')"),
            {stato.DomandaCorrente.ID_DOMANDA, PARTITA_IVA, numero, qtaLavo});
        return leggi(QStringLiteral("SELECT max(ID_FATTURA) FROM FATTURE")).toInt();
    }

    void bollaInDatabase(qint32 fattura, const QString& numero, const QString& data, const QString& quantita,
                         const QString& pagamento = QString())
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, "
                                             "QUANTITA_PRODOTTO, GRADO, DATA_PAGA) VALUES (?1, ?2, ?3, ?4, '11,0000', ?5)"),
                              {fattura, numero, data, quantita, pagamento});
    }

    // Every note as text, in order, to compare before and after.
    QString bolle(const QString& condizione = QStringLiteral("1=1"))
    {
        QStringList righe;
        Istruzione query = apriDatabase().prepara(
            QStringLiteral("SELECT ID_BOLLA, FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, GRADO, "
                           "DATA_PAGA FROM BOLLE WHERE ") + condizione + QStringLiteral(" ORDER BY ID_BOLLA"));
        while (query.avanza()) {
            QStringList campi;
            for (int c = 0; c < query.numeroColonne(); ++c) campi << query.testo(c);
            righe << campi.join(u'|');
        }
        return righe.join(u'\n');
    }

    FrmFattura& apri(const QString& operazione)
    {
        stato.sOperazione = operazione;
        m_fattura = std::make_unique<FrmFattura>(contesto);
        m_fattura->show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_fattura.get()));
        return *m_fattura;
    }

    // A complete, consistent invoice: 100 x 10 x 0,5 = 500 + 100 VAT.
    void compila(FrmFattura& f)
    {
        f.TxtDati(4)->setText(PARTITA_IVA);
        f.TxtDati(5)->setText(QStringLiteral("CANTINA"));
        f.TxtDati(6)->setText(QStringLiteral("15"));
        f.TxtDati(7)->setText(QStringLiteral("01/02/2006"));
        f.TxtDati(8)->setText(QStringLiteral("02/02/2006"));
        f.TxtDati(9)->setText(QStringLiteral("01/03/2006"));
        f.cboProdotto()->setCurrentIndex(f.cboProdotto()->findText(PRODOTTO));
        f.TxtDati(11)->setText(QStringLiteral("0,5"));
        f.TxtDati(12)->setText(QStringLiteral("10"));
        f.TxtDati(13)->setText(QStringLiteral("100"));
        f.TxtDati(14)->setText(QStringLiteral("100"));
        f.TxtDati(15)->setText(QStringLiteral("500"));
        f.TxtDati(16)->setText(QStringLiteral("100"));
        f.TxtDati(17)->setText(QStringLiteral("600"));
    }

    // Drives the delivery-notes window when "Bolle" opens it.
    void copioneBolle(std::function<void(frmBolleConsegne&)> copione)
    {
        finestre.copioni[QStringLiteral("frmBolleConsegne")] = [copione](QWidget* w) {
            auto& b = *static_cast<frmBolleConsegne*>(w);
            b.show();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&b));
            copione(b);
        };
    }

    // Enters one note in the notes window's detail view and saves it.
    static void nuovaBolla(frmBolleConsegne& b, const QString& numero, const QString& data, const QString& quantita)
    {
        clic(b.Cmddati(1));
        b.TxtDati(1)->setText(numero);
        b.TxtDati(2)->setText(data);
        b.TxtDati(7)->setText(QStringLiteral("11,0000"));
        scriviEdEsci(b.TxtDati(3), quantita);
        clic(b.Cmddati(0));
    }

    static void scegliRiga(frmBolleConsegne& b, int riga)
    {
        b.tdbgBolle()->selectionModel()->clearSelection();
        b.tdbgBolle()->selectRow(riga);
    }

    std::unique_ptr<FrmFattura> m_fattura;
};

}  // namespace

TEST_F(TestFrmFattura, CampiDellaFinestraENuovaFatturaSalvata)
{
    stato.FatturaCorrente.ID_FATTURA = 0;
    FrmFattura& f = apri(QStringLiteral("I"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Fattura"));
    EXPECT_EQ(f.TxtDati(0)->text(), QStringLiteral("12345678901"));
    EXPECT_EQ(f.TxtDati(3)->text(), QStringLiteral("ACQ ACQUAVITE DI VINO"));
    EXPECT_EQ(f.TxtDati(20)->text(), QStringLiteral("2005"));
    EXPECT_EQ(f.cboProdotto()->currentIndex(), -1);
    EXPECT_EQ(f.cboProdotto()->itemText(0), QStringLiteral("VBT VINO BIANCO DA TAVOLA"));
    EXPECT_EQ(f.cboProdotto()->itemText(f.cboProdotto()->count() - 1), QString());
    const QList<std::tuple<int, int, QString>> lunghezze = {
        {4, 16, "Codice fiscale o partita iva"}, {5, 50, "Denominazione"}, {6, 15, "Numero della fattura"},
        {8, 10, "Data di introduzione"}, {11, 9, "Prezzo Unitario al grado"}, {12, 7, "Grado"},
        {14, 12, "Quantità lavorata"}, {17, 15, "Importo"}};
    for (const auto& [indice, lunghezza, suggerimento] : lunghezze) {
        EXPECT_EQ(f.TxtDati(indice)->maxLength(), lunghezza) << indice;
        EXPECT_EQ(f.TxtDati(indice)->toolTip(), suggerimento) << indice;
    }

    // Keys: capitals and the characters of a name; dates through the date filter; amounts with a comma.
    scriviEdEsci(f.TxtDati(5), QStringLiteral("l'orto d'oro & c. *#"));
    EXPECT_EQ(f.TxtDati(5)->text(), QStringLiteral("L'ORTO D'ORO & C. "));
    scriviEdEsci(f.TxtDati(7), QStringLiteral("01022006"));
    EXPECT_EQ(f.TxtDati(7)->text(), QStringLiteral("01/02/2006"));
    scriviEdEsci(f.TxtDati(13), QStringLiteral("100.5"));
    EXPECT_EQ(f.TxtDati(13)->text(), QStringLiteral("100,5000"));
    scriviEdEsci(f.TxtDati(15), QStringLiteral("12"));
    EXPECT_EQ(f.TxtDati(15)->text(), QStringLiteral("12,00"));
    f.TxtDati(15)->setFocus();
    f.TxtDati(15)->setCursorPosition(2);
    QTest::keyClick(f.TxtDati(15), Qt::Key_Delete);
    EXPECT_EQ(f.TxtDati(15)->text(), QStringLiteral("12,00"));

    compila(f);
    f.TxtDati(4)->setText(QStringLiteral("AB'12"));
    f.TxtDati(6)->setText(QStringLiteral("12/'A"));
    f.TxtDati(5)->setText(QStringLiteral("L'ORTO D'ORO"));
    messaggi.aspetta(avviso(QStringLiteral("Salvataggio "), QStringLiteral("Codice fiscale o partita iva errato. ")));
    clic(f.Cmddati(0));
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 0);

    f.TxtDati(4)->setText(PARTITA_IVA);
    clic(f.Cmddati(0));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(leggi(QStringLiteral("SELECT CODI_FISC || '|' || DENOMINAZIONE || '|' || NUME_FATT || '|' || DATA_FATT || '|' "
                                   "|| DATA_COMP || '|' || DATA_PAGA || '|' || PREZ_MINI || '|' || GRAD || '|' || QTA_PROD "
                                   "|| '|' || QTA_LAVO || '|' || IMPO || '|' || IVA || '|' || IMPO_TOTA || '|' || "
                                   "ID_LAVORAZIONE || '|' || FOGL || '|' || RIGO FROM FATTURE WHERE NUME_FATT = ?1"),
                    {QStringLiteral("12/'A")}),
              QStringLiteral("12345678903|L'ORTO D'ORO|12/'A|01/02/2006|02/02/2006|01/03/2006|0,5000|10,0000|100,0000|"
                             "100,0000|500,00|100,00|600,00|2|1|1"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT STAM || SCAR FROM DOMANDE")), QStringLiteral("NN"));
}

TEST_F(TestFrmFattura, ImponibileConTolleranzaETotaleEsatto)
{
    struct Caso {
        QString imponibile, iva, totale;
        QList<Messaggio> domande;
    };
    const QList<Caso> casi = {
        {"500,60", "100", "600,60", {}},
        {"499,40", "100", "599,40", {}},
        {"500,61", "100", "600,61", {IMPONIBILE}},
        {"499,39", "100", "599,39", {IMPONIBILE}},
        {"500", "100", "600,01", {TOTALE}},
        {"500", "100", "600,00", {}},
        {"500", "", "500", {}},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.imponibile.toStdString() + " " + caso.totale.toStdString());
        for (const Risposta risposta : {Risposta::No, Risposta::Si}) {
            if (caso.domande.isEmpty() && risposta == Risposta::No) continue;
            apriDatabase().esegui(QStringLiteral("DELETE FROM FATTURE"));
            FrmFattura& f = apri(QStringLiteral("I"));
            compila(f);
            f.TxtDati(15)->setText(caso.imponibile);
            f.TxtDati(16)->setText(caso.iva);
            f.TxtDati(17)->setText(caso.totale);
            for (const Messaggio& m : caso.domande) messaggi.aspetta(m, risposta);
            clic(f.Cmddati(0));
            messaggi.verificaCompletato();
            const bool salvata = risposta == Risposta::Si;
            EXPECT_EQ(conta(QStringLiteral("FATTURE")), salvata ? 1 : 0);
            EXPECT_EQ(f.isVisible(), !salvata);
            if (!salvata) {
                const int campo = caso.domande.first().testo.startsWith(QStringLiteral("Imponibile")) ? 15 : 17;
                EXPECT_EQ(stato.iEsitoControllo, campo + 100);
                EXPECT_TRUE(f.TxtDati(campo)->hasFocus());
            } else {
                EXPECT_EQ(leggi(QStringLiteral("SELECT IVA FROM FATTURE")),
                          caso.iva.isEmpty() ? QStringLiteral("0,00") : QStringLiteral("100,00"));
            }
        }
    }
}

TEST_F(TestFrmFattura, CampiObbligatoriInOrdineConIlProdottoInCoda)
{
    struct Caso {
        int campo;
        QString valore;
        int esito;
        QString testo;
    };
    const QList<Caso> casi = {
        {4, "", 4, "Codice fiscale o partita iva errato. "},
        {4, "12345678901", 4, "Codice fiscale o partita iva errato. "},
        {6, " ", 6, "Numero della fattura campo obbligatorio. "},
        {8, "", 8, "Data di introduzione campo obbligatorio. "},
        {9, "", 9, "Data pagamento campo obbligatorio. "},
        {10, "", 10, "Prodotto lavorato  campo obbligatorio. "},
        {12, "0", 12, "Grado campo obbligatorio. "},
        {17, "", 17, "Importo campo obbligatorio. "},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.campo);
        FrmFattura& f = apri(QStringLiteral("I"));
        compila(f);
        if (caso.campo == 10) {
            f.cboProdotto()->setCurrentIndex(f.cboProdotto()->count() - 1);
        } else {
            f.TxtDati(caso.campo)->setText(caso.valore);
        }
        if (caso.campo == 10) f.TxtDati(13)->clear();  // a later failure is reported first
        messaggi.aspetta(avviso(QStringLiteral("Salvataggio "),
                                caso.campo == 10 ? QStringLiteral("Prodotto Ql/Hl campo obbligatorio. ") : caso.testo));
        clic(f.Cmddati(0));
        if (caso.campo == 10) {
            f.TxtDati(13)->setText(QStringLiteral("100"));
            messaggi.aspetta(avviso(QStringLiteral("Salvataggio "), caso.testo));
            clic(f.Cmddati(0));
            EXPECT_TRUE(f.cboProdotto()->hasFocus());
        }
        messaggi.verificaCompletato();
        EXPECT_EQ(stato.iEsitoControllo, caso.esito);
        EXPECT_EQ(conta(QStringLiteral("FATTURE")), 0);
        EXPECT_TRUE(f.isVisible());
    }
}

TEST_F(TestFrmFattura, DataPagamentoVuotaAccettataConUnaBollaPagata)
{
    bollaInDatabase(0, QStringLiteral("B1"), QStringLiteral("02/02/2006"), QStringLiteral("10,0000"), QStringLiteral("05/03/2006"));
    FrmFattura& f = apri(QStringLiteral("I"));
    compila(f);
    f.TxtDati(9)->clear();
    clic(f.Cmddati(0));
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 1);
    const QString id = leggi(QStringLiteral("SELECT ID_FATTURA FROM FATTURE"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT FK_ID_FATTURA FROM BOLLE")), id);
    EXPECT_EQ(leggi(QStringLiteral("SELECT DATA_PAGA FROM FATTURE")), QString());
}

TEST_F(TestFrmFattura, DataNonValidaTieneIlCampoENonSalva)
{
    FrmFattura& f = apri(QStringLiteral("I"));
    compila(f);
    f.TxtDati(7)->setText(QStringLiteral("31/02/2006"));
    f.TxtDati(7)->setFocus();
    messaggi.aspetta(DATA_NON_VALIDA);
    clic(f.Cmddati(0));
    messaggi.verificaCompletato();
    EXPECT_TRUE(f.TxtDati(7)->hasFocus());
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 0);
    EXPECT_TRUE(f.isVisible());

    f.TxtDati(7)->setText(QStringLiteral("1/2/06"));
    clic(f.Cmddati(0));
    EXPECT_EQ(leggi(QStringLiteral("SELECT DATA_FATT FROM FATTURE")), QStringLiteral("01/02/2006"));
}

TEST_F(TestFrmFattura, CinqueFattureSuDueFogli)
{
    for (int numero = 1; numero <= 4; ++numero) fatturaInDatabase(QString::number(numero));
    // An invoice of another application is not numbered with these.
    const RecordDomanda corrente = stato.DomandaCorrente;
    stato.DomandaCorrente = domandaInDatabase(QStringLiteral("99999999999"), QStringLiteral("01"));
    const qint32 altra = fatturaInDatabase("9");
    stato.DomandaCorrente = corrente;

    FrmFattura& f = apri(QStringLiteral("I"));
    compila(f);
    clic(f.Cmddati(0));
    EXPECT_EQ(leggi(QStringLiteral("SELECT group_concat(FOGL || '.' || RIGO, ' ') FROM (SELECT * FROM FATTURE WHERE "
                                   "ID_DOMANDA = ?1 ORDER BY ID_FATTURA)"),
                    {stato.DomandaCorrente.ID_DOMANDA}),
              QStringLiteral("1.1 1.2 1.3 1.4 2.1"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT FOGL || '.' || RIGO FROM FATTURE WHERE ID_FATTURA = ?1"), {altra}), QStringLiteral("0.0"));
}

TEST_F(TestFrmFattura, CercaDenominazioneNeiProduttoriPoiNelleFatture)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO PRODUTTORI (CODI_FISC, DENOMINAZIONE) VALUES ('AB''CD', 'L''ORTO')"));
    fatturaInDatabase(QStringLiteral("7"));
    FrmFattura& f = apri(QStringLiteral("I"));
    const QString titolo = QStringLiteral("Produttore");

    messaggi.aspetta(avviso(titolo, QStringLiteral("Inserire il codice fiscale o la Partita IVA.")));
    clic(f.CmdTrovadenominazione());
    EXPECT_TRUE(f.TxtDati(4)->hasFocus());

    for (const auto& [codice, nome] : {std::pair{QStringLiteral("AB'CD"), QStringLiteral("L'ORTO")},
                                       std::pair{PARTITA_IVA, QStringLiteral("CANTINA")}}) {
        f.TxtDati(4)->setText(codice);
        clic(f.CmdTrovadenominazione());
        EXPECT_EQ(f.TxtDati(5)->text(), nome);
        EXPECT_TRUE(f.TxtDati(6)->hasFocus());
    }

    f.TxtDati(4)->setText(QStringLiteral("AB'CE"));
    f.TxtDati(5)->clear();
    messaggi.aspetta(avviso(titolo, QStringLiteral("Denominazione non esistente con la p.iva o codice fiscale inserito.")));
    clic(f.CmdTrovadenominazione());
    EXPECT_TRUE(f.TxtDati(5)->hasFocus());
}

TEST_F(TestFrmFattura, BolleSoloConQuantitaDistillata)
{
    FrmFattura& f = apri(QStringLiteral("I"));
    for (const QString& quantita : {QString(), QStringLiteral("0,0000")}) {
        f.TxtDati(14)->setText(quantita);
        messaggi.aspetta(avviso(QStringLiteral("Fattura"),
                                QStringLiteral("Prima di inserire le bolle di consegna, inserire la quantità distillata.")));
        clic(f.Cmddati(3));
    }
    EXPECT_TRUE(finestre.aperture.isEmpty());
}

TEST_F(TestFrmFattura, QuantitaDelleBolleFinoAllaDistillata)
{
    const qint32 id = fatturaInDatabase(QStringLiteral("1"));
    bollaInDatabase(id, QStringLiteral("A"), QStringLiteral("01/02/2006"), QStringLiteral("60,0000"));
    bollaInDatabase(id, QStringLiteral("B"), QStringLiteral("03/02/2006"), QStringLiteral("30,0000"));
    stato.FatturaCorrente.ID_FATTURA = id;
    stato.FatturaCorrente.QTA_LAVO = QStringLiteral("100,0000");
    stato.FatturaCorrente.ID_LAVORAZIONE = QStringLiteral("2");
    FrmFattura& f = apri(QStringLiteral("M"));
    EXPECT_EQ(f.TxtDati(14)->text(), QStringLiteral("100,0000"));
    EXPECT_EQ(f.cboProdotto()->currentText(), PRODOTTO);

    copioneBolle([&](frmBolleConsegne& b) {
        EXPECT_EQ(b.windowTitle(), QStringLiteral("Bolle consegne"));
        EXPECT_EQ(b.datBolle()->rowCount(), 2);
        EXPECT_FALSE(b.FraDettaglio()->isVisible());

        messaggi.aspetta(avviso(b.windowTitle(), QStringLiteral("Selezionare una bolla di consegna da modificare.")));
        clic(b.Cmddati(0));

        // Refused when the field is left, and again when "Salva" takes the focus, which then saves nothing.
        const Messaggio troppo = avviso(b.windowTitle(), QStringLiteral("La somma delle quantità di prodotto consegnata\r\n"
                                                                        "è maggiore della quantità totale distillata.\r\n"
                                                                        "Somma inserita 100,0001 somma consentita 100,0000"));
        messaggi.aspetta(troppo);
        messaggi.aspetta(troppo);
        nuovaBolla(b, QStringLiteral("C'1"), QStringLiteral("04/02/2006"), QStringLiteral("10,0001"));
        messaggi.verificaCompletato();
        EXPECT_TRUE(b.FraDettaglio()->isVisible());
        EXPECT_TRUE(b.TxtDati(3)->hasFocus());
        EXPECT_EQ(conta(QStringLiteral("BOLLE")), 2);

        scriviEdEsci(b.TxtDati(3), QStringLiteral("10"));
        clic(b.Cmddati(0));
        EXPECT_FALSE(b.FraDettaglio()->isVisible());
        EXPECT_EQ(b.datBolle()->rowCount(), 3);
        EXPECT_EQ(leggi(QStringLiteral("SELECT NUMERO_BOLLA || '|' || QUANTITA_PRODOTTO || '|' || FK_ID_FATTURA FROM BOLLE "
                                       "WHERE NUMERO_BOLLA = 'C''1'")),
                  QStringLiteral("C'1|10,0000|") + QString::number(id));

        // The 60 note becomes 70 against 100 - 10 - 30: its old quantity does not count.
        scegliRiga(b, 0);
        clic(b.Cmddati(0));
        EXPECT_EQ(b.TxtDati(3)->text(), QStringLiteral("60,0000"));
        messaggi.aspetta(avviso(b.windowTitle(), QStringLiteral("La somma delle quantità di prodotto consegnata\r\n"
                                                                "è maggiore della quantità totale distillata.\r\n"
                                                                "Somma inserita 110,0000 somma consentita 100,0000")));
        scriviEdEsci(b.TxtDati(3), QStringLiteral("70"));
        messaggi.verificaCompletato();
        scriviEdEsci(b.TxtDati(3), QStringLiteral("60"));
        clic(b.Cmddati(0));
        EXPECT_EQ(conta(QStringLiteral("BOLLE")), 3);

        apriDatabase().esegui(QStringLiteral("DELETE FROM BOLLE WHERE NUMERO_BOLLA = 'C''1'"));
        scegliRiga(b, 0);
        clic(b.Cmddati(0));
        scriviEdEsci(b.TxtDati(3), QStringLiteral("70"));
        clic(b.Cmddati(0));
        EXPECT_EQ(leggi(QStringLiteral("SELECT QUANTITA_PRODOTTO FROM BOLLE WHERE NUMERO_BOLLA = 'A'")), QStringLiteral("70,0000"));
        EXPECT_EQ(conta(QStringLiteral("BOLLE")), 2);
        clic(b.Cmddati(2));
    });
    clic(f.Cmddati(3));
    EXPECT_EQ(finestre.aperture.size(), 1);
}

TEST_F(TestFrmFattura, DataDiIntroduzioneLaPiuVecchiaConsegna)
{
    FrmFattura& f = apri(QStringLiteral("I"));
    f.TxtDati(14)->setText(QStringLiteral("100,0000"));
    f.TxtDati(8)->setText(QStringLiteral("01/01/2006"));
    copioneBolle([&](frmBolleConsegne& b) {
        nuovaBolla(b, QStringLiteral("1"), QStringLiteral("15/03/2006"), QStringLiteral("10"));
        nuovaBolla(b, QStringLiteral("2"), QStringLiteral("02/11/2005"), QStringLiteral("10"));
        clic(b.Cmddati(2));
    });
    clic(f.Cmddati(3));
    EXPECT_EQ(f.TxtDati(8)->text(), QStringLiteral("02/11/2005"));

    copioneBolle([&](frmBolleConsegne& b) {
        for (int volta = 0; volta < 2; ++volta) {
            scegliRiga(b, 0);
            messaggi.aspetta({Icona::Nessuna, Pulsanti::SiNo, 1, b.windowTitle(),
                              QStringLiteral("Sicuro di voler eliminare la bolla n° %1?").arg(volta + 1)},
                             Risposta::Si);
            clic(b.Cmddati(3));
        }
        messaggi.aspetta(avviso(b.windowTitle(), QStringLiteral("Nessuna bolla selezionata.")));
        clic(b.Cmddati(3));
        clic(b.Cmddati(2));
    });
    clic(f.Cmddati(3));
    EXPECT_EQ(f.TxtDati(8)->text(), QString());
}

TEST_F(TestFrmFattura, EsciDaNuovaFatturaScartaLeBolleInSospeso)
{
    const qint32 id = fatturaInDatabase(QStringLiteral("1"));
    bollaInDatabase(id, QStringLiteral("ALTRA"), QStringLiteral("01/02/2006"), QStringLiteral("5,0000"));
    FrmFattura& f = apri(QStringLiteral("I"));
    f.TxtDati(14)->setText(QStringLiteral("100,0000"));
    copioneBolle([&](frmBolleConsegne& b) {
        nuovaBolla(b, QStringLiteral("1"), QStringLiteral("01/03/2006"), QStringLiteral("10"));
        nuovaBolla(b, QStringLiteral("2"), QStringLiteral("02/03/2006"), QStringLiteral("10"));
        clic(b.Cmddati(2));
    });
    clic(f.Cmddati(3));
    EXPECT_EQ(conta(QStringLiteral("BOLLE WHERE FK_ID_FATTURA = 0")), 2);
    clic(f.Cmddati(1));
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(conta(QStringLiteral("BOLLE WHERE FK_ID_FATTURA = 0")), 0);
    EXPECT_EQ(conta(QStringLiteral("BOLLE")), 1);
}

TEST_F(TestFrmFattura, HelpSecondoLOperazione)
{
    QStringList chiavi;
    finestre.copioni[QStringLiteral("FrmHelp")] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    for (const QString& operazione : {QStringLiteral("I"), QStringLiteral(" m ")}) {
        FrmFattura& f = apri(operazione);
        clic(f.Cmddati(2));
        QTest::keyClick(f.TxtDati(5), Qt::Key_F1);
    }
    EXPECT_EQ(chiavi, (QStringList{"FRMFATTURA_INS", "FRMFATTURA_INS", "FRMFATTURA_MOD", "FRMFATTURA_MOD"}));
}

TEST_F(TestFrmFattura, FallimentiDelSalvataggioNonLascianoMezzeModifiche)
{
    const auto errore = [](Database& db, const QString& sql, const QString& etichetta) {
        try {
            db.esegui(sql);
        } catch (const Errore& e) {
            return Messaggio{Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                             LogErrori::TestoGestioneErrori(e.numero(), e.descrizione(), QStringLiteral("tormavellino"), etichetta)};
        }
        return Messaggio{};
    };
    bollaInDatabase(0, QStringLiteral("P"), QStringLiteral("02/02/2006"), QStringLiteral("10,0000"), QStringLiteral("05/03/2006"));

    // A product gone from LAVORAZIONI: nothing stored, the pending note still pending, the window closed.
    FrmFattura& f = apri(QStringLiteral("I"));
    compila(f);
    apriDatabase().esegui(QStringLiteral("DELETE FROM LAVORAZIONI WHERE CODI_LAVO = 'VRT'"));
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                      LogErrori::TestoGestioneErrori(3021, QStringLiteral("Nessun record corrente."), QStringLiteral("tormavellino"),
                                                     QStringLiteral("FrmFattura motedofatture"))});
    clic(f.Cmddati(0));
    messaggi.verificaCompletato();
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 0);
    EXPECT_EQ(leggi(QStringLiteral("SELECT STAM || SCAR FROM DOMANDE")), QStringLiteral("SS"));
    EXPECT_EQ(conta(QStringLiteral("BOLLE WHERE FK_ID_FATTURA = 0")), 1);

    // A payment-date check that cannot read the notes refuses the invoice instead of letting it through.
    FrmFattura& g = apri(QStringLiteral("I"));
    compila(g);
    g.cboProdotto()->setCurrentIndex(0);
    g.TxtDati(9)->clear();
    apriDatabase().esegui(QStringLiteral("ALTER TABLE BOLLE RENAME TO BOLLE_VIA"));
    messaggi.aspetta(errore(apriDatabase(), QStringLiteral("select 1 from bolle"), QStringLiteral("FrmFattura CONTROLLACAMPI")));
    clic(g.Cmddati(0));
    messaggi.verificaCompletato();
    EXPECT_TRUE(g.isVisible());
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 0);
}
