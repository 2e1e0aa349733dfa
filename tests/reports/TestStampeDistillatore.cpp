#include "AmbienteProva.h"
#include "TestoPdf.h"

#include "app/base/LogErrori.h"
#include "reports/StampeDistillatore.h"

#include <QFile>

using StampeDistillatore::EtichettaCampagna;
using StampeDistillatore::RigaDomanda;

namespace {

const QString Titolo = QStringLiteral("Stampa Domanda ");

class TestStampeDistillatore : public AmbienteProva {
protected:
    TestStampeDistillatore()
    {
        stato.sTitolo = Titolo;
        stato.sUltimaCampagna = QStringLiteral("2005");
        Database& db = apriDatabase();
        distilleria(QStringLiteral("Cantina dell'Etna"));
        m_domanda = domanda(QStringLiteral("12345678901"), QStringLiteral("01"), QStringLiteral("2005"));
        const qint32 f1 = fattura(m_domanda, QStringLiteral("101"), QStringLiteral("10,5"), QStringLiteral("100,00"));
        const qint32 f2 = fattura(m_domanda, QStringLiteral("102"), QStringLiteral("2,25"), QStringLiteral("200,50"));
        bolla(f1, QStringLiteral("B1"), QStringLiteral("6,5"));
        bolla(f1, QStringLiteral("B2"), QStringLiteral("4"));
        bolla(f2, QStringLiteral("B3"), QStringLiteral("2,25"));
        m_senzaBolle = domanda(QStringLiteral("99999999999"), QStringLiteral("02"), QStringLiteral("2006"));
        fattura(m_senzaBolle, QStringLiteral("900"), QStringLiteral("7"), QStringLiteral("70,00"));
        const qint32 altra = domanda(QStringLiteral("55555555555"), QStringLiteral("01"), QStringLiteral("2005"));
        bolla(fattura(altra, QStringLiteral("500"), QStringLiteral("1"), QStringLiteral("1,00")), QStringLiteral("B9"),
              QStringLiteral("1"));
        db.esegui(QStringLiteral("UPDATE DOMANDE SET STAM = 'N'"));

        stato.DomandaCorrente.ID_DOMANDA = m_domanda;
        stato.DomandaCorrente.DOMANDA = QStringLiteral("12345678901");
        stato.DomandaCorrente.PROGRESSIVO = QStringLiteral("01");
    }

    void distilleria(const QString& nome)
    {
        apriDatabase().esegui(QStringLiteral("DELETE FROM DISTILLERIA"));
        apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC, RAGI_SOCI) VALUES (' 01234567890 ', ?1)"),
                              {nome});
    }

    qint32 domanda(const QString& numero, const QString& progressivo, const QString& campagna)
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, "
                                             "SCAR, DATA_CAMP) VALUES (?1, ?2, 1, '30', 'N', 'N', ?3)"),
                              {numero, progressivo, campagna});
        return leggi(QStringLiteral("SELECT max(ID_DOMANDA) FROM DOMANDE")).toInt();
    }

    // IVA is zero on every invoice.
    qint32 fattura(qint32 domanda, const QString& numero, const QString& quantita, const QString& importo)
    {
        apriDatabase().esegui(
            QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, NUME_FATT, DENOMINAZIONE, QTA_PROD, QTA_LAVO, IMPO, IVA, IMPO_TOTA, "
                           "FOGL, RIGO, ID_LAVORAZIONE) VALUES (?1, ?2, 'Vigne Rosse', ?3, ?3, ?4, '0,00', ?4, '1', ?2, 1)"),
            {domanda, numero, quantita, importo});
        return leggi(QStringLiteral("SELECT max(ID_FATTURA) FROM FATTURE")).toInt();
    }

    void bolla(qint32 fattura, const QString& numero, const QString& quantita)
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, QUANTITA_PRODOTTO) "
                                             "VALUES (?1, ?2, ?3)"),
                              {fattura, numero, quantita});
    }

    QStringList colonna(int esecuzione, const QString& nome)
    {
        const DatiSorgente& dati = report.righeSelezionate.at(esecuzione);
        const qsizetype i = dati.colonne.indexOf(nome);
        QStringList valori;
        for (const QStringList& riga : dati.righe) valori << riga.at(i);
        return valori;
    }

    void aspettaMessaggio(const QString& testo)
    {
        messaggi.aspetta({Icona::Informazione, Pulsanti::Ok, 0, Titolo, testo});
    }

    qint32 m_domanda = 0;
    qint32 m_senzaBolle = 0;
};

}  // namespace

