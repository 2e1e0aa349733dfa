#include "AmbienteProva.h"

#include "data/ModelloLista.h"
#include "distiller/FrmSelezione.h"

#include <QTableView>

#include <benchmark/benchmark.h>

namespace {

// A program folder whose database holds 100,000 applications, half of them with an invoice.
class Archivio : public AmbienteProva {
public:
    explicit Archivio(int domande)
    {
        Database& db = apriDatabase();
        Transazione transazione(db);
        Istruzione domanda = db.prepara(QStringLiteral(
            "INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, DATA_CAMP) "
            "VALUES (?1, ?2, 1, '30', ?3, 'N', '1', ?4)"));
        Istruzione fattura = db.prepara(QStringLiteral(
            "INSERT INTO FATTURE (ID_DOMANDA, NUME_FATT, QTA_LAVO, ID_LAVORAZIONE) VALUES (last_insert_rowid(), ?1, '1', 1)"));
        for (int i = 0; i < domande; ++i) {
            domanda.azzera();
            domanda.lega({QString::number(domande - i).rightJustified(11, QLatin1Char('0')),
                          QString::number(i % 3 + 1).rightJustified(2, QLatin1Char('0')),
                          i % 2 ? QStringLiteral("S") : QStringLiteral("N"), QString::number(2001 + i % 5)});
            domanda.esegui();
            if (i % 2) {
                fattura.azzera();
                fattura.lega({QString::number(i)});
                fattura.esegui();
            }
        }
        transazione.commit();
        stato.sUltimaCampagna = QStringLiteral("2005");
    }
    void TestBody() override {}
    Contesto& ctx() { return contesto; }
    int conteggio() { return conta(QStringLiteral("DOMANDE")); }
};

Archivio& archivio()
{
    static Archivio a(100000);
    return a;
}

// The window opens, runs its queries and paints its first rows.
void AperturaSelezione(benchmark::State& state)
{
    Archivio& a = archivio();
    const int modo = static_cast<int>(state.range(0));
    int righe = 0;
    for (auto _ : state) {
        a.ctx().stato.vModoOperativo = modo;
        a.ctx().stato.sTitolo = QStringLiteral(" Domande ");
        FrmSelezione finestra(a.ctx(), {});
        finestra.show();
        finestra.TDBG_DISTILLA()->repaint();
        righe = finestra.Data_DISTILLA()->rowCount();
        finestra.close();
    }
    // The rows read so far: the list reads the rest as it is scrolled.
    state.counters["righe"] = righe;
    state.counters["domande"] = a.conteggio();
}
BENCHMARK(AperturaSelezione)->Arg(0)->Arg(1)->Arg(4)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
