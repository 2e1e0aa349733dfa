#pragma once

#include <QString>

struct Contesto;

namespace Gestione_DataBase {
// The program folder, a separator unless it already ends with one, then "database/".
QString CartellaDatabase(const QString& cartellaProgramma);
QString TestoAperturaFallita(qint32 numero, const QString& descrizione);
// Opens dbDati on sPercorsoDB + NOME_DB with the key. On failure shows the open-failure box,
// ends the program and answers false.
bool ApriDatabase(Contesto& contesto, bool esclusivo);
}  // namespace Gestione_DataBase
