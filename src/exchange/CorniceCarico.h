#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

struct Contesto;

// What the imports share: the file name, the folder choice, the working copy in the program
// folder and the reading of its records.
class CorniceCarico {
public:
    enum class Lettura { Completa, LunghezzaErrata, Interrotta };

    // `tipoFornitura` goes into the file name ("FAT", "CONF"); `lunghezzaRecord` is the length
    // of every line once its line end is removed.
    CorniceCarico(Contesto& contesto, QString tipoFornitura, int lunghezzaRecord);

    // "ART30" + kind + campaign + ".txt"
    QString NomeFile(const QString& campagna) const;
    // The folder chooser until a folder holds the expected file: its full path, or "" when the
    // user gives up.
    QString CercaFileFornitura(const QString& nomeFile, const QString& prompt);

    QString FileCopia() const;
    // The program folder's file of that name.
    QString FileProgramma(const QString& nome) const;

    // Copies the chosen file to the working copy and hands each line of the copy, without its
    // CR LF or LF, to `riga`, with the bytes read so far and the size of the file; `riga`
    // answers false to stop. A line of another length is not handed and stops the reading. The
    // copy is removed at the end, also after a failure.
    Lettura LeggiFile(const QString& file, const std::function<bool(const QByteArray& sLinea, qint64 letti, qint64 totale)>& riga);

    int lunghezzaRecord() const { return m_lunghezzaRecord; }

private:
    Contesto& m_contesto;
    QString m_tipoFornitura;
    int m_lunghezzaRecord;
};
