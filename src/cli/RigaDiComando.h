#pragma once

#include <CLI/CLI.hpp>

#include <QString>

#include <string>

// What every verb shares: the database it works on.
struct OpzioniComuni {
    // Empty: database/art30.mdb beside the executable.
    std::string database;
};

namespace RigaDiComando {
inline constexpr int EsitoUsoErrato = 2;

// The program's command line with Italian help and messages and the shared options.
void prepara(CLI::App& app, OpzioniComuni& opzioni);
// Parses the arguments; on a request for help prints it and answers 0, on bad usage prints the
// reason and answers EsitoUsoErrato; otherwise answers -1 and the chosen verb runs.
int analizza(CLI::App& app, int argc, char** argv);
// The database the verbs work on: --database, or the program's own beside the executable.
QString fileDatabase(const OpzioniComuni& opzioni);
}  // namespace RigaDiComando
