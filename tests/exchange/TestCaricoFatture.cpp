#include "AmbienteProva.h"
#include "StampaQString.h"

#include "app/base/LogErrori.h"
#include "data/Windows1252.h"
#include "exchange/CaricoFatture.h"

#include <QDir>
#include <QFile>

namespace {

const QString Casi = QStringLiteral(TORMAVELLINO_CASI_CARICO);
const QString Titolo = QStringLiteral(" Carico della Domanda ");
const QString TestoCaricato = QStringLiteral("Carico fornitura correttamente eseguito");
const QString TestoNonRiuscito = QStringLiteral("Carico fornitura non riuscito.");
const QString DomandaScarti = QStringLiteral("Tracciato fornitura anomala.\r\nVisualizzare le domande non caricate?");
const QString DomandaSpazzata =
    QStringLiteral("Ci sono delle fatture scartate perchè mancanti della data di introduzione.\r\nVisualizzare la lista?");

QByteArray contenuto(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TestCaricoFatture : public AmbienteProva {
protected:
    TestCaricoFatture()
    {
        stato.sTitolo = Titolo;
        apriDatabase();
    }

    CaricoFatture::Esito carica(const QString& nome)
    {
        CaricoFatture carico(contesto);
        const CaricoFatture::Esito esito = carico.BATTONCARICA(Casi + u'/' + nome);
        messaggi.verificaCompletato();
        EXPECT_FALSE(QFile::exists(cartellaProgramma() + QStringLiteral("/COPI1.666")));
        EXPECT_FALSE(applicazione.attesa);
        return esito;
    }
    void aspetta(Icona icona, const QString& testo, Risposta risposta = Risposta::Ok)
    {
        messaggi.aspetta({icona, risposta == Risposta::Ok ? Pulsanti::Ok : Pulsanti::SiNo, 0, Titolo, testo}, risposta);
    }
    void aspettaSpazzata(Risposta risposta)
    {
        messaggi.aspetta({Icona::Nessuna, Pulsanti::SiNo, 0, QStringLiteral("Elenco delle fatture scartate"), DomandaSpazzata},
                         risposta);
    }
    void aspettaLog(qint32 numero, const QString& descrizione, const QString& etichetta)
    {
        messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                          LogErrori::TestoGestioneErrori(numero, descrizione, QStringLiteral("tormavellino"), etichetta)});
    }
    // The rows of the three tables and of the supplies, one line each, without ids.
    QStringList righe()
    {
        QStringList tutte;
        Istruzione domande = stato.dbDati->prepara(QStringLiteral(
            "SELECT D.DOMANDA, D.PROGRESSIVO, D.TIPO_ARTICOLO, V.CODI_PROD, D.STAM, D.SCAR, D.DATA_CAMP, "
            "F.NUME_FATT, F.CODI_FISC, F.DENOMINAZIONE, F.DATA_FATT, F.QTA_PROD, F.GRAD, F.PREZ_MINI, F.IMPO, F.IVA, "
            "F.IMPO_TOTA, F.DATA_PAGA, F.DATA_COMP, F.QTA_LAVO, L.CODI_LAVO, B.NUMERO_BOLLA, B.DATA_CONSEGNA, "
            "B.QUANTITA_PRODOTTO, B.GRADO, B.DATA_PAGA FROM DOMANDE D LEFT JOIN VARIETA V ON V.ID_VARIETA = D.ID_VARIETA "
            "LEFT JOIN FATTURE F ON F.ID_DOMANDA = D.ID_DOMANDA LEFT JOIN LAVORAZIONI L ON L.ID_LAVORAZIONE = F.ID_LAVORAZIONE "
            "LEFT JOIN BOLLE B ON B.FK_ID_FATTURA = F.ID_FATTURA ORDER BY D.ID_DOMANDA, F.ID_FATTURA, B.ID_BOLLA"));
        while (domande.avanza()) {
            QStringList campi;
            for (int i = 0; i < domande.numeroColonne(); ++i) campi << domande.testo(i);
            tutte << campi.join(u'|');
        }
        Istruzione forniture = stato.dbDati->prepara(QStringLiteral(
            "SELECT CAMPAGNA, NUMERO_DOMANDE, NUMERO_FATTURE, NUMERO_BOLLE, DATA_FORNITURE, PROGRESSIVO_FORNITURA "
            "FROM TAB_Fornitura ORDER BY ID"));
        while (forniture.avanza()) {
            QStringList campi;
            for (int i = 0; i < forniture.numeroColonne(); ++i) campi << forniture.testo(i);
            tutte << QStringLiteral("fornitura ") + campi.join(u'|');
        }
        return tutte;
    }
    // An invoice entered by hand, without its DATA_COMP.
    void fatturaSenzaData()
    {
        stato.dbDati->eseguiScript(QStringLiteral(
            "INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA, PROGRESSIVO, TIPO_ARTICOLO, STAM, SCAR, DATA_CAMP) "
            "VALUES (900, '00000000900', '01', '30', 'S', 'S', '2004');"
            "INSERT INTO FATTURE (ID_FATTURA, ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_COMP) "
            "VALUES (900, 900, 'BNCGNN70B02F205X', 'A MANO', '31', '  ');"
            "INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA) VALUES (900, 'M-1');"));
    }
};

