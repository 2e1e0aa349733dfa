#include "exchange/BackupRestore.h"

#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "app/base/LogErrori.h"
#include "data/Archiviatore.h"
#include "data/RipristinoDatabase.h"
#include "exchange/CorniceScarico.h"
#include "exchange/Dischetto.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

const QString TitoloBackupRestore = QStringLiteral("Backup/Restore");
const QString TitoloPercorsoFile = QStringLiteral(" Percorso file ");
const QString TestoAnnullata = QStringLiteral("Operazione annullata.");

Risposta mostra(Contesto& contesto, Icona icona, Pulsanti pulsanti, const QString& titolo, const QString& testo)
{
    return contesto.messaggi().mostra({icona, pulsanti, 0, titolo, testo});
}

bool finisceConSeparatore(const QString& percorso)
{
    return percorso.endsWith(u'/') || percorso.endsWith(u'\\');
}

QString conSeparatore(const QString& cartella)
{
    return finisceConSeparatore(cartella) ? cartella : cartella + u'/';
}

QString senzaSeparatoreFinale(const QString& cartella)
{
    return finisceConSeparatore(cartella) ? cartella.chopped(1) : cartella;
}

bool suDischetto(Contesto& contesto, const QString& percorso)
{
    const QString unita = contesto.servizi.unita.unitaDelPercorso(percorso);
    return unita == QLatin1String("A:") || unita == QLatin1String("B:");
}

// On a diskette drive the medium is tried first, so that a missing diskette raises its failure.
bool esisteFile(Contesto& contesto, const QString& file)
{
    const QString unita = contesto.servizi.unita.unitaDelPercorso(file);
    if (!unita.isEmpty()) contesto.servizi.unita.fileDellaRadice(unita);
    return QFileInfo::exists(file);
}

}  // namespace

void BackupRestore::EseguiVoceArchivi(Contesto& contesto, Archiviatore& zip, int operazione, const QString& didascalia)
{
    StatoCondiviso& stato = contesto.stato;
    contesto.applicazione().cursoreAttesa(true);
    stato.dbDati.reset();

    const QString fileDatabase = stato.sPercorsoDB + md_Globali::NOME_DB;
    const QString sorgente = operazione == 0 ? fileDatabase : stato.sPercorsoDB;
    if (!EseguiBackupRestore(contesto, operazione, zip, md_Globali::NOME_BACKUP, sorgente)) {
        if (stato.bOperazioneAnnullata) {
            mostra(contesto, Icona::Informazione, Pulsanti::Ok, didascalia, TestoAnnullata);
        } else {
            const QString fase = operazione == 0 ? QStringLiteral("BackUp") : QStringLiteral("Restore");
            mostra(contesto, Icona::Informazione, Pulsanti::Ok, md_Globali::TITOLO_MESSAGGI,
                   QStringLiteral("Si è verificato un errore durante il ") + fase + QStringLiteral(" dell'archivio:\r\n- ") +
                       fileDatabase);
        }
    }

    if (!Gestione_DataBase::ApriDatabase(contesto, false)) return;
    Trappola(contesto, operazione == 0 ? QStringLiteral("FrmMenu mnuBackup_Click") : QStringLiteral("FrmMenu mnuRestore_Click"),
             [&contesto] { Md_FunzioniGenerali::CaricaDistilleria(contesto); });
    contesto.applicazione().cursoreAttesa(false);
}

