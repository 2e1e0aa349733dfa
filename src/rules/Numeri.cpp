#include "rules/Numeri.h"

#include <QRegularExpression>

#include <cctype>
#include <stdexcept>
#include <string>

namespace Md_FunzioniGenerali {

bool IsNumeric(const QString& testo)
{
    return NumeroDecimale::daTesto(testo).has_value();
}

NumeroDecimale Val(const QString& testo)
{
    QString t;
    for (const QChar c : testo)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') t += c;

    const auto cifra = [&](qsizetype i) { return i < t.size() && t[i] >= u'0' && t[i] <= u'9'; };
    std::string scritto;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-') scritto += '-';
        ++i;
    }
    int cifre = 0;
    for (; cifra(i); ++i, ++cifre) scritto += char(t[i].unicode());
    if (i < t.size() && t[i] == u'.') {
        scritto += '.';
        for (++i; cifra(i); ++i, ++cifre) scritto += char(t[i].unicode());
    }
    if (cifre == 0) return NumeroDecimale();
    if (i < t.size() && QStringLiteral("EeDd").contains(t[i])) {
        qsizetype j = i + 1;
        std::string esponente = "e";
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-')) esponente += char(t[j++].unicode());
        for (int n = 0; cifra(j) && n < 6; ++j, ++n) esponente += char(t[j].unicode());
        if (esponente.size() > 1 && std::isdigit(static_cast<unsigned char>(esponente.back()))) scritto += esponente;
    }
    return NumeroDecimale(NumeroDecimale::Valore(scritto));
}

QString Format(const NumeroDecimale& valore, const QString& modello)
{
    const qsizetype punto = modello.indexOf(u'.');
    const QString intera = modello.left(punto < 0 ? modello.size() : punto);
    const QString decimale = punto < 0 ? QString() : modello.mid(punto + 1);
    const bool valido = !intera.isEmpty() && !intera.contains(QRegularExpression(QStringLiteral("[^#0]")))
                        && !intera.contains(QRegularExpression(QStringLiteral("0#")))
                        && (punto < 0 || (!decimale.isEmpty() && decimale.count(u'0') == decimale.size()));
    if (!valido) throw std::invalid_argument("formato non gestito: " + modello.toStdString());

    const int decimali = static_cast<int>(decimale.size());
    const NumeroDecimale arrotondato = valore.arrotondatoLontanoDaZero(decimali);
    const QString cifre = (arrotondato * NumeroDecimale::potenzaDiDieci(decimali)).cifreIntere();
    const int minimeIntere = static_cast<int>(intera.count(u'0'));
    QString testo = cifre.rightJustified(decimali + minimeIntere, u'0');
    if (decimali > 0) testo.insert(testo.size() - decimali, u',');
    return arrotondato.segno() < 0 ? u'-' + testo : testo;
}

QString Format(const QString& testo, const QString& modello)
{
    const auto numero = NumeroDecimale::daTesto(testo);
    return numero ? Format(*numero, modello) : testo;
}

NumeroDecimale Round(const NumeroDecimale& valore, int decimali)
{
    return valore.arrotondatoPari(decimali);
}

QString Formatta2dec(const QString& calcolo)
{
    const qsizetype virgola = calcolo.indexOf(u',');
    if (virgola < 0) return Format(calcolo, QStringLiteral("##0.00"));
    const QString tagliato = calcolo.left(virgola + 3);
    return tagliato.size() - virgola - 1 == 1 ? Format(tagliato, QStringLiteral("##0.00")) : tagliato;
}

}  // namespace Md_FunzioniGenerali
