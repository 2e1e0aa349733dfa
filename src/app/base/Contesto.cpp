#include "app/base/Contesto.h"

Database& Contesto::db() const
{
    if (!stato.dbDati) {
        throw Errore(91, QStringLiteral("Variabile oggetto o variabile del blocco With non impostata"));
    }
    return *stato.dbDati;
}
