#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "cli/ServiziRigaDiComando.h"
#include "data/SchemaDatabase.h"
#include "exchange/ScaricoFatture.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Fatture = 10000;
constexpr int BollePerFattura = 5;

void creaDomanda(Database& db)
{
    Transazione transazione(db);
    db.eseguiScript(QStringLiteral(
        "INSERT INTO DISTILLERIA VALUES ('01234567890', 'DISTILLERIA SAN VITO S.P.A.', 'VIA DEI TINI 4');"
        "INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, "
        "DATA_CAMP, PROG_INVIO) VALUES (1, '00000012345', '01', 1, '30', 'S', 'N', '1', '2005', 0);"));
    Istruzione fattura = db.prepara(QStringLiteral(
        "INSERT INTO FATTURE (ID_FATTURA, ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, GRAD, "
        "PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, QTA_LAVO, ID_LAVORAZIONE) VALUES (?1, 1, '00743110157', ?2, ?3, "
        "'12/03/2006', '1234,5000', '11,5000', '2,2810', '1234,56', '246,91', '1481,47', '20/03/2006', '1234,5000', 2)"));
    Istruzione bolla = db.prepara(QStringLiteral(
        "INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, GRADO, DATA_PAGA) "
        "VALUES (?1, ?2, '05/03/2006', '246,9000', '11,5000', '20/03/2006')"));
    for (int f = 1; f <= Fatture; ++f) {
        fattura.azzera();
        fattura.lega({f, QStringLiteral("CANTINA SOCIALE NUMERO %1 DI CÀ FOSCARI").arg(f), QString::number(Fatture + 1 - f)});
        fattura.esegui();
        for (int b = 1; b <= BollePerFattura; ++b) {
            bolla.azzera();
            bolla.lega({f, QStringLiteral("B-%1-%2").arg(f).arg(b)});
            bolla.esegui();
        }
    }
    transazione.commit();
}

void BM_ScaricoFatture(benchmark::State& stato)
{
    QTemporaryDir cartella;
    QTemporaryDir destinazione;
    const QString file = cartella.filePath(md_Globali::NOME_DB);
    SchemaDatabase::creaDatabase(file, md_Globali::PASSWORD_DB);

    ServiziRigaDiComando servizi;
    StatoCondiviso condiviso;
    Contesto contesto{condiviso, servizi.servizi()};
    condiviso.dbDati = Database::apri(file, md_Globali::PASSWORD_DB);
    creaDomanda(*condiviso.dbDati);
    Md_FunzioniGenerali::CaricaDistilleria(contesto);
    condiviso.DomandaCorrente.ID_DOMANDA = 1;
    condiviso.DomandaCorrente.DOMANDA = QStringLiteral("00000012345");
    condiviso.DomandaCorrente.PROG_VERS = QStringLiteral("1");

    for (auto _ : stato) {
        ScaricoFatture scarico(contesto);
        const EsitoScarico esito = scarico.Esegui(destinazione.path());
        if (esito.stato != EsitoScarico::Stato::Eseguito) stato.SkipWithError("scarico non eseguito");
    }
    stato.counters["record"] = benchmark::Counter(Fatture * (1 + BollePerFattura) + 2, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ScaricoFatture)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
