#include "data/Archiviatore.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <zip.h>

#include <gtest/gtest.h>

namespace {

QByteArray leggi(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile file(percorso);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dati);
}

// Bytes that do not compress, so that the archive needs several diskettes.
QByteArray datiCasuali(qsizetype quanti)
{
    QByteArray dati(quanti, Qt::Uninitialized);
    QRandomGenerator generatore(42);
    for (char& c : dati) c = static_cast<char>(generatore.bounded(256));
    return dati;
}

class TestArchiviatore : public ::testing::Test {
protected:
    TestArchiviatore()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("database"));
        QDir(m_dir.path()).mkpath(QStringLiteral("archivio"));
        QDir(m_dir.path()).mkpath(QStringLiteral("floppy"));
    }
    QString percorso(const QString& relativo) const { return m_dir.filePath(relativo); }
    Archiviatore archiviatorePerBackup(const QString& archivio) const
    {
        Archiviatore zip;
        zip.Overwrite = 2;
        zip.StoredExtensions = QStringLiteral(".ZIP;.LZH;.ARC;.ARJ;.ZOO;.bkp;");
        zip.UsePaths = false;
        zip.FilesToProcess = percorso(QStringLiteral("database/art30.mdb"));
        zip.ZipFileName = archivio;
        return zip;
    }
    Archiviatore archiviatorePerRestore(const QString& archivio) const
    {
        Archiviatore zip;
        zip.Overwrite = 2;
        zip.UsePaths = false;
        zip.FilesToProcess = QStringLiteral("*.*");
        zip.ZipFileName = archivio;
        zip.ExtractDirectory = percorso(QStringLiteral("database"));
        return zip;
    }

    QTemporaryDir m_dir;
};

}  // namespace

TEST_F(TestArchiviatore, ZipStandardConIlSoloFileSenzaCartelle)
{
    const QByteArray originale = QByteArray("contenuto del database ").repeated(2000);
    scrivi(percorso(QStringLiteral("database/art30.mdb")), originale);
    Archiviatore backup = archiviatorePerBackup(percorso(QStringLiteral("archivio/art30.bkp")));
    ASSERT_EQ(backup.Add(QStringLiteral("0")), Archiviatore::Riuscito);

    int errore = 0;
    zip_t* zip = zip_open(QFile::encodeName(percorso(QStringLiteral("archivio/art30.bkp"))).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &errore);
    ASSERT_NE(zip, nullptr);
    ASSERT_EQ(zip_get_num_entries(zip, 0), 1);
    EXPECT_STREQ(zip_get_name(zip, 0, 0), "art30.mdb");
    zip_stat_t info;
    zip_stat_index(zip, 0, 0, &info);
    EXPECT_EQ(info.comp_method, ZIP_CM_DEFLATE);
    EXPECT_LT(info.comp_size, info.size);
    zip_discard(zip);

    scrivi(percorso(QStringLiteral("database/art30.mdb")), "cambiato");
    Archiviatore restore = archiviatorePerRestore(percorso(QStringLiteral("archivio/art30.bkp")));
    ASSERT_EQ(restore.Extract(QStringLiteral("0")), Archiviatore::Riuscito);
    EXPECT_EQ(leggi(percorso(QStringLiteral("database/art30.mdb"))), originale) << "sovrascrive senza chiedere";

    scrivi(percorso(QStringLiteral("database/art30.mdb")), "tenuto");
    restore.Overwrite = 0;
    ASSERT_EQ(restore.Extract(QStringLiteral("0")), Archiviatore::Riuscito);
    EXPECT_EQ(leggi(percorso(QStringLiteral("database/art30.mdb"))), QByteArray("tenuto"));
}

