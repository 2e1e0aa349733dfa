#pragma once

#include <CLI/CLI.hpp>

// verifica CODICE...: each value checked as the entry windows check a fiscal code or VAT number.
namespace ComandoVerifica {
// `esito` receives 0 when every value is valid, 1 otherwise.
void aggiungi(CLI::App& app, int& esito);
}
