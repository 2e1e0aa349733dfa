// Build step: creates the shipped database when it is missing; an existing file is never touched.
#include "app/base/Costanti.h"
#include "data/Errore.h"
#include "data/SchemaDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    if (argomenti.size() != 2) {
        std::fprintf(stderr, "uso: %s FILE\n", argv[0]);
        return 2;
    }
    const QString file = argomenti.at(1);
    if (QFileInfo::exists(file)) return 0;
    QDir().mkpath(QFileInfo(file).absolutePath());
    const QString temporaneo = file + QStringLiteral(".nuovo");
    QFile::remove(temporaneo);
    try {
        SchemaDatabase::creaDatabase(temporaneo, md_Globali::PASSWORD_DB);
    } catch (const Errore& e) {
        QFile::remove(temporaneo);
        std::fprintf(stderr, "%d %s\n", e.numero(), e.what());
        return 1;
    }
    return QFile::rename(temporaneo, file) ? 0 : 1;
}