TEST(EtichettaCampagna, AnniDellaStampa)
{
    const std::pair<const char*, const char*> casi[] = {
        {"2001", "2001/2002"}, {"2002", "2002/2003"}, {"2003", "2003/2004"}, {"2004", "2004/2005"},
        {"2005", "2005/2006"}, {" 2005 ", "2005/2006"}, {"2006", ""}, {"2000", ""}, {"", ""}, {"05", ""},
    };
    for (const auto& [anno, etichetta] : casi) EXPECT_EQ(EtichettaCampagna(QString::fromLatin1(anno)).toStdString(), etichetta) << anno;
}

TEST_F(TestStampeDistillatore, StampaFattureConApostrofoTraVirgoletteETotaleIvaVuoto)
{
    aspettaMessaggio(QStringLiteral("Stampa effettuata con successo."));
    EXPECT_TRUE(StampeDistillatore::STAMPA(contesto, QStringLiteral("2005")));
    EXPECT_FALSE(applicazione.attesa);
    ASSERT_EQ(report.eseguiti.size(), 1);
    const ImpostazioniReport& r = report.eseguiti.first();
    EXPECT_EQ(r.fileReport, cartellaProgramma() + QStringLiteral("/Report/Rpt_distillerie_ElenchiFatture.rpt"));
    EXPECT_EQ(r.fileDati, fileDatabase());
    EXPECT_EQ(r.connessione, QStringLiteral("PWD=QZ47;")) << "il login del controllo com'è progettato";
    EXPECT_EQ(r.destinazione, DestinazioneReport::Anteprima);
    EXPECT_EQ(r.formulaSelezione,
              QStringLiteral("{Queryreport.DOMANDA} =  '12345678901' AND  {Queryreport.PROGRESSIVO} =  '01' "));
    const QMap<int, QString> formule{{1, "CAMPAGNA = '2005/2006'"},       {2, "DISTI_CF_PIVA = '01234567890'"},
                                     {3, "DISTILLERIA = \"Cantina dell'Etna\""}, {4, "SOMMA_IVAS = ''"},
                                     {5, "SOMMA_IMPO = '300,50'"},          {6, "SOMMA_IMPOTOTA = '300,50'"},
                                     {7, "SOMMA_QTALAV = '12,7500'"},       {8, "SOMMA_QTAPROD = '12,7500'"}};
    EXPECT_EQ(r.formule, formule);
    EXPECT_EQ(colonna(0, QStringLiteral("NUME_FATT")), (QStringList{"101", "102"}));

    const QString testo = testoPdf(report.pdf.first());
    for (const char* atteso : {"ELENCO DELLE FATTURE", "Cantina dell'Etna", "01234567890", "2005/2006", "12345678901",
                               "Progressivo: 01", "Vigne Rosse", "300,50", "12,7500", "Pagina 1 di 1"}) {
        EXPECT_TRUE(testo.contains(QString::fromUtf8(atteso))) << atteso << "\n" << testo.toStdString();
    }
    EXPECT_FALSE(testo.contains(QStringLiteral("900"))) << "solo le fatture della domanda";
}

