#include "data/RipristinoDatabase.h"

#include "data/Database.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <system_error>

namespace {

const char* const TabelleDelProgramma[] = {
    "CAMPAGNA", "TIPO_ARTICOLO_DOMANDA", "VARIETA", "LAVORAZIONI", "TAB_COLORE", "TAB_PROVINCIE", "DISTILLERIA",
    "DOMANDE", "FATTURE", "BOLLE", "DOMANDE_PRODUTTORI", "TAB_UTF", "PRODUTTORI", "TAB_ID_UTF_PRODUTTORE",
    "tab_setup", "LOGERR", "HELP", "PROG_DSK"};

}  // namespace

bool RipristinoDatabase::DatabaseDelProgramma(const QString& file, const QString& chiave, const QString& versione)
{
    try {
        auto db = Database::apri(file, chiave);
        for (const char* tabella : TabelleDelProgramma) {
            if (!db->esisteTabella(QString::fromLatin1(tabella))) return false;
        }
        Istruzione query = db->prepara(QStringLiteral("SELECT VERSIONE FROM tab_setup"));
        return query.avanza() && query.testo(0) == versione;
    } catch (const Errore&) {
        return false;
    }
}

int RipristinoDatabase::EstraiVerificato(Archiviatore& zip, const QString& fileDatabase, const QString& chiave,
                                         const QString& versione)
{
    const QFileInfo destinazione(fileDatabase);
    QTemporaryDir appoggio(destinazione.absolutePath() + QStringLiteral("/ripristino-XXXXXX"));
    if (!appoggio.isValid()) return Archiviatore::ErroreScrittura;
    zip.ExtractDirectory = appoggio.path();
    const int esito = zip.Extract(QStringLiteral("0"));
    if (esito != Archiviatore::Riuscito) return esito;

    const QString estratto = appoggio.filePath(destinazione.fileName());
    if (!DatabaseDelProgramma(estratto, chiave, versione)) return DatabaseNonValido;
    std::error_code errore;
    std::filesystem::rename(estratto.toStdString(), destinazione.absoluteFilePath().toStdString(), errore);
    return errore ? Archiviatore::ErroreScrittura : Archiviatore::Riuscito;
}
