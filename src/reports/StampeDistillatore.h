#pragma once

#include <QString>

struct Contesto;

// The three printouts of the distiller side. Each reports its outcome to the user itself.
namespace StampeDistillatore {

// A campaign year as the two-year label of the printouts: "2005" gives "2005/2006"; any year
// outside 2001 to 2005 gives "".
QString EtichettaCampagna(const QString& anno);

// The columns of the selection list's current row that the delivery-note printout reads.
struct RigaDomanda {
    qint32 ID_DOMANDA = 0;
    QString DOMANDA;
    QString PROGRESSIVO;
    QString DATA_CAMP;
};

// The invoices of DomandaCorrente; `campagna` is DATA_CAMP of the list's current row. True when
// the engine ran the report; the caller then marks the application as printed.
bool STAMPA(Contesto& contesto, const QString& campagna);
// The delivery notes of the application of the list's current row.
void StampaBolle(Contesto& contesto, const RigaDomanda& riga);
// Every delivery note the report reads, under the label of sUltimaCampagna.
void StampaBolleCampagna(Contesto& contesto);

}  // namespace StampeDistillatore
