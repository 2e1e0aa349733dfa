#include "app/GrigliaLista.h"

#include "data/ModelloLista.h"

#include <QHeaderView>
#include <QTableView>

void GrigliaLista::PreparaGriglia(QTableView* griglia, ModelloLista* modello)
{
    griglia->setModel(modello);
    griglia->setSelectionBehavior(QAbstractItemView::SelectRows);
    griglia->setSelectionMode(QAbstractItemView::ExtendedSelection);
    griglia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    griglia->setAlternatingRowColors(true);
    griglia->verticalHeader()->setDefaultSectionSize(griglia->fontMetrics().height() + 6);
    griglia->horizontalHeader()->setSectionsClickable(true);
    griglia->horizontalHeader()->setHighlightSections(false);
}

void GrigliaLista::ImpostaColonne(QTableView* griglia, ModelloLista* modello, const QList<ColonnaGriglia>& colonne)
{
    QHeaderView* intestazione = griglia->horizontalHeader();
    for (int c = 0; c < modello->columnCount(); ++c) griglia->setColumnHidden(c, true);
    int posizione = 0;
    for (const ColonnaGriglia& colonna : colonne) {
        const int c = modello->colonna(colonna.nome);
        if (c < 0) continue;
        modello->impostaTitolo(colonna.nome, colonna.titolo);
        griglia->setColumnHidden(c, false);
        griglia->setColumnWidth(c, colonna.larghezza);
        intestazione->moveSection(intestazione->visualIndex(c), posizione++);
    }
}
