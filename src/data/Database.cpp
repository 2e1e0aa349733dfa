#include "data/Database.h"

#include "data/FunzioniSql.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace {

QString messaggioMotore(sqlite3* db, int codice)
{
    if (db) return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(codice));
}

bool eRifiutoDiVincolo(int codiceEsteso)
{
    return (codiceEsteso & 0xff) == SQLITE_CONSTRAINT;
}

}  // namespace

// ---- Istruzione ----------------------------------------------------------------------------

Istruzione::Istruzione(Database& db, sqlite3_stmt* stmt) : m_db(&db), m_stmt(stmt) {}

Istruzione::Istruzione(Istruzione&& altra) noexcept : m_db(altra.m_db), m_stmt(altra.m_stmt)
{
    altra.m_stmt = nullptr;
}

Istruzione& Istruzione::operator=(Istruzione&& altra) noexcept
{
    if (this != &altra) {
        sqlite3_finalize(m_stmt);
        m_db = altra.m_db;
        m_stmt = altra.m_stmt;
        altra.m_stmt = nullptr;
    }
    return *this;
}

Istruzione::~Istruzione()
{
    sqlite3_finalize(m_stmt);
}

void Istruzione::fallisci() const
{
    m_db->fallisci(sqlite3_extended_errcode(m_db->handle()));
}

Istruzione& Istruzione::lega(const QVariantList& valori)
{
    for (int i = 0; i < valori.size(); ++i) {
        const QVariant& v = valori.at(i);
        const int posizione = i + 1;
        int esito = SQLITE_OK;
        if (v.isNull()) {
            esito = sqlite3_bind_null(m_stmt, posizione);
        } else {
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::Bool:
                esito = sqlite3_bind_int64(m_stmt, posizione, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                esito = sqlite3_bind_double(m_stmt, posizione, v.toDouble());
                break;
            default: {
                const QByteArray utf8 = v.toString().toUtf8();
                esito = sqlite3_bind_text(m_stmt, posizione, utf8.constData(), utf8.size(),
                                          SQLITE_TRANSIENT);
            }
            }
        }
        if (esito != SQLITE_OK) fallisci();
    }
    return *this;
}

bool Istruzione::avanza()
{
    m_db->azzeraErroreFunzione();
    const int esito = sqlite3_step(m_stmt);
    if (esito == SQLITE_ROW) return true;
    if (esito == SQLITE_DONE) return false;
    sqlite3_reset(m_stmt);
    fallisci();
}

int Istruzione::esegui()
{
    while (avanza()) {
    }
    return sqlite3_changes(m_db->handle());
}

void Istruzione::azzera()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Istruzione::numeroColonne() const
{
    return sqlite3_column_count(m_stmt);
}

QString Istruzione::nomeColonna(int indice) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, indice));
}

