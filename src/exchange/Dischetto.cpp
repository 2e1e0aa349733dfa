#include "exchange/Dischetto.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"

namespace {

const QString UnitaBackup = QStringLiteral("A:");
const QString TitoloControlloFloppy = QStringLiteral("Controllo floppy ");
const QString TestoProtezione = QStringLiteral("Togliere la protezione in scrittura dal dischetto");
const QString TestoInserire = QStringLiteral("Inserire il dischetto nel drive.");
const QString TestoTerminare = QStringLiteral("ATTENZIONE ,vuoi terminare il rilascio.");

Risposta mostra(Contesto& contesto, Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo)
{
    return contesto.messaggi().mostra({icona, pulsanti, 0, titolo, testo});
}

void cancellaFileDellaRadice(Contesto& contesto, const QString& unita, const QStringList& file)
{
    for (const QString& nome : file) contesto.servizi.unita.cancellaFile(unita, nome);
}

// "Inserire il dischetto nel drive." with Yes and No; No asks whether to stop. True when the user stops.
bool chiedeDiTerminare(Contesto& contesto, const QString& titolo)
{
    if (mostra(contesto, Icona::Critico, Pulsanti::SiNo, titolo, TestoInserire) != Risposta::No) return false;
    return mostra(contesto, Icona::Informazione, Pulsanti::SiNo, titolo, TestoTerminare) == Risposta::Si;
}

// "Inserire il dischetto nel drive." with OK and Cancel; Cancel gives the operation up.
bool annullaSenzaDischetto(Contesto& contesto, bool& bOperazioneAnnullata)
{
    if (mostra(contesto, Icona::Informazione, Pulsanti::OkAnnulla, QString(), TestoInserire) != Risposta::Annulla) {
        return false;
    }
    bOperazioneAnnullata = true;
    contesto.applicazione().cursoreAttesa(false);
    return true;
}

}  // namespace

bool Dischetto::Chk_Disk(Contesto& contesto, const QString& unita, bool& bProgrammaTerminato)
{
    try {
        const QStringList file = contesto.servizi.unita.fileDellaRadice(unita);
        if (!file.isEmpty()) {
            mostra(contesto, Icona::Informazione, Pulsanti::Ok, md_Globali::TITOLO_PROGRAMMA,
                   QStringLiteral("Attenzione il contenuto del floppy verra cancellato"));
            cancellaFileDellaRadice(contesto, unita, file);
        }
        return true;
    } catch (const Errore& e) {
        const QString& titolo = contesto.stato.sTitolo;
        if (e.numero() == NumeriErrore::ErroreAccessoPercorso) {
            mostra(contesto, Icona::Critico, Pulsanti::Ok, titolo, TestoProtezione);
        } else if (chiedeDiTerminare(contesto, titolo)) {
            bProgrammaTerminato = true;
            contesto.applicazione().termina(0);
        }
        return false;
    }
}

bool Dischetto::ControllaDischettoBackup(Contesto& contesto, bool& bOperazioneAnnullata)
{
    try {
        const QStringList file = contesto.servizi.unita.fileDellaRadice(UnitaBackup);
        if (file.isEmpty()) return true;
        switch (mostra(contesto, Icona::Domanda, Pulsanti::SiNoAnnulla, TitoloControlloFloppy,
                       QStringLiteral("Il dischetto deve essere vuoto. Vuoi cancellare il contenuto nel disco?"))) {
        case Risposta::Si:
            cancellaFileDellaRadice(contesto, UnitaBackup, file);
            return false;
        case Risposta::Annulla:
            bOperazioneAnnullata = true;
            return true;
        default:
            break;
        }
    } catch (const Errore& e) {
        if (e.numero() == NumeriErrore::ErroreAccessoPercorso) {
            mostra(contesto, Icona::Critico, Pulsanti::Ok, TitoloControlloFloppy, TestoProtezione);
            return false;
        }
    }
    if (!chiedeDiTerminare(contesto, TitoloControlloFloppy)) return false;
    bOperazioneAnnullata = true;
    return true;
}

namespace {

// A failure of the checks made while the archiver asks for a diskette: a write-protected one is
// asked again, a missing one lets the user give up.
bool rispostaErroreVolume(Contesto& contesto, const Errore& e, bool& bOperazioneAnnullata)
{
    if (e.numero() == NumeriErrore::ErroreAccessoPercorso) {
        mostra(contesto, Icona::Critico, Pulsanti::Ok, QString(), TestoProtezione);
        return false;
    }
    return annullaSenzaDischetto(contesto, bOperazioneAnnullata);
}

}  // namespace

bool Dischetto::ControllaDischettoVolume(Contesto& contesto, bool& bOperazioneAnnullata)
{
    try {
        const QStringList file = contesto.servizi.unita.fileDellaRadice(UnitaBackup);
        if (file.isEmpty()) return true;
        mostra(contesto, Icona::Informazione, Pulsanti::Ok, QString(), QStringLiteral("Il dischetto non deve contenere files."));
        if (mostra(contesto, Icona::Domanda, Pulsanti::SiNo, QString(),
                   QStringLiteral("Vuoi cancellare i files contenuti nel disco?")) == Risposta::Si) {
            cancellaFileDellaRadice(contesto, UnitaBackup, file);
        } else {
            bOperazioneAnnullata = true;
            contesto.applicazione().cursoreAttesa(false);
        }
        return true;
    } catch (const Errore& e) {
        return rispostaErroreVolume(contesto, e, bOperazioneAnnullata);
    }
}

bool Dischetto::ControllaDischettoPresente(Contesto& contesto, bool& bOperazioneAnnullata)
{
    try {
        contesto.servizi.unita.fileDellaRadice(UnitaBackup);
        return true;
    } catch (const Errore& e) {
        return rispostaErroreVolume(contesto, e, bOperazioneAnnullata);
    }
}
