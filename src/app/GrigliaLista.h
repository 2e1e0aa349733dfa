#pragma once

#include <QList>
#include <QString>

class ModelloLista;
class QTableView;

// A column shown by a list window: the query column, its caption and its width in pixels.
struct ColonnaGriglia {
    QString nome;
    QString titolo;
    int larghezza;
};

namespace GrigliaLista {
// Read-only rows, several selectable at once, with a current row.
void PreparaGriglia(QTableView* griglia, ModelloLista* modello);
// Shows the given columns in the given order with their captions and widths; hides the others.
void ImpostaColonne(QTableView* griglia, ModelloLista* modello, const QList<ColonnaGriglia>& colonne);
}  // namespace GrigliaLista
