#include "AmbienteProva.h"

#include "app/base/Costanti.h"
#include "data/RipristinoDatabase.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

class TestRipristinoDatabase : public AmbienteProva {
protected:
    QByteArray impronta(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    // Archives `file` as art30.mdb into the program folder's art30.bkp.
    QString archivia(const QString& file)
    {
        const QString copia = cartellaProgramma() + QStringLiteral("/copia/art30.mdb");
        QDir().mkpath(cartellaProgramma() + QStringLiteral("/copia"));
        QFile::remove(copia);
        EXPECT_TRUE(QFile::copy(file, copia));
        Archiviatore zip;
        zip.UsePaths = false;
        zip.FilesToProcess = copia;
        zip.ZipFileName = cartellaProgramma() + QStringLiteral("/art30.bkp");
        EXPECT_EQ(zip.Add(QStringLiteral("0")), Archiviatore::Riuscito);
        return zip.ZipFileName;
    }
    int ripristina(const QString& archivio)
    {
        Archiviatore zip;
        zip.Overwrite = 2;
        zip.UsePaths = false;
        zip.FilesToProcess = QStringLiteral("*.*");
        zip.ZipFileName = archivio;
        return RipristinoDatabase::EstraiVerificato(zip, fileDatabase(), md_Globali::PASSWORD_DB, QStringLiteral("1.0.0"));
    }
};

}  // namespace

TEST_F(TestRipristinoDatabase, RipristinoDiUnaCopiaValida)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC, RAGI_SOCI) VALUES ('01234567897', 'SALVATA')"));
    stato.dbDati.reset();
    const QString archivio = archivia(fileDatabase());
    apriDatabase().esegui(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'CAMBIATA'"));
    stato.dbDati.reset();

    EXPECT_EQ(ripristina(archivio), Archiviatore::Riuscito);
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("SALVATA"));
    stato.dbDati.reset();
    EXPECT_EQ(QDir(cartellaProgramma() + QStringLiteral("/database")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("art30.mdb")})
        << "nessun file di appoggio resta nella cartella";
}

TEST_F(TestRipristinoDatabase, ArchivioEstraneoODanneggiatoLasciaIlDatabaseIntatto)
{
    const QByteArray prima = impronta(fileDatabase());

    const QString estraneo = cartellaProgramma() + QStringLiteral("/estraneo.mdb");
    Database::crea(estraneo, QStringLiteral("ALTRA"))->esegui(QStringLiteral("CREATE TABLE DOMANDE (A)"));
    EXPECT_EQ(ripristina(archivia(estraneo)), RipristinoDatabase::DatabaseNonValido);
    EXPECT_EQ(impronta(fileDatabase()), prima);

    const QString vecchio = cartellaProgramma() + QStringLiteral("/vecchio.mdb");
    QFile::copy(fileDatabase(), vecchio);
    Database::apri(vecchio, md_Globali::PASSWORD_DB)->esegui(QStringLiteral("UPDATE tab_setup SET VERSIONE = '0.9.0'"));
    EXPECT_EQ(ripristina(archivia(vecchio)), RipristinoDatabase::DatabaseNonValido);
    EXPECT_EQ(impronta(fileDatabase()), prima);

    const QString archivio = archivia(fileDatabase());
    QFile file(archivio);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.resize(file.size() / 2);
    file.close();
    EXPECT_EQ(ripristina(archivio), Archiviatore::ArchivioDanneggiato);
    EXPECT_EQ(impronta(fileDatabase()), prima);
}
