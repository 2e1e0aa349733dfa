#pragma once

#include <QString>

#include <array>
#include <optional>

struct Contesto;

// An invoice of the current application as its entry window edits it, with the delivery notes
// that hang on it while it is being entered.
namespace Fattura {
// The texts of the window's fields by control index: 4 to 9 and 11 to 17, 10 the product.
using Campi = std::array<QString, 18>;

inline constexpr int ImponibileRifiutato = 115;
inline constexpr int TotaleRifiutato = 117;

// "0" & text read as a double, as the checks read quantities and amounts; a text that is no number
// is raised.
double LeggiNumero(const QString& testo);

// Fields 11 to 14 as "##0.0000", 15 to 17 as "##0.00"; an empty field counts as 0.
void NormalizzaNumeri(Campi& campi);

// 0 when the invoice can be stored; otherwise the index of the first field that fails (a missing
// product only when no later field fails), or 115 / 117 for an amount the user did not confirm.
// The plausibility questions and the homonym question are asked through the message service.
int ControllaCampi(Contesto& contesto, const Campi& campi);

// 0 inserts the fields as a new invoice of the current application, 1 writes them over the invoice
// that `SWHERE` ("where id_fattura =N") selects; the application is then marked neither printed nor
// exported. Answers the invoice's ID_FATTURA, 0 when there was none to update. A product code
// missing from LAVORAZIONI is raised.
qint32 MetodiFatture(Contesto& contesto, int sMEDOTO, const QString& SWHERE, const Campi& campi);

// The new invoice and the attachment of the pending delivery notes, all or nothing.
qint32 SalvaNuova(Contesto& contesto, const Campi& campi);
// The changed invoice, all or nothing; 0 when it is gone.
qint32 SalvaModifica(Contesto& contesto, qint32 idFattura, const Campi& campi);

// Sheet and row of every invoice of the current application, four rows a sheet, by ID_FATTURA.
void iMPO_RIGAFOGLIO(Contesto& contesto);

// The supplier's name by tax code: producers first, then invoices.
std::optional<QString> CercaDenominazione(Contesto& contesto, const QString& codice);

// The delivery notes of an invoice about to be changed, kept in APPO_BOLLE.
void CopiaBolle(Contesto& contesto, qint32 idFattura);
// The notes of the invoice put back as APPO_BOLLE kept them, then APPO_BOLLE dropped.
void RipristinaBolle(Contesto& contesto, qint32 idFattura);
// Drops APPO_BOLLE; a missing table is no failure.
void EliminaCopiaBolle(Contesto& contesto);
// Deletes the notes entered for an invoice never saved.
void ScartaBolleInSospeso(Contesto& contesto);

// Deletes the invoice with its notes and marks the application neither printed nor exported;
// answers the invoices deleted.
int Cancella(Contesto& contesto, qint32 idFattura);
}  // namespace Fattura
