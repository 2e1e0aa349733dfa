#pragma once

#include <QString>

#include <functional>

struct Contesto;
class FileTracciati;

struct EsitoScarico {
    enum class Stato {
        Annullato,           // no folder chosen: nothing happened
        Eseguito,            // file copied, application marked
        Interrotto,          // a failure logged or a flag message shown
        ProgrammaTerminato,  // the user ended the program at a diskette prompt
    };
    Stato stato = Stato::Annullato;
    QString file;  // the final file, once copied
};

// The frame of an export: folder, export number, temporary file, diskette, copy and flags.
class CorniceScarico {
public:
    // `tipoFornitura` goes into the file name ("FAT", "CONF"); `etichetta` names the routine in the log.
    CorniceScarico(Contesto& contesto, QString tipoFornitura, QString etichetta);

    // The folder chooser with `prompt`: the folder as chosen, or "" when the user cancels.
    static QString ScegliPercorso(Contesto& contesto, const QString& prompt);
    // The export's choice: the folder without its trailing separator, or "" when the user gave up.
    QString ScegliPercorso();
    static QString PercorsoScelto(const QString& scelta);

    // Everything after the folder choice. `scrivi` writes the records once the export number is
    // known; `aggiornaFlag` marks the application and answers the rows it changed.
    EsitoScarico Esegui(const QString& percorso,
                        const std::function<void(FileTracciati& file, const QString& sValore)>& scrivi,
                        const std::function<int()>& aggiornaFlag);

    QString FileTemporaneo() const;
    QString FileFinale(const QString& percorso, const QString& sValore) const;

private:
    QString ProssimoNumero();
    void EliminaTemporaneo();

    Contesto& m_contesto;
    QString m_tipoFornitura;
    QString m_etichetta;
};
