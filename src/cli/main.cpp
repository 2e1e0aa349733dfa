#include "cli/ComandoArchivi.h"
#include "cli/ComandoVerifica.h"
#include "cli/RigaDiComando.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication applicazione(argc, argv);
    CLI::App app("tormavellino-cli", "tormavellino-cli");
    OpzioniComuni opzioni;
    RigaDiComando::prepara(app, opzioni);
    int esito = 0;
    ComandoVerifica::aggiungi(app, esito);
    ComandoArchivi::aggiungi(app, opzioni, esito);
    const int analisi = RigaDiComando::analizza(app, argc, argv);
    return analisi >= 0 ? analisi : esito;
}
