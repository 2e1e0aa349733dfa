#pragma once

#include "app/base/Servizi.h"
#include "reports/ReportImpaginato.h"

#include <memory>

// The report engine: reads the report file, checks the formulas against it, reads its data
// source from data file 0 with the records the selection formula asks for, and lays the
// result out into pages. Failures raise Errore with the numbers of ErroriReport.
namespace MotoreReport {

std::unique_ptr<ReportImpaginato> prepara(const ImpostazioniReport& impostazioni,
                                          const AvanzamentoReport& avanzamento = {});
// Prepares the report and writes its pages into impostazioni.filePdf.
void stampaPdf(const ImpostazioniReport& impostazioni, const AvanzamentoReport& avanzamento = {});
QString nomeSottoreport(const QString& fileReport, int indice);

}  // namespace MotoreReport
