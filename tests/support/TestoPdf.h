#pragma once

#include <QString>

// The text of a PDF file as pdftotext reads it (-layout), of one page (1, 2 ...) or of all.
QString testoPdf(const QString& file, int pagina = 0);
