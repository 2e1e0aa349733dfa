#include "data/FunzioniSql.h"

#include "data/Database.h"

#include <QString>

#include <sqlite3.h>

namespace {

QString testoArgomento(sqlite3_value* v)
{
    const auto* dati = reinterpret_cast<const char*>(sqlite3_value_text(v));
    if (!dati) return QString();
    return QString::fromUtf8(dati, sqlite3_value_bytes(v));
}

void risultatoTesto(sqlite3_context* ctx, const QString& testo)
{
    const QByteArray utf8 = testo.toUtf8();
    sqlite3_result_text(ctx, utf8.constData(), utf8.size(), SQLITE_TRANSIENT);
}

void errore(sqlite3_context* ctx, qint32 numero, const char* descrizione)
{
    static_cast<Database*>(sqlite3_user_data(ctx))->segnalaErroreFunzione(numero);
    sqlite3_result_error(ctx, descrizione, -1);
}

// IIF(condizione, se_vera, se_falsa): a NULL or zero condition is false.
void iif(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    const bool vera = sqlite3_value_type(argv[0]) != SQLITE_NULL && sqlite3_value_double(argv[0]) != 0.0;
    sqlite3_result_value(ctx, vera ? argv[1] : argv[2]);
}

// MID(testo, inizio[, lunghezza]): inizio counts from 1; NULL text gives NULL.
void mid(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(ctx);
        return;
    }
    const qint64 inizio = sqlite3_value_int64(argv[1]);
    if (inizio < 1 || (argc == 3 && sqlite3_value_int64(argv[2]) < 0)) {
        errore(ctx, NumeriErrore::ChiamataNonValida, "Chiamata di routine o argomento non validi");
        return;
    }
    const QString testo = testoArgomento(argv[0]);
    const qsizetype lunghezza = argc == 3 ? static_cast<qsizetype>(sqlite3_value_int64(argv[2])) : -1;
    risultatoTesto(ctx, testo.mid(static_cast<qsizetype>(inizio - 1), lunghezza));
}

void definisci(Database& db, const char* nome, int argomenti,
               void (*funzione)(sqlite3_context*, int, sqlite3_value**))
{
    if (sqlite3_create_function_v2(db.handle(), nome, argomenti, SQLITE_UTF8 | SQLITE_DETERMINISTIC, &db,
                                   funzione, nullptr, nullptr, nullptr) != SQLITE_OK) {
        db.fallisci(sqlite3_errcode(db.handle()));
    }
}

}  // namespace

void FunzioniSql::registra(Database& db)
{
    definisci(db, "IIF", 3, iif);
    definisci(db, "MID", 2, mid);
    definisci(db, "MID", 3, mid);
}
