#pragma once

#include "app/base/StatoCondiviso.h"

#include <QString>
#include <QVariantList>

#include <functional>

class ModelloLista;
class QLabel;
class QTableView;
class QWidget;
struct Contesto;

// SQL text with the values bound in order to its ?1, ?2 ...
struct TestoSql {
    QString sql;
    QVariantList valori;
};

// What the filter frame of the selection window asks for.
struct CriteriSelezione {
    int modo = 0;
    QString numeroDomanda;
    // The progressive, or the invoice number in mode 1.
    QString secondoNumero;
    bool stampate = false;
    bool scaricate = false;
    // "" for every campaign.
    QString campagna;
};

// A list of the distiller side: its caption, the grid and the rows it shows.
struct ListaDistillatore {
    QLabel* didascalia;
    QTableView* griglia;
    ModelloLista* modello;
};

// The windows and printouts the selection window hands the chosen application to. A button
// whose routine is not connected stays disabled.
struct AzioniSelezione {
    // The invoice list of DomandaCorrente, shown modal.
    std::function<QWidget*(Contesto&)> elencoFatture;
    // The export window of DomandaCorrente, shown modal.
    std::function<QWidget*(Contesto&)> scarico;
    // The invoice printout of DomandaCorrente; true when it succeeded.
    std::function<bool(Contesto&)> STAMPA;
    // The delivery-note printout of the list's current row.
    std::function<void(Contesto&, const RecordDomanda& riga)> StampaBolle;
};

namespace SelezioneDistillatore {
// The key of a mode: its code in decimal ("0", "1" ...).
QString chiaveModo(int modo);

// The base query of a mode key or of "FATTURE2", "SCARICO", "SCARICO2" (these last three select
// the invoices of DomandaCorrente); any other key gives a single blank. Each base query ends with
// its WHERE clause, so a filter goes straight after it.
QString QuerySelezioneDistillatore(const StatoCondiviso& stato, const QString& chiave);

// The filter that follows the base query: number, flags and campaign, then the order by number,
// progressive and campaign. The typed values are bound, never written into the SQL.
TestoSql ImpostaFiltro(const CriteriSelezione& criteri);

// Unless bNoReload, runs the base query of the key followed by the filter (kept in sSQL) and
// shows its rows; in every case the grid is redrawn.
void CaricaGrigliaDistillatore(Contesto& contesto, const ListaDistillatore& lista, const QString& chiave,
                               bool bNoReload, const TestoSql& sFiltro);
// The caption becomes sTitolo; the columns of the key are shown with their captions, the others hidden.
void ImpostaColonneDistillatore(Contesto& contesto, const ListaDistillatore& lista, const QString& chiave);

// The application of one row of a list of query A, B or C.
RecordDomanda SEL_RECORD(const ModelloLista& modello, int riga);

// The invoices of the application whose processed quantity, to four decimals, differs from the
// sum of their delivery notes: one line each (line break, " - ", name, " fattura n° ", number).
QString IncongruenzeQuantita(Database& db, qint32 idDomanda);
// True when every invoice agrees with its notes; otherwise shows the invoices that do not, with
// `titolo` as caption, and answers false.
bool VerificaCongruenzaQuantitaProdotto(Contesto& contesto, qint32 idDomanda, const QString& titolo);
}  // namespace SelezioneDistillatore
