#include "cli/SessioneRigaDiComando.h"

#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "rules/Formattazione.h"

#include <iostream>

bool RigaDiComando::rifiuta(const QString& testo)
{
    std::cerr << testo.toLocal8Bit().constData() << '\n';
    return false;
}

bool SessioneRigaDiComando::apri(const OpzioniComuni& opzioni, const QString& titolo)
{
    stato.sTitolo = titolo;
    try {
        stato.dbDati = Database::apri(RigaDiComando::fileDatabase(opzioni), md_Globali::PASSWORD_DB);
        return true;
    } catch (const Errore& e) {
        return RigaDiComando::rifiuta(Gestione_DataBase::TestoAperturaFallita(e.numero(), e.descrizione()).trimmed());
    }
}

void RigaDiComando::aggiungiSceltaDomanda(CLI::App* comando, SceltaDomanda& scelta)
{
    comando->add_option("--domanda", scelta.domanda, "Numero della domanda (completato a 11 cifre)")
        ->required()
        ->type_name("NUMERO");
    comando->add_option("--progressivo", scelta.progressivo, "Progressivo della domanda (completato a 2 cifre)")
        ->required()
        ->type_name("NN");
    comando->add_option("--campagna", scelta.campagna, "Campagna della domanda, se il numero ricorre in piu' campagne")
        ->type_name("ANNO");
}

bool SessioneRigaDiComando::selezionaDomanda(const SceltaDomanda& scelta)
{
    const std::string& domanda = scelta.domanda;
    const std::string& progressivo = scelta.progressivo;
    const std::string& campagna = scelta.campagna;
    using Md_FunzioniGenerali::RiempiSinistra;
    QString sql = QStringLiteral(
        "SELECT DOMANDE.* FROM DOMANDE, VARIETA, TIPO_ARTICOLO_DOMANDA WHERE DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA "
        "AND DOMANDE.TIPO_ARTICOLO = TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO AND DOMANDA = ?1 AND PROGRESSIVO = ?2");
    QVariantList valori{RiempiSinistra(QString::fromStdString(domanda).trimmed(), 11, u'0'),
                        RiempiSinistra(QString::fromStdString(progressivo).trimmed(), 2, u'0')};
    if (!campagna.empty()) {
        sql += QStringLiteral(" AND DATA_CAMP = ?3");
        valori << QString::fromStdString(campagna).trimmed();
    }
    Istruzione rsDati = contesto.db().prepara(sql);
    rsDati.lega(valori);
    if (!rsDati.avanza()) return RigaDiComando::rifiuta(QStringLiteral("Domanda non trovata."));
    RecordDomanda& corrente = stato.DomandaCorrente;
    corrente.ID_DOMANDA = rsDati.intero(QStringLiteral("ID_DOMANDA"));
    corrente.DOMANDA = rsDati.testo(QStringLiteral("DOMANDA"));
    corrente.PROGRESSIVO = rsDati.testo(QStringLiteral("PROGRESSIVO"));
    corrente.STAM = rsDati.testo(QStringLiteral("STAM"));
    corrente.SCAR = rsDati.testo(QStringLiteral("SCAR"));
    corrente.PROG_VERS = rsDati.testo(QStringLiteral("PROG_VERS"));
    corrente.TIPO_ARTICOLO = rsDati.testo(QStringLiteral("TIPO_ARTICOLO"));
    corrente.PROG_INVIO = rsDati.intero(QStringLiteral("PROG_INVIO"));
    corrente.CAMPAGNA = rsDati.testo(QStringLiteral("DATA_CAMP"));
    if (rsDati.avanza()) {
        return RigaDiComando::rifiuta(
            QStringLiteral("Selezionare una domanda alla volta.\nIndicare la campagna con --campagna."));
    }
    return true;
}
