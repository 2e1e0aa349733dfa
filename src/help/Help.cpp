#include "help/Help.h"

#include "app/base/Contesto.h"
#include "help/FrmHelp.h"

QString Help::TestoArgomenti(Database& db, const QString& vNomeForm)
{
    const bool tutti = vNomeForm.trimmed().isEmpty();
    Istruzione rsHelp = db.prepara(QStringLiteral("Select Descrizione,TITOLO from help ") +
                                   (tutti ? QString() : QStringLiteral(" where nome= ?1")));
    if (!tutti) rsHelp.lega({vNomeForm});
    QString testo;
    while (rsHelp.avanza()) {
        if (!testo.trimmed().isEmpty()) testo += QStringLiteral("\n\n");
        testo += rsHelp.testo(QStringLiteral("TITOLO")).toUpper() + QLatin1Char('\n') +
                 rsHelp.testo(QStringLiteral("Descrizione"));
    }
    return testo;
}

void Help::MostraHelp(Contesto& contesto, const QString& vNomeForm)
{
    contesto.servizi.finestre.apri(new FrmHelp(contesto, vNomeForm), ModoFinestra::Modale);
}
