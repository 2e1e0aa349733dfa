#include "data/Md_Crea_Taballa.h"

#include "data/Database.h"

namespace {

void eseguiIgnorandoErrori(Database& db, const QString& sql)
{
    try {
        db.esegui(sql);
    } catch (const Errore&) {
    }
}

}  // namespace

bool Md_Crea_Taballa::AggiornaTabSetup(Database& db)
{
    try {
        const QStringList tabelle = db.tabelle();
        for (const QString& nome : tabelle) {
            if (nome.toUpper() != QLatin1String("SETUP")) continue;
            eseguiIgnorandoErrori(db, QStringLiteral("DROP TABLE \"%1\"").arg(nome));
            try {
                CreaTabSetup(db);
            } catch (const Errore&) {
            }
            return true;
        }
    } catch (const Errore&) {
    }
    return false;
}

void Md_Crea_Taballa::CreaTabSetup(Database& db)
{
    db.esegui(QStringLiteral("CREATE TABLE tab_setup ("
                             "VERSIONE VARCHAR(5) COLLATE NOCASE, "
                             "DATA_VERSIONE VARCHAR(10) COLLATE NOCASE, "
                             "DESCRIZIONE VARCHAR(255) COLLATE NOCASE)"));
}

void Md_Crea_Taballa::CreaTabFornitura(Database& db)
{
    eseguiIgnorandoErrori(db, QStringLiteral("DROP TABLE TAB_Fornitura"));
    db.esegui(QStringLiteral("CREATE TABLE TAB_Fornitura ("
                             "ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                             "CAMPAGNA VARCHAR(4) COLLATE NOCASE, "
                             "NUMERO_DOMANDE VARCHAR(6) COLLATE NOCASE, "
                             "NUMERO_FATTURE VARCHAR(6) COLLATE NOCASE, "
                             "NUMERO_BOLLE VARCHAR(6) COLLATE NOCASE, "
                             "DATA_FORNITURE VARCHAR(10) COLLATE NOCASE, "
                             "PROGRESSIVO_FORNITURA VARCHAR(3) COLLATE NOCASE)"));
}
