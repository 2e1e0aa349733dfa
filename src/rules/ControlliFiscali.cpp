#include "rules/ControlliFiscali.h"

#include "rules/Numeri.h"

namespace Md_FunzioniGenerali {

namespace {

bool cifra(QChar c) { return c >= u'0' && c <= u'9'; }
bool lettera(QChar c) { return c >= u'A' && c <= u'Z'; }

// What a character in an odd position adds to the check sum; digits weigh as the letters A to J.
int valoreDispari(QChar c)
{
    static constexpr int pesi[26] = {1,  0,  5,  7,  9,  13, 15, 17, 19, 21, 2,  4,  18,
                                     20, 11, 3,  6,  8,  12, 14, 16, 10, 22, 25, 24, 23};
    if (cifra(c)) return pesi[c.unicode() - u'0'];
    if (lettera(c)) return pesi[c.unicode() - u'A'];
    return 0;
}

int valorePari(QChar c)
{
    return c <= u'9' ? c.unicode() - u'0' : c.unicode() - u'A';
}

}  // namespace

bool CheckPartitaIva(const QString& valore)
{
    if (!IsNumeric(valore)) return false;
    if (valore.trimmed().size() != 11) return false;
    if (valore.trimmed() == QStringLiteral("00000000000")) return false;
    // A sign, a comma, an exponent or a blank in place of a digit: no VAT number.
    for (qsizetype i = 0; i < 11; ++i)
        if (i >= valore.size() || !cifra(valore[i])) return false;

    int somma = 0;
    for (qsizetype i = 0; i < 10; ++i) {
        const int c = valore[i].unicode() - u'0';
        // Positions count from 1: even positions are the odd indexes.
        somma += i % 2 == 1 ? (c * 2 > 9 ? c * 2 - 9 : c * 2) : c;
    }
    return valore[10].unicode() - u'0' == (10 - somma % 10) % 10;
}

bool CodFisc(const QString& valore, const DomandaOmocodia& omocodia)
{
    if (valore.trimmed().size() < 16) return false;
    const QString c = valore.left(16);
    for (qsizetype i = 0; i < 6; ++i)
        if (!lettera(c[i])) return false;
    if (!IsNumeric(c.mid(6, 2))) return false;
    if (IsNumeric(c.mid(8, 1))) return false;
    if (!IsNumeric(c.mid(9, 2))) return false;
    if (IsNumeric(c.mid(11, 1))) return false;
    if (!IsNumeric(c.mid(12, 3)) && !omocodia()) return false;
    if (IsNumeric(c.mid(15, 1))) return false;

    int somma = 0;
    for (qsizetype i = 0; i < 15; ++i) somma += i % 2 == 0 ? valoreDispari(c[i]) : valorePari(c[i]);
    return c[15] == QChar(u'A' + somma % 26);
}

bool CodiceFiscaleOPartitaIva(const QString& valore, const DomandaOmocodia& omocodia)
{
    return IsNumeric(valore) ? CheckPartitaIva(valore) : CodFisc(valore, omocodia);
}

}  // namespace Md_FunzioniGenerali
