#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Database;
struct Contesto;

// A distiller application as its entry window edits it, and its number change.
namespace Domanda {
struct Campi {
    QString campagna;
    QString numero;
    QString progressivo;
    // As the lists show them: the type of article, and the product code, one blank, its description.
    QString tipo;
    QString prodotto;
};

// The number fields are filled with zeros on the left to these widths when they are left.
inline constexpr int LunghezzaNumero = 11;
inline constexpr int LunghezzaProgressivo = 2;

// 0 when the fields can be stored; otherwise the first failed check: 6 campaign, 1 number,
// 2 progressive, 3 type, 4 product, 5 number already used (inserting only), 10 a producer
// application with the same number is of another type of article.
int ControllaCampi(Database& db, const Campi& campi, bool inserimento);

// The types of article a campaign allows, and the one chosen after the campaign was chosen
// ("" for none) given the one chosen before.
QStringList TipiDellaCampagna();
QString TipoDopoLaCampagna(const QString& campagna, const QString& tipoPrecedente);

// Inserts the application, or updates the one with the given identifier; either way it is marked
// as neither printed nor exported. False when there is no application to update. A product code
// not found among the products, or a failing statement, is raised.
bool Salva(Contesto& contesto, const Campi& campi, std::optional<qint32> idDomanda);

enum class EsitoCambio { NumeroMancante, NumeroNonCorretto, NumeroEsistente, NonEseguito, Eseguito };
// Gives the application a new number, unless the number is missing, not of 11 characters, or
// borne by another application of the same type of article; the flags go back to "N".
EsitoCambio CambiaNumero(Contesto& contesto, const QString& nuovo, const QString& attuale, qint32 idDomanda,
                         const QString& tipoArticolo);
}  // namespace Domanda
