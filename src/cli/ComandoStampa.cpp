#include "cli/ComandoStampa.h"

#include "app/base/Avvio.h"
#include "app/base/LogErrori.h"
#include "cli/SessioneRigaDiComando.h"
#include "reports/StampeDistillatore.h"

#include <QFileInfo>

#include <iostream>
#include <memory>

namespace {

enum class Stampa { Fatture, Bolle, BolleCampagna };

struct Opzioni {
    SceltaDomanda scelta;
    std::string pdf;
};

// The invoice printout marks the application as printed, as the selection window does.
bool stampaFatture(SessioneRigaDiComando& sessione)
{
    if (!StampeDistillatore::STAMPA(sessione.contesto, sessione.stato.DomandaCorrente.CAMPAGNA)) return false;
    const int righe = sessione.contesto.db().esegui(QStringLiteral("UPDATE DOMANDE SET stam = 'S' where id_domanda = ?1"),
                                                    {sessione.stato.DomandaCorrente.ID_DOMANDA});
    if (righe == 0) return RigaDiComando::rifiuta(QStringLiteral("Flag di stampa non aggiornato , rifare la stampa."));
    return true;
}

int stampa(const OpzioniComuni& comuni, const Opzioni& opzioni, Stampa quale)
{
    SessioneRigaDiComando sessione;
    const QString pdf = QFileInfo(QString::fromStdString(opzioni.pdf)).absoluteFilePath();
    sessione.servizi.report.filePdf = pdf;
    const QString titolo = quale == Stampa::BolleCampagna ? QStringLiteral("Stampa Bolle ") : QStringLiteral("Stampa Domanda ");
    if (!sessione.apri(comuni, titolo)) return 1;
    bool riuscita = false;
    Trappola(sessione.contesto, QStringLiteral("stampa"), [&] {
        if (quale == Stampa::BolleCampagna) {
            Avvio::LeggiUltimaCampagna(sessione.contesto);
            StampeDistillatore::StampaBolleCampagna(sessione.contesto);
            riuscita = true;
            return;
        }
        if (!sessione.selezionaDomanda(opzioni.scelta)) return;
        if (quale == Stampa::Fatture) {
            riuscita = stampaFatture(sessione);
            return;
        }
        const RecordDomanda& corrente = sessione.stato.DomandaCorrente;
        StampeDistillatore::StampaBolle(sessione.contesto,
                                        {corrente.ID_DOMANDA, corrente.DOMANDA, corrente.PROGRESSIVO, corrente.CAMPAGNA});
        riuscita = true;
    });
    // The engine removes a PDF it could not finish.
    if (!riuscita || !QFileInfo::exists(pdf)) return 1;
    std::cout << pdf.toLocal8Bit().constData() << '\n';
    return 0;
}

void aggiungiStampa(CLI::App* gruppo, const char* nome, const char* descrizione, Stampa quale,
                    const OpzioniComuni& comuni, int& esito)
{
    auto opzioni = std::make_shared<Opzioni>();
    CLI::App* comando = gruppo->add_subcommand(nome, descrizione);
    comando->set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    if (quale != Stampa::BolleCampagna) RigaDiComando::aggiungiSceltaDomanda(comando, opzioni->scelta);
    comando->add_option("--pdf", opzioni->pdf, "File PDF da scrivere")->required()->type_name("FILE");
    comando->callback([opzioni, &comuni, &esito, quale] { esito = stampa(comuni, *opzioni, quale); });
}

}  // namespace

void ComandoStampa::aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito)
{
    CLI::App* gruppo = app.add_subcommand("stampa", "Stampe del distillatore in un file PDF, come dalla finestra di stampa");
    gruppo->set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    gruppo->require_subcommand(1);
    aggiungiStampa(gruppo, "fatture",
                   "Le fatture della domanda; a stampa riuscita la domanda risulta stampata e puo' essere scaricata",
                   Stampa::Fatture, comuni, esito);
    aggiungiStampa(gruppo, "bolle", "Le bolle di consegna della domanda", Stampa::Bolle, comuni, esito);
    aggiungiStampa(gruppo, "bolle-campagna", "Le bolle di consegna di tutte le domande", Stampa::BolleCampagna, comuni,
                   esito);
}
