#include "rules/Formattazione.h"

#include "rules/Numeri.h"

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
