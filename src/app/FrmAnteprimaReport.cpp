#include "app/FrmAnteprimaReport.h"

#include "data/Errore.h"
#include "reports/ReportImpaginato.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

FrmAnteprimaReport::FrmAnteprimaReport(std::unique_ptr<ReportImpaginato> report, const QString& titolo,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), m_report(std::move(report)), m_stampante(QPrinter::HighResolution)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(titolo);
    m_stampante.setFullPage(true);
    m_stampante.setPageLayout(m_report->layoutPagina());
    m_stampante.setDocName(titolo);

    m_anteprima = new QPrintPreviewWidget(&m_stampante, this);
    connect(m_anteprima, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* stampante) {
        m_report->stampa(*stampante);
    });

    auto* pulsanti = new QHBoxLayout;
    const auto pulsante = [&](const QString& testo, auto azione) {
        auto* p = new QPushButton(testo, this);
        connect(p, &QPushButton::clicked, this, azione);
        pulsanti->addWidget(p);
    };
    pulsante(QStringLiteral("&Stampa..."), [this] { stampa(); });
    pulsante(QStringLiteral("Salva in &PDF..."), [this] { salvaPdf(); });
    pulsante(QStringLiteral("Ingrandisci"), [this] { m_anteprima->zoomIn(); });
    pulsante(QStringLiteral("Riduci"), [this] { m_anteprima->zoomOut(); });
    pulsante(QStringLiteral("Pagina intera"), [this] { m_anteprima->fitInView(); });
    pulsanti->addStretch();
    pulsanti->addWidget(new QLabel(QStringLiteral("Pagine: %1").arg(m_report->pagine()), this));
    pulsante(QStringLiteral("&Chiudi"), [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pulsanti);
    layout->addWidget(m_anteprima);
    resize(900, 1000);
}

FrmAnteprimaReport::~FrmAnteprimaReport() = default;

void FrmAnteprimaReport::stampa()
{
    QPrintDialog scelta(&m_stampante, this);
    if (scelta.exec() != QDialog::Accepted) return;
    m_stampante.setFullPage(true);
    m_report->stampa(m_stampante);
}

void FrmAnteprimaReport::salvaPdf()
{
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Salva in PDF"),
                                                      QDir::home().filePath(windowTitle().trimmed() + QStringLiteral(".pdf")),
                                                      QStringLiteral("Documenti PDF (*.pdf)"));
    if (file.isEmpty()) return;
    try {
        m_report->stampaPdf(file);
    } catch (const Errore& e) {
        QMessageBox::warning(this, windowTitle(), e.descrizione());
    }
}