QString Spazi(const QString& testo, int larghezza)
{
    return testo.leftJustified(larghezza, u' ');
}

}  // namespace

TEST_F(TestCaricoFatture, CaricaLaFornituraEPoiLaRifiutaUnaSecondaVolta)
{
    fatturaSenzaData();
    aspettaSpazzata(Risposta::Si);
    aspetta(Icona::Informazione, TestoCaricato);
    ASSERT_EQ(carica(QStringLiteral("ART30FAT2005.txt")), CaricoFatture::Esito::Caricata);

    const QString rossa = Spazi(QStringLiteral("CANTINA DI CÀ ROSSA"), 50);
    const QString uno = Spazi(QStringLiteral("1"), 15), settantasette = Spazi(QStringLiteral("77"), 15);
    const QString rss = QStringLiteral("RSSMRA80A01H501U"), iva = Spazi(QStringLiteral("00743110157"), 16);
    const QString domandaA = QStringLiteral("00000012345|01|30|ACQ|N|N|2005|");
    const QString fattura1 = uno + u'|' + rss + u'|';
    const QString resto1 = QStringLiteral("|12/03/2006|1234,5000|0,5000|2,2810|");
    const QString importi1 = QStringLiteral("|24,69|148,14|20/03/2006|05/03/2006|1234,5000|VBT|");
    const QString bolla1 = QStringLiteral("B-1") + QString(17, u' ') + QStringLiteral("|05/03/2006|246,9000|11,5000|20/03/2006");
    const QString bolla2 = QStringLiteral("B-2") + QString(17, u' ') + QStringLiteral("|06/03/2006|246,9000|11,5000|20/03/2006");
    const QString seconda = Spazi(QStringLiteral("CANTINA DI CÀ ROSSA SECONDA"), 50);
    EXPECT_EQ(righe(), (QStringList{
                           QStringLiteral("00000000900|01|30||S|S|2004|||||||||||||||||||"),
                           domandaA + fattura1 + rossa + resto1 + QStringLiteral("123,45") + importi1 + bolla1,
                           domandaA + fattura1 + rossa + resto1 + QStringLiteral("123,45") + importi1 + bolla2,
                           domandaA + fattura1 + seconda + resto1 + QStringLiteral("0,45") + importi1 + bolla1,
                           domandaA + fattura1 + seconda + resto1 + QStringLiteral("0,45") + importi1 + bolla2,
                           QStringLiteral("00000067890|02|30|DIS|N|N|2005|") + settantasette + u'|' + iva + u'|' +
                               Spazi(QStringLiteral("CANTINA SOCIALE"), 50) + resto1 + QStringLiteral("123,45") +
                               QStringLiteral("|24,69|148,14|20/03/2006|07/03/2006|1234,5000|VRT|B-3") + QString(17, u' ') +
                               QStringLiteral("|07/03/2006|246,9000|11,5000|20/03/2006"),
                           QStringLiteral("fornitura 2005|000002|000004|000003|15/03/2006|001"),
                       }));
    EXPECT_EQ(conta(QStringLiteral("BOLLE")), 5);

    const QString scartati = cartellaProgramma() + QStringLiteral("/scartati.txt");
    EXPECT_EQ(visualizzatore.fileMostrati, QStringList{scartati});
    EXPECT_EQ(contenuto(scartati), QByteArray("BNCGNN70B02F205X - A MANO - 31\r\n") + iva.toLatin1() + " - " +
                                       Spazi(QStringLiteral("OLEIFICIO SENZA BOLLE"), 50).toLatin1() + " - " +
                                       Spazi(QStringLiteral("2"), 15).toLatin1() + "\r\n");

    const QStringList caricate = righe();
    aspetta(Icona::Informazione, QStringLiteral("Fornitura già caricata."));
    EXPECT_EQ(carica(QStringLiteral("ART30FAT2005.txt")), CaricoFatture::Esito::GiaCaricata);
    EXPECT_EQ(righe(), caricate);
}

