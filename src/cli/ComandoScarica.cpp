#include "cli/ComandoScarica.h"

#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "cli/SessioneRigaDiComando.h"
#include "exchange/CongruenzaQuantita.h"
#include "exchange/ScaricoFatture.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

struct Opzioni {
    SceltaDomanda scelta;
    std::string cartella;
};

int scarica(const OpzioniComuni& comuni, const Opzioni& opzioni)
{
    SessioneRigaDiComando sessione;
    if (!sessione.apri(comuni, QStringLiteral(" Scarico della Domanda "))) return 1;
    Contesto& contesto = sessione.contesto;
    StatoCondiviso& stato = sessione.stato;
    using RigaDiComando::rifiuta;

    const QString percorso = CorniceScarico::PercorsoScelto(QString::fromStdString(opzioni.cartella));
    // What the selection window and the export window refuse, and the diskette, which needs a person.
    const auto verifica = [&] {
        if (!Md_FunzioniGenerali::CaricaDistilleria(contesto)) return rifiuta(QStringLiteral("Distilleria non inserita."));
        if (!sessione.selezionaDomanda(opzioni.scelta)) return false;
        if (stato.DomandaCorrente.STAM != QStringLiteral("S")) {
            return rifiuta(QStringLiteral("La domanda non risulta stampata: stamparla prima dello scarico."));
        }
        const QString incongruenze = CongruenzaQuantita::TestoIncongruenze(*stato.dbDati, stato.DomandaCorrente.ID_DOMANDA);
        if (!incongruenze.isEmpty()) return rifiuta(incongruenze);
        if (percorso.isEmpty()) return rifiuta(QStringLiteral("Indicare la cartella di scarico."));
        if (!sessione.servizi.unita.unitaDelPercorso(percorso).isEmpty()) {
            return rifiuta(QStringLiteral("Lo scarico su dischetto chiede conferme: usare la finestra del programma."));
        }
        return true;
    };
    bool pronta = false;
    Trappola(contesto, QStringLiteral("scarica-domanda"), [&] { pronta = verifica(); });
    if (!pronta) return 1;

    ScaricoFatture scarico(contesto);
    const EsitoScarico esito = scarico.Esegui(percorso);
    if (esito.stato != EsitoScarico::Stato::Eseguito) return 1;
    std::cout << esito.file.toLocal8Bit().constData() << '\n';
    return 0;
}

}  // namespace

void ComandoScarica::aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito)
{
    auto opzioni = std::make_shared<Opzioni>();
    CLI::App* comando = app.add_subcommand(
        "scarica-domanda",
        "Scarica una domanda stampata nel file di fornitura \"KalvorFAT.\" e numero, nella cartella indicata, come "
        "la finestra di scarico: prende il numero di scarico successivo e segna la domanda come scaricata. Stampa il "
        "percorso del file scritto; esce con 1, spiegando il motivo, se la domanda non e' stampata, se le quantita' "
        "delle fatture non corrispondono alle bolle o se la cartella e' su un dischetto.");
    comando->group("Comandi");
    comando->set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    RigaDiComando::aggiungiSceltaDomanda(comando, opzioni->scelta);
    comando->add_option("--cartella", opzioni->cartella, "Cartella in cui scrivere il file")->required()->type_name("DIR");
    comando->callback([opzioni, &comuni, &esito] { esito = scarica(comuni, *opzioni); });
}
