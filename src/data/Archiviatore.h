#pragma once

#include <QString>

#include <functional>

// Standard ZIP archives, written and read in the way the backup expects of its zip component.
//
// On diskettes (MultidiskMode) an archive that fits on the first diskette is written as a plain
// ZIP file. A larger one is split into volumes: each diskette holds a file named as the archive,
// made of a 16-byte header ("TMVVOL1\n", the volume number as 4 bytes big-endian, 1 byte set on the
// last volume, 3 bytes zero) followed by the next slice of the ZIP data, as much as the diskette's
// free space allows. While writing, the disk request asks for diskette 2, 3 ...; while reading, it
// first asks for the last diskette (number 0) when the one in the drive is not the last, then for
// each missing volume in order, and asks again for a diskette that holds the wrong volume.
class Archiviatore {
public:
    enum Esito {
        Riuscito = 0,
        Interrotto = 1,
        FileNonTrovato = 2,
        ArchivioDanneggiato = 3,
        ErroreScrittura = 4,
        SpazioInsufficiente = 5,
    };

    // 2: an extracted file replaces an existing one; any other value keeps the existing file.
    int Overwrite = 0;
    // Extensions stored without compression, ".ZIP;.LZH;" and so on.
    QString StoredExtensions;
    bool UsePaths = true;
    bool MultidiskMode = false;
    // Add: the file to archive. Extract: a wildcard pattern of the entries to extract.
    QString FilesToProcess;
    QString ZipFileName;
    QString ExtractDirectory;

    // Asked for the diskette with the given number (0: the last one of the set); may call Interrompi().
    std::function<void(int numeroDisco)> richiestaDisco;
    // Free bytes on the medium of ZipFileName, for the volumes of a spanned archive.
    std::function<qint64()> spazioLibero;

    void Interrompi() { m_interrotto = true; }

    int Add(const QString& opzione);
    int Extract(const QString& opzione);

    // The settings of the database backup (operation 0: `primo` the database file, `secondo` the
    // archive) or restore (operation 1: `primo` the archive): overwrite without asking, no folders,
    // ZIP-like files and the archive's own extension stored, volumes when on a diskette drive.
    void impostaPerArchivi(int operazione, const QString& primo, const QString& secondo, bool suDischetto);

private:
    int scriviVolumi(const QByteArray& archivio);
    int leggiVolumi(QByteArray& archivio);
    int estrai(const QByteArray& archivio);
    bool chiediDisco(int numero);

    bool m_interrotto = false;
};