TEST_F(TestArchiviatore, EstensioniMemorizzateSenzaCompressione)
{
    scrivi(percorso(QStringLiteral("database/art30.mdb")), QByteArray(50000, 'a'));
    Archiviatore backup = archiviatorePerBackup(percorso(QStringLiteral("archivio/art30.bkp")));
    backup.StoredExtensions = QStringLiteral(".ZIP;.MDB;");
    ASSERT_EQ(backup.Add(QStringLiteral("0")), Archiviatore::Riuscito);
    int errore = 0;
    zip_t* zip = zip_open(QFile::encodeName(percorso(QStringLiteral("archivio/art30.bkp"))).constData(), ZIP_RDONLY, &errore);
    ASSERT_NE(zip, nullptr);
    zip_stat_t info;
    zip_stat_index(zip, 0, 0, &info);
    EXPECT_EQ(info.comp_method, ZIP_CM_STORE);
    zip_discard(zip);
}

TEST_F(TestArchiviatore, ArchivioSuTreDischettiERitorno)
{
    const QByteArray originale = datiCasuali(250000);
    scrivi(percorso(QStringLiteral("database/art30.mdb")), originale);
    const QString nelDrive = percorso(QStringLiteral("floppy/art30.bkp"));
    QList<QByteArray> dischetti;
    QList<int> richieste;

    Archiviatore backup = archiviatorePerBackup(nelDrive);
    backup.MultidiskMode = true;
    backup.spazioLibero = [] { return qint64(100000); };
    backup.richiestaDisco = [&](int numero) {
        richieste << numero;
        dischetti << leggi(nelDrive);
        QFile::remove(nelDrive);
    };
    ASSERT_EQ(backup.Add(QStringLiteral("0")), Archiviatore::Riuscito);
    dischetti << leggi(nelDrive);
    EXPECT_EQ(richieste, (QList<int>{2, 3}));
    ASSERT_EQ(dischetti.size(), 3);
    for (const QByteArray& d : dischetti) EXPECT_LE(d.size(), 100000);

    // The restore starts with the first diskette in the drive, then gets the last and the second.
    richieste.clear();
    scrivi(nelDrive, dischetti.at(0));
    scrivi(percorso(QStringLiteral("database/art30.mdb")), "vecchio");
    Archiviatore restore = archiviatorePerRestore(nelDrive);
    restore.MultidiskMode = true;
    restore.richiestaDisco = [&](int numero) {
        richieste << numero;
        scrivi(nelDrive, dischetti.at(numero == 0 ? 2 : numero - 1));
    };
    ASSERT_EQ(restore.Extract(QStringLiteral("0")), Archiviatore::Riuscito);
    EXPECT_EQ(richieste, (QList<int>{0, 2}));
    EXPECT_EQ(leggi(percorso(QStringLiteral("database/art30.mdb"))), originale);
}

TEST_F(TestArchiviatore, InterruzioneEArchivioDanneggiato)
{
    scrivi(percorso(QStringLiteral("database/art30.mdb")), datiCasuali(250000));
    const QString nelDrive = percorso(QStringLiteral("floppy/art30.bkp"));
    Archiviatore backup = archiviatorePerBackup(nelDrive);
    backup.MultidiskMode = true;
    backup.spazioLibero = [] { return qint64(100000); };
    backup.richiestaDisco = [&](int) { backup.Interrompi(); };
    EXPECT_EQ(backup.Add(QStringLiteral("0")), Archiviatore::Interrotto);

    const QString cartella = percorso(QStringLiteral("archivio/art30.bkp"));
    Archiviatore intero = archiviatorePerBackup(cartella);
    ASSERT_EQ(intero.Add(QStringLiteral("0")), Archiviatore::Riuscito);
    const QByteArray completo = leggi(cartella);
    scrivi(cartella, completo.left(completo.size() / 2));
    scrivi(percorso(QStringLiteral("database/art30.mdb")), "intatto");
    Archiviatore restore = archiviatorePerRestore(cartella);
    EXPECT_EQ(restore.Extract(QStringLiteral("0")), Archiviatore::ArchivioDanneggiato);
    EXPECT_EQ(leggi(percorso(QStringLiteral("database/art30.mdb"))), QByteArray("intatto"));

    restore.ZipFileName = percorso(QStringLiteral("archivio/manca.bkp"));
    EXPECT_EQ(restore.Extract(QStringLiteral("0")), Archiviatore::FileNonTrovato);
}
