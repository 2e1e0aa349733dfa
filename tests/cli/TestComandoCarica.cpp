#include "AmbienteProva.h"
#include "StampaQString.h"

#include <QFile>
#include <QProcess>

namespace {

const QString Casi = QStringLiteral(TORMAVELLINO_CASI_CARICO);

class TestComandoCarica : public AmbienteProva {
protected:
    int esegui(const QStringList& argomenti)
    {
        stato.dbDati.reset();
        QProcess processo;
        processo.start(QStringLiteral(TORMAVELLINO_CLI), QStringList{QStringLiteral("--database"), fileDatabase()} + argomenti);
        EXPECT_TRUE(processo.waitForFinished(20000));
        uscita = QString::fromLocal8Bit(processo.readAllStandardOutput());
        errori = QString::fromLocal8Bit(processo.readAllStandardError());
        return processo.exitCode();
    }
    QString uscita, errori;
};

}  // namespace

TEST_F(TestComandoCarica, CaricaRifiutaEUsoErrato)
{
    const QString sweep = QStringLiteral("Ci sono delle fatture scartate perchè mancanti della data di introduzione.\n");
    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura"), Casi + QStringLiteral("/ART30FAT2005.txt"), QStringLiteral("--mostra-scartate")}), 0)
        << errori.toStdString();
    EXPECT_EQ(uscita, sweep + QStringLiteral("00743110157").leftJustified(16) + QStringLiteral(" - ") +
                          QStringLiteral("OLEIFICIO SENZA BOLLE").leftJustified(50) + QStringLiteral(" - ") +
                          QStringLiteral("2").leftJustified(15) + QStringLiteral("\nCarico fornitura correttamente eseguito\n"));
    EXPECT_EQ(conta(QStringLiteral("DOMANDE")), 2);

    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura"), Casi + QStringLiteral("/ART30FAT2005.txt")}), 1);
    EXPECT_EQ(uscita, QStringLiteral("Fornitura già caricata.\n"));

    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura"), Casi + QStringLiteral("/scarti.txt")}), 1);
    QFile attesi(Casi + QStringLiteral("/scarti.attesi"));
    ASSERT_TRUE(attesi.open(QIODevice::ReadOnly));
    EXPECT_EQ(uscita, QStringLiteral("Tracciato fornitura anomala.\n") +
                          QString::fromLatin1(attesi.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura"), Casi + QStringLiteral("/ordine-23-23.txt")}), 0);
    EXPECT_EQ(uscita, QStringLiteral("Carico fornitura correttamente eseguito\n"));

    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura")}), 2);
    EXPECT_EQ(esegui({QStringLiteral("carica-fornitura"), Casi + QStringLiteral("/manca.txt")}), 2);
    EXPECT_EQ(conta(QStringLiteral("DOMANDE")), 3);
}
