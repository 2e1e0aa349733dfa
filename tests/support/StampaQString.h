#pragma once

#include <QString>

#include <ostream>

// Failed comparisons of texts print the text.
inline void PrintTo(const QString& testo, std::ostream* uscita)
{
    *uscita << '"' << testo.toStdString() << '"';
}
