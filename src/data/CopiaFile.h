#pragma once

#include <QString>

// Copies a file over any file of the same name. A copy that fails removes what it had written and
// raises Errore: 53 no source, 76 no destination folder, 70 destination refused, 61 disk full.
void CopiaFile(const QString& sorgente, const QString& destinazione);
