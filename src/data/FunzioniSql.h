#pragma once

class Database;

// The functions of the older engine that the program's SQL relies on, registered on a
// connection: IIF, MID and the numeric conversions CDBL, CSNG, VAL, FORMAT. ISNULL is an operator
// of this engine's own SQL: IsNull(x) is written (x IS NULL).
namespace FunzioniSql {
void registra(Database& db);
}
