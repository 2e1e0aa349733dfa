#pragma once

#include "cli/RigaDiComando.h"

// scarica-domanda: the export of one printed application to a folder, as the export window runs it.
namespace ComandoScarica {
// `esito` receives 0 when the file was written and the application marked, 1 otherwise.
void aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito);
}
