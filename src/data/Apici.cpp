#include "data/Apici.h"

QString Md_FunzioniGenerali::ApiceSql(const QString& testo)
{
    QString risultato = testo;
    risultato.replace(QLatin1Char('\''), QStringLiteral("''"));
    risultato.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return risultato;
}

QString Md_FunzioniGenerali::ApiceReport(const QString& testo)
{
    QString risultato = testo.trimmed();
    if (risultato.isEmpty()) return QString();
    risultato.replace(QLatin1Char('\''), QLatin1Char('`'));
    if (risultato.endsWith(QStringLiteral("``"))) risultato.chop(1);
    return risultato;
}
