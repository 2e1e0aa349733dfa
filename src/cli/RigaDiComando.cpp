#include "cli/RigaDiComando.h"

#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"

#include <QCoreApplication>

#include <iostream>
#include <map>

namespace {

std::string messaggioErrore(const CLI::App*, const CLI::Error& errore)
{
    static const std::map<std::string, std::string> motivi{
        {"RequiredError", "manca il comando o un suo argomento obbligatorio"},
        {"ExtrasError", "argomenti non previsti"},
        {"ValidationError", "valore non ammesso"},
        {"ConversionError", "valore non ammesso"},
        {"ArgumentMismatch", "numero di argomenti errato"},
        {"OptionNotFound", "opzione sconosciuta"},
    };
    const auto motivo = motivi.find(errore.get_name());
    return "Uso non corretto: " + (motivo == motivi.end() ? std::string("riga di comando non valida") : motivo->second)
           + ".\nUsare --help per l'aiuto.\n";
}

}  // namespace

void RigaDiComando::prepara(CLI::App& app, OpzioniComuni& opzioni)
{
    app.description("Comandi della distilleria sui dati del programma.");
    app.option_defaults()->group("Opzioni");
    app.set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    app.require_subcommand(1);
    app.failure_message(messaggioErrore);
    auto formato = app.get_formatter();
    for (const auto& [chiave, testo] : std::map<std::string, std::string>{
             {"Usage", "Uso"}, {"OPTIONS", "OPZIONI"}, {"SUBCOMMAND", "COMANDO"}, {"SUBCOMMANDS", "COMANDI"},
             {"Positionals", "Argomenti"}, {"REQUIRED", "OBBLIGATORIO"}})
        formato->label(chiave, testo);
    app.add_option("--database", opzioni.database,
                   "File del database su cui lavorano i comandi (predefinito: database/art30.mdb accanto al programma)")
        ->type_name("FILE");
}

int RigaDiComando::analizza(CLI::App& app, int argc, char** argv)
{
    try {
        app.parse(argc, argv);
        return -1;
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return EsitoUsoErrato;
    }
}

QString RigaDiComando::fileDatabase(const OpzioniComuni& opzioni)
{
    if (!opzioni.database.empty()) return QString::fromStdString(opzioni.database);
    return Gestione_DataBase::CartellaDatabase(QCoreApplication::applicationDirPath()) + md_Globali::NOME_DB;
}
