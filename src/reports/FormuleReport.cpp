#include "reports/FormuleReport.h"

#include "data/Errore.h"
#include "reports/ErroriReport.h"

#include <QRegularExpression>

namespace {

[[noreturn]] void errore(const QString& testo, const QString& motivo)
{
    throw Errore(ErroriReport::ErroreNellaFormula, QStringLiteral("Errore nella formula: %1 (%2)").arg(testo, motivo));
}

// Reads a quoted text starting at `pos`, which holds the quote; leaves `pos` after the closing one.
QString leggiTesto(const QString& testo, qsizetype& pos)
{
    const QChar apice = testo.at(pos);
    QString valore;
    for (qsizetype i = pos + 1; i < testo.size(); ++i) {
        if (testo.at(i) != apice) {
            valore += testo.at(i);
        } else if (i + 1 < testo.size() && testo.at(i + 1) == apice) {
            valore += apice;
            ++i;
        } else {
            pos = i + 1;
            return valore;
        }
    }
    errore(testo, QStringLiteral("testo non chiuso"));
}

void saltaSpazi(const QString& testo, qsizetype& pos)
{
    while (pos < testo.size() && testo.at(pos).isSpace()) ++pos;
}

bool apice(QChar c)
{
    return c == QLatin1Char('\'') || c == QLatin1Char('"');
}

}  // namespace

FormuleReport::Formula FormuleReport::leggiFormula(const QString& testo)
{
    static const QRegularExpression forma(QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*(['\"])(.*)\\2\\s*$"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = forma.match(testo);
    if (!m.hasMatch()) errore(testo, QStringLiteral("attesa la forma NOME = 'valore'"));
    const QString apice = m.captured(2);
    QString valore = m.captured(3);
    valore.replace(apice + apice, apice);
    return {m.captured(1), valore};
}

QList<FormuleReport::Condizione> FormuleReport::leggiSelezione(const QString& testo)
{
    static const QRegularExpression campo(QStringLiteral("\\G\\{([A-Za-z_][A-Za-z0-9_]*)\\.([A-Za-z_][A-Za-z0-9_]*)\\}"));
    static const QRegularExpression congiunzione(QStringLiteral("\\G[Aa][Nn][Dd]\\b"));
    QList<Condizione> condizioni;
    qsizetype pos = 0;
    saltaSpazi(testo, pos);
    while (pos < testo.size()) {
        if (!condizioni.isEmpty()) {
            const QRegularExpressionMatch e = congiunzione.match(testo, pos);
            if (!e.hasMatch()) errore(testo, QStringLiteral("atteso AND"));
            pos += e.capturedLength();
            saltaSpazi(testo, pos);
        }
        const QRegularExpressionMatch c = campo.match(testo, pos);
        if (!c.hasMatch()) errore(testo, QStringLiteral("atteso {Sorgente.CAMPO}"));
        pos += c.capturedLength();
        saltaSpazi(testo, pos);
        if (pos >= testo.size() || testo.at(pos) != QLatin1Char('=')) errore(testo, QStringLiteral("atteso ="));
        ++pos;
        saltaSpazi(testo, pos);
        if (pos >= testo.size() || !apice(testo.at(pos))) errore(testo, QStringLiteral("atteso un testo tra apici"));
        const QString valore = leggiTesto(testo, pos);
        condizioni.append({c.captured(1), c.captured(2), valore});
        saltaSpazi(testo, pos);
    }
    return condizioni;
}

QString FormuleReport::passwordConnessione(const QString& connessione)
{
    for (const QString& parte : connessione.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype uguale = parte.indexOf(QLatin1Char('='));
        if (uguale > 0 && parte.left(uguale).trimmed().compare(QLatin1String("PWD"), Qt::CaseInsensitive) == 0) {
            return parte.mid(uguale + 1);
        }
    }
    return QString();
}
