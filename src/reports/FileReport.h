#pragma once

#include <QPageLayout>
#include <QString>
#include <QStringList>

// A report file: its data source, the formulas it declares, an optional subreport and the
// Mustache templates of the document and of the page header and footer.
//
//   [report]
//   titolo = ...            sorgente = VIEW       ordine = COL, COL
//   gruppo = COL, COL       formule = NAME, NAME  pagina = A4 verticale|orizzontale
//   [sottoreport]           nome = ..., sorgente = ..., ordine = ...
//   [documento] [intestazione] [piede]   HTML templates, to the next section
//   [stile]                 the style sheet of all three
class FileReport {
public:
    struct Sottoreport {
        QString nome;
        QString sorgente;
        QStringList ordine;
    };

    // Raises Errore: ErroriReport::FileReportNonApribile, ReportNonValido.
    static FileReport leggi(const QString& percorso);

    QString titolo;
    QString sorgente;
    QStringList ordine;
    QStringList gruppo;
    QStringList formule;
    QPageLayout::Orientation orientamento = QPageLayout::Portrait;
    QList<Sottoreport> sottoreport;
    QString documento;
    QString intestazione;
    QString piede;
    QString stile;

    bool dichiaraFormula(const QString& nome) const;
};
