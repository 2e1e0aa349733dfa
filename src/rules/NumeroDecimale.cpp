#include "rules/NumeroDecimale.h"

#include <cfloat>
#include <cstdio>
#include <string>

namespace {

bool cifra(QChar c) { return c >= u'0' && c <= u'9'; }

}  // namespace

NumeroDecimale NumeroDecimale::daDouble(double valore)
{
    char testo[40];
    std::snprintf(testo, sizeof testo, "%.15e", valore);
    return NumeroDecimale(Valore(testo));
}

std::optional<NumeroDecimale> NumeroDecimale::daTesto(const QString& testo)
{
    const QString t = testo.trimmed();
    qsizetype i = 0;
    std::string scritto;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) {
        if (t[i] == u'-') scritto += '-';
        ++i;
    }
    int cifre = 0;
    for (; i < t.size() && cifra(t[i]); ++i, ++cifre) scritto += char(t[i].unicode());
    if (i < t.size() && t[i] == u',') {
        scritto += '.';
        for (++i; i < t.size() && cifra(t[i]); ++i, ++cifre) scritto += char(t[i].unicode());
    }
    if (cifre == 0) return std::nullopt;
    if (i < t.size() && QStringLiteral("EeDd").contains(t[i])) {
        scritto += 'e';
        ++i;
        if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) scritto += char(t[i++].unicode());
        int cifreEsponente = 0;
        for (; i < t.size() && cifra(t[i]); ++i, ++cifreEsponente) scritto += char(t[i].unicode());
        if (cifreEsponente == 0 || cifreEsponente > 5) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    Valore valore(scritto);
    // The same range as the platform's floating-point numbers.
    if (abs(valore) > Valore(DBL_MAX)) return std::nullopt;
    return NumeroDecimale(valore);
}

NumeroDecimale NumeroDecimale::potenzaDiDieci(int esponente)
{
    return NumeroDecimale(boost::multiprecision::pow(Valore(10), esponente));
}

NumeroDecimale NumeroDecimale::arrotondatoLontanoDaZero(int decimali) const
{
    const Valore scala = potenzaDiDieci(decimali).m_valore;
    const Valore assoluto = boost::multiprecision::floor(abs(m_valore) * scala + Valore(0.5));
    return NumeroDecimale((m_valore.sign() < 0 ? -assoluto : assoluto) / scala);
}

NumeroDecimale NumeroDecimale::arrotondatoPari(int decimali) const
{
    const Valore scala = potenzaDiDieci(decimali).m_valore;
    const Valore scalato = m_valore * scala;
    Valore intero = boost::multiprecision::floor(scalato);
    const Valore resto = scalato - intero;
    if (resto > Valore(0.5) || (resto == Valore(0.5) && boost::multiprecision::fmod(intero, Valore(2)) != 0))
        intero += 1;
    return NumeroDecimale(intero / scala);
}

NumeroDecimale NumeroDecimale::troncato() const
{
    return NumeroDecimale(boost::multiprecision::trunc(m_valore));
}

QString NumeroDecimale::cifreIntere() const
{
    const std::string fisso = abs(boost::multiprecision::trunc(m_valore)).str(0, std::ios_base::fixed);
    return QString::fromStdString(fisso.substr(0, fisso.find('.')));
}

QString NumeroDecimale::testo() const
{
    if (m_valore.is_zero()) return QStringLiteral("0");
    // "d.ddd...e+XX": the significant digits and the exponent of the first one.
    const std::string scientifico = abs(m_valore).str(std::numeric_limits<Valore>::digits10 - 1, std::ios_base::scientific);
    const auto e = scientifico.find('e');
    std::string cifre = scientifico.substr(0, 1) + scientifico.substr(2, e - 2);
    const int esponente = std::stoi(scientifico.substr(e + 1));
    while (cifre.size() > 1 && cifre.back() == '0') cifre.pop_back();

    std::string intera, decimale;
    if (esponente < 0) {
        intera = "0";
        decimale = std::string(static_cast<size_t>(-esponente - 1), '0') + cifre;
    } else if (static_cast<size_t>(esponente) + 1 >= cifre.size()) {
        intera = cifre + std::string(static_cast<size_t>(esponente) + 1 - cifre.size(), '0');
    } else {
        intera = cifre.substr(0, static_cast<size_t>(esponente) + 1);
        decimale = cifre.substr(static_cast<size_t>(esponente) + 1);
    }
    QString risultato = QString::fromStdString(intera);
    if (!decimale.empty()) risultato += u',' + QString::fromStdString(decimale);
    return m_valore.sign() < 0 ? u'-' + risultato : risultato;
}
