#pragma once

#include "app/base/Contesto.h"
#include "cli/RigaDiComando.h"
#include "cli/ServiziRigaDiComando.h"

#include <string>

// The options of a verb that works on one application.
struct SceltaDomanda {
    std::string domanda, progressivo, campagna;
};

// One verb's run on the program's data: the services without windows, the shared state and the
// database, and the choice of an application as the selection window makes it.
class SessioneRigaDiComando {
public:
    // Opens the database of the options; prints the reason and answers false when it cannot.
    bool apri(const OpzioniComuni& opzioni, const QString& titolo);
    // Copies the one application with that number (zero-filled to 11 and 2 digits) into
    // DomandaCorrente; prints the reason and answers false when there is none or more than one.
    bool selezionaDomanda(const SceltaDomanda& scelta);

    ServiziRigaDiComando servizi;
    StatoCondiviso stato;
    Contesto contesto{stato, servizi.servizi()};
};

namespace RigaDiComando {
// Prints the text on standard error and answers false.
bool rifiuta(const QString& testo);
// --domanda and --progressivo (required) and --campagna.
void aggiungiSceltaDomanda(CLI::App* comando, SceltaDomanda& scelta);
}
