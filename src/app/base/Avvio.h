#pragma once

struct Contesto;

namespace Avvio {
// The start-up checks: opens the database, upgrades an older layout once, reads the latest
// campaign and compares the schema version with the program's. Closes the database again.
// Answers true when the program may go on; otherwise the program has been ended.
bool ControlliAvvio(Contesto& contesto);
// sUltimaCampagna from the highest ANNUALITA of CAMPAGNA.
void LeggiUltimaCampagna(Contesto& contesto);
}  // namespace Avvio
