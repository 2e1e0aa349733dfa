#include "cli/ComandoArchivi.h"

#include "app/base/Costanti.h"
#include "data/Archiviatore.h"
#include "data/RipristinoDatabase.h"

#include <QDir>
#include <QFileInfo>

#include <iostream>
#include <memory>

namespace {

const char* const MessaggioRiuscito = "Trasferimento dei dati effettuato correttamente";
const char* const MessaggioFallito = "Operazione non andata a buon fine.";

QString archivioNellaCartella(const std::string& cartella)
{
    return QDir(QString::fromStdString(cartella)).filePath(md_Globali::NOME_BACKUP);
}

int concludi(int risultato, const QString& file)
{
    if (risultato != Archiviatore::Riuscito) {
        std::cerr << MessaggioFallito << '\n';
        return 1;
    }
    std::cout << MessaggioRiuscito << '\n' << file.toStdString() << '\n';
    return 0;
}

int backup(const QString& database, const std::string& cartella)
{
    const QString archivio = archivioNellaCartella(cartella);
    Archiviatore zip;
    zip.impostaPerArchivi(0, database, archivio, false);
    return concludi(zip.Add(QStringLiteral("0")), archivio);
}

int restore(const QString& database, const std::string& cartella)
{
    const QString archivio = archivioNellaCartella(cartella);
    Archiviatore zip;
    zip.impostaPerArchivi(1, archivio, md_Globali::NOME_BACKUP, false);
    // The program's own version: a restore accepts only a database of the same schema.
    const int risultato = RipristinoDatabase::EstraiVerificato(zip, database, md_Globali::PASSWORD_DB,
                                                               QStringLiteral(TORMAVELLINO_VERSIONE));
    return concludi(risultato, database);
}

}  // namespace

void ComandoArchivi::aggiungi(CLI::App& app, const OpzioniComuni& opzioni, int& esito)
{
    for (const bool salva : {true, false}) {
        auto cartella = std::make_shared<std::string>();
        CLI::App* verbo = app.add_subcommand(salva ? "backup" : "restore",
                                             salva ? "Salva il database in CARTELLA/art30.bkp"
                                                   : "Ripristina il database da CARTELLA/art30.bkp, dopo averne "
                                                     "verificato il contenuto");
        verbo->add_option("--cartella", *cartella, "Cartella dell'archivio")->required()->type_name("CARTELLA");
        verbo->callback([&opzioni, &esito, cartella, salva] {
            const QString database = RigaDiComando::fileDatabase(opzioni);
            esito = salva ? backup(database, *cartella) : restore(database, *cartella);
        });
    }
}
