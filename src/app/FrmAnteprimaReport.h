#pragma once

#include <QPrinter>
#include <QWidget>

#include <memory>

class QPrintPreviewWidget;
class ReportImpaginato;

// The report engine's preview window: modeless, the clerk prints from it or saves a PDF.
class FrmAnteprimaReport : public QWidget {
    Q_OBJECT

public:
    FrmAnteprimaReport(std::unique_ptr<ReportImpaginato> report, const QString& titolo, QWidget* parent = nullptr);
    ~FrmAnteprimaReport() override;

private:
    void stampa();
    void salvaPdf();

    std::unique_ptr<ReportImpaginato> m_report;
    QPrinter m_stampante;
    QPrintPreviewWidget* m_anteprima;
};
