#include "AmbienteDistillatore.h"
#include "StampaQString.h"

#include "app/CampoTesto.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/FrmFattura.h"
#include "distiller/FrmSelezionaFatture.h"
#include "distiller/frmBolleConsegne.h"
#include "help/FrmHelp.h"

#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>

#include <functional>
#include <memory>

namespace {

const QString TITOLO = QStringLiteral(" Fatture ");

void clic(QWidget* pulsante)
{
    QTest::mouseClick(pulsante, Qt::LeftButton);
    QCoreApplication::processEvents();
}

class TestFrmSelezionaFatture : public AmbienteDistillatore {
protected:
    TestFrmSelezionaFatture()
    {
        stato.sTitolo = TITOLO;
        const qint32 id = domanda(QStringLiteral("12345678901"), QStringLiteral("01"), QStringLiteral("2005"),
                                  QStringLiteral("S"), QStringLiteral("S"));
        stato.DomandaCorrente.ID_DOMANDA = id;
        stato.DomandaCorrente.DOMANDA = QStringLiteral("12345678901");
        stato.DomandaCorrente.PROGRESSIVO = QStringLiteral("01");
        stato.DomandaCorrente.TIPO_ARTICOLO = QStringLiteral("30");
        stato.DomandaCorrente.PRODOTTO = QStringLiteral("ACQ ACQUAVITE DI VINO");
        stato.DomandaCorrente.CAMPAGNA = QStringLiteral("2005");
    }

    qint32 fatturaCompleta(const QString& codice, const QString& nome, const QString& numero, const QString& quantita)
    {
        stato.dbDati->esegui(
            QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, GRAD, "
                           "PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, DATA_COMP, QTA_LAVO, ID_LAVORAZIONE) VALUES "
                           "(?1, ?2, ?3, ?4, '01/02/2006', ?5, '10,0000', '0,5000', '500,00', '100,00', '600,00', "
                           "'01/03/2006', '02/02/2006', '100,0000', 2)"),
            {stato.DomandaCorrente.ID_DOMANDA, codice, nome, numero, quantita});
        return ultimoId();
    }
    void bollaCompleta(qint32 fattura, const QString& numero, const QString& data, const QString& quantita)
    {
        stato.dbDati->esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, "
                                            "QUANTITA_PRODOTTO, GRADO, DATA_PAGA) VALUES (?1, ?2, ?3, ?4, '11,0000', '')"),
                             {fattura, numero, data, quantita});
    }
    QString bolle()
    {
        return leggi(QStringLiteral("SELECT group_concat(riga, ' / ') FROM (SELECT ID_BOLLA || '|' || FK_ID_FATTURA || '|' || "
                                    "NUMERO_BOLLA || '|' || DATA_CONSEGNA || '|' || QUANTITA_PRODOTTO || '|' || GRADO "
                                    "|| '|' || DATA_PAGA AS riga FROM BOLLE ORDER BY ID_BOLLA)"));
    }
    bool esisteCopia() { return stato.dbDati->esisteTabella(QStringLiteral("APPO_BOLLE")); }

    FrmSelezionaFatture& elenco()
    {
        if (!m_elenco) {
            m_elenco = std::make_unique<FrmSelezionaFatture>(contesto);
            attiva(*m_elenco);
        }
        return *m_elenco;
    }
    void scegli(int riga)
    {
        QTableView* griglia = elenco().TDBG_Selfatt();
        griglia->selectionModel()->clearSelection();
        griglia->selectRow(riga);
    }

    // The invoice window, then (when given) its delivery-notes window, each ending as the copione says.
    void copioni(std::function<void(FrmFattura&)> fattura, std::function<void(frmBolleConsegne&)> bolle = {})
    {
        finestre.copioni[QStringLiteral("FrmFattura")] = [fattura](QWidget* w) {
            auto& f = *static_cast<FrmFattura*>(w);
            attiva(f);
            fattura(f);
        };
        if (!bolle) return;
        finestre.copioni[QStringLiteral("frmBolleConsegne")] = [bolle](QWidget* w) {
            auto& b = *static_cast<frmBolleConsegne*>(w);
            attiva(b);
            bolle(b);
        };
    }

    static void nuovaBolla(frmBolleConsegne& b, const QString& numero, const QString& data, const QString& quantita)
    {
        clic(b.Cmddati(1));
        b.TxtDati(1)->setText(numero);
        b.TxtDati(2)->setText(data);
        b.TxtDati(3)->setText(quantita);
        b.TxtDati(7)->setText(QStringLiteral("11,0000"));
        clic(b.Cmddati(0));
    }

    std::unique_ptr<FrmSelezionaFatture> m_elenco;
};

}  // namespace

