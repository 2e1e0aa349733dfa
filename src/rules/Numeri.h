#pragma once

#include "rules/NumeroDecimale.h"

#include <QString>

namespace Md_FunzioniGenerali {
// The platform's numeric test: true when the text reads as a number written the Italian way
// (NumeroDecimale::daTesto), so "12,5", " -3 ", "1E5" and "2,5D-3" are numeric, "1.000", "12.5",
// "" and "1-" are not.
bool IsNumeric(const QString& testo);

// The number the text starts with, read as the classic Val reads it: blanks, tabs and line ends
// are skipped anywhere, then an optional sign, digits, "." and decimals, an exponent (E or D);
// reading stops at the first character that cannot continue the number; nothing readable is 0.
NumeroDecimale Val(const QString& testo);

// Format(valore, "##0.0000"), "##0.00", "#0.0000", "000", "00" ...: as many integer digits as the
// value needs but at least the "0"s before the point, as many decimals as the "0"s after it,
// decimal comma, halves away from zero, a minus sign only on a value that is not 0 once rounded.
// Any other pattern raises std::invalid_argument.
QString Format(const NumeroDecimale& valore, const QString& modello);
// A text that reads as a number is formatted; any other text comes back as it is.
QString Format(const QString& testo, const QString& modello);

// Round(valore, decimali): halves go to the even neighbour.
NumeroDecimale Round(const NumeroDecimale& valore, int decimali);

// A number text cut (never rounded) to two decimals; a text without comma, or with one decimal
// left, is formatted "##0.00".
QString Formatta2dec(const QString& calcolo);
}  // namespace Md_FunzioniGenerali