TEST_F(TestStampeDistillatore, StampaFattureNomeSenzaApostrofoECampagnaFuoriElenco)
{
    distilleria(QStringLiteral("  Distillerie Riunite  "));
    stato.DomandaCorrente.ID_DOMANDA = m_senzaBolle;
    stato.DomandaCorrente.DOMANDA = QStringLiteral(" 99999999999 ");
    stato.DomandaCorrente.PROGRESSIVO = QStringLiteral("02");
    aspettaMessaggio(QStringLiteral("Stampa effettuata con successo."));
    EXPECT_TRUE(StampeDistillatore::STAMPA(contesto, QStringLiteral("2006")));
    const ImpostazioniReport& r = report.eseguiti.first();
    EXPECT_EQ(r.formule.value(1), QStringLiteral("CAMPAGNA = ''"));
    EXPECT_EQ(r.formule.value(3), QStringLiteral("DISTILLERIA = 'Distillerie Riunite'"));
    EXPECT_EQ(r.formule.value(8), QStringLiteral("SOMMA_QTAPROD = '7,0000'"));
    EXPECT_EQ(colonna(0, QStringLiteral("NUME_FATT")), QStringList{"900"});
}

TEST_F(TestStampeDistillatore, StampaFattureAnnullataLasciaIlFlag)
{
    report.annulla = true;
    aspettaMessaggio(QStringLiteral("Stampa annullata dall'utente."));
    EXPECT_FALSE(StampeDistillatore::STAMPA(contesto, QStringLiteral("2005")));
    EXPECT_FALSE(applicazione.attesa);
    EXPECT_EQ(leggi(QStringLiteral("SELECT STAM FROM DOMANDE WHERE ID_DOMANDA = ?1"), {m_domanda}), QStringLiteral("N"));
    EXPECT_EQ(conta(QStringLiteral("LOGERR")), 0);
}

TEST_F(TestStampeDistillatore, GuastiRegistratiConLEtichettaDellaRoutine)
{
    QFile::remove(cartellaProgramma() + QStringLiteral("/Report/Rpt_distillerie_ElenchiFatture.rpt"));
    QFile::remove(cartellaProgramma() + QStringLiteral("/Report/Rpt_Bolle.rpt"));
    const RigaDomanda riga{m_domanda, QStringLiteral("12345678901"), QStringLiteral("01"), QStringLiteral("2005")};
    const struct {
        const char* etichetta;
        const char* file;
        std::function<void()> stampa;
    } casi[] = {
        {"FrmSelezioneLOAD Stampa", "Rpt_distillerie_ElenchiFatture.rpt",
         [&] { EXPECT_FALSE(StampeDistillatore::STAMPA(contesto, QStringLiteral("2005"))); }},
        {"FrmMenu Stampa Bolle", "Rpt_Bolle.rpt", [&] { StampeDistillatore::StampaBolle(contesto, riga); }},
        {"FrmMenu Stampa Bolle", "Rpt_Bolle.rpt", [&] { StampeDistillatore::StampaBolleCampagna(contesto); }},
    };
    for (const auto& caso : casi) {
        const QString etichetta = QString::fromLatin1(caso.etichetta);
        const QString descrizione = QStringLiteral("Impossibile aprire il report: ") + cartellaProgramma() +
                                    QStringLiteral("/Report/") + QString::fromLatin1(caso.file);
        messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                          LogErrori::TestoGestioneErrori(20504, descrizione, QStringLiteral("tormavellino"), etichetta)});
        apriDatabase().esegui(QStringLiteral("DELETE FROM LOGERR"));
        caso.stampa();
        messaggi.verificaCompletato();
        EXPECT_EQ(leggi(QStringLiteral("SELECT DESC_APPL || '|' || CODI_ERRO || '|' || SETTORE FROM LOGERR")),
                  etichetta + QStringLiteral("|20504|"));
        EXPECT_FALSE(applicazione.attesa) << caso.etichetta;
    }
}