TEST_F(TestFrmSelezionaFatture, SenzaFattureSoloNuovo)
{
    FrmSelezionaFatture& f = elenco();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Seleziona Fatture"));
    EXPECT_EQ(f.TxtDati(0)->text(), QStringLiteral("12345678901"));
    EXPECT_EQ(f.TxtDati(15)->text(), QStringLiteral("2005"));
    EXPECT_EQ(f.Data_SelFatt()->rowCount(), 0);
    EXPECT_EQ(f.TxtDati(14)->text(), QString());
    for (int pulsante : {2, 4}) {
        messaggi.aspetta(avviso(TITOLO, QStringLiteral("Selezionare almeno una fattura.")));
        clic(f.Cmddati(pulsante));
    }
    EXPECT_TRUE(finestre.aperture.isEmpty());
    EXPECT_FALSE(esisteCopia());

    stato.FatturaCorrente.ID_FATTURA = 99;
    copioni([](FrmFattura& fattura) { EXPECT_EQ(fattura.TxtDati(4)->text(), QString()); });
    clic(f.Cmddati(1));
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].classe, QStringLiteral("FrmFattura"));
    EXPECT_EQ(finestre.aperture[0].sOperazione, QStringLiteral("I"));
    EXPECT_EQ(stato.FatturaCorrente.ID_FATTURA, 0);
}

TEST_F(TestFrmSelezionaFatture, ElencoDettaglioTotaleEOrdine)
{
    fatturaCompleta(QStringLiteral("RSSMRA80A01H501U"), QStringLiteral("ZETA"), QStringLiteral("2"), QStringLiteral("10,5000"));
    const qint32 seconda =
        fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("L'ALFA"), QStringLiteral("1'B"), QStringLiteral("2,2500"));
    FrmSelezionaFatture& f = elenco();
    EXPECT_EQ(f.Data_SelFatt()->rowCount(), 2);
    EXPECT_EQ(f.TxtDati(14)->text(), QStringLiteral("12,7500"));
    QStringList mostrate;
    QHeaderView* intestazione = f.TDBG_Selfatt()->horizontalHeader();
    for (int v = 0; v < intestazione->count(); ++v) {
        const int c = intestazione->logicalIndex(v);
        if (!f.TDBG_Selfatt()->isColumnHidden(c)) mostrate << f.Data_SelFatt()->headerData(c, Qt::Horizontal).toString();
    }
    EXPECT_EQ(mostrate, (QStringList{" Codice fiscale ", " Denominazione ", " Fattura N° ", " Data fattura "}));

    f.TDBG_Selfatt()->selectRow(1);
    EXPECT_EQ(stato.FatturaCorrente.ID_FATTURA, seconda);
    EXPECT_EQ(stato.FatturaCorrente.NUME_FATT, QStringLiteral("1'B"));
    EXPECT_EQ(stato.FatturaCorrente.DENOMINAZIONE, QStringLiteral("L'ALFA"));
    EXPECT_EQ(f.TxtDati(4)->text(), QStringLiteral("2,2500"));
    EXPECT_EQ(f.TxtDati(12)->text(), QStringLiteral("100,0000"));

    for (const auto& [colonna, primo] : {std::pair{"DENOMINAZIONE", "L'ALFA"}, std::pair{"NUME_FATT", "L'ALFA"},
                                         std::pair{"CODI_FISC", "L'ALFA"}}) {
        QTest::mouseClick(intestazione->viewport(), Qt::LeftButton, {},
                          QPoint(intestazione->sectionViewportPosition(f.Data_SelFatt()->colonna(QLatin1String(colonna))) + 5, 5));
        EXPECT_EQ(f.Data_SelFatt()->testo(0, QStringLiteral("DENOMINAZIONE")), QLatin1String(primo)) << colonna;
    }
}

