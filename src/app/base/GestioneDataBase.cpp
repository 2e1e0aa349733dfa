#include "app/base/GestioneDataBase.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"

QString Gestione_DataBase::CartellaDatabase(const QString& cartellaProgramma)
{
    QString cartella = cartellaProgramma;
    if (!cartella.endsWith(QLatin1Char('/'))) cartella += QLatin1Char('/');
    return cartella + QStringLiteral("database/");
}

QString Gestione_DataBase::TestoAperturaFallita(qint32 numero, const QString& descrizione)
{
    return QStringLiteral("Numero Errore: ") + QString::number(numero) + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Descrizione Errore: ") + descrizione + QStringLiteral("\r\n\r\n\r\n\r\n");
}

bool Gestione_DataBase::ApriDatabase(Contesto& contesto, bool esclusivo)
{
    try {
        contesto.stato.dbDati = Database::apri(contesto.stato.sPercorsoDB + md_Globali::NOME_DB, md_Globali::PASSWORD_DB,
                                               esclusivo ? Database::Apertura::Esclusiva : Database::Apertura::Condivisa);
        return true;
    } catch (const Errore& e) {
        contesto.stato.dbDati.reset();
        contesto.messaggi().mostra({Icona::Critico, Pulsanti::Ok, 0, md_Globali::TITOLO_MESSAGGI,
                                    TestoAperturaFallita(e.numero(), e.descrizione())});
        contesto.applicazione().termina(1);
        return false;
    }
}
