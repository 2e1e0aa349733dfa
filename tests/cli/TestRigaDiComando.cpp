#include "AmbienteProva.h"
#include "StampaQString.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Uscita {
    int esito;
    QString testo;
    QString errori;
};

Uscita esegui(const QStringList& argomenti)
{
    QProcess processo;
    processo.start(QStringLiteral(TORMAVELLINO_CLI), argomenti);
    EXPECT_TRUE(processo.waitForFinished(10000));
    return {processo.exitCode(), QString::fromUtf8(processo.readAllStandardOutput()),
            QString::fromUtf8(processo.readAllStandardError())};
}

}  // namespace

TEST(RigaDiComando, Verifica)
{
    const struct {
        QStringList argomenti;
        int esito;
        QString testo;
    } casi[] = {
        {{"verifica", "RSSMRA80A01H501U", "00743110157"}, 0, "RSSMRA80A01H501U\tvalido\n00743110157\tvalido\n"},
        {{"verifica", "00743110156", "12,5", ""}, 1, "00743110156\tnon valido\n12,5\tnon valido\n\tnon valido\n"},
        {{"verifica", "RSSMRA80A01HRLMS"}, 1, "RSSMRA80A01HRLMS\tnon valido\n"},
        {{"verifica", "--omocodia", "si", "RSSMRA80A01HRLMS"}, 0, "RSSMRA80A01HRLMS\tvalido\n"},
        {{"verifica", "--omocodia", "no", "RSSMRA80A01HRLMS", "RSSMRA80A01H501U"}, 1,
         "RSSMRA80A01HRLMS\tnon valido\nRSSMRA80A01H501U\tvalido\n"},
        {{"--database", "altro.mdb", "verifica", "00743110157"}, 0, "00743110157\tvalido\n"},
    };
    for (const auto& caso : casi) {
        const Uscita uscita = esegui(caso.argomenti);
        EXPECT_EQ(uscita.esito, caso.esito) << caso.argomenti.join(u' ').toStdString();
        EXPECT_EQ(uscita.testo, caso.testo) << caso.argomenti.join(u' ').toStdString();
    }
}

TEST(RigaDiComando, UsoErrato)
{
    const QStringList casi[] = {{}, {"verifica"}, {"verifica", "--omocodia", "forse", "X"}, {"sconosciuto"}};
    for (const auto& argomenti : casi) {
        const Uscita uscita = esegui(argomenti);
        EXPECT_EQ(uscita.esito, 2) << argomenti.join(u' ').toStdString();
        EXPECT_TRUE(uscita.errori.startsWith(QStringLiteral("Uso non corretto"))) << uscita.errori.toStdString();
    }
}

TEST(RigaDiComando, AiutoInItaliano)
{
    const Uscita generale = esegui({"--help"});
    EXPECT_EQ(generale.esito, 0);
    EXPECT_TRUE(generale.testo.contains(QStringLiteral("verifica"))) << generale.testo.toStdString();
    EXPECT_TRUE(generale.testo.contains(QStringLiteral("--database FILE")));
    const Uscita verifica = esegui({"verifica", "--help"});
    EXPECT_EQ(verifica.esito, 0);
    EXPECT_TRUE(verifica.testo.contains(QStringLiteral("--omocodia si|no"))) << verifica.testo.toStdString();
}

class ScaricaDomanda : public AmbienteProva {
protected:
    ScaricaDomanda()
    {
        apriDatabase().eseguiScript(QStringLiteral(
            "INSERT INTO DISTILLERIA VALUES ('01234567890', 'DISTILLERIA SAN VITO', 'VIA DEI TINI 4');"
            "INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, "
            "DATA_CAMP, PROG_INVIO) VALUES (1, '00000012345', '01', 1, '30', 'N', 'N', '1', '2005', 0);"
            "INSERT INTO FATTURE (ID_FATTURA, ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_LAVO, "
            "ID_LAVORAZIONE) VALUES (1, 1, '00743110157', 'CANTINA DEL VALLO', '7', '01/02/2006', '12,5000', 1);"
            "INSERT INTO BOLLE (ID_BOLLA, FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO) "
            "VALUES (1, 1, 'B1', '30/01/2006', '12,4000');"));
        stato.dbDati.reset();
    }
    void sql(const QString& istruzione)
    {
        apriDatabase().esegui(istruzione);
        stato.dbDati.reset();
    }
    Uscita scarica(const QString& cartella, const QString& domanda = QStringLiteral("12345"))
    {
        return esegui({"--database", fileDatabase(), "scarica-domanda", "--domanda", domanda, "--progressivo", "1",
                       "--cartella", cartella});
    }
    QTemporaryDir destinazione;
};

TEST_F(ScaricaDomanda, RifiutiEScarico)
{
    const struct {
        QString prima, cartella, domanda;
        int esito;
        QString errori;
    } rifiuti[] = {
        {"", destinazione.path(), "99", 1, "Domanda non trovata.\n"},
        {"", destinazione.path(), "12345", 1, "La domanda non risulta stampata: stamparla prima dello scarico.\n"},
        {"UPDATE DOMANDE SET STAM = 'S'", destinazione.path(), "12345", 1,
         "La domanda presenta incogruenze tra la somma\r\ndel prodotto distillato delle fatture e la somma del "
         "prodotto delle bolle di consegna.\r\n - CANTINA DEL VALLO fattura n° 7\n"},
        {"UPDATE BOLLE SET QUANTITA_PRODOTTO = '12,5'", "/media/floppy0/", "12345", 1,
         "Lo scarico su dischetto chiede conferme: usare la finestra del programma.\n"},
    };
    for (const auto& caso : rifiuti) {
        if (!caso.prima.isEmpty()) sql(caso.prima);
        const Uscita uscita = scarica(caso.cartella, caso.domanda);
        EXPECT_EQ(uscita.esito, caso.esito) << caso.errori.toStdString();
        EXPECT_EQ(uscita.errori, caso.errori);
        EXPECT_TRUE(uscita.testo.isEmpty());
    }
    EXPECT_EQ(leggi(QStringLiteral("SELECT PROG FROM PROG_DSK")), QStringLiteral("0"));
    stato.dbDati.reset();

    const Uscita uscita = scarica(destinazione.path() + u'/');
    EXPECT_EQ(uscita.esito, 0) << uscita.errori.toStdString();
    EXPECT_EQ(uscita.testo, destinazione.filePath(QStringLiteral("KalvorFAT.001")) + u'\n');
    EXPECT_EQ(QFileInfo(destinazione.filePath(QStringLiteral("KalvorFAT.001"))).size(), 4 * 262);
    EXPECT_EQ(leggi(QStringLiteral("SELECT SCAR || PROG_INVIO FROM DOMANDE")), QStringLiteral("S1"));
}