TEST_F(TestFrmSelezionaFatture, CancellaLaFatturaConLeSueBolle)
{
    const qint32 resta = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1,0000"));
    const qint32 via = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("B"), QStringLiteral("N'2"), QStringLiteral("1,0000"));
    bollaCompleta(resta, QStringLiteral("R1"), QStringLiteral("01/02/2006"), QStringLiteral("1,0000"));
    bollaCompleta(via, QStringLiteral("V1"), QStringLiteral("01/02/2006"), QStringLiteral("1,0000"));
    bollaCompleta(via, QStringLiteral("V2"), QStringLiteral("02/02/2006"), QStringLiteral("1,0000"));
    FrmSelezionaFatture& f = elenco();
    scegli(1);
    const Messaggio conferma{Icona::Informazione, Pulsanti::SiNo, 1, TITOLO,
                             QStringLiteral("Confermi la cancellazione della fattura: N'2")};
    messaggi.aspetta(conferma, Risposta::No);
    clic(f.Cmddati(4));
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 2);
    EXPECT_EQ(riga(stato.DomandaCorrente.ID_DOMANDA, QStringLiteral("STAM || SCAR")), QStringLiteral("SS"));

    scegli(1);
    messaggi.aspetta(conferma, Risposta::Si);
    messaggi.aspetta(avviso(TITOLO, QStringLiteral("Operazione correttamente eseguita.")));
    clic(f.Cmddati(4));
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 1);
    EXPECT_EQ(leggi(QStringLiteral("SELECT group_concat(NUMERO_BOLLA) FROM BOLLE")), QStringLiteral("R1"));
    EXPECT_EQ(riga(stato.DomandaCorrente.ID_DOMANDA, QStringLiteral("STAM || SCAR")), QStringLiteral("NN"));
    EXPECT_EQ(f.Data_SelFatt()->rowCount(), 1);
    EXPECT_EQ(f.TxtDati(14)->text(), QStringLiteral("1,0000"));

    // The invoice is gone by the time the user confirms.
    scegli(0);
    stato.dbDati->esegui(QStringLiteral("DELETE FROM FATTURE"));
    messaggi.aspetta({Icona::Informazione, Pulsanti::SiNo, 1, TITOLO, QStringLiteral("Confermi la cancellazione della fattura: 1")},
                     Risposta::Si);
    messaggi.aspetta(avviso(TITOLO, QStringLiteral("Operazione non eseguita.")));
    clic(f.Cmddati(4));
    EXPECT_EQ(leggi(QStringLiteral("SELECT group_concat(NUMERO_BOLLA) FROM BOLLE")), QStringLiteral("R1"));
    EXPECT_EQ(f.TxtDati(14)->text(), QString());
}

