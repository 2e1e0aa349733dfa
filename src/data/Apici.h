#pragma once

#include <QString>

namespace Md_FunzioniGenerali {
// Every single quote doubled, then every double quote doubled.
QString ApiceSql(const QString& testo);
// The value prepared for a report selection formula: trimmed, quotes turned into back-quotes,
// a trailing pair of back-quotes reduced to one.
QString ApiceReport(const QString& testo);
}  // namespace Md_FunzioniGenerali
