#include "ProvaScarico.h"
#include "StampaQString.h"

#include "exchange/CongruenzaQuantita.h"

class Congruenza : public ProvaScarico {};

TEST_F(Congruenza, QuantitaDelleFattureControLeBolle)
{
    const QString incongruenze = QStringLiteral(
        "La domanda presenta incogruenze tra la somma\r\n"
        "del prodotto distillato delle fatture e la somma del prodotto delle bolle di consegna.\r\n"
        " - CANTINA DEL VALLO fattura n° 7");
    const struct {
        QString qtaLavo;
        QStringList bolle;
        QString atteso;
    } casi[] = {
        {"12,5", {"12,5", "0,00004"}, ""},
        {"12,5", {"12,4"}, incongruenze},
        {"", {}, ""},
        {"1,0000", {}, incongruenze},
    };
    eseguiSql(QStringLiteral("INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA) VALUES (1, '00000012345')"));
    for (const auto& caso : casi) {
        eseguiSql(QStringLiteral("DELETE FROM BOLLE; DELETE FROM FATTURE;"
                                 "INSERT INTO FATTURE (ID_FATTURA, ID_DOMANDA, DENOMINAZIONE, NUME_FATT) "
                                 "VALUES (3, 1, 'CANTINA DEL VALLO', '7')"));
        apriDatabase().esegui(QStringLiteral("UPDATE FATTURE SET QTA_LAVO = ?1"), {caso.qtaLavo});
        for (const QString& quantita : caso.bolle)
            apriDatabase().esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, QUANTITA_PRODOTTO) VALUES (3, ?1)"), {quantita});

        EXPECT_EQ(CongruenzaQuantita::TestoIncongruenze(*stato.dbDati, 1), caso.atteso)
            << caso.qtaLavo.toStdString() << " " << caso.bolle.join(u'+').toStdString();
    }
}
