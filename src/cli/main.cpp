#include "cli/ComandoArchivi.h"
#include "cli/ComandoCarica.h"
#include "cli/ComandoScarica.h"
#include "cli/ComandoStampa.h"
#include "cli/ComandoVerifica.h"
#include "cli/RigaDiComando.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// The printouts lay out text and write PDF files, which takes a GUI application (without a
// display); every other verb runs on a plain one.
std::unique_ptr<QCoreApplication> creaApplicazione(int& argc, char** argv)
{
    const bool stampa = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "stampa") == 0; });
    if (!stampa) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv)
{
    const auto applicazione = creaApplicazione(argc, argv);
    CLI::App app("tormavellino-cli", "tormavellino-cli");
    OpzioniComuni opzioni;
    RigaDiComando::prepara(app, opzioni);
    int esito = 0;
    ComandoVerifica::aggiungi(app, esito);
    ComandoArchivi::aggiungi(app, opzioni, esito);
    ComandoScarica::aggiungi(app, opzioni, esito);
    ComandoCarica::aggiungi(app, opzioni, esito);
    ComandoStampa::aggiungi(app, opzioni, esito);
    const int analisi = RigaDiComando::analizza(app, argc, argv);
    return analisi >= 0 ? analisi : esito;
}
