#include "AmbienteProva.h"

#include "app/base/Costanti.h"
#include "data/SchemaDatabase.h"

#include <QDir>
#include <QFile>

AmbienteProva::AmbienteProva()
{
    applicazione.cartella = m_cartella.path();
    QDir(m_cartella.path()).mkpath(QStringLiteral("database"));
    stato.sPercorsoDB = m_cartella.path() + QStringLiteral("/database/");
    SchemaDatabase::creaDatabase(fileDatabase(), md_Globali::PASSWORD_DB);
    report.cartellaPdf = m_cartella.path();
    const QDir report(QStringLiteral(TORMAVELLINO_SORGENTE_REPORT));
    QDir(m_cartella.path()).mkpath(QStringLiteral("Report"));
    for (const QString& nome : report.entryList({QStringLiteral("*.rpt")}, QDir::Files)) {
        QFile::copy(report.filePath(nome), m_cartella.filePath(QStringLiteral("Report/") + nome));
    }
}

AmbienteProva::~AmbienteProva()
{
    stato.dbDati.reset();
}

QString AmbienteProva::fileDatabase() const
{
    return m_cartella.path() + QStringLiteral("/database/") + md_Globali::NOME_DB;
}

Database& AmbienteProva::apriDatabase()
{
    if (!stato.dbDati) stato.dbDati = Database::apri(fileDatabase(), md_Globali::PASSWORD_DB);
    return *stato.dbDati;
}

QString AmbienteProva::leggi(const QString& sql, const QVariantList& valori)
{
    Istruzione query = apriDatabase().prepara(sql);
    query.lega(valori);
    return query.avanza() ? query.testo(0) : QString();
}

int AmbienteProva::conta(const QString& tabella)
{
    return leggi(QStringLiteral("SELECT count(*) FROM ") + tabella).toInt();
}
