#include "AmbienteProva.h"

#include "app/base/Costanti.h"
#include "data/Database.h"
#include "data/Windows1252.h"

#include <QFile>

namespace {

class TestDatabase : public AmbienteProva {};

qint32 numeroErrore(const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const Errore& e) {
        return e.numero();
    }
    return 0;
}

}  // namespace

TEST_F(TestDatabase, FileCifratoNonMostraNomiNeValori)
{
    Database& db = apriDatabase();
    db.esegui(QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC, RAGI_SOCI) VALUES ('01234567890', 'CANTINA SEGRETA')"));
    stato.dbDati.reset();
    QFile file(fileDatabase());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray contenuto = file.readAll();
    for (const char* parola : {"DISTILLERIA", "CANTINA SEGRETA", "CREATE TABLE", "TAB_PROVINCIE", "SQLite format"}) {
        EXPECT_FALSE(contenuto.contains(parola)) << parola;
    }
}

TEST_F(TestDatabase, AperturaRifiutaChiaveErrataFileMancanteEFileEstraneo)
{
    EXPECT_EQ(numeroErrore([&] { Database::apri(fileDatabase(), QStringLiteral("XX99")); }), 3026);

    const QString mancante = cartellaProgramma() + QStringLiteral("/database/nessuno.mdb");
    EXPECT_EQ(numeroErrore([&] { Database::apri(mancante, md_Globali::PASSWORD_DB); }), 3014);
    EXPECT_FALSE(QFile::exists(mancante)) << "l'apertura non deve creare un database vuoto";

    const QString estraneo = cartellaProgramma() + QStringLiteral("/testo.mdb");
    QFile f(estraneo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    EXPECT_EQ(numeroErrore([&] { Database::apri(estraneo, md_Globali::PASSWORD_DB); }), 3026);
}

TEST_F(TestDatabase, AperturaEsclusivaTieneFuoriGliAltri)
{
    auto condivisa = Database::apri(fileDatabase(), md_Globali::PASSWORD_DB);
    auto altra = Database::apri(fileDatabase(), md_Globali::PASSWORD_DB);
    condivisa.reset();
    altra.reset();

    auto esclusiva = Database::apri(fileDatabase(), md_Globali::PASSWORD_DB, Database::Apertura::Esclusiva);
    EXPECT_EQ(numeroErrore([&] { Database::apri(fileDatabase(), md_Globali::PASSWORD_DB); }), 3005);
}

TEST_F(TestDatabase, CancellazioneDiDomandaConFattureNonToglieNulla)
{
    Database& db = apriDatabase();
    db.esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO) VALUES ('00000000001', '01')"));
    db.esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO) VALUES ('00000000002', '01')"));
    db.esegui(QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, NUME_FATT) VALUES (1, '7')"));

    EXPECT_EQ(db.eseguiSenzaErrori(QStringLiteral("DELETE FROM DOMANDE WHERE ID_DOMANDA = ?1"), {1}), 0);
    EXPECT_EQ(conta(QStringLiteral("DOMANDE")), 2);
    EXPECT_EQ(conta(QStringLiteral("FATTURE")), 1);
    EXPECT_EQ(numeroErrore([&] { db.esegui(QStringLiteral("DELETE FROM DOMANDE WHERE ID_DOMANDA = 1")); }), 3019);
    EXPECT_EQ(conta(QStringLiteral("DOMANDE")), 2);

    EXPECT_EQ(db.eseguiSenzaErrori(QStringLiteral("DELETE FROM DOMANDE WHERE ID_DOMANDA = ?1"), {2}), 1);
    // Without fail-on-error only refusals of the data are silent: a wrong statement still fails.
    EXPECT_NE(numeroErrore([&] { db.eseguiSenzaErrori(QStringLiteral("DELETE FROM NESSUNA")); }), 0);
}

TEST_F(TestDatabase, ColonneLettePerNomeSenzaBadareAlleMaiuscoleENullComeVuoto)
{
    Database& db = apriDatabase();
    db.esegui(QStringLiteral("INSERT INTO TAB_UTF (iD_DOMANDA, NUMERO_CERTIFICATO_UTF) VALUES (?1, ?2)"),
              {5, QStringLiteral("L'UTF \"7\"")});
    Istruzione query = db.prepara(QStringLiteral("SELECT * FROM TAB_UTF"));
    ASSERT_TRUE(query.avanza());
    EXPECT_EQ(query.intero(QStringLiteral("ID_DOMANDA")), 5);
    EXPECT_EQ(query.testo(QStringLiteral("numero_certificato_utf")), QStringLiteral("L'UTF \"7\""));
    EXPECT_EQ(query.testo(QStringLiteral("QUADRATURA")), QString());
    EXPECT_TRUE(query.nullo(query.indiceColonna(QStringLiteral("QUADRATURA"))));
    EXPECT_EQ(numeroErrore([&] { query.testo(QStringLiteral("NON_ESISTE")); }), 3265);
}

