#pragma once

#include <QString>

#include <boost/multiprecision/cpp_dec_float.hpp>

#include <optional>

// A decimal number with 32 significant digits: quantities, grades and amounts.
class NumeroDecimale {
public:
    using Valore = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<32>,
                                                 boost::multiprecision::et_off>;

    NumeroDecimale() = default;
    NumeroDecimale(int valore) : m_valore(valore) {}
    explicit NumeroDecimale(Valore valore) : m_valore(std::move(valore)) {}
    // The value of a double as its 15 significant digits say it.
    static NumeroDecimale daDouble(double valore);

    // Reads a number written the Italian way: blanks around it, an optional leading sign, digits
    // with at most one decimal comma, an optional exponent (E or D, optional sign, digits).
    // No thousands separator. Anything else is not a number.
    static std::optional<NumeroDecimale> daTesto(const QString& testo);

    const Valore& valore() const { return m_valore; }
    double toDouble() const { return m_valore.convert_to<double>(); }
    bool zero() const { return m_valore.is_zero(); }
    int segno() const { return m_valore.sign(); }

    // Rounded to `decimali` decimals, halves away from zero (formatting) or to the even neighbour.
    NumeroDecimale arrotondatoLontanoDaZero(int decimali) const;
    NumeroDecimale arrotondatoPari(int decimali) const;
    NumeroDecimale troncato() const;

    // All significant digits, decimal comma, no exponent, no trailing zeros ("12,5", "-0,001").
    QString testo() const;
    // The digits of a whole value, without sign.
    QString cifreIntere() const;

    friend NumeroDecimale operator+(const NumeroDecimale& a, const NumeroDecimale& b) { return NumeroDecimale(a.m_valore + b.m_valore); }
    friend NumeroDecimale operator-(const NumeroDecimale& a, const NumeroDecimale& b) { return NumeroDecimale(a.m_valore - b.m_valore); }
    friend NumeroDecimale operator*(const NumeroDecimale& a, const NumeroDecimale& b) { return NumeroDecimale(a.m_valore * b.m_valore); }
    friend NumeroDecimale operator/(const NumeroDecimale& a, const NumeroDecimale& b) { return NumeroDecimale(a.m_valore / b.m_valore); }
    friend bool operator==(const NumeroDecimale& a, const NumeroDecimale& b) { return a.m_valore == b.m_valore; }
    friend auto operator<=>(const NumeroDecimale& a, const NumeroDecimale& b)
    {
        return a.m_valore < b.m_valore ? std::strong_ordering::less
             : b.m_valore < a.m_valore ? std::strong_ordering::greater
                                       : std::strong_ordering::equal;
    }

    static NumeroDecimale potenzaDiDieci(int esponente);

private:
    Valore m_valore;
};
