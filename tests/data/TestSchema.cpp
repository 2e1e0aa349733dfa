#include "AmbienteProva.h"

// The shipped database: every table with its reference rows.
namespace {
class TestSchema : public AmbienteProva {};
}

TEST_F(TestSchema, DatiDiRiferimento)
{
    const struct {
        const char* sql;
        const char* atteso;
    } casi[] = {
        {"SELECT group_concat(ANNUALITA) FROM (SELECT ANNUALITA FROM CAMPAGNA ORDER BY ANNUALITA)", "2001,2002,2003,2004,2005"},
        {"SELECT group_concat(TIPO_ARTICOLO) FROM TIPO_ARTICOLO_DOMANDA", "29,30"},
        {"SELECT count(*) FROM TAB_PROVINCIE", "107"},
        {"SELECT count(DISTINCT TABPROSIG) FROM TAB_PROVINCIE WHERE length(TABPROSIG) = 2", "107"},
        {"SELECT TABPRODES || ' ' || TABPROSIG FROM TAB_PROVINCIE WHERE TABPROCOD = '066'", "L'AQUILA AQ"},
        {"SELECT count(*) FROM VARIETA WHERE length(CODI_PROD) <> 3", "0"},
        {"SELECT count(*) FROM LAVORAZIONI WHERE length(CODI_LAVO) <> 3", "0"},
        {"SELECT count(*) FROM TAB_COLORE WHERE length(CODI_COLORE) <> 2", "0"},
        {"SELECT group_concat(PROG) FROM PROG_DSK", "0"},
        {"SELECT VERSIONE || '|' || DESCRIZIONE FROM tab_setup", "1.0.0|Distilleria ART.30 con Carico, Gestione, Scarico."},
        {"SELECT count(*) FROM tab_setup", "1"},
        {"SELECT count(*) FROM TAB_Fornitura", "0"},
        {"SELECT count(*) FROM DISTILLERIA", "0"},
    };
    for (const auto& caso : casi) EXPECT_EQ(leggi(QString::fromUtf8(caso.sql)), QString::fromUtf8(caso.atteso)) << caso.sql;
    EXPECT_GT(conta(QStringLiteral("VARIETA")), 0);
    EXPECT_GT(conta(QStringLiteral("LAVORAZIONI")), 0);
}

TEST_F(TestSchema, OgniArgomentoDiAiutoHaUnTesto)
{
    for (const char* chiave :
         {"frmInizializza", "frmCambioDomanda", "frmCambioUTF", "FRMSELEZIONE_SELFAT", "FRMDOMANDA_INS", "FRMDOMANDA_MOD",
          "FRMFATTURA_INS", "FRMFATTURA_MOD", "frmProduttore_Utf_INS", "frmProduttore_Utf_MOD", "FRMSELEZIONE_DOMA",
          "FRMSELEZIONE_FATTU", "FRMSELEZIONE_CAMBIO", "FRMSELEZIONE_STAMPA", "frmScarico", "Frmproduttore_Domanda",
          "frmProduttori_Scarico", "frmAbout"}) {
        EXPECT_GT(leggi(QStringLiteral("SELECT min(length(Descrizione)) FROM HELP WHERE nome = ?1"),
                        {QString::fromLatin1(chiave)})
                      .toInt(),
                  80)
            << chiave;
    }
}
