#include "app/base/Avvio.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "app/base/LogErrori.h"
#include "data/Md_Crea_Taballa.h"

namespace {

constexpr qint32 NumeroNessunRecordCorrente = 3021;

void aggiornaStrutturaPrecedente(Contesto& contesto)
{
    Database& db = contesto.db();
    if (!Md_Crea_Taballa::AggiornaTabSetup(db)) return;
    Md_Crea_Taballa::CreaTabFornitura(db);
    db.esegui(QStringLiteral("INSERT INTO tab_setup (VERSIONE, data_versione, DESCRIZIONE) VALUES (?1, ?2, ?3)"),
              {QStringLiteral("1.0.0"), contesto.applicazione().adesso().toString(QStringLiteral("dd/MM/yyyy")),
               QStringLiteral("Distilleria ART.") + md_Globali::ARTICOLO +
                   QStringLiteral(" con Carico, Gestione, Scarico.")});
}

// Answers false (and ends the program) when the versions differ.
bool versioneCongruente(Contesto& contesto)
{
    Istruzione query = contesto.db().prepara(QStringLiteral("select * from tab_setup"));
    if (!query.avanza()) throw Errore(NumeroNessunRecordCorrente, QStringLiteral("Nessun record corrente."));
    const QString versioneDb = query.testo(QStringLiteral("VERSIONE"));
    const QString versioneProgramma = contesto.applicazione().versione();
    if (versioneDb != versioneProgramma) {
        contesto.applicazione().cursoreAttesa(false);
        contesto.messaggi().mostra({Icona::Critico, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA,
                                    QStringLiteral("Aggiornamento fallito contattare assistenza\r\n") +
                                        QStringLiteral("Versioni non congruenti DB ") + versioneDb +
                                        QStringLiteral(" - ExE ") + versioneProgramma});
        contesto.applicazione().termina(1);
        return false;
    }
    contesto.stato.sVersioneDB = versioneDb;
    contesto.stato.sDataVersione = query.testo(QStringLiteral("data_versione"));
    return true;
}

}  // namespace

void Avvio::LeggiUltimaCampagna(Contesto& contesto)
{
    Istruzione query =
        contesto.db().prepara(QStringLiteral("select max(ANNUALITA) as UltimaCampagna  from CAMPAGNA"));
    if (query.avanza()) contesto.stato.sUltimaCampagna = query.testo(QStringLiteral("UltimaCampagna")).trimmed();
}

bool Avvio::ControlliAvvio(Contesto& contesto)
{
    ServizioApplicazione& applicazione = contesto.applicazione();
    applicazione.cursoreAttesa(true);
    try {
        if (!Gestione_DataBase::ApriDatabase(contesto, false)) {
            applicazione.cursoreAttesa(false);
            return false;
        }
        aggiornaStrutturaPrecedente(contesto);
        LeggiUltimaCampagna(contesto);
        if (!versioneCongruente(contesto)) return false;
        contesto.stato.dbDati.reset();
    } catch (const Errore& e) {
        applicazione.cursoreAttesa(false);
        ScriviLogErrore(contesto, QString(), QStringLiteral("AGGIORNAMENTO VERSIONE"), e.numero(), e.descrizione());
        applicazione.termina(1);
        return false;
    }
    applicazione.cursoreAttesa(false);
    return true;
}
