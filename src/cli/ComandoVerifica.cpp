#include "cli/ComandoVerifica.h"

#include "rules/ControlliFiscali.h"

#include <QString>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

void ComandoVerifica::aggiungi(CLI::App& app, int& esito)
{
    struct Opzioni {
        std::vector<std::string> codici;
        std::string omocodia = "no";
    };
    auto opzioni = std::make_shared<Opzioni>();
    CLI::App* verifica = app.add_subcommand(
        "verifica",
        "Verifica codici fiscali e partite IVA come le finestre di inserimento: un valore numerico e' una "
        "partita IVA, ogni altro un codice fiscale. Stampa per ogni valore il valore, una tabulazione e "
        "\"valido\" o \"non valido\"; esce con 0 se tutti sono validi, 1 altrimenti.");
    verifica->group("Comandi");
    verifica->set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    verifica->add_option("CODICE", opzioni->codici, "Codici fiscali o partite IVA da verificare")
        ->required()
        ->type_name("");
    verifica->add_option("--omocodia", opzioni->omocodia,
                         "Risposta alla domanda \"Si tratta di un caso di Omocodia ?\" (predefinito: no)")
        ->check(CLI::IsMember({"si", "no"}).description(""))
        ->type_name("si|no");
    verifica->callback([opzioni, &esito] {
        esito = 0;
        const bool omocodia = opzioni->omocodia == "si";
        for (const std::string& codice : opzioni->codici) {
            const bool valido = Md_FunzioniGenerali::CodiceFiscaleOPartitaIva(QString::fromLocal8Bit(codice),
                                                                             [omocodia] { return omocodia; });
            std::cout << codice << '\t' << (valido ? "valido" : "non valido") << '\n';
            if (!valido) esito = 1;
        }
    });
}
