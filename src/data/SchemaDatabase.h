#pragma once

#include <QString>

class Database;

namespace SchemaDatabase {
// Creates a new working database at `file`, with every table and the shipped reference data.
void creaDatabase(const QString& file, const QString& chiave);
// Runs the shipped scripts on an open, empty database.
void caricaSchemaEDati(Database& db);
}  // namespace SchemaDatabase
