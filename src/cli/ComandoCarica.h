#pragma once

#include "cli/RigaDiComando.h"

// carica-fornitura: the import of a distiller supply file, as the import window runs it.
namespace ComandoCarica {
// `esito` receives 0 when the supply was loaded, 1 otherwise.
void aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito);
}
