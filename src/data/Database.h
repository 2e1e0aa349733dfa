#pragma once

#include "data/Errore.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class Database;

// A prepared statement. Values are bound, never spliced into the SQL text.
class Istruzione {
public:
    Istruzione(Istruzione&& altra) noexcept;
    Istruzione& operator=(Istruzione&& altra) noexcept;
    Istruzione(const Istruzione&) = delete;
    Istruzione& operator=(const Istruzione&) = delete;
    ~Istruzione();

    // Binds the values in order to ?1, ?2 ...; a null QVariant binds NULL.
    Istruzione& lega(const QVariantList& valori);
    // Steps to the next row; false after the last one.
    bool avanza();
    // Runs to completion and answers the rows changed.
    int esegui();
    void azzera();

    int numeroColonne() const;
    QString nomeColonna(int indice) const;
    int indiceColonna(const QString& nome) const;  // case-insensitive, -1 when absent
    bool nullo(int indice) const;
    QVariant valore(int indice) const;
    // Column read as text: null reads as "".
    QString testo(int indice) const;
    QString testo(const QString& nome) const;
    qint32 intero(const QString& nome) const;

private:
    friend class Database;
    Istruzione(Database& db, sqlite3_stmt* stmt);
    int colonnaObbligatoria(const QString& nome) const;
    [[noreturn]] void fallisci() const;

    Database* m_db;
    sqlite3_stmt* m_stmt;
};

class Database {
public:
    enum class Apertura { Condivisa, Esclusiva };

    // Opens an existing file with its key and checks that the key reads it.
    static std::unique_ptr<Database> apri(const QString& file, const QString& chiave,
                                          Apertura modo = Apertura::Condivisa);
    // Creates a new, empty encrypted file; fails when the file exists.
    static std::unique_ptr<Database> crea(const QString& file, const QString& chiave);

    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    Istruzione prepara(const QString& sql);
    // Runs a statement with the fail-on-error option: any failure is raised.
    int esegui(const QString& sql, const QVariantList& valori = {});
    // Runs a statement without the fail-on-error option: a change that the constraints
    // refuse leaves the rows as they were and counts as 0 rows affected.
    int eseguiSenzaErrori(const QString& sql, const QVariantList& valori = {});
    // Runs several statements separated by semicolons, without values.
    void eseguiScript(const QString& sql);

    // The id of the last row inserted through this connection.
    qint64 ultimoIdInserito() const;

    QStringList tabelle();
    bool esisteTabella(const QString& nome);
    const QString& file() const { return m_file; }
    sqlite3* handle() const { return m_db; }

    [[noreturn]] void fallisci(int codice) const;
    // Our SQL functions raise the numbers of the engine they stand in for (13, 94).
    void segnalaErroreFunzione(qint32 numero);
    void azzeraErroreFunzione();

private:
    Database(sqlite3* db, QString file);
    static std::unique_ptr<Database> apriFile(const QString& file, const QString& chiave, int flags,
                                              Apertura modo);

    sqlite3* m_db;
    QString m_file;
    qint32 m_numeroErroreFunzione = 0;
};

// Commits in commit(), rolls back in the destructor otherwise.
class Transazione {
public:
    explicit Transazione(Database& db);
    ~Transazione();
    Transazione(const Transazione&) = delete;
    Transazione& operator=(const Transazione&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_aperta;
};
