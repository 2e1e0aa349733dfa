#pragma once

#include <QtGlobal>

// The failure numbers of the report engine.
namespace ErroriReport {
inline constexpr qint32 FileReportNonApribile = 20504;
inline constexpr qint32 FileNonScrivibile = 20507;
inline constexpr qint32 NomeFormulaNonValido = 20510;
inline constexpr qint32 ErroreNellaFormula = 20515;
inline constexpr qint32 ReportNonValido = 20525;
inline constexpr qint32 FileDatiNonApribile = 20532;
inline constexpr qint32 ErroreDatabase = 20534;
inline constexpr qint32 AccessoNonRiuscito = 20536;
inline constexpr qint32 SottoreportNonValido = 20540;
inline constexpr qint32 AnnullataDallUtente = 20545;
}  // namespace ErroriReport
