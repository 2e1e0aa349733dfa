#include "data/SchemaDatabase.h"

#include "data/Database.h"
#include "data/Md_Crea_Taballa.h"

#include <QFile>

namespace {

QString leggiScript(const QString& nome)
{
    QFile file(QStringLiteral(":/sql/") + nome);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Errore(NumeriErrore::FileNonTrovato, QStringLiteral("Script non trovato: %1").arg(nome));
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

void SchemaDatabase::caricaSchemaEDati(Database& db)
{
    Transazione transazione(db);
    db.eseguiScript(leggiScript(QStringLiteral("schema.sql")));
    Md_Crea_Taballa::CreaTabSetup(db);
    Md_Crea_Taballa::CreaTabFornitura(db);
    db.eseguiScript(leggiScript(QStringLiteral("dati.sql")));
    db.eseguiScript(leggiScript(QStringLiteral("help.sql")));
    transazione.commit();
}

void SchemaDatabase::creaDatabase(const QString& file, const QString& chiave)
{
    auto db = Database::crea(file, chiave);
    caricaSchemaEDati(*db);
}
