#pragma once

#include <QList>
#include <QString>

// The texts a printout hands to the report engine, read into names and values.
namespace FormuleReport {

struct Formula {
    QString nome;
    QString valore;
};

struct Condizione {
    QString sorgente;
    QString campo;
    QString valore;
};

// NAME = 'value' or NAME = "value". Inside, a doubled quote of the enclosing kind stands for
// one; any other character is kept as written. Raises ErroriReport::ErroreNellaFormula.
Formula leggiFormula(const QString& testo);

// {Source.FIELD} = 'value' AND {Source.FIELD} = "value" ...; blank text: no condition.
// Raises ErroriReport::ErroreNellaFormula.
QList<Condizione> leggiSelezione(const QString& testo);

// The password of a logon text such as "PWD=chiave;" or ";PWD=chiave" ("" when none is given).
QString passwordConnessione(const QString& connessione);

}  // namespace FormuleReport