bool BackupRestore::EseguiBackupRestore(Contesto& contesto, int operazione, Archiviatore& zip,
                                        const QString& nomeArchivio, const QString& sorgente)
{
    StatoCondiviso& stato = contesto.stato;
    stato.bOperazioneAnnullata = false;
    stato.iOperazioneArchivio = operazione;
    try {
        if (ScegliCartellaArchivio(contesto, operazione, nomeArchivio) == SceltaAnnullata) return false;

        bool riuscito = false;
        if (operazione == 0) {
            const QString archivio = conSeparatore(stato.sPercorsoArchivio) + nomeArchivio;
            stato.sPercorsoArchivio = sorgente;
            riuscito = EseguiZip(contesto, 0, zip, stato.sPercorsoArchivio, archivio, QStringLiteral("0"), QString());
        } else {
            stato.sPercorsoArchivio = conSeparatore(stato.sPercorsoArchivio) + nomeArchivio;
            riuscito = EseguiZip(contesto, 1, zip, stato.sPercorsoArchivio, nomeArchivio, QStringLiteral("0"), sorgente);
        }

        if (!stato.bOperazioneAnnullata) {
            if (riuscito) {
                mostra(contesto, Icona::Informazione, Pulsanti::Ok, QStringLiteral("Gestione dati "),
                       QStringLiteral("Trasferimento dei dati effettuato correttamente"));
                contesto.applicazione().cursoreAttesa(false);
            } else {
                mostra(contesto, Icona::Informazione, Pulsanti::Ok, TitoloBackupRestore,
                       QStringLiteral("Operazione non andata a buon fine."));
            }
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

int BackupRestore::ScegliCartellaArchivio(Contesto& contesto, int operazione, const QString& nomeArchivio)
{
    StatoCondiviso& stato = contesto.stato;
    stato.sPercorsoArchivio.clear();
    const QString prompt = operazione == 0 ? QStringLiteral("Selezionare il percorso dove destinare il file: ")
                                           : QStringLiteral("Selezionare il percorso dove recuperare il file: ");
    const QString fileAtteso = operazione == 0 ? QString() : nomeArchivio;
    try {
        QString cartella = ScegliCartellaConFile(contesto, fileAtteso,
                                                 prompt + QStringLiteral("'' ") + nomeArchivio + QStringLiteral("''."));
        if (!cartella.trimmed().isEmpty()) cartella = VerificaCartella(contesto, cartella);
        while (cartella.trimmed().isEmpty()) {
            if (mostra(contesto, Icona::Informazione, Pulsanti::SiNo, QStringLiteral("Gestione Dati"),
                       QStringLiteral("Annullare operazione ?")) == Risposta::Si) {
                stato.bOperazioneAnnullata = true;
                return SceltaAnnullata;
            }
            cartella = CorniceScarico::ScegliPercorso(contesto, prompt);
            if (!cartella.trimmed().isEmpty()) cartella = VerificaCartella(contesto, cartella);
        }
        stato.sPercorsoArchivio = senzaSeparatoreFinale(cartella);
        return 0;
    } catch (const std::exception&) {
        return SceltaAnnullata;
    }
}

QString BackupRestore::ScegliCartellaConFile(Contesto& contesto, const QString& fileAtteso, const QString& prompt)
{
    while (true) {
        const QString cartella = CorniceScarico::ScegliPercorso(contesto, prompt);
        if (cartella.isEmpty()) return QString();
        if (fileAtteso.trimmed().isEmpty()) return cartella;

        bool esiste = false;
        for (bool cercato = false; !cercato;) {
            try {
                esiste = esisteFile(contesto, conSeparatore(cartella) + fileAtteso);
                cercato = true;
            } catch (const Errore& e) {
                const bool senzaDischetto = e.numero() == NumeriErrore::DiscoNonPronto;
                const Risposta risposta =
                    senzaDischetto
                        ? mostra(contesto, Icona::Nessuna, Pulsanti::RiprovaAnnulla, TitoloPercorsoFile,
                                 QStringLiteral("Attenzione, nessun floppy disk inserito."))
                        : mostra(contesto, Icona::Esclamazione, Pulsanti::RiprovaAnnulla, TitoloPercorsoFile,
                                 QString::number(e.numero()) + QStringLiteral(" - ") + e.descrizione());
                if (risposta != Risposta::Riprova) return QString();
            }
        }
        if (esiste) return cartella;
        if (mostra(contesto, Icona::Esclamazione, Pulsanti::RiprovaAnnulla, TitoloPercorsoFile,
                   QStringLiteral("Il percorso indicato non è corretto")) != Risposta::Riprova) {
            return QString();
        }
    }
}

QString BackupRestore::VerificaCartella(Contesto& contesto, const QString& cartella)
{
    if (contesto.servizi.unita.unitaDelPercorso(cartella) == QLatin1String("A:")) return cartella;
    const QString senzaSeparatore = senzaSeparatoreFinale(cartella);
    // A name of its own, so that a file the user keeps in the folder is never overwritten.
    QTemporaryFile prova(conSeparatore(senzaSeparatore) + QStringLiteral("CHECK-XXXXXX"));
    if (!prova.open()) return QString();
    return senzaSeparatore;
}

bool BackupRestore::EseguiZip(Contesto& contesto, int operazione, Archiviatore& zip, const QString& primo,
                              const QString& secondo, const QString& opzione, const QString& cartellaEstrazione)
{
    const QString archivio = operazione == 0 ? secondo : primo;
    const bool multidisco = suDischetto(contesto, archivio);
    if (operazione == 0 && multidisco) {
        bool& annullata = contesto.stato.bOperazioneAnnullata;
        annullata = false;
        while (!Dischetto::ControllaDischettoBackup(contesto, annullata)) {
        }
        if (annullata) {
            mostra(contesto, Icona::Informazione, Pulsanti::Ok, TitoloBackupRestore, TestoAnnullata);
            return true;
        }
    }

    zip.impostaPerArchivi(operazione, primo, secondo, multidisco);
    zip.spazioLibero = {};
    if (multidisco) {
        const QString unita = contesto.servizi.unita.unitaDelPercorso(archivio);
        zip.spazioLibero = [&contesto, unita] { return contesto.servizi.unita.spazioLibero(unita); };
    }
    if (operazione == 0) return zip.Add(opzione) == Archiviatore::Riuscito;

    const int esito = RipristinoDatabase::EstraiVerificato(zip, conSeparatore(cartellaEstrazione) + md_Globali::NOME_DB,
                                                           md_Globali::PASSWORD_DB, contesto.applicazione().versione());
    return esito == Archiviatore::Riuscito;
}

void BackupRestore::RichiestaDisco(Contesto& contesto, Archiviatore& zip, const QString& didascalia, int numeroDisco)
{
    const QString testo = numeroDisco != 0
                              ? QStringLiteral("Inserire il disco N° ") + QString::number(numeroDisco) + u' '
                              : QStringLiteral("Inserire l'ultimo disco della serie nel drive.");
    bool& annullata = contesto.stato.bOperazioneAnnullata;
    if (mostra(contesto, Icona::Informazione, Pulsanti::OkAnnulla, didascalia, testo) == Risposta::Annulla) {
        mostra(contesto, Icona::Informazione, Pulsanti::Ok, didascalia, TestoAnnullata);
        annullata = true;
        zip.Interrompi();
        return;
    }
    annullata = false;
    const bool backup = contesto.stato.iOperazioneArchivio == 0;
    while (!(backup ? Dischetto::ControllaDischettoVolume(contesto, annullata)
                    : Dischetto::ControllaDischettoPresente(contesto, annullata))) {
    }
    if (annullata) {
        mostra(contesto, Icona::Informazione, Pulsanti::Ok, didascalia, TestoAnnullata);
        zip.Interrompi();
    }
}
