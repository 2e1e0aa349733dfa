#pragma once

#include "cli/RigaDiComando.h"

// stampa fatture|bolle --domanda N --progressivo NN --pdf FILE and stampa bolle-campagna --pdf FILE:
// the printouts of the selection window and of the main menu, rendered straight into a PDF file.
namespace ComandoStampa {
// `esito` receives 0 when the PDF was written, 1 otherwise.
void aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito);
}
