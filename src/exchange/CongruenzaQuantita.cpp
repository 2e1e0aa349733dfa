#include "exchange/CongruenzaQuantita.h"

#include "data/Database.h"
#include "rules/Numeri.h"

namespace {

NumeroDecimale Singola(double valore)
{
    return Md_FunzioniGenerali::Round(NumeroDecimale::daDouble(static_cast<float>(valore)), 4);
}

}  // namespace

QString CongruenzaQuantita::TestoIncongruenze(Database& db, qint32 idDomanda)
{
    Istruzione fatture = db.prepara(QStringLiteral(
        "select ID_FATTURA, DENOMINAZIONE, NUME_FATT, CSNG('0' || IFNULL(QTA_LAVO, '')) AS QTA from fatture "
        "where ID_DOMANDA = ?1 ORDER BY ID_FATTURA"));
    fatture.lega({idDomanda});
    Istruzione bolle = db.prepara(
        QStringLiteral("select sum(csng(QUANTITA_PRODOTTO)) as somma from bolle where FK_ID_FATTURA = ?1"));
    QString elenco;
    while (fatture.avanza()) {
        bolle.azzera();
        bolle.lega({fatture.intero(QStringLiteral("ID_FATTURA"))});
        const double somma = bolle.avanza() && !bolle.nullo(0) ? bolle.valore(0).toDouble() : 0.0;
        if (Singola(fatture.valore(3).toDouble()) != Singola(somma)) {
            elenco += QStringLiteral("\r\n - ") + fatture.testo(QStringLiteral("DENOMINAZIONE")) +
                      QStringLiteral(" fattura n° ") + fatture.testo(QStringLiteral("NUME_FATT"));
        }
    }
    if (elenco.trimmed().isEmpty()) return QString();
    return QStringLiteral("La domanda presenta incogruenze tra la somma\r\n"
                          "del prodotto distillato delle fatture e la somma del prodotto delle bolle di consegna.") +
           elenco;
}
