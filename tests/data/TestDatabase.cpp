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
