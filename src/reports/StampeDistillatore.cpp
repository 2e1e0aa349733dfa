#include "reports/StampeDistillatore.h"

#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "data/Apici.h"
#include "reports/ErroriReport.h"
#include "rules/Numeri.h"

namespace {

const QString FileFatture = QStringLiteral("/Report/Rpt_distillerie_ElenchiFatture.rpt");
const QString FileBolle = QStringLiteral("/Report/Rpt_Bolle.rpt");

QString connessione()
{
    return QStringLiteral("PWD=") + md_Globali::PASSWORD_DB + QStringLiteral(";");
}

// The report control of the selection window and of the main window, as designed: it opens the
// preview and carries the database logon, which the invoice printout does not set itself.
ImpostazioniReport controlloReport()
{
    ImpostazioniReport impostazioni;
    impostazioni.connessione = connessione();
    impostazioni.destinazione = DestinazioneReport::Anteprima;
    return impostazioni;
}

// The program folder as the system gives it: this file system tells capitals from small letters.
QString fileReport(Contesto& contesto, const QString& relativo)
{
    return contesto.applicazione().cartellaProgramma() + relativo;
}

// A total of the totals query: "" when null, blank or zero, otherwise as the query gave it.
QString valoreTotale(const Istruzione& totali, const QString& campo)
{
    const QString testo = totali.testo(campo);
    if (testo.trimmed().isEmpty()) return QString();
    const auto numero = NumeroDecimale::daTesto(testo);
    return numero && numero->zero() ? QString() : testo;
}

double totale(Database& db, const QString& sql, qint32 idDomanda)
{
    Istruzione query = db.prepara(sql);
    query.lega({idDomanda});
    if (!query.avanza() || query.nullo(0)) return 0;
    const double valore = query.valore(0).toDouble();
    return valore > 0 ? valore : 0;
}

QString formula(const QString& nome, const QString& valore)
{
    return nome + QStringLiteral(" = '") + valore + QStringLiteral("'");
}

QString selezione(const QString& sorgente, const QString& domanda, const QString& progressivo)
{
    return QStringLiteral("{") + sorgente + QStringLiteral(".DOMANDA} =  '") + domanda.trimmed() + QStringLiteral("' AND  {") +
           sorgente + QStringLiteral(".PROGRESSIVO} =  '") + progressivo.trimmed() + QStringLiteral("' ");
}

enum class Esito { Riuscita, Annullata, Fallita };

// The common frame: hourglass, the distillery reloaded, the routine's own steps under one trap,
// the user's cancellation told apart from the failures, which are logged under `etichetta`.
Esito esegui(Contesto& contesto, const QString& etichetta, const std::function<void()>& passi)
{
    contesto.applicazione().cursoreAttesa(true);
    bool annullata = false;
    const bool riuscita = Trappola(contesto, etichetta, [&] {
        try {
            Md_FunzioniGenerali::CaricaDistilleria(contesto);
            passi();
        } catch (const Errore& e) {
            if (e.numero() != ErroriReport::AnnullataDallUtente) throw;
            annullata = true;
        }
    });
    return annullata ? Esito::Annullata : riuscita ? Esito::Riuscita : Esito::Fallita;
}

void comunica(Contesto& contesto, const QString& testo)
{
    contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, contesto.stato.sTitolo, testo});
}

void formuleBolle(ImpostazioniReport& impostazioni, const StatoCondiviso& stato, const QString& campagna)
{
    impostazioni.formule[1] = formula(QStringLiteral("CAMPAGNA"), StampeDistillatore::EtichettaCampagna(campagna));
    impostazioni.formule[2] = formula(QStringLiteral("DISTI_CF_PIVA"),
                                      Md_FunzioniGenerali::ApiceReport(stato.DistilleriaCorrente.CODI_FISC.trimmed()));
    impostazioni.formule[3] = formula(QStringLiteral("DISTILLERIA"),
                                      Md_FunzioniGenerali::ApiceReport(stato.DistilleriaCorrente.RAGI_SOCI.trimmed()));
}

}  // namespace

QString StampeDistillatore::EtichettaCampagna(const QString& anno)
{
    const QString a = anno.trimmed();
    for (const char* valido : {"2001", "2002", "2003", "2004", "2005"}) {
        if (a == QLatin1String(valido)) return a + QLatin1Char('/') + QString::number(a.toInt() + 1);
    }
    return QString();
}

