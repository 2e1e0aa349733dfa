#include "AmbienteProva.h"

#include "data/ModelloLista.h"

namespace {
class TestModelloLista : public AmbienteProva {};
}

TEST_F(TestModelloLista, LeggeARichiestaTitoliEColonnePerNome)
{
    Database& db = apriDatabase();
    {
        Transazione t(db);
        Istruzione inserisci =
            db.prepara(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO) VALUES (?1, '01')"));
        for (int i = 1; i <= 1500; ++i) {
            inserisci.azzera();
            inserisci.lega({QString::number(i).rightJustified(11, QLatin1Char('0'))}).esegui();
        }
        t.commit();
    }
    ModelloLista modello;
    modello.carica(db, QStringLiteral("SELECT ID_DOMANDA, DOMANDA, STAM FROM DOMANDE WHERE DOMANDA > ?1 ORDER BY DOMANDA"),
                   {QStringLiteral("00000000010")});
    EXPECT_EQ(modello.columnCount(), 3);
    EXPECT_LT(modello.rowCount(), 1490);
    EXPECT_TRUE(modello.canFetchMore(QModelIndex()));
    modello.caricaTutto();
    EXPECT_EQ(modello.rowCount(), 1490);
    EXPECT_FALSE(modello.canFetchMore(QModelIndex()));

    EXPECT_EQ(modello.testo(0, QStringLiteral("domanda")), QStringLiteral("00000000011"));
    EXPECT_EQ(modello.testo(1489, QStringLiteral("DOMANDA")), QStringLiteral("00000001500"));
    EXPECT_EQ(modello.testo(0, QStringLiteral("STAM")), QString());
    modello.impostaTitolo(QStringLiteral("domanda"), QStringLiteral("N° Domanda"));
    EXPECT_EQ(modello.headerData(1, Qt::Horizontal).toString(), QStringLiteral("N° Domanda"));
    EXPECT_EQ(modello.headerData(2, Qt::Horizontal).toString(), QStringLiteral("STAM"));

    modello.carica(db, QStringLiteral("SELECT * FROM DOMANDE WHERE 0"));
    EXPECT_EQ(modello.rowCount(), 0);
    EXPECT_EQ(modello.colonna(QStringLiteral("prog_invio")), 9);
}