TEST_F(TestCaricoFatture, BolleDopoOgniFatturaODopoTutteCaricanoLoStesso)
{
    aspetta(Icona::Informazione, TestoCaricato);
    ASSERT_EQ(carica(QStringLiteral("ordine-23-23.txt")), CaricoFatture::Esito::Caricata);
    const QStringList dopoOgni = righe();
    ASSERT_EQ(dopoOgni.size(), 3);
    stato.dbDati->eseguiScript(QStringLiteral("DELETE FROM BOLLE; DELETE FROM FATTURE; DELETE FROM DOMANDE; DELETE FROM TAB_Fornitura"));

    aspetta(Icona::Informazione, TestoCaricato);
    ASSERT_EQ(carica(QStringLiteral("ordine-22-33.txt")), CaricoFatture::Esito::Caricata);
    EXPECT_EQ(righe(), dopoOgni);
}

TEST_F(TestCaricoFatture, FornitureCheNonCaricanoNulla)
{
    const struct {
        const char* file;
        CaricoFatture::Esito esito;
        QStringList messaggi;
    } casi[] = {
        {"riga-259.txt", CaricoFatture::Esito::LunghezzaErrata,
         {QStringLiteral("Il tracciato a una lunghezza di tipo record errata.\r\nIL caricamento sarà terminato.")}},
        {"prodotto-sconosciuto.txt", CaricoFatture::Esito::NonRiuscita,
         {QStringLiteral("Identificativo delle varietà non esistente"), TestoNonRiuscito}},
        {"lavorazione-sconosciuta.txt", CaricoFatture::Esito::NonRiuscita,
         {QStringLiteral("Identificativo lavorazione non esistente"), TestoNonRiuscito}},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.file);
        for (const QString& testo : caso.messaggi) {
            aspetta(testo == TestoNonRiuscito || testo.startsWith(QStringLiteral("Il tracciato")) ? Icona::Critico
                                                                                                  : Icona::Informazione,
                    testo);
        }
        EXPECT_EQ(carica(QString::fromLatin1(caso.file)), caso.esito);
        EXPECT_EQ(righe(), QStringList());
    }
}

TEST_F(TestCaricoFatture, RecordSenzaTipoOFatturaSenzaDomandaSonoUnErrore)
{
    const struct {
        QByteArray righe;
        qint32 numero;
        QString descrizione;
    } casi[] = {
        {QByteArray("0") + QByteArray(259, '0') + "\r\nX" + QByteArray(259, ' ') + "\r\n",
         NumeriErrore::TipoNonCorrispondente, QStringLiteral("Tipo non corrispondente")},
        {QByteArray("2") + QByteArray(259, ' ') + "\n", 9, QStringLiteral("Fattura prima di ogni domanda")},
    };
    const QString file = cartellaProgramma() + QStringLiteral("/fornitura.txt");
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.numero);
        QFile scrittura(file);
        ASSERT_TRUE(scrittura.open(QIODevice::WriteOnly | QIODevice::Truncate));
        scrittura.write(caso.righe);
        scrittura.close();
        aspettaLog(caso.numero, caso.descrizione, QStringLiteral(" frmCarico.battoncarica"));
        CaricoFatture carico(contesto);
        EXPECT_EQ(carico.BATTONCARICA(file), CaricoFatture::Esito::NonRiuscita);
        messaggi.verificaCompletato();
        EXPECT_EQ(righe(), QStringList());
    }
}

TEST_F(TestCaricoFatture, OgniScartoNellElencoEnienteCaricato)
{
    aspetta(Icona::Nessuna, DomandaScarti, Risposta::Si);
    EXPECT_EQ(carica(QStringLiteral("scarti.txt")), CaricoFatture::Esito::Scartata);
    const QString note = cartellaProgramma() + QStringLiteral("/Domande_Scartate.txt");
    EXPECT_EQ(visualizzatore.fileMostrati, QStringList{note});
    EXPECT_EQ(contenuto(note), contenuto(Casi + QStringLiteral("/scarti.attesi")));
    EXPECT_EQ(righe(), QStringList());

    QFile::remove(note);
    aspetta(Icona::Nessuna, DomandaScarti, Risposta::No);
    EXPECT_EQ(carica(QStringLiteral("scarti.txt")), CaricoFatture::Esito::Scartata);
    EXPECT_FALSE(QFile::exists(note));
}

