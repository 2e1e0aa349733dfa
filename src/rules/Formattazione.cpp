#include "rules/Formattazione.h"

#include "rules/Numeri.h"

#include <algorithm>

namespace Md_FunzioniGenerali {

QString RiempiDestra(const QString& valore, int larghezza, QChar riempimento)
{
    return (valore + QString(larghezza, riempimento)).left(larghezza);
}

QString RiempiSinistra(const QString& valore, int larghezza, QChar riempimento)
{
    return (QString(larghezza, riempimento) + valore).right(larghezza);
}

QString InserisciVirgola(const QString& cifre, int decimali)
{
    const QString parteIntera = cifre.left(qMax<qsizetype>(0, cifre.size() - decimali));
    // Plain digits, as the supply files hold them, need no reading as a number.
    if (std::all_of(parteIntera.cbegin(), parteIntera.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        const qsizetype zeri = std::find_if(parteIntera.cbegin(), parteIntera.cend(), [](QChar c) { return c != u'0'; }) -
                               parteIntera.cbegin();
        const QString intera = parteIntera.mid(zeri);
        return (intera.isEmpty() ? QStringLiteral("0") : intera) + u',' + cifre.right(decimali);
    }
    return Format(Val(parteIntera).troncato(), QStringLiteral("0")) + u',' + cifre.right(decimali);
}

QString ImportoConVirgola(const QString& campo, int decimali)
{
    return InserisciVirgola(campo, decimali);
}

QString ImportoSenzaVirgola(const QString& valore, int decimali)
{
    const QString testo = valore.trimmed();
    const auto numero = NumeroDecimale::daTesto(testo);
    if (testo.isEmpty() || (numero && numero->zero())) return QString();
    const qsizetype virgola = testo.indexOf(u',');
    if (virgola < 0) return testo + QString(decimali, u'0');
    return testo.left(virgola) + RiempiDestra(testo.mid(virgola + 1), decimali, u'0');
}

}  // namespace Md_FunzioniGenerali