bool StampeDistillatore::STAMPA(Contesto& contesto, const QString& campagna)
{
    StatoCondiviso& stato = contesto.stato;
    const Esito esito = esegui(contesto, QStringLiteral("FrmSelezioneLOAD Stampa"), [&] {
        stato.sSQL = QStringLiteral(
            "SELECT DOMANDE.DOMANDA, FORMAT(SUM(CDBL(FATTURE.QTA_PROD)*10000)/10000,'#0.0000') AS Somma_QTAPROD, "
            " FORMAT(SUM(CDBL(FATTURE.IMPO)),'#0.00') AS Somma_IMPO, FORMAT(SUM(CDBL(FATTURE.IVA)),'#0.00') AS Somma_IVA,"
            " FORMAT(SUM(CDBL(FATTURE.IMPO_TOTA)),'#0.00') AS Somma_IMPOTOTA, "
            "FORMAT(SUM(CDBL(FATTURE.QTA_LAVO)*10000)/10000,'#0.0000') AS Somma_QTALAVO "
            "FROM DOMANDE, FATTURE "
            "WHERE DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA AND  DOMANDE.id_DOMANDA = ?1 GROUP BY DOMANDE.DOMANDA");
        Istruzione rsDati = contesto.db().prepara(stato.sSQL);
        rsDati.lega({stato.DomandaCorrente.ID_DOMANDA});
        rsDati.avanza();

        const QString ragioneSociale = stato.DistilleriaCorrente.RAGI_SOCI.trimmed();
        ImpostazioniReport impostazioni = controlloReport();
        impostazioni.fileDati = contesto.db().file();
        impostazioni.fileReport = fileReport(contesto, FileFatture);
        impostazioni.formulaSelezione =
            selezione(QStringLiteral("Queryreport"), stato.DomandaCorrente.DOMANDA, stato.DomandaCorrente.PROGRESSIVO);
        impostazioni.formule[1] = formula(QStringLiteral("CAMPAGNA"), EtichettaCampagna(campagna));
        impostazioni.formule[2] = formula(QStringLiteral("DISTI_CF_PIVA"), stato.DistilleriaCorrente.CODI_FISC.trimmed());
        impostazioni.formule[3] = ragioneSociale.contains(QLatin1Char('\''))
                                      ? QStringLiteral("DISTILLERIA = \"") + ragioneSociale + QLatin1Char('"')
                                      : formula(QStringLiteral("DISTILLERIA"), ragioneSociale);
        impostazioni.formule[4] = formula(QStringLiteral("SOMMA_IVAS"), valoreTotale(rsDati, QStringLiteral("Somma_IVA")));
        impostazioni.formule[5] = formula(QStringLiteral("SOMMA_IMPO"), valoreTotale(rsDati, QStringLiteral("Somma_IMPO")));
        impostazioni.formule[6] =
            formula(QStringLiteral("SOMMA_IMPOTOTA"), valoreTotale(rsDati, QStringLiteral("Somma_IMPOTOTA")));
        impostazioni.formule[7] = formula(QStringLiteral("SOMMA_QTALAV"), valoreTotale(rsDati, QStringLiteral("Somma_QTALAVO")));
        impostazioni.formule[8] =
            formula(QStringLiteral("SOMMA_QTAPROD"), valoreTotale(rsDati, QStringLiteral("Somma_QTAPROD")));
        contesto.servizi.report.esegui(impostazioni);
    });
    if (esito == Esito::Riuscita) comunica(contesto, QStringLiteral("Stampa effettuata con successo."));
    if (esito == Esito::Annullata) comunica(contesto, QStringLiteral("Stampa annullata dall'utente."));
    contesto.applicazione().cursoreAttesa(false);
    return esito == Esito::Riuscita;
}

void StampeDistillatore::StampaBolle(Contesto& contesto, const RigaDomanda& riga)
{
    StatoCondiviso& stato = contesto.stato;
    const Esito esito = esegui(contesto, QStringLiteral("FrmMenu Stampa Bolle"), [&] {
        Database& db = contesto.db();
        const double bolle = totale(db, QStringLiteral("select sum(cdbl(QUANTITA_PRODOTTO)) as TotB from BOLLE where FK_ID_FATTURA "
                                                       "in(select ID_FATTURA from fatture where id_domanda = ?1)"),
                                    riga.ID_DOMANDA);
        const double fatture =
            totale(db, QStringLiteral("select sum(cdbl(QTA_LAVO)) as TotF from FATTURE where ID_DOMANDA = ?1"), riga.ID_DOMANDA);

        ImpostazioniReport impostazioni = controlloReport();
        impostazioni.fileReport = fileReport(contesto, FileBolle);
        impostazioni.connessione = connessione();
        impostazioni.fileDati = db.file();
        impostazioni.formulaSelezione = selezione(QStringLiteral("Queryreport_bolle"), riga.DOMANDA, riga.PROGRESSIVO);
        formuleBolle(impostazioni, stato, riga.DATA_CAMP);
        const QString modello = QStringLiteral("#0.0000");
        impostazioni.formule[4] = formula(QStringLiteral("TOT_DISTILLATO_FATTURE"),
                                          Md_FunzioniGenerali::Format(NumeroDecimale::daDouble(fatture), modello));
        impostazioni.formule[5] = formula(QStringLiteral("TOT_DISTILLATO_BOLLE"),
                                          Md_FunzioniGenerali::Format(NumeroDecimale::daDouble(bolle), modello));
        contesto.servizi.report.esegui(impostazioni);
    });
    if (esito == Esito::Riuscita) comunica(contesto, QStringLiteral("Stampa effettuata con successo."));
    if (esito == Esito::Annullata) comunica(contesto, QStringLiteral("Stampa annullata dall'utente."));
    contesto.applicazione().cursoreAttesa(false);
}

void StampeDistillatore::StampaBolleCampagna(Contesto& contesto)
{
    StatoCondiviso& stato = contesto.stato;
    const Esito esito = esegui(contesto, QStringLiteral("FrmMenu Stampa Bolle"), [&] {
        ImpostazioniReport impostazioni = controlloReport();
        impostazioni.fileReport = fileReport(contesto, FileBolle);
        impostazioni.connessione = connessione();
        impostazioni.fileDati = contesto.db().file();
        formuleBolle(impostazioni, stato, stato.sUltimaCampagna.trimmed());
        contesto.servizi.report.esegui(impostazioni);
    });
    if (esito == Esito::Annullata) comunica(contesto, QStringLiteral("Stampa annullata dall'utente."));
    contesto.applicazione().cursoreAttesa(false);
}
