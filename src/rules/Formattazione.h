#pragma once

#include <QString>

namespace Md_FunzioniGenerali {
// Left(valore & larghezza copies of riempimento, larghezza).
QString RiempiDestra(const QString& valore, int larghezza, QChar riempimento);
// Right(larghezza copies of riempimento & valore, larghezza).
QString RiempiSinistra(const QString& valore, int larghezza, QChar riempimento);

// The last `decimali` characters are the decimals; what comes before them is read as a number
// (Val: blanks ignored, leading zeros vanish, nothing readable is 0) and written back as a whole
// number; then "," and the decimals as they stand. "00150" with 2 gives "1,50".
QString InserisciVirgola(const QString& cifre, int decimali);
// The same conversion, as the producer import calls it.
QString ImportoConVirgola(const QString& campo, int decimali);

// The inverse, for the producer supply file: an empty or zero value gives ""; otherwise the digits
// before the first comma followed by exactly `decimali` decimals, filled with "0" or cut, never
// rounded ("12,34567" with 4 gives "123456").
QString ImportoSenzaVirgola(const QString& valore, int decimali);
}  // namespace Md_FunzioniGenerali
