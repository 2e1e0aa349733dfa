#include "exchange/CorniceCarico.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "data/Errore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// Removes the working copy however the reading ends.
class CopiaDiLavoro {
public:
    explicit CopiaDiLavoro(QString percorso) : m_percorso(std::move(percorso)) {}
    ~CopiaDiLavoro() { QFile::remove(m_percorso); }
    CopiaDiLavoro(const CopiaDiLavoro&) = delete;
    CopiaDiLavoro& operator=(const CopiaDiLavoro&) = delete;

private:
    QString m_percorso;
};

[[noreturn]] void fallisci(const QFile& file)
{
    const qint32 numero = file.error() == QFileDevice::OpenError && !file.exists() ? NumeriErrore::FileNonTrovato
                                                                                     : NumeriErrore::ErroreAccessoPercorso;
    throw Errore(numero, file.errorString() + QStringLiteral(": ") + file.fileName());
}

}  // namespace

CorniceCarico::CorniceCarico(Contesto& contesto, QString tipoFornitura, int lunghezzaRecord)
    : m_contesto(contesto), m_tipoFornitura(std::move(tipoFornitura)), m_lunghezzaRecord(lunghezzaRecord)
{
}

QString CorniceCarico::NomeFile(const QString& campagna) const
{
    return QStringLiteral("ART") + md_Globali::ARTICOLO + m_tipoFornitura + campagna + QStringLiteral(".txt");
}

QString CorniceCarico::FileCopia() const
{
    return FileProgramma(QStringLiteral("COPI1.666"));
}

QString CorniceCarico::FileProgramma(const QString& nome) const
{
    return m_contesto.applicazione().cartellaProgramma() + u'/' + nome;
}

QString CorniceCarico::CercaFileFornitura(const QString& nomeFile, const QString& prompt)
{
    const QString titolo = m_contesto.stato.sTitolo;
    const auto riprova = [&](Icona icona, const QString& testo) {
        return m_contesto.messaggi().mostra({icona, Pulsanti::RiprovaAnnulla, 0, titolo, testo}) == Risposta::Riprova;
    };
    for (;;) {
        QString cartella = m_contesto.servizi.cartelle.scegliCartella(prompt);
        if (cartella.isEmpty()) return QString();
        if (!cartella.endsWith(u'/')) cartella += u'/';
        const QString percorso = cartella + nomeFile;
        for (;;) {
            try {
                // A diskette drive without a medium fails here.
                const QString unita = m_contesto.servizi.unita.unitaDelPercorso(cartella);
                if (!unita.isEmpty()) m_contesto.servizi.unita.fileDellaRadice(unita);
                if (QFileInfo(percorso).isFile()) return percorso;
                if (!riprova(Icona::Esclamazione, QStringLiteral("Il percorso indicato non è corretto"))) return QString();
                break;
            } catch (const Errore& e) {
                const bool senzaDisco = e.numero() == 52 || e.numero() == NumeriErrore::DiscoNonPronto;
                const bool ancora = senzaDisco
                                        ? riprova(Icona::Esclamazione, QStringLiteral("Attenzione, nessun floppy disk inserito."))
                                        : riprova(Icona::Esclamazione, QString::number(e.numero()) + QStringLiteral(" - ") + e.descrizione());
                if (!ancora) return QString();
            }
        }
    }
}

CorniceCarico::Lettura CorniceCarico::LeggiFile(const QString& file,
                              const std::function<bool(const QByteArray&, qint64, qint64)>& riga)
{
    const QString copia = FileCopia();
    QFile::remove(copia);
    CopiaDiLavoro rimozione(copia);
    if (!QFile::copy(file, copia)) {
        QFile sorgente(file);
        if (!sorgente.exists()) throw Errore(NumeriErrore::FileNonTrovato, QStringLiteral("File non trovato: ") + file);
        throw Errore(NumeriErrore::PermessoNegato, QStringLiteral("Copia non riuscita: ") + copia);
    }
    QFile lettura(copia);
    if (!lettura.open(QIODevice::ReadOnly)) fallisci(lettura);
    const qint64 totale = lettura.size();
    qint64 letti = 0;
    QByteArray sLinea;
    while (!lettura.atEnd()) {
        sLinea = lettura.readLine();
        if (sLinea.isEmpty() && lettura.error() != QFileDevice::NoError) fallisci(lettura);
        letti += sLinea.size();
        if (sLinea.endsWith('\n')) sLinea.chop(sLinea.endsWith("\r\n") ? 2 : 1);
        if (sLinea.size() != m_lunghezzaRecord) return Lettura::LunghezzaErrata;
        if (!riga(sLinea, letti, totale)) return Lettura::Interrotta;
    }
    return Lettura::Completa;
}
