#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "cli/ServiziRigaDiComando.h"
#include "data/SchemaDatabase.h"
#include "exchange/CaricoFatture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Domande = 20000;
constexpr int FatturePerDomanda = 5;
constexpr int BollePerFattura = 3;

class Silenziosi : public ServizioMessaggi {
public:
    Risposta mostra(const Messaggio& messaggio) override
    {
        ultimo = messaggio.testo;
        return messaggio.pulsanti == Pulsanti::SiNo ? Risposta::No : Risposta::Ok;
    }
    QString ultimo;
};

QByteArray Campo(const QByteArray& valore, int larghezza)
{
    return valore.leftJustified(larghezza, ' ', true);
}

QByteArray Record(QByteArray record)
{
    return record.leftJustified(260, ' ', true) + "\r\n";
}

QByteArray Domanda(int d)
{
    return QByteArray::number(d).rightJustified(11, '0');
}

QByteArray NumeroFattura(int f)
{
    return QByteArray::number(f);
}

void scriviFornitura(const QString& file)
{
    QFile uscita(file);
    uscita.open(QIODevice::WriteOnly);
    uscita.write(Record("02005" + QByteArray::number(Domande).rightJustified(6, '0') +
                        QByteArray::number(Domande * FatturePerDomanda).rightJustified(6, '0') +
                        QByteArray::number(Domande * FatturePerDomanda * BollePerFattura).rightJustified(6, '0') +
                        "15/03/2006001"));
    for (int d = 1; d <= Domande; ++d) {
        uscita.write(Record("1" + Domanda(d) + "0130ACQ"));
        for (int f = 1; f <= FatturePerDomanda; ++f) {
            uscita.write(Record("2" + Domanda(d) + "01" + Campo(NumeroFattura(f), 15) + Campo("RSSMRA80A01H501U", 16) +
                                Campo("CANTINA SOCIALE DI C\xC0 FOSCARI " + QByteArray::number(d), 50) + "12/03/2006" +
                                "00012345000" + "115000" + "00022810" + "00000000012345" + "00000000002469" +
                                "00000000014814" + "20/03/2006" + "00012345000" + "VBT"));
        }
        for (int f = 1; f <= FatturePerDomanda; ++f) {
            for (int b = 1; b <= BollePerFattura; ++b) {
                uscita.write(Record("3" + Domanda(d) + "01" + Campo(NumeroFattura(f), 15) + Campo("RSSMRA80A01H501U", 16) +
                                    Campo("B-" + QByteArray::number(f) + "-" + QByteArray::number(b), 20) + "05/03/2006" +
                                    "00004115000" + "20/03/2006" + "115000"));
            }
        }
    }
    uscita.write(Record("9"));
}

// The same rows, already in memory, straight into the tables with prepared statements.
void inserisciGrezzo(Database& db)
{
    Transazione transazione(db);
    Istruzione domanda = db.prepara(QStringLiteral(
        "INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, TIPO_ARTICOLO, ID_VARIETA, STAM, SCAR, DATA_CAMP) "
        "VALUES (?1, '01', '30', 1, 'N', 'N', '2005')"));
    Istruzione fattura = db.prepara(QStringLiteral(
        "INSERT INTO FATTURE (ID_DOMANDA, ID_LAVORAZIONE, NUME_FATT, CODI_FISC, DENOMINAZIONE, DATA_FATT, QTA_PROD, "
        "GRAD, PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, DATA_COMP, QTA_LAVO) "
        "VALUES (?1, 1, ?2, 'RSSMRA80A01H501U', ?3, '12/03/2006', '1234,5000', '11,5000', '2,2810', '123,45', "
        "'24,69', '148,14', '20/03/2006', '05/03/2006', '1234,5000')"));
    Istruzione bolla = db.prepara(QStringLiteral(
        "INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, GRADO, DATA_PAGA) "
        "VALUES (?1, ?2, '05/03/2006', '411,5000', '11,5000', '20/03/2006')"));
    for (int d = 1; d <= Domande; ++d) {
        domanda.azzera();
        domanda.lega({QString::fromLatin1(Domanda(d))});
        domanda.esegui();
        const qint64 idDomanda = db.ultimoIdInserito();
        for (int f = 1; f <= FatturePerDomanda; ++f) {
            fattura.azzera();
            fattura.lega({idDomanda, QString::number(f).leftJustified(15),
                          QStringLiteral("CANTINA SOCIALE DI CÀ FOSCARI %1").arg(d).leftJustified(50)});
            fattura.esegui();
            const qint64 idFattura = db.ultimoIdInserito();
            for (int b = 1; b <= BollePerFattura; ++b) {
                bolla.azzera();
                bolla.lega({idFattura, QStringLiteral("B-%1-%2").arg(f).arg(b).leftJustified(20)});
                bolla.esegui();
            }
        }
    }
    transazione.commit();
}

// Each iteration times the import into a fresh database and, in the same run, the plain inserts
// of the same rows into another fresh one.
void BM_CaricoFornitura(benchmark::State& stato)
{
    QTemporaryDir cartella;
    const QString fornitura = cartella.filePath(QStringLiteral("ART30FAT2005.txt"));
    scriviFornitura(fornitura);
    double caricoTotale = 0, grezzoTotale = 0;

    for (auto _ : stato) {
        QTemporaryDir lavoro;
        const QString perCarico = lavoro.filePath(QStringLiteral("carico.mdb"));
        const QString perGrezzo = lavoro.filePath(QStringLiteral("grezzo.mdb"));
        SchemaDatabase::creaDatabase(perCarico, md_Globali::PASSWORD_DB);
        SchemaDatabase::creaDatabase(perGrezzo, md_Globali::PASSWORD_DB);

        ServiziRigaDiComando servizi;
        Silenziosi messaggi;
        StatoCondiviso condiviso;
        Servizi base = servizi.servizi();
        Contesto contesto{condiviso, {messaggi, base.cartelle, base.unita, base.visualizzatore, base.applicazione,
                                      base.finestre, base.report}};
        condiviso.dbDati = Database::apri(perCarico, md_Globali::PASSWORD_DB);

        QElapsedTimer orologio;
        orologio.start();
        CaricoFatture carico(contesto);
        const CaricoFatture::Esito esito = carico.BATTONCARICA(fornitura);
        const double secondiCarico = orologio.nsecsElapsed() / 1e9;
        if (esito != CaricoFatture::Esito::Caricata) stato.SkipWithError(messaggi.ultimo.toStdString().c_str());

        const auto grezzo = Database::apri(perGrezzo, md_Globali::PASSWORD_DB);
        orologio.restart();
        inserisciGrezzo(*grezzo);
        const double secondiGrezzo = orologio.nsecsElapsed() / 1e9;

        stato.SetIterationTime(secondiCarico);
        caricoTotale += secondiCarico;
        grezzoTotale += secondiGrezzo;
    }
    const double iterazioni = static_cast<double>(stato.iterations());
    stato.counters["carico_s"] = caricoTotale / iterazioni;
    stato.counters["grezzo_s"] = grezzoTotale / iterazioni;
    stato.counters["rapporto"] = caricoTotale / grezzoTotale;
}
BENCHMARK(BM_CaricoFornitura)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
