#include "reports/ReportImpaginato.h"

#include "data/Errore.h"
#include "reports/ErroriReport.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double PuntiPerPollice = 72.0;
constexpr double MargineLaterale = 36.0;
constexpr double MargineVerticale = 28.0;
constexpr double Distacco = 8.0;

QFont carattereBase()
{
    QFont carattere(QStringLiteral("DejaVu Sans"));
    carattere.setPointSizeF(8.5);
    return carattere;
}

// The resolution QTextDocument lays text out at when it is given no paint device: laying out
// for a device of its own would cost several times as much.
double risoluzioneTesto()
{
    if (QCoreApplication::testAttribute(Qt::AA_Use96Dpi)) return 96;
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->logicalDotsPerInchY() : 100;
}

void annullaSe(const AvanzamentoReport& avanzamento, int percentuale)
{
    if (avanzamento && !avanzamento(percentuale)) {
        throw Errore(ErroriReport::AnnullataDallUtente, QStringLiteral("Richiesta annullata dall'utente"));
    }
}

}  // namespace

ReportImpaginato::ReportImpaginato(const QString& html, Margine intestazione, Margine piede,
                                   QPageLayout::Orientation orientamento, QString stile, DatiSorgente dati)
    : m_intestazione(std::move(intestazione)),
      m_piede(std::move(piede)),
      m_orientamento(orientamento),
      m_stile(std::move(stile)),
      m_dati(std::move(dati))
{
    m_unita = risoluzioneTesto() / PuntiPerPollice;
    m_pagina = layoutPagina().fullRect(QPageLayout::Point).size() * m_unita;
    m_margineLaterale = MargineLaterale * m_unita;
    m_margineVerticale = MargineVerticale * m_unita;
    const double larghezza = m_pagina.width() - 2 * m_margineLaterale;
    m_altezzaIntestazione = altezzaMargine(m_intestazione);
    m_altezzaPiede = altezzaMargine(m_piede);
    m_altezzaCorpo = m_pagina.height() - 2 * m_margineVerticale - m_altezzaIntestazione - m_altezzaPiede;
    prepara(m_documento, larghezza);
    m_documento.setHtml(html);
    m_documento.setPageSize(QSizeF(larghezza, m_altezzaCorpo));
    m_pagine = m_documento.pageCount();
}

QPageLayout ReportImpaginato::layoutPagina() const
{
    return QPageLayout(QPageSize(QPageSize::A4), m_orientamento, QMarginsF());
}

void ReportImpaginato::prepara(QTextDocument& documento, double larghezza) const
{
    documento.setDocumentMargin(0);
    documento.setDefaultFont(carattereBase());
    documento.setDefaultStyleSheet(m_stile);
    documento.setTextWidth(larghezza);
}

double ReportImpaginato::altezzaMargine(const Margine& margine) const
{
    if (!margine) return 0;
    QTextDocument documento;
    prepara(documento, m_pagina.width() - 2 * m_margineLaterale);
    documento.setHtml(margine(1, 1));
    const double altezza = documento.size().height();
    return altezza > 0 ? altezza + Distacco * m_unita : 0;
}

void ReportImpaginato::disegnaMargine(QPainter& painter, const Margine& margine, int pagina, double y,
                                      bool inBasso) const
{
    if (!margine) return;
    QTextDocument documento;
    prepara(documento, m_pagina.width() - 2 * m_margineLaterale);
    documento.setHtml(margine(pagina + 1, m_pagine));
    painter.save();
    painter.translate(m_margineLaterale, inBasso ? y - documento.size().height() : y);
    documento.drawContents(&painter);
    painter.restore();
}

void ReportImpaginato::disegnaPagina(QPainter& painter, int pagina) const
{
    disegnaMargine(painter, m_intestazione, pagina, m_margineVerticale, false);

    const double inizio = m_margineVerticale + m_altezzaIntestazione;
    const QRectF parte(0, pagina * m_altezzaCorpo, m_documento.pageSize().width(), m_altezzaCorpo);
    painter.save();
    painter.translate(m_margineLaterale, inizio - parte.top());
    painter.setClipRect(parte);
    QAbstractTextDocumentLayout::PaintContext contesto;
    contesto.clip = parte;
    m_documento.documentLayout()->draw(&painter, contesto);
    painter.restore();

    disegnaMargine(painter, m_piede, pagina, m_pagina.height() - m_margineVerticale, true);
}

void ReportImpaginato::stampa(QPagedPaintDevice& dispositivo, const AvanzamentoReport& avanzamento) const
{
    dispositivo.setPageLayout(layoutPagina());
    QPainter painter(&dispositivo);
    if (!painter.isActive()) {
        throw Errore(ErroriReport::FileNonScrivibile, QStringLiteral("Impossibile scrivere la stampa"));
    }
    const double scala = dispositivo.logicalDpiX() / (PuntiPerPollice * m_unita);
    painter.scale(scala, scala);
    for (int pagina = 0; pagina < m_pagine; ++pagina) {
        annullaSe(avanzamento, 60 + 40 * pagina / m_pagine);
        if (pagina > 0) dispositivo.newPage();
        disegnaPagina(painter, pagina);
    }
    annullaSe(avanzamento, 100);
}

void ReportImpaginato::stampaPdf(const QString& file, const AvanzamentoReport& avanzamento) const
{
    try {
        QPdfWriter pdf(file);
        pdf.setResolution(600);
        pdf.setCreator(QStringLiteral("TORMAVELLINO"));
        pdf.setTitle(titolo);
        stampa(pdf, avanzamento);
    } catch (const Errore&) {
        QFile::remove(file);
        throw;
    }
}
