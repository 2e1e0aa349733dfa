#include "data/CopiaFile.h"

#include "data/Errore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CopiaFile(const QString& sorgente, const QString& destinazione)
{
    QFile origine(sorgente);
    if (!origine.open(QIODevice::ReadOnly)) {
        throw Errore(NumeriErrore::FileNonTrovato, QStringLiteral("File non trovato: %1").arg(sorgente));
    }
    if (!QFileInfo(destinazione).absoluteDir().exists()) {
        throw Errore(NumeriErrore::PercorsoNonTrovato, QStringLiteral("Impossibile trovare il percorso: %1").arg(destinazione));
    }
    QFile uscita(destinazione);
    if (!uscita.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw Errore(NumeriErrore::PermessoNegato, QStringLiteral("Permesso negato: %1").arg(destinazione));
    }
    constexpr qint64 blocco = 64 * 1024;
    while (!origine.atEnd()) {
        const QByteArray dati = origine.read(blocco);
        if (dati.isEmpty() && origine.error() != QFileDevice::NoError) {
            uscita.remove();
            throw Errore(NumeriErrore::ErroreAccessoPercorso, origine.errorString());
        }
        if (uscita.write(dati) != dati.size()) break;
    }
    if (!uscita.flush() || uscita.error() != QFileDevice::NoError) {
        const bool pieno = uscita.error() == QFileDevice::ResourceError;
        const QString descrizione = uscita.errorString();
        uscita.remove();
        throw Errore(pieno ? NumeriErrore::DiscoPieno : NumeriErrore::ErroreAccessoPercorso, descrizione);
    }
    uscita.close();
}
