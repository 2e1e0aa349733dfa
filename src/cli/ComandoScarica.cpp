#include "cli/ComandoScarica.h"

#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "app/base/LogErrori.h"
#include "cli/ServiziRigaDiComando.h"
#include "exchange/CongruenzaQuantita.h"
#include "exchange/ScaricoFatture.h"
#include "rules/Formattazione.h"

#include <QCoreApplication>

#include <iostream>
#include <memory>
#include <string>

namespace {

struct Opzioni {
    std::string domanda, progressivo, cartella, campagna;
};

// Refusals print their message on standard error and answer false.
bool rifiuta(const QString& testo)
{
    std::cerr << testo.toLocal8Bit().constData() << '\n';
    return false;
}

// Copies the one application with that number into DomandaCorrente, as the selection window does.
bool selezionaDomanda(Contesto& contesto, const Opzioni& opzioni)
{
    using Md_FunzioniGenerali::RiempiSinistra;
    QString sql = QStringLiteral(
        "SELECT DOMANDE.* FROM DOMANDE, VARIETA, TIPO_ARTICOLO_DOMANDA WHERE DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA "
        "AND DOMANDE.TIPO_ARTICOLO = TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO AND DOMANDA = ?1 AND PROGRESSIVO = ?2");
    QVariantList valori{RiempiSinistra(QString::fromStdString(opzioni.domanda).trimmed(), 11, u'0'),
                        RiempiSinistra(QString::fromStdString(opzioni.progressivo).trimmed(), 2, u'0')};
    if (!opzioni.campagna.empty()) {
        sql += QStringLiteral(" AND DATA_CAMP = ?3");
        valori << QString::fromStdString(opzioni.campagna).trimmed();
    }
    Istruzione rsDati = contesto.db().prepara(sql);
    rsDati.lega(valori);
    if (!rsDati.avanza()) return rifiuta(QStringLiteral("Domanda non trovata."));
    RecordDomanda& domanda = contesto.stato.DomandaCorrente;
    domanda.ID_DOMANDA = rsDati.intero(QStringLiteral("ID_DOMANDA"));
    domanda.DOMANDA = rsDati.testo(QStringLiteral("DOMANDA"));
    domanda.PROGRESSIVO = rsDati.testo(QStringLiteral("PROGRESSIVO"));
    domanda.STAM = rsDati.testo(QStringLiteral("STAM"));
    domanda.SCAR = rsDati.testo(QStringLiteral("SCAR"));
    domanda.PROG_VERS = rsDati.testo(QStringLiteral("PROG_VERS"));
    domanda.PROG_INVIO = rsDati.intero(QStringLiteral("PROG_INVIO"));
    domanda.CAMPAGNA = rsDati.testo(QStringLiteral("DATA_CAMP"));
    if (rsDati.avanza()) {
        return rifiuta(QStringLiteral("Selezionare una domanda alla volta.\nIndicare la campagna con --campagna."));
    }
    return true;
}

int scarica(const OpzioniComuni& comuni, const Opzioni& opzioni)
{
    ServiziRigaDiComando servizi;
    StatoCondiviso stato;
    Contesto contesto{stato, servizi.servizi()};
    const QString file = RigaDiComando::fileDatabase(comuni);
    try {
        stato.dbDati = Database::apri(file, md_Globali::PASSWORD_DB);
    } catch (const Errore& e) {
        rifiuta(Gestione_DataBase::TestoAperturaFallita(e.numero(), e.descrizione()).trimmed());
        return 1;
    }
    stato.sTitolo = QStringLiteral(" Scarico della Domanda ");

    const QString percorso = CorniceScarico::PercorsoScelto(QString::fromStdString(opzioni.cartella));
    // What the selection window and the export window refuse, and the diskette, which needs a person.
    const auto verifica = [&] {
        if (!Md_FunzioniGenerali::CaricaDistilleria(contesto)) return rifiuta(QStringLiteral("Distilleria non inserita."));
        if (!selezionaDomanda(contesto, opzioni)) return false;
        if (stato.DomandaCorrente.STAM != QStringLiteral("S")) {
            return rifiuta(QStringLiteral("La domanda non risulta stampata: stamparla prima dello scarico."));
        }
        const QString incongruenze = CongruenzaQuantita::TestoIncongruenze(*stato.dbDati, stato.DomandaCorrente.ID_DOMANDA);
        if (!incongruenze.isEmpty()) return rifiuta(incongruenze);
        if (percorso.isEmpty()) return rifiuta(QStringLiteral("Indicare la cartella di scarico."));
        if (!servizi.unita.unitaDelPercorso(percorso).isEmpty()) {
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
    comando->add_option("--domanda", opzioni->domanda, "Numero della domanda (completato a 11 cifre)")
        ->required()
        ->type_name("NUMERO");
    comando->add_option("--progressivo", opzioni->progressivo, "Progressivo della domanda (completato a 2 cifre)")
        ->required()
        ->type_name("NN");
    comando->add_option("--cartella", opzioni->cartella, "Cartella in cui scrivere il file")->required()->type_name("DIR");
    comando->add_option("--campagna", opzioni->campagna, "Campagna della domanda, se il numero ricorre in piu' campagne")
        ->type_name("ANNO");
    comando->callback([opzioni, &comuni, &esito] { esito = scarica(comuni, *opzioni); });
}