TEST_F(TestFrmSelezionaFatture, ModificaPoiEsciRimetteOgniBolla)
{
    const qint32 altra = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("1,0000"));
    const qint32 id = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("B"), QStringLiteral("2"), QStringLiteral("1,0000"));
    bollaCompleta(altra, QStringLiteral("X"), QStringLiteral("01/02/2006"), QStringLiteral("5,0000"));
    bollaCompleta(id, QStringLiteral("B'1"), QStringLiteral("15/03/2006"), QStringLiteral("60,0000"));
    bollaCompleta(id, QStringLiteral("B2"), QStringLiteral("02/11/2005"), QStringLiteral("30,0000"));
    const QString prima = bolle();

    FrmSelezionaFatture& f = elenco();
    copioni(
        [](FrmFattura& fattura) {
            EXPECT_EQ(fattura.TxtDati(5)->text(), QStringLiteral("B"));
            clic(fattura.Cmddati(3));
            EXPECT_EQ(fattura.TxtDati(8)->text(), QString());
            clic(fattura.Cmddati(1));
            EXPECT_FALSE(fattura.isVisible());
        },
        [this](frmBolleConsegne& b) {
            EXPECT_EQ(b.datBolle()->rowCount(), 2);
            b.tdbgBolle()->selectRow(0);
            messaggi.aspetta({Icona::Nessuna, Pulsanti::SiNo, 1, b.windowTitle(),
                              QStringLiteral("Sicuro di voler eliminare la bolla n° B'1?")},
                             Risposta::Si);
            clic(b.Cmddati(3));
            b.tdbgBolle()->selectRow(0);
            clic(b.Cmddati(0));
            b.TxtDati(3)->setText(QStringLiteral("31,0000"));
            clic(b.Cmddati(0));
            nuovaBolla(b, QStringLiteral("B3"), QStringLiteral("01/01/2006"), QStringLiteral("1,0000"));
            EXPECT_EQ(conta(QStringLiteral("BOLLE")), 3);
            apriDatabase().esegui(QStringLiteral("DELETE FROM BOLLE WHERE FK_ID_FATTURA <> 0 AND NUMERO_BOLLA <> 'X'"));
            clic(b.Cmddati(2));
        });
    scegli(1);
    clic(f.Cmddati(2));
    ASSERT_EQ(finestre.aperture.size(), 2);
    EXPECT_EQ(finestre.aperture[0].sOperazione, QStringLiteral("M"));
    EXPECT_EQ(bolle(), prima);
    EXPECT_FALSE(esisteCopia());
}

TEST_F(TestFrmSelezionaFatture, ModificaPoiSalvaTieneLeBolleCambiate)
{
    const qint32 id = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("B"), QStringLiteral("2"), QStringLiteral("100,0000"));
    bollaCompleta(id, QStringLiteral("B1"), QStringLiteral("15/03/2006"), QStringLiteral("60,0000"));
    FrmSelezionaFatture& f = elenco();
    copioni(
        [](FrmFattura& fattura) {
            fattura.TxtDati(5)->setText(QStringLiteral("DELL'ORTO"));
            clic(fattura.Cmddati(3));
            EXPECT_EQ(fattura.TxtDati(8)->text(), QStringLiteral("02/11/2005"));
            clic(fattura.Cmddati(0));
            EXPECT_FALSE(fattura.isVisible());
        },
        [](frmBolleConsegne& b) {
            nuovaBolla(b, QStringLiteral("B2"), QStringLiteral("02/11/2005"), QStringLiteral("30,0000"));
            clic(b.Cmddati(2));
        });
    scegli(0);
    clic(f.Cmddati(2));
    EXPECT_FALSE(esisteCopia());
    EXPECT_EQ(leggi(QStringLiteral("SELECT group_concat(NUMERO_BOLLA || '@' || FK_ID_FATTURA) FROM BOLLE")),
              QStringLiteral("B1@%1,B2@%1").arg(id));
    EXPECT_EQ(leggi(QStringLiteral("SELECT DENOMINAZIONE || '|' || DATA_COMP || '|' || FOGL || RIGO FROM FATTURE")),
              QStringLiteral("DELL'ORTO|02/11/2005|11"));
    EXPECT_EQ(f.Data_SelFatt()->testo(0, QStringLiteral("DENOMINAZIONE")), QStringLiteral("DELL'ORTO"));
}

