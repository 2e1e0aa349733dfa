// An invoice printout of 2,000 invoices, from the database to the PDF file.
#include "app/base/Costanti.h"
#include "data/Database.h"
#include "data/SchemaDatabase.h"
#include "reports/MotoreReport.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void preparaDatabase(const QString& file, int fatture)
{
    SchemaDatabase::creaDatabase(file, md_Globali::PASSWORD_DB);
    auto db = Database::apri(file, md_Globali::PASSWORD_DB);
    Transazione transazione(*db);
    db->esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, DATA_CAMP) "
                              "VALUES ('12345678901', '01', 1, '30', 'N', 'N', '2005')"));
    Istruzione inserisci = db->prepara(QStringLiteral(
        "INSERT INTO FATTURE (ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, GRAD, PREZ_MINI, "
        "PREZ_TRAS, IMPO, IVA, IMPO_TOTA, DATA_PAGA, RIGO, FOGL, DATA_COMP, QTA_LAVO, ID_LAVORAZIONE) VALUES "
        "(1, 'RSSMRA70A01H501U', ?1, ?2, '12/01/2006', '125,5000', '11,5000', '2,2810', '0,1500', '3291,85', '658,37', "
        "'3950,22', '28/02/2006', ?3, ?4, '13/01/2006', '125,5000', 2)"));
    for (int i = 0; i < fatture; ++i) {
        inserisci.lega({QStringLiteral("Azienda Agricola Viticoltori Associati n. %1").arg(i + 1), QString::number(1000 + i),
                        QString::number(i % 25 + 1), QString::number(i / 25 + 1)});
        inserisci.esegui();
        inserisci.azzera();
    }
    transazione.commit();
}

void StampaFatture2000(benchmark::State& stato)
{
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("art30.mdb"));
    preparaDatabase(file, 2000);

    ImpostazioniReport impostazioni;
    impostazioni.fileReport = QStringLiteral(TORMAVELLINO_SORGENTE_REPORT "/Rpt_distillerie_ElenchiFatture.rpt");
    impostazioni.connessione = QStringLiteral("PWD=") + md_Globali::PASSWORD_DB + QStringLiteral(";");
    impostazioni.fileDati = file;
    impostazioni.formulaSelezione =
        QStringLiteral("{Queryreport.DOMANDA} =  '12345678901' AND  {Queryreport.PROGRESSIVO} =  '01' ");
    impostazioni.formule = {{1, QStringLiteral("CAMPAGNA = '2005/2006'")},
                            {2, QStringLiteral("DISTI_CF_PIVA = '01234567890'")},
                            {3, QStringLiteral("DISTILLERIA = \"Distilleria dell'Etna S.p.A.\"")},
                            {4, QStringLiteral("SOMMA_IVAS = '1316740,00'")},
                            {5, QStringLiteral("SOMMA_IMPO = '6583700,00'")},
                            {6, QStringLiteral("SOMMA_IMPOTOTA = '7900440,00'")},
                            {7, QStringLiteral("SOMMA_QTALAV = '251000,0000'")},
                            {8, QStringLiteral("SOMMA_QTAPROD = '251000,0000'")}};
    impostazioni.destinazione = DestinazioneReport::FilePdf;
    impostazioni.filePdf = cartella.filePath(QStringLiteral("fatture.pdf"));
    int pagine = 0;
    for (auto _ : stato) {
        const auto report = MotoreReport::prepara(impostazioni);
        report->stampaPdf(impostazioni.filePdf);
        pagine = report->pagine();
    }
    stato.counters["pagine"] = pagine;
}
BENCHMARK(StampaFatture2000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
