#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace Md_FunzioniGenerali {
// A date as a user types it: day, month and year separated by "/", "-" or ".", one or two digits
// for day and month, two or four for the year (00-29 are 2000-2029, 30-99 are 1930-1999),
// blanks around it. Only dates of the calendar count: 31/02/2006 is no date.
std::optional<QDate> LeggiData(const QString& testo);
bool IsDate(const QString& testo);
// The valid date rewritten as dd/mm/yyyy ("1/2/2006" gives "01/02/2006"); any other text as it is.
QString RiscriviData(const QString& testo);

// The date of `valore`, read by the input pattern ("G" day, "M" month, "A" year, other characters
// skipped), written by the output pattern; an empty value or an invalid date gives as many "0" as
// the output pattern is long with the option "D0", as many blanks with any other option.
QString FormattazioneData(const QString& valore, const QString& modelloIngresso, const QString& modelloUscita,
                          const QString& opzione);
}  // namespace Md_FunzioniGenerali
