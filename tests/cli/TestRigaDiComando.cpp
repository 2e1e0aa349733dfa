#include "StampaQString.h"

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
