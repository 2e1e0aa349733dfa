#include "data/Archiviatore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>

#include <zip.h>

#include <map>
#include <memory>

namespace {

const QByteArray MarcaVolume("TMVVOL1\n");
constexpr qsizetype LunghezzaIntestazione = 16;
// Room kept free on each diskette for the file system's own needs.
constexpr qint64 MargineVolume = 4096;

struct ChiudiZip {
    void operator()(zip_t* archivio) const { zip_discard(archivio); }
};
using Zip = std::unique_ptr<zip_t, ChiudiZip>;

bool memorizzatoSenzaCompressione(const QString& nomeFile, const QString& estensioni)
{
    const QString estensione = QStringLiteral(".") + QFileInfo(nomeFile).suffix();
    if (estensione.size() < 2) return false;
    const QStringList elenco = estensioni.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& e : elenco) {
        if (e.trimmed().compare(estensione, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

QByteArray intestazione(quint32 volume, bool ultimo)
{
    QByteArray testa = MarcaVolume;
    for (int spostamento : {24, 16, 8, 0}) testa.append(static_cast<char>((volume >> spostamento) & 0xff));
    testa.append(ultimo ? '\1' : '\0');
    testa.append(3, '\0');
    return testa;
}

struct Volume {
    quint32 numero = 0;
    bool ultimo = false;
    QByteArray dati;
};

bool leggiVolume(const QByteArray& contenuto, Volume& volume)
{
    if (contenuto.size() < LunghezzaIntestazione || !contenuto.startsWith(MarcaVolume)) return false;
    volume.numero = 0;
    for (int i = 8; i < 12; ++i) volume.numero = (volume.numero << 8) | static_cast<quint8>(contenuto.at(i));
    volume.ultimo = contenuto.at(12) != '\0';
    volume.dati = contenuto.mid(LunghezzaIntestazione);
    return volume.numero > 0;
}

bool leggiFile(const QString& percorso, QByteArray& contenuto)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) return false;
    contenuto = file.readAll();
    return true;
}

bool scriviFile(const QString& percorso, const QByteArray& contenuto)
{
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(contenuto) != contenuto.size()) return false;
    return file.commit();
}

}  // namespace

bool Archiviatore::chiediDisco(int numero)
{
    if (!richiestaDisco) return false;
    richiestaDisco(numero);
    return !m_interrotto;
}

void Archiviatore::impostaPerArchivi(int operazione, const QString& primo, const QString& secondo, bool suDischetto)
{
    Overwrite = 2;
    StoredExtensions = QStringLiteral(".ZIP;.LZH;.ARC;.ARJ;.ZOO;") + secondo.right(4) + QStringLiteral(";");
    UsePaths = false;
    MultidiskMode = suDischetto;
    if (operazione == 0) {
        FilesToProcess = primo;
        ZipFileName = secondo;
    } else {
        ZipFileName = primo;
        FilesToProcess = QStringLiteral("*.*");
    }
}

int Archiviatore::Add(const QString&)
{
    m_interrotto = false;
    const QFileInfo origine(FilesToProcess);
    if (!origine.isFile()) return FileNonTrovato;

    QTemporaryDir lavoro;
    if (!lavoro.isValid()) return ErroreScrittura;
    const QString temporaneo = lavoro.filePath(QStringLiteral("archivio.zip"));
    int errore = 0;
    Zip archivio(zip_open(QFile::encodeName(temporaneo).constData(), ZIP_CREATE | ZIP_TRUNCATE, &errore));
    if (!archivio) return ErroreScrittura;
    zip_source_t* sorgente = zip_source_file(archivio.get(), QFile::encodeName(origine.absoluteFilePath()).constData(), 0, -1);
    if (!sorgente) return FileNonTrovato;
    const QString nomeVoce = UsePaths ? QDir::fromNativeSeparators(FilesToProcess) : origine.fileName();
    const zip_int64_t indice = zip_file_add(archivio.get(), nomeVoce.toUtf8().constData(), sorgente, ZIP_FL_ENC_UTF_8);
    if (indice < 0) {
        zip_source_free(sorgente);
        return ErroreScrittura;
    }
    const zip_int32_t metodo = memorizzatoSenzaCompressione(nomeVoce, StoredExtensions) ? ZIP_CM_STORE : ZIP_CM_DEFLATE;
    zip_set_file_compression(archivio.get(), static_cast<zip_uint64_t>(indice), metodo, 9);
    if (zip_close(archivio.get()) != 0) return ErroreScrittura;
    archivio.release();

    QByteArray dati;
    if (!leggiFile(temporaneo, dati)) return ErroreScrittura;
    if (!MultidiskMode) return scriviFile(ZipFileName, dati) ? Riuscito : ErroreScrittura;
    return scriviVolumi(dati);
}

