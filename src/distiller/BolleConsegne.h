#pragma once

#include <QString>

#include <array>
#include <optional>

struct Contesto;

// The delivery notes of one invoice; invoice 0 holds the notes of an invoice not saved yet.
namespace BolleConsegne {
// The detail fields by control index: 1 number, 2 delivery date, 3 quantity, 4 payment date, 7 grade.
using Campi = std::array<QString, 8>;

inline const QString QUERY_BOLLE = QStringLiteral("select * from BOLLE where FK_ID_FATTURA=?1 order by ID_BOLLA");

// 0 when the note is complete, otherwise the index of the first incomplete field.
int ControllaCampi(const Campi& campi);

// The delivered quantity of the invoice's notes, but the note `idBolla` when it is not 0.
double SommaAltreBolle(Contesto& contesto, qint32 fattura, qint32 idBolla);

// The refusal when `quantita` and the other notes together exceed the distilled quantity.
std::optional<QString> ControllaQuantita(const QString& quantita, double sommaAltre, const QString& distillata);

// Stores a new note (idBolla 0) or over the note `idBolla`; answers the rows stored.
int Salva(Contesto& contesto, qint32 fattura, qint32 idBolla, const Campi& campi);
int Cancella(Contesto& contesto, qint32 idBolla);

// The earliest delivery date of the invoice's notes as dd/mm/yyyy, "" without notes.
QString DataConsegnaMinima(Contesto& contesto, qint32 fattura);
}  // namespace BolleConsegne
