#pragma once

#include <QString>

class Database;

// Before an export: the processed quantity of each invoice must equal the sum of its delivery notes.
namespace CongruenzaQuantita {
// The message listing the invoices of the application whose quantities differ (both read as
// single-precision numbers and rounded to 4 decimals); "" when they all agree.
QString TestoIncongruenze(Database& db, qint32 idDomanda);
}  // namespace CongruenzaQuantita
