#include "data/FunzioniSql.h"

#include "data/Database.h"
#include "rules/Numeri.h"

#include <QString>

#include <optional>
#include <stdexcept>

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

void nonValidoDiNull(sqlite3_context* ctx)
{
    errore(ctx, NumeriErrore::UsoNonValidoDiNull, "Uso non valido di Null");
}

// The number of a value: numbers as they are, texts the Italian way.
std::optional<NumeroDecimale> numeroArgomento(sqlite3_value* v)
{
    switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER: return NumeroDecimale(NumeroDecimale::Valore(sqlite3_value_int64(v)));
    case SQLITE_FLOAT: return NumeroDecimale::daDouble(sqlite3_value_double(v));
    default: return NumeroDecimale::daTesto(testoArgomento(v));
    }
}

// CDBL(x), CSNG(x): NULL and texts that are not numbers are refused as the older engine refused them.
template <bool singola>
void converti(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return nonValidoDiNull(ctx);
    const auto numero = numeroArgomento(argv[0]);
    if (!numero) return errore(ctx, NumeriErrore::TipoNonCorrispondente, "Tipo non corrispondente");
    const double valore = numero->toDouble();
    sqlite3_result_double(ctx, singola ? static_cast<double>(static_cast<float>(valore)) : valore);
}

// VAL(x): the number a text starts with, "." as the decimal separator; a number stays as it is.
void val(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return nonValidoDiNull(ctx);
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: return sqlite3_result_value(ctx, argv[0]);
    default: sqlite3_result_double(ctx, Md_FunzioniGenerali::Val(testoArgomento(argv[0])).toDouble());
    }
}

// FORMAT(x, modello): NULL gives NULL, a text that is not a number comes back as it is.
void format(sqlite3_context* ctx, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
    const QString modello = testoArgomento(argv[1]);
    try {
        const auto numero = numeroArgomento(argv[0]);
        risultatoTesto(ctx, numero ? Md_FunzioniGenerali::Format(*numero, modello) : testoArgomento(argv[0]));
    } catch (const std::invalid_argument&) {
        errore(ctx, NumeriErrore::ChiamataNonValida, "Chiamata di routine o argomento non validi");
    }
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
    definisci(db, "CDBL", 1, converti<false>);
    definisci(db, "CSNG", 1, converti<true>);
    definisci(db, "VAL", 1, val);
    definisci(db, "FORMAT", 2, format);
}
