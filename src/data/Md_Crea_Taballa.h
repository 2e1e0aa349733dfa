#pragma once

#include <QString>

class Database;

namespace Md_Crea_Taballa {
// Walks the tables in their order; at the first one named SETUP (any letter case) it drops it,
// creates tab_setup and answers true. Errors inside are ignored.
bool AggiornaTabSetup(Database& db);
void CreaTabSetup(Database& db);
// Drops TAB_Fornitura when present (errors ignored) and creates it again, empty.
void CreaTabFornitura(Database& db);
}  // namespace Md_Crea_Taballa