TEST_F(TestFrmSelezionaFatture, NuovaFatturaSalvataSiPrendeLeBolleInSospeso)
{
    FrmSelezionaFatture& f = elenco();
    copioni(
        [](FrmFattura& fattura) {
            fattura.TxtDati(4)->setText(QStringLiteral("12345678903"));
            fattura.TxtDati(5)->setText(QStringLiteral("CANTINA"));
            fattura.TxtDati(6)->setText(QStringLiteral("7"));
            fattura.TxtDati(7)->setText(QStringLiteral("01/02/2006"));
            fattura.TxtDati(9)->setText(QStringLiteral("01/03/2006"));
            fattura.cboProdotto()->setCurrentIndex(0);
            fattura.TxtDati(11)->setText(QStringLiteral("0,5"));
            fattura.TxtDati(12)->setText(QStringLiteral("10"));
            fattura.TxtDati(13)->setText(QStringLiteral("100"));
            fattura.TxtDati(14)->setText(QStringLiteral("100"));
            fattura.TxtDati(15)->setText(QStringLiteral("500"));
            fattura.TxtDati(17)->setText(QStringLiteral("500"));
            clic(fattura.Cmddati(3));
            clic(fattura.Cmddati(0));
        },
        [](frmBolleConsegne& b) {
            nuovaBolla(b, QStringLiteral("N1"), QStringLiteral("03/02/2006"), QStringLiteral("100,0000"));
            clic(b.Cmddati(2));
        });
    clic(f.Cmddati(1));
    const QString id = leggi(QStringLiteral("SELECT ID_FATTURA FROM FATTURE"));
    EXPECT_FALSE(id.isEmpty());
    EXPECT_EQ(leggi(QStringLiteral("SELECT FK_ID_FATTURA || '|' || NUMERO_BOLLA FROM BOLLE")), id + QStringLiteral("|N1"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT DATA_COMP || '|' || IVA FROM FATTURE")), QStringLiteral("03/02/2006|0,00"));
    EXPECT_EQ(f.Data_SelFatt()->rowCount(), 1);
}

TEST_F(TestFrmSelezionaFatture, SenzaCopiaLEsciNonPerdeLeBolle)
{
    const qint32 id = fatturaCompleta(QStringLiteral("12345678903"), QStringLiteral("B"), QStringLiteral("2"), QStringLiteral("1,0000"));
    bollaCompleta(id, QStringLiteral("B1"), QStringLiteral("15/03/2006"), QStringLiteral("60,0000"));
    const QString prima = bolle();
    FrmSelezionaFatture& f = elenco();
    copioni([this, id](FrmFattura& fattura) {
        stato.dbDati->esegui(QStringLiteral("drop table APPO_BOLLE"));
        QString atteso;
        try {
            stato.dbDati->esegui(QStringLiteral("select * from APPO_BOLLE"));
        } catch (const Errore& e) {
            atteso = LogErrori::TestoGestioneErrori(e.numero(), e.descrizione(), QStringLiteral("tormavellino"),
                                                    QStringLiteral("FrmFATTURA.CMDDATI_CLICK"));
        }
        messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"), atteso});
        clic(fattura.Cmddati(1));
        EXPECT_TRUE(fattura.isVisible());
        EXPECT_EQ(conta(QStringLiteral("BOLLE WHERE FK_ID_FATTURA = ") + QString::number(id)), 1);
    });
    scegli(0);
    clic(f.Cmddati(2));
    EXPECT_EQ(bolle(), prima);
}

TEST_F(TestFrmSelezionaFatture, Help)
{
    QStringList chiavi;
    finestre.copioni[QStringLiteral("FrmHelp")] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    clic(elenco().Cmddati(0));
    QTest::keyClick(elenco().TDBG_Selfatt(), Qt::Key_F1);
    EXPECT_EQ(chiavi, (QStringList{"FRMSELEZIONE_SELFAT", "FRMSELEZIONE_SELFAT"}));
}
