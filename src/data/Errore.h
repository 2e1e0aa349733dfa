#pragma once

#include <QString>
#include <exception>
#include <string>

// A failure with the number and description that the error log records.
// Database failures carry 3000 + the engine's primary result code and the engine's own text;
// file failures carry the numbers the windows test (52, 53, 61, 68, 70, 71, 75, 76).
class Errore : public std::exception {
public:
    Errore(qint32 numero, QString descrizione)
        : m_numero(numero), m_descrizione(std::move(descrizione)), m_testo(m_descrizione.toStdString()) {}

    qint32 numero() const { return m_numero; }
    const QString& descrizione() const { return m_descrizione; }
    const char* what() const noexcept override { return m_testo.c_str(); }

private:
    qint32 m_numero;
    QString m_descrizione;
    std::string m_testo;
};

namespace NumeriErrore {
inline constexpr qint32 BaseDatabase = 3000;
inline constexpr qint32 UsoNonValidoDiNull = 94;
inline constexpr qint32 ChiamataNonValida = 5;
inline constexpr qint32 TipoNonCorrispondente = 13;
inline constexpr qint32 FileNonTrovato = 53;
inline constexpr qint32 DiscoPieno = 61;
inline constexpr qint32 UnitaNonDisponibile = 68;
inline constexpr qint32 PermessoNegato = 70;
inline constexpr qint32 DiscoNonPronto = 71;
inline constexpr qint32 ErroreAccessoPercorso = 75;
inline constexpr qint32 PercorsoNonTrovato = 76;
}  // namespace NumeriErrore
