#include "cli/ComandoCarica.h"

#include "app/base/Contesto.h"
#include "cli/SessioneRigaDiComando.h"
#include "data/Windows1252.h"
#include "exchange/CaricoFatture.h"

#include <QFile>

#include <iostream>
#include <memory>
#include <string>

namespace {

struct Opzioni {
    std::string file;
    bool mostraScartate = false;
};

void stampa(const QString& testo)
{
    QString righe = testo;
    righe.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::cout << righe.toLocal8Bit().constData();
    if (!righe.endsWith(u'\n')) std::cout << '\n';
}

// Boxes become lines: the failures of the error log on standard error, the rest on standard
// output. A question prints what it states, without its last line, and is answered: the
// rejected applications are always listed, the removed invoices on request.
class MessaggiCarico : public ServizioMessaggi {
public:
    explicit MessaggiCarico(bool mostraScartate) : m_mostraScartate(mostraScartate) {}

    Risposta mostra(const Messaggio& messaggio) override
    {
        if (messaggio.pulsanti != Pulsanti::SiNo) {
            if (messaggio.icona == Icona::Esclamazione) {
                std::cerr << messaggio.testo.toLocal8Bit().constData() << '\n';
            } else {
                stampa(messaggio.testo);
            }
            return Risposta::Ok;
        }
        stampa(messaggio.testo.section(QStringLiteral("\r\n"), 0, -2));
        if (messaggio.titolo == QStringLiteral("Elenco delle fatture scartate")) return m_mostraScartate ? Risposta::Si : Risposta::No;
        return Risposta::Si;
    }

private:
    bool m_mostraScartate;
};

class ElencoSuUscita : public ServizioVisualizzatore {
public:
    void mostraFile(const QString& percorso) override
    {
        QFile file(percorso);
        if (!file.open(QIODevice::ReadOnly)) throw Errore(NumeriErrore::FileNonTrovato, QStringLiteral("File non trovato: ") + percorso);
        stampa(Windows1252::decodifica(file.readAll()));
    }
};

int carica(const OpzioniComuni& comuni, const Opzioni& opzioni)
{
    SessioneRigaDiComando sessione;
    if (!sessione.apri(comuni, QStringLiteral(" Carico della Domanda "))) return 1;
    MessaggiCarico messaggi(opzioni.mostraScartate);
    ElencoSuUscita elenco;
    Servizi servizi = sessione.servizi.servizi();
    Contesto contesto{sessione.stato, {messaggi, servizi.cartelle, servizi.unita, elenco, servizi.applicazione,
                                       servizi.finestre, servizi.report}};
    CaricoFatture carico(contesto);
    return carico.BATTONCARICA(QString::fromStdString(opzioni.file)) == CaricoFatture::Esito::Caricata ? 0 : 1;
}

}  // namespace

void ComandoCarica::aggiungi(CLI::App& app, const OpzioniComuni& comuni, int& esito)
{
    auto opzioni = std::make_shared<Opzioni>();
    CLI::App* comando = app.add_subcommand(
        "carica-fornitura",
        "Carica un file di fornitura del distillatore (domande, fatture e bolle), come la finestra di carico: "
        "stampa l'esito e, se la fornitura e' rifiutata, l'elenco delle domande scartate. Esce con 0 se la "
        "fornitura e' caricata, con 1 altrimenti.");
    comando->group("Comandi");
    comando->set_help_flag("-h,--help", "Mostra l'aiuto ed esce");
    comando->add_option("FILE", opzioni->file, "File di fornitura da caricare")->required()->check(CLI::ExistingFile);
    comando->add_flag("--mostra-scartate", opzioni->mostraScartate,
                      "Scrive e stampa l'elenco delle fatture tolte perche' senza data di introduzione (scartati.txt)");
    comando->callback([opzioni, &comuni, &esito] { esito = carica(comuni, *opzioni); });
}
