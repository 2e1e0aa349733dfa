#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

class QMdiArea;
class QWidget;

// Every effect outside the program goes through one of these; each has a real implementation
// and a scripted one for the tests.

enum class Icona { Nessuna, Informazione, Domanda, Esclamazione, Critico };
enum class Pulsanti { Ok, OkAnnulla, SiNo, SiNoAnnulla, RiprovaAnnulla, InterrompiRiprovaIgnora };
enum class Risposta { Ok, Annulla, Si, No, Riprova, Interrompi, Ignora };

struct Messaggio {
    Icona icona = Icona::Nessuna;
    Pulsanti pulsanti = Pulsanti::Ok;
    // The button chosen when the user just presses Enter: the first of the set unless stated.
    int pulsantePredefinito = 0;
    QString titolo;
    QString testo;
};

class ServizioMessaggi {
public:
    virtual ~ServizioMessaggi() = default;
    virtual Risposta mostra(const Messaggio& messaggio) = 0;
};

class ServizioCartelle {
public:
    virtual ~ServizioCartelle() = default;
    // The folder chosen, or "" when the user cancels.
    virtual QString scegliCartella(const QString& titolo) = 0;
};

// Diskette drives: "A:" and "B:" stand for mount points. Failures raise Errore with the numbers
// the windows test (68 no drive, 71 no medium, 75 write-protected, 61 full).
class ServizioUnita {
public:
    virtual ~ServizioUnita() = default;
    // "A:" or "B:" when the path lies on a diskette drive, otherwise "".
    virtual QString unitaDelPercorso(const QString& percorso) const = 0;
    virtual QString radice(const QString& unita) const = 0;
    // The files (not the folders) in the root of the drive's medium.
    virtual QStringList fileDellaRadice(const QString& unita) = 0;
    virtual void cancellaFile(const QString& unita, const QString& nomeFile) = 0;
    virtual qint64 spazioLibero(const QString& unita) = 0;
};

class ServizioVisualizzatore {
public:
    virtual ~ServizioVisualizzatore() = default;
    // Shows a Windows-1252 text file to the user.
    virtual void mostraFile(const QString& percorso) = 0;
};

class ServizioApplicazione {
public:
    virtual ~ServizioApplicazione() = default;
    // The folder of the executable, as the platform gives it (no trailing separator but for a root).
    virtual QString cartellaProgramma() const = 0;
    virtual QString nomeEseguibile() const = 0;
    // major.minor.revision
    virtual QString versione() const = 0;
    virtual QDateTime adesso() const = 0;
    virtual void cursoreAttesa(bool attivo) = 0;
    virtual void beep() = 0;
    // The full path of a program found on the search path, or "".
    virtual QString cercaProgramma(const QString& nome) const = 0;
    // Starts a program on its own, without waiting for it; false when it cannot be started.
    virtual bool avviaProgramma(const QString& percorso) = 0;
    // Ends the program. A caller returns at once after asking for it.
    virtual void termina(int codice) = 0;
};

// Principale: the program's main window, a top-level window of its own.
enum class ModoFinestra { Modale, NelMenu, Principale };

class ServizioFinestre {
public:
    virtual ~ServizioFinestre() = default;
    // Takes the window over: a modal one is shown, waited for and deleted; one opened inside
    // the main window lives until it is closed.
    virtual void apri(QWidget* finestra, ModoFinestra modo) = 0;
    // The area of the main window; until it is set, windows open as top-level windows.
    virtual void impostaArea(QMdiArea* area) = 0;
};

// The settings a printout makes on the report engine before it runs the report.
enum class DestinazioneReport { Anteprima = 0, FilePdf = 2 };

struct ImpostazioniReport {
    QString fileReport;
    QString connessione;  // the logon, "PWD=chiave;"
    QString fileDati;     // data file 0
    // "{Sorgente.CAMPO} = 'valore' AND ..."; empty: every record of the data source.
    QString formulaSelezione;
    QMap<int, QString> formule;  // slot -> "NOME = 'valore'" or NOME = "valore"
    // The report's subreport chosen by name, with its own data file and logon.
    QString sottoreport;
    QString fileDatiSottoreport;
    QString connessioneSottoreport;
    DestinazioneReport destinazione = DestinazioneReport::Anteprima;
    QString filePdf;  // with DestinazioneReport::FilePdf
    QString titoloAnteprima;
};

class ServizioReport {
public:
    virtual ~ServizioReport() = default;
    // Runs the report now (the engine's action 1). Into the preview it returns as soon as the
    // preview window is open. Failures raise Errore; 20545 is the user's cancellation.
    virtual void esegui(const ImpostazioniReport& impostazioni) = 0;
    // The name of subreport `indice` of a report file, "" when there is none.
    virtual QString nomeSottoreport(const QString& fileReport, int indice) = 0;
};

struct Servizi {
    ServizioMessaggi& messaggi;
    ServizioCartelle& cartelle;
    ServizioUnita& unita;
    ServizioVisualizzatore& visualizzatore;
    ServizioApplicazione& applicazione;
    ServizioFinestre& finestre;
    ServizioReport& report;
};