int Archiviatore::scriviVolumi(const QByteArray& archivio)
{
    qsizetype inizio = 0;
    for (quint32 volume = 1;; ++volume) {
        const qint64 libero = spazioLibero ? spazioLibero() : std::numeric_limits<qint64>::max();
        if (volume == 1 && archivio.size() + MargineVolume <= libero) {
            return scriviFile(ZipFileName, archivio) ? Riuscito : ErroreScrittura;
        }
        const qint64 capienza = libero - MargineVolume - LunghezzaIntestazione;
        if (capienza <= 0) return SpazioInsufficiente;
        const QByteArray fetta = archivio.mid(inizio, static_cast<qsizetype>(capienza));
        inizio += fetta.size();
        const bool ultimo = inizio >= archivio.size();
        QFile::remove(ZipFileName);
        if (!scriviFile(ZipFileName, intestazione(volume, ultimo) + fetta)) return ErroreScrittura;
        if (ultimo) return Riuscito;
        if (!chiediDisco(static_cast<int>(volume + 1))) return Interrotto;
    }
}

int Archiviatore::leggiVolumi(QByteArray& archivio)
{
    std::map<quint32, QByteArray> volumi;
    quint32 totale = 0;
    QByteArray contenuto;
    if (!leggiFile(ZipFileName, contenuto)) return FileNonTrovato;
    Volume volume;
    if (!leggiVolume(contenuto, volume)) {
        archivio = contenuto;
        return Riuscito;
    }
    while (true) {
        if (volume.numero > 0 && (totale == 0 || volume.numero <= totale)) {
            volumi[volume.numero] = volume.dati;
            if (volume.ultimo) totale = volume.numero;
        }
        quint32 mancante = 1;
        while (volumi.count(mancante)) ++mancante;
        if (totale != 0 && mancante > totale) break;
        // Without the last diskette the size of the set is unknown: it is asked for first.
        const int richiesto = totale == 0 ? 0 : static_cast<int>(mancante);
        if (!chiediDisco(richiesto)) return Interrotto;
        volume = Volume{};
        if (leggiFile(ZipFileName, contenuto)) leggiVolume(contenuto, volume);
        if (richiesto == 0 && !volume.ultimo) volume = Volume{};
        if (richiesto != 0 && volume.numero != mancante) volume = Volume{};
    }
    archivio.clear();
    for (const auto& [numero, dati] : volumi) archivio += dati;
    return Riuscito;
}

int Archiviatore::Extract(const QString&)
{
    m_interrotto = false;
    QByteArray archivio;
    const int esito = MultidiskMode ? leggiVolumi(archivio)
                                    : (leggiFile(ZipFileName, archivio) ? Riuscito : FileNonTrovato);
    if (esito != Riuscito) return esito;
    return estrai(archivio);
}

int Archiviatore::estrai(const QByteArray& archivio)
{
    zip_error_t errore;
    zip_error_init(&errore);
    zip_source_t* sorgente = zip_source_buffer_create(archivio.constData(), static_cast<zip_uint64_t>(archivio.size()), 0, &errore);
    if (!sorgente) return ArchivioDanneggiato;
    Zip zip(zip_open_from_source(sorgente, ZIP_RDONLY | ZIP_CHECKCONS, &errore));
    zip_error_fini(&errore);
    if (!zip) {
        zip_source_free(sorgente);
        return ArchivioDanneggiato;
    }
    const QRegularExpression modello(QRegularExpression::wildcardToRegularExpression(
                                         FilesToProcess.isEmpty() ? QStringLiteral("*") : FilesToProcess),
                                     QRegularExpression::CaseInsensitiveOption);
    const zip_int64_t voci = zip_get_num_entries(zip.get(), 0);
    for (zip_int64_t i = 0; i < voci; ++i) {
        const QString nome = QString::fromUtf8(zip_get_name(zip.get(), static_cast<zip_uint64_t>(i), 0));
        if (nome.endsWith(QLatin1Char('/'))) continue;
        const QString nomeFile = UsePaths ? nome : nome.section(QLatin1Char('/'), -1);
        if (!modello.match(QFileInfo(nomeFile).fileName()).hasMatch()) continue;
        const QString destinazione = QDir(ExtractDirectory).filePath(nomeFile);
        if (QFileInfo::exists(destinazione) && Overwrite != 2) continue;

        zip_stat_t informazioni;
        if (zip_stat_index(zip.get(), static_cast<zip_uint64_t>(i), 0, &informazioni) != 0) return ArchivioDanneggiato;
        zip_file_t* voce = zip_fopen_index(zip.get(), static_cast<zip_uint64_t>(i), 0);
        if (!voce) return ArchivioDanneggiato;
        QByteArray dati(static_cast<qsizetype>(informazioni.size), Qt::Uninitialized);
        const zip_int64_t letti = zip_fread(voce, dati.data(), informazioni.size);
        zip_fclose(voce);
        if (letti < 0 || static_cast<zip_uint64_t>(letti) != informazioni.size) return ArchivioDanneggiato;
        if (UsePaths) QDir().mkpath(QFileInfo(destinazione).absolutePath());
        if (!scriviFile(destinazione, dati)) return ErroreScrittura;
    }
    return Riuscito;
}
