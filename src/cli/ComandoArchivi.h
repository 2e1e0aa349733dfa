#pragma once

#include "cli/RigaDiComando.h"

// backup --cartella DIR and restore --cartella DIR: the database saved into DIR/art30.bkp and
// restored from there, with the same archiver and the same checked restore as the windows.
namespace ComandoArchivi {
// `esito` receives 0 on success, 1 on failure.
void aggiungi(CLI::App& app, const OpzioniComuni& opzioni, int& esito);
}