TEST_F(TestDatabase, FunzioniDelMotorePrecedente)
{
    Database& db = apriDatabase();
    const struct {
        const char* sql;
        const char* atteso;
    } casi[] = {
        {"SELECT IIF(1 = 1, 'si', 'no')", "si"},
        {"SELECT IIF(NULL, 'si', 'no')", "no"},
        {"SELECT IIF(0, 'si', 'no')", "no"},
        {"SELECT MID('KalvorFAT.001', 7, 3)", "FAT"},
        {"SELECT MID('KalvorFAT.001', 11)", "001"},
        {"SELECT MID('abc', 5, 2)", ""},
    };
    for (const auto& caso : casi) {
        Istruzione query = db.prepara(QString::fromUtf8(caso.sql));
        ASSERT_TRUE(query.avanza()) << caso.sql;
        EXPECT_EQ(query.testo(0), QString::fromUtf8(caso.atteso)) << caso.sql;
    }
    EXPECT_EQ(numeroErrore([&] { db.prepara(QStringLiteral("SELECT MID('abc', 0, 1)")).esegui(); }), 5);
}

TEST_F(TestDatabase, FunzioniNumeriche)
{
    Database& db = apriDatabase();
    const struct {
        const char* sql;
        QVariant atteso;
    } casi[] = {
        {"SELECT CDBL('12,5')", 12.5},
        {"SELECT CDBL(' 1E3 ')", 1000.0},
        {"SELECT CDBL(7)", 7.0},
        {"SELECT CSNG('0,1')", static_cast<double>(0.1f)},
        {"SELECT SUM(CDBL(v)) FROM (SELECT '1,25' AS v UNION ALL SELECT '2,5')", 3.75},
        {"SELECT VAL('12.5abc')", 12.5},
        {"SELECT VAL('12,5')", 12.0},
        {"SELECT VAL(' 0 4 ')", 4.0},
        {"SELECT VAL(2.5)", 2.5},
        {"SELECT FORMAT('0' || '12,34567', '##0.0000')", QStringLiteral("12,3457")},
        {"SELECT FORMAT(1.005, '##0.00')", QStringLiteral("1,01")},
        {"SELECT FORMAT(CDBL('2,5') * 3, '#0.0000')", QStringLiteral("7,5000")},
        {"SELECT FORMAT(7, '000')", QStringLiteral("007")},
        {"SELECT FORMAT('abc', '00')", QStringLiteral("abc")},
        {"SELECT FORMAT(NULL, '00')", QVariant()},
    };
    for (const auto& caso : casi) {
        Istruzione query = db.prepara(QString::fromUtf8(caso.sql));
        ASSERT_TRUE(query.avanza()) << caso.sql;
        EXPECT_EQ(query.valore(0), caso.atteso) << caso.sql;
    }
    const struct {
        const char* sql;
        qint32 numero;
    } errori[] = {
        {"SELECT CDBL(NULL)", 94},
        {"SELECT CSNG(NULL)", 94},
        {"SELECT VAL(NULL)", 94},
        {"SELECT CDBL('12.5')", 13},
        {"SELECT CDBL('')", 13},
        {"SELECT CSNG('abc')", 13},
        {"SELECT FORMAT(1, '#,##0.00')", 5},
    };
    for (const auto& caso : errori)
        EXPECT_EQ(numeroErrore([&] { db.prepara(QString::fromUtf8(caso.sql)).esegui(); }), caso.numero) << caso.sql;
}

TEST_F(TestDatabase, TransazioneAnnullataSenzaCommit)
{
    Database& db = apriDatabase();
    {
        Transazione t(db);
        db.esegui(QStringLiteral("INSERT INTO CAMPAGNA (ANNUALITA) VALUES ('2006')"));
    }
    EXPECT_EQ(conta(QStringLiteral("CAMPAGNA")), 5);
    {
        Transazione t(db);
        db.esegui(QStringLiteral("INSERT INTO CAMPAGNA (ANNUALITA) VALUES ('2006')"));
        t.commit();
    }
    EXPECT_EQ(conta(QStringLiteral("CAMPAGNA")), 6);
}

TEST(Windows1252, AccentiInUnByteECaratteriMancantiComePuntoInterrogativo)
{
    const QString testo = QStringLiteral("Forlì € ok");
    const QByteArray byte = Windows1252::codifica(testo);
    EXPECT_EQ(byte, QByteArray("Forl\xEC \x80 ok"));
    EXPECT_EQ(Windows1252::decodifica(byte), testo);
    EXPECT_EQ(Windows1252::codifica(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
}
