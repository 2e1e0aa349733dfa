#pragma once

#include <QString>

class Archiviatore;
struct Contesto;

// Backup of the working database into an archive in a folder or over diskettes, and its restore.
// `didascalia` is the main window's caption, the title of the messages that belong to it.
namespace BackupRestore {
// ScegliCartellaArchivio: the choice was given up or failed.
inline constexpr int SceltaAnnullata = 6;

// The menu entries "Backup" (operation 0) and "Restore" (1): the database is closed around the
// operation and opened again, with the distillery reloaded, whatever the outcome.
void EseguiVoceArchivi(Contesto& contesto, Archiviatore& zip, int operazione, const QString& didascalia);

// Backup: `sorgente` is the database file; restore: the database folder. False only when the
// folder choice was given up or a failure occurred; every other outcome shows its own message.
bool EseguiBackupRestore(Contesto& contesto, int operazione, Archiviatore& zip, const QString& nomeArchivio,
                         const QString& sorgente);

// Leaves the chosen folder, without a final separator, in sPercorsoArchivio; SceltaAnnullata otherwise.
int ScegliCartellaArchivio(Contesto& contesto, int operazione, const QString& nomeArchivio);

// The folder chooser; when `fileAtteso` is not blank the folder must hold it. "" when given up.
QString ScegliCartellaConFile(Contesto& contesto, const QString& fileAtteso, const QString& prompt);

// The folder, or "" when nothing can be written there. A folder of drive A: is not tried.
QString VerificaCartella(Contesto& contesto, const QString& cartella);

// Backup: `primo` the database file, `secondo` the archive. Restore: `primo` the archive,
// `secondo` its name, the database replaced in `cartellaEstrazione` once the extracted file has
// proved to be the program's database. True when the archiver answered success.
bool EseguiZip(Contesto& contesto, int operazione, Archiviatore& zip, const QString& primo, const QString& secondo,
               const QString& opzione, const QString& cartellaEstrazione);

// The archiver asks for diskette `numeroDisco` (0: the last of the set) of a spanned archive.
void RichiestaDisco(Contesto& contesto, Archiviatore& zip, const QString& didascalia, int numeroDisco);
}  // namespace BackupRestore
