#include "AmbienteProva.h"

#include <QFile>
#include <QProcess>

namespace {

class TestComandoArchivi : public AmbienteProva {
protected:
    int esegui(const QStringList& argomenti)
    {
        QProcess processo;
        processo.start(QStringLiteral(TORMAVELLINO_CLI), QStringList{QStringLiteral("--database"), fileDatabase()} + argomenti);
        EXPECT_TRUE(processo.waitForFinished(20000));
        uscita = QString::fromUtf8(processo.readAllStandardOutput());
        errori = QString::fromUtf8(processo.readAllStandardError());
        return processo.exitCode();
    }
    QString uscita, errori;
};

}  // namespace

TEST_F(TestComandoArchivi, BackupERestoreDaUnaCartella)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC, RAGI_SOCI) VALUES ('01234567897', 'D''ALBA')"));
    stato.dbDati.reset();
    const QString cartella = cartellaProgramma() + QStringLiteral("/notte/");
    QDir().mkpath(cartella);

    ASSERT_EQ(esegui({QStringLiteral("backup"), QStringLiteral("--cartella"), cartella}), 0) << errori.toStdString();
    EXPECT_EQ(uscita, QStringLiteral("Trasferimento dei dati effettuato correttamente\n") + cartella + QStringLiteral("art30.bkp\n"));
    EXPECT_TRUE(QFile::exists(cartella + QStringLiteral("art30.bkp")));

    apriDatabase().esegui(QStringLiteral("DELETE FROM DISTILLERIA"));
    stato.dbDati.reset();
    ASSERT_EQ(esegui({QStringLiteral("restore"), QStringLiteral("--cartella"), cartella}), 0) << errori.toStdString();
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("D'ALBA"));
    stato.dbDati.reset();

    EXPECT_EQ(esegui({QStringLiteral("restore"), QStringLiteral("--cartella"), cartellaProgramma()}), 1);
    EXPECT_EQ(errori, QStringLiteral("Operazione non andata a buon fine.\n"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("D'ALBA"));
}
