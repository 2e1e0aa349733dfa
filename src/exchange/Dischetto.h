#pragma once

#include <QString>

struct Contesto;

// The diskette checks. Each is called again and again until it answers true.
namespace Dischetto {
// The check of the exports on drive "A:" or "B:": the files of the root are deleted after a
// warning (folders stay). Answers false when the caller must ask again; when the user chooses to
// stop, the program is ended and `bProgrammaTerminato` is set.
bool Chk_Disk(Contesto& contesto, const QString& unita, bool& bProgrammaTerminato);

// The checks of the backup and restore, on drive A:. `bOperazioneAnnullata` is set when the
// user gives the operation up.
// Before the archive is written: the diskette must be empty.
bool ControllaDischettoBackup(Contesto& contesto, bool& bOperazioneAnnullata);
// A blank diskette for the next volume of the archive.
bool ControllaDischettoVolume(Contesto& contesto, bool& bOperazioneAnnullata);
// A diskette in the drive, to read the next volume.
bool ControllaDischettoPresente(Contesto& contesto, bool& bOperazioneAnnullata);
}  // namespace Dischetto
