#pragma once

#include <QPageLayout>
#include <QStringList>
#include <QTextDocument>

#include <functional>

class QPagedPaintDevice;
class QPainter;

// Asked now and then while a report is prepared or drawn, with the share done (0 to 100);
// answering false cancels the report.
using AvanzamentoReport = std::function<bool(int percentuale)>;

// The rows a report read from one data source.
struct DatiSorgente {
    QStringList colonne;
    QList<QStringList> righe;
};

// A report laid out into pages: the document flows over the pages, each page gets its header
// and footer.
class ReportImpaginato {
public:
    // Header or footer of one page, as HTML.
    using Margine = std::function<QString(int pagina, int pagine)>;

    ReportImpaginato(const QString& html, Margine intestazione, Margine piede, QPageLayout::Orientation orientamento,
                     QString stile, DatiSorgente dati);
    ReportImpaginato(const ReportImpaginato&) = delete;
    ReportImpaginato& operator=(const ReportImpaginato&) = delete;

    int pagine() const { return m_pagine; }
    QPageLayout layoutPagina() const;
    const DatiSorgente& dati() const { return m_dati; }
    QString titolo;

    // Draws every page onto the device, whose page layout it sets. Raises Errore
    // ErroriReport::AnnullataDallUtente when `avanzamento` answers false.
    void stampa(QPagedPaintDevice& dispositivo, const AvanzamentoReport& avanzamento = {}) const;
    // Raises ErroriReport::FileNonScrivibile when the file cannot be written; a cancelled or
    // failed file is removed.
    void stampaPdf(const QString& file, const AvanzamentoReport& avanzamento = {}) const;

private:
    void prepara(QTextDocument& documento, double larghezza) const;
    double altezzaMargine(const Margine& margine) const;
    void disegnaMargine(QPainter& painter, const Margine& margine, int pagina, double y, bool inBasso) const;
    void disegnaPagina(QPainter& painter, int pagina) const;

    QTextDocument m_documento;
    Margine m_intestazione;
    Margine m_piede;
    QPageLayout::Orientation m_orientamento;
    QString m_stile;
    DatiSorgente m_dati;
    double m_unita = 1;  // layout units per point
    QSizeF m_pagina;
    double m_margineLaterale = 0;
    double m_margineVerticale = 0;
    double m_altezzaIntestazione = 0;
    double m_altezzaPiede = 0;
    double m_altezzaCorpo = 0;
    int m_pagine = 0;
};