TEST_F(TestCaricoFatture, DomandaGiaInArchivioRifiutaTuttaLaFornitura)
{
    stato.dbDati->esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, STAM) VALUES ('00000012345', '01', 'S')"));
    const QStringList prima = righe();
    aspetta(Icona::Nessuna, DomandaScarti, Risposta::Si);
    EXPECT_EQ(carica(QStringLiteral("ART30FAT2005.txt")), CaricoFatture::Esito::Scartata);
    EXPECT_EQ(contenuto(cartellaProgramma() + QStringLiteral("/Domande_Scartate.txt")),
              Windows1252::codifica(QStringLiteral("00000012345 - 01 -                 - ") +
                                    Spazi(QStringLiteral("Num. Domanda e Progressivo sono già caricati in archivio."), 70) +
                                    QStringLiteral("\r\n\r\n")));
    EXPECT_EQ(righe(), prima);
}

// A failure while writing, at the last delivery note or at the supply's own row, undoes the
// whole load, the sweep of the invoices entered by hand included; the same file loads afterwards.
TEST_F(TestCaricoFatture, GuastoDuranteIlCaricoLasciaIlDatabaseComEra)
{
    fatturaSenzaData();
    const QStringList prima = righe();
    const QString tabelle[] = {QStringLiteral("BOLLE"), QStringLiteral("TAB_Fornitura")};
    for (const QString& tabella : tabelle) {
        SCOPED_TRACE(tabella.toStdString());
        stato.dbDati->esegui(QStringLiteral("CREATE TRIGGER guasto BEFORE INSERT ON %1 WHEN (SELECT COUNT(*) FROM BOLLE) >= 4 "
                                            "BEGIN SELECT RAISE(ABORT, 'guasto simulato'); END")
                                 .arg(tabella));
        aspettaLog(3019, QStringLiteral("guasto simulato"), QStringLiteral(" frmCarico.AllineaDB"));
        aspetta(Icona::Critico, TestoNonRiuscito);
        EXPECT_EQ(carica(QStringLiteral("ART30FAT2005.txt")), CaricoFatture::Esito::NonRiuscita);
        EXPECT_EQ(righe(), prima);
        stato.dbDati->esegui(QStringLiteral("DROP TRIGGER guasto"));
    }
    aspettaSpazzata(Risposta::No);
    aspetta(Icona::Informazione, TestoCaricato);
    EXPECT_EQ(carica(QStringLiteral("ART30FAT2005.txt")), CaricoFatture::Esito::Caricata);
    EXPECT_EQ(conta(QStringLiteral("TAB_Fornitura")), 1);
    EXPECT_TRUE(visualizzatore.fileMostrati.isEmpty());
}

TEST_F(TestCaricoFatture, CercaFileFornitura)
{
    CaricoFatture carico(contesto);
    CorniceCarico& cornice = carico.cornice();
    const QString nome = cornice.NomeFile(QStringLiteral("2005"));
    EXPECT_EQ(nome, QStringLiteral("ART30FAT2005.txt"));
    const QString prompt = QStringLiteral("Selezionare il Percorso del file ART30FAT2005.txt di Carico.");
    const QString vuota = cartellaProgramma() + QStringLiteral("/vuota");
    QDir().mkpath(vuota);
    const auto nonCorretto = [&](Risposta risposta) {
        messaggi.aspetta({Icona::Esclamazione, Pulsanti::RiprovaAnnulla, 0, Titolo,
                          QStringLiteral("Il percorso indicato non è corretto")},
                         risposta);
    };

    cartelle.risposte = {vuota, Casi + u'/'};
    nonCorretto(Risposta::Riprova);
    EXPECT_EQ(cornice.CercaFileFornitura(nome, prompt), Casi + QStringLiteral("/ART30FAT2005.txt"));
    EXPECT_EQ(cartelle.titoliChiesti, (QStringList{prompt, prompt}));

    cartelle.risposte = {vuota};
    nonCorretto(Risposta::Annulla);
    EXPECT_EQ(cornice.CercaFileFornitura(nome, prompt), QString());

    cartelle.risposte = {QString()};
    EXPECT_EQ(cornice.CercaFileFornitura(nome, prompt), QString());

    unita.unita[QStringLiteral("A:")] = {vuota, NumeriErrore::DiscoNonPronto};
    cartelle.risposte = {vuota};
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::RiprovaAnnulla, 0, Titolo,
                      QStringLiteral("Attenzione, nessun floppy disk inserito.")},
                     Risposta::Riprova);
    messaggi.dopoRisposta = [&](const Messaggio&) { unita.unita[QStringLiteral("A:")].erroreLettura = 0; };
    nonCorretto(Risposta::Annulla);
    EXPECT_EQ(cornice.CercaFileFornitura(nome, prompt), QString());
    messaggi.verificaCompletato();
}
