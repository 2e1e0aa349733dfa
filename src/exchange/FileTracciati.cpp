#include "exchange/FileTracciati.h"

#include "data/Errore.h"

FileTracciati::FileTracciati(const QString& percorso) : m_file(percorso)
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) fallisci();
}

void FileTracciati::scrivi(const QByteArray& record)
{
    if (m_file.write(record) != record.size() || m_file.write("\r\n", 2) != 2) fallisci();
}

void FileTracciati::chiudi()
{
    if (!m_file.flush()) fallisci();
    m_file.close();
}

void FileTracciati::fallisci()
{
    const qint32 numero = m_file.error() == QFileDevice::ResourceError ? NumeriErrore::DiscoPieno
                                                                       : NumeriErrore::ErroreAccessoPercorso;
    throw Errore(numero, m_file.errorString() + QStringLiteral(": ") + m_file.fileName());
}
