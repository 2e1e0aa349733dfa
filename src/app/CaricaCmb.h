#pragma once

#include <QString>
#include <QVariantList>

class QComboBox;
struct Contesto;

namespace Md_FunzioniGenerali {
// Fills a drop-down list from "SELECT colonne FROM tabella [WHERE condizione] ordine".
// `colonne`, `condizione` and `ordine` are SQL of the program; user values go in `valori`.
// Failures are logged and the list keeps the entries added before them.
void CaricaCmb(Contesto& contesto, QComboBox* lista, const QString& tabella, const QString& colonne,
               const QString& condizione, bool datiVoce, const QString& ordine, bool righeIntere, bool voceVuota,
               const QVariantList& valori = {});
}  // namespace Md_FunzioniGenerali
