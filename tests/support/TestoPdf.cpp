#include "TestoPdf.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

QString testoPdf(const QString& file, int pagina)
{
    QStringList argomenti{QStringLiteral("-layout")};
    if (pagina > 0) argomenti << QStringLiteral("-f") << QString::number(pagina) << QStringLiteral("-l") << QString::number(pagina);
    argomenti << file << QStringLiteral("-");
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), argomenti);
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        ADD_FAILURE() << "pdftotext non riesce a leggere " << file.toStdString() << ": "
                      << pdftotext.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