int Istruzione::indiceColonna(const QString& nome) const
{
    const int n = numeroColonne();
    for (int i = 0; i < n; ++i) {
        if (nomeColonna(i).compare(nome, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int Istruzione::colonnaObbligatoria(const QString& nome) const
{
    const int i = indiceColonna(nome);
    if (i < 0) {
        throw Errore(NumeriErrore::BaseDatabase + 265,
                     QStringLiteral("Elemento non trovato nell'insieme: %1").arg(nome));
    }
    return i;
}

bool Istruzione::nullo(int indice) const
{
    return sqlite3_column_type(m_stmt, indice) == SQLITE_NULL;
}

QVariant Istruzione::valore(int indice) const
{
    switch (sqlite3_column_type(m_stmt, indice)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QVariant(static_cast<qlonglong>(sqlite3_column_int64(m_stmt, indice)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(m_stmt, indice));
    default:
        return QVariant(testo(indice));
    }
}

QString Istruzione::testo(int indice) const
{
    const auto* dati = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, indice));
    if (!dati) return QString();
    return QString::fromUtf8(dati, sqlite3_column_bytes(m_stmt, indice));
}

QString Istruzione::testo(const QString& nome) const
{
    return testo(colonnaObbligatoria(nome));
}

qint32 Istruzione::intero(const QString& nome) const
{
    return static_cast<qint32>(sqlite3_column_int64(m_stmt, colonnaObbligatoria(nome)));
}

// ---- Database ------------------------------------------------------------------------------

Database::Database(sqlite3* db, QString file) : m_db(db), m_file(std::move(file)) {}

Database::~Database()
{
    sqlite3_close_v2(m_db);
}

void Database::fallisci(int codice) const
{
    if (m_numeroErroreFunzione != 0) {
        throw Errore(m_numeroErroreFunzione, messaggioMotore(m_db, codice));
    }
    throw Errore(NumeriErrore::BaseDatabase + (codice & 0xff), messaggioMotore(m_db, codice));
}

std::unique_ptr<Database> Database::apriFile(const QString& file, const QString& chiave, int flags,
                                             Apertura modo)
{
    sqlite3* handle = nullptr;
    const int esito = sqlite3_open_v2(QFileInfo(file).absoluteFilePath().toUtf8().constData(), &handle,
                                      flags, nullptr);
    std::unique_ptr<Database> db(new Database(handle, file));
    if (esito != SQLITE_OK) db->fallisci(esito);

    const QByteArray k = chiave.toUtf8();
    if (sqlite3_key(handle, k.constData(), k.size()) != SQLITE_OK) db->fallisci(sqlite3_errcode(handle));
    sqlite3_busy_timeout(handle, 2000);
    sqlite3_extended_result_codes(handle, 1);
    // The first read tells a wrong key or a file that is no database.
    db->prepara(QStringLiteral("SELECT count(*) FROM sqlite_master")).esegui();
    db->esegui(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (modo == Apertura::Esclusiva) {
        db->esegui(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE"));
        db->esegui(QStringLiteral("BEGIN EXCLUSIVE"));
        db->esegui(QStringLiteral("COMMIT"));
    }
    FunzioniSql::registra(*db);
    return db;
}

std::unique_ptr<Database> Database::apri(const QString& file, const QString& chiave, Apertura modo)
{
    return apriFile(file, chiave, SQLITE_OPEN_READWRITE, modo);
}

std::unique_ptr<Database> Database::crea(const QString& file, const QString& chiave)
{
    if (QFileInfo::exists(file)) {
        throw Errore(NumeriErrore::BaseDatabase + SQLITE_CANTOPEN,
                     QStringLiteral("Il file esiste già: %1").arg(file));
    }
    return apriFile(file, chiave, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, Apertura::Condivisa);
}

Istruzione Database::prepara(const QString& sql)
{
    azzeraErroreFunzione();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), utf8.size(), &stmt, nullptr) != SQLITE_OK) {
        fallisci(sqlite3_extended_errcode(m_db));
    }
    return Istruzione(*this, stmt);
}

int Database::esegui(const QString& sql, const QVariantList& valori)
{
    return prepara(sql).lega(valori).esegui();
}

int Database::eseguiSenzaErrori(const QString& sql, const QVariantList& valori)
{
    Istruzione istruzione = prepara(sql);
    istruzione.lega(valori);
    try {
        return istruzione.esegui();
    } catch (const Errore&) {
        if (eRifiutoDiVincolo(sqlite3_extended_errcode(m_db))) return 0;
        throw;
    }
}

void Database::eseguiScript(const QString& sql)
{
    char* messaggio = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &messaggio) != SQLITE_OK) {
        const QString testo = QString::fromUtf8(messaggio);
        sqlite3_free(messaggio);
        throw Errore(NumeriErrore::BaseDatabase + (sqlite3_extended_errcode(m_db) & 0xff), testo);
    }
}

QStringList Database::tabelle()
{
    QStringList nomi;
    Istruzione elenco =
        prepara(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    while (elenco.avanza()) nomi << elenco.testo(0);
    return nomi;
}

bool Database::esisteTabella(const QString& nome)
{
    Istruzione cerca = prepara(
        QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
    cerca.lega({nome});
    return cerca.avanza();
}

void Database::segnalaErroreFunzione(qint32 numero)
{
    m_numeroErroreFunzione = numero;
}

void Database::azzeraErroreFunzione()
{
    m_numeroErroreFunzione = 0;
}

// ---- Transazione ---------------------------------------------------------------------------

Transazione::Transazione(Database& db) : m_db(db), m_aperta(true)
{
    m_db.esegui(QStringLiteral("BEGIN"));
}

Transazione::~Transazione()
{
    if (m_aperta) sqlite3_exec(m_db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transazione::commit()
{
    m_db.esegui(QStringLiteral("COMMIT"));
    m_aperta = false;
}

qint64 Database::ultimoIdInserito() const
{
    return sqlite3_last_insert_rowid(m_db);
}