TEST_F(TestStampeDistillatore, StampaBolleConApiceInversoETotali)
{
    const RigaDomanda riga{m_domanda, QStringLiteral(" 12345678901 "), QStringLiteral("01 "), QStringLiteral("2005")};
    aspettaMessaggio(QStringLiteral("Stampa effettuata con successo."));
    StampeDistillatore::StampaBolle(contesto, riga);
    ASSERT_EQ(report.eseguiti.size(), 1);
    const ImpostazioniReport& r = report.eseguiti.first();
    EXPECT_EQ(r.fileReport, cartellaProgramma() + QStringLiteral("/Report/Rpt_Bolle.rpt"));
    EXPECT_EQ(r.connessione, QStringLiteral("PWD=QZ47;"));
    EXPECT_EQ(r.fileDati, fileDatabase());
    EXPECT_EQ(r.formulaSelezione,
              QStringLiteral("{Queryreport_bolle.DOMANDA} =  '12345678901' AND  {Queryreport_bolle.PROGRESSIVO} =  '01' "));
    const QMap<int, QString> formule{{1, "CAMPAGNA = '2005/2006'"},
                                     {2, "DISTI_CF_PIVA = '01234567890'"},
                                     {3, "DISTILLERIA = 'Cantina dell`Etna'"},
                                     {4, "TOT_DISTILLATO_FATTURE = '12,7500'"},
                                     {5, "TOT_DISTILLATO_BOLLE = '12,7500'"}};
    EXPECT_EQ(r.formule, formule);
    EXPECT_EQ(colonna(0, QStringLiteral("NUMERO_BOLLA")), (QStringList{"B1", "B2", "B3"}));
    const QString testo = testoPdf(report.pdf.first());
    for (const char* atteso : {"ELENCO DELLE BOLLE DI CONSEGNA", "Cantina dell`Etna", "Domanda n. 12345678901", "B3",
                               "12,7500", "Pagina 1 di 1"}) {
        EXPECT_TRUE(testo.contains(QString::fromUtf8(atteso))) << atteso << "\n" << testo.toStdString();
    }
}

TEST_F(TestStampeDistillatore, StampaBolleDiDomandaSenzaBolle)
{
    const RigaDomanda riga{m_senzaBolle, QStringLiteral("99999999999"), QStringLiteral("02"), QStringLiteral("2006")};
    aspettaMessaggio(QStringLiteral("Stampa effettuata con successo."));
    StampeDistillatore::StampaBolle(contesto, riga);
    const ImpostazioniReport& r = report.eseguiti.first();
    EXPECT_EQ(r.formule.value(1), QStringLiteral("CAMPAGNA = ''"));
    EXPECT_EQ(r.formule.value(4), QStringLiteral("TOT_DISTILLATO_FATTURE = '7,0000'"));
    EXPECT_EQ(r.formule.value(5), QStringLiteral("TOT_DISTILLATO_BOLLE = '0,0000'"));
    EXPECT_TRUE(report.righeSelezionate.first().righe.isEmpty());
    EXPECT_TRUE(testoPdf(report.pdf.first()).contains(QStringLiteral("Nessuna bolla di consegna.")));
}

TEST_F(TestStampeDistillatore, StampaBolleCampagnaSenzaSelezione)
{
    StampeDistillatore::StampaBolleCampagna(contesto);
    ASSERT_EQ(report.eseguiti.size(), 1);
    const ImpostazioniReport& r = report.eseguiti.first();
    EXPECT_EQ(r.fileReport, cartellaProgramma() + QStringLiteral("/Report/Rpt_Bolle.rpt"));
    EXPECT_EQ(r.connessione, QStringLiteral("PWD=QZ47;"));
    EXPECT_TRUE(r.formulaSelezione.isEmpty());
    const QMap<int, QString> formule{{1, "CAMPAGNA = '2005/2006'"},
                                     {2, "DISTI_CF_PIVA = '01234567890'"},
                                     {3, "DISTILLERIA = 'Cantina dell`Etna'"}};
    EXPECT_EQ(r.formule, formule);
    EXPECT_EQ(colonna(0, QStringLiteral("NUMERO_BOLLA")), (QStringList{"B1", "B2", "B3", "B9"}));
    const QString testo = testoPdf(report.pdf.first());
    EXPECT_TRUE(testo.contains(QStringLiteral("Domanda n. 12345678901")));
    EXPECT_TRUE(testo.contains(QStringLiteral("Domanda n. 55555555555")));
    EXPECT_FALSE(testo.contains(QStringLiteral("Totale prodotto"))) << "totali non passati, non stampati";

    report.annulla = true;
    aspettaMessaggio(QStringLiteral("Stampa annullata dall'utente."));
    StampeDistillatore::StampaBolleCampagna(contesto);
}
