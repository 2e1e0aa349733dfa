#pragma once

#include "data/Archiviatore.h"

#include <QString>

// A restore that never leaves a half-written or foreign database in place: the archive is
// extracted into a temporary folder beside the working file, the extracted file must open with
// the key, hold the program's tables and carry the program's schema version, and only then it
// replaces the working file in one rename.
namespace RipristinoDatabase {
// The extracted file is not the program's database.
inline constexpr int DatabaseNonValido = 10;

// `zip` has its archive, overwrite and path settings; its extraction folder is set here.
// Answers Archiviatore::Riuscito, an archiver failure, or DatabaseNonValido.
int EstraiVerificato(Archiviatore& zip, const QString& fileDatabase, const QString& chiave, const QString& versione);

// True when `file` opens with `chiave`, holds the program's tables and its tab_setup version is `versione`.
bool DatabaseDelProgramma(const QString& file, const QString& chiave, const QString& versione);
}  // namespace RipristinoDatabase
