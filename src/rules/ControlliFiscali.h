#pragma once

#include <QString>

#include <functional>

namespace Md_FunzioniGenerali {
// An Italian VAT number: numeric, eleven digits, not all zeros, correct check digit.
bool CheckPartitaIva(const QString& valore);

// Answers "Si tratta di un caso di Omocodia ?": true to go on with the check.
using DomandaOmocodia = std::function<bool()>;

// An Italian fiscal code: the shape of its sixteen characters and its check character. When
// characters 13 to 15 are not numeric the question is asked once; "no" refuses the code.
bool CodFisc(const QString& valore, const DomandaOmocodia& omocodia);

// The check every window applies to a field that takes either: a numeric text is a VAT number,
// any other a fiscal code.
bool CodiceFiscaleOPartitaIva(const QString& valore, const DomandaOmocodia& omocodia);
}  // namespace Md_FunzioniGenerali
