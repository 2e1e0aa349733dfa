#pragma once

#include <QFile>
#include <QString>

// A supply file being written: one record per line, each ended by CR LF. A failed write raises Errore.
class FileTracciati {
public:
    // Opens the file from the beginning, truncating what it held.
    explicit FileTracciati(const QString& percorso);
    void scrivi(const QByteArray& record);
    void chiudi();

private:
    [[noreturn]] void fallisci();

    QFile m_file;
};
