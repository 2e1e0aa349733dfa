#include "distiller/Fattura.h"

#include "app/CampiFinestra.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "rules/Numeri.h"

namespace {

const QString ZERO_QUATTRO = QStringLiteral("0,0000");
const QString ZERO_DUE = QStringLiteral("0,00");

NumeroDecimale aDueDecimali(double valore)
{
    return Md_FunzioniGenerali::Round(NumeroDecimale::daDouble(valore), 2);
}

bool vuotoOZero(const QString& testo, const QString& zero)
{
    const QString t = testo.trimmed();
    return t.isEmpty() || t == zero;
}

bool confermato(Contesto& contesto, const QString& testo)
{
    return contesto.messaggi().mostra({Icona::Esclamazione, Pulsanti::SiNo, 0, md_Globali::TITOLO_PROGRAMMA,
                                       testo + QStringLiteral("\rProseguo ?")}) == Risposta::Si;
}

bool dataPagamentoNelleBolle(Contesto& contesto)
{
    Istruzione query = contesto.db().prepara(QStringLiteral(
        "select 1 from bolle where (FK_ID_FATTURA=?1 and (trim(DATA_PAGA) <> '' )) "
        "or (FK_ID_FATTURA= 0 and (trim(DATA_PAGA) <> '' ))"));
    query.lega({contesto.stato.FatturaCorrente.ID_FATTURA});
    return query.avanza();
}

qint32 idLavorazione(Contesto& contesto, const QString& prodotto)
{
    Istruzione query =
        contesto.db().prepara(QStringLiteral("select ID_LAVORAZIONE From lavorazioni where CODI_LAVO = ?1"));
    query.lega({prodotto.left(3)});
    if (!query.avanza()) throw Errore(NumeriErrore::BaseDatabase + 21, QStringLiteral("Nessun record corrente."));
    return static_cast<qint32>(Md_FunzioniGenerali::Val(query.testo(0)).troncato().toDouble());
}

}  // namespace

double Fattura::LeggiNumero(const QString& testo)
{
    const auto valore = NumeroDecimale::daTesto(QStringLiteral("0") + testo);
    if (!valore) throw Errore(NumeriErrore::TipoNonCorrispondente, QStringLiteral("Tipo non corrispondente"));
    return valore->toDouble();
}

void Fattura::NormalizzaNumeri(Campi& campi)
{
    for (size_t i = 11; i <= 17; ++i) {
        const QString valore = campi[i].trimmed().isEmpty() ? QStringLiteral("0") : campi[i];
        campi[i] = Md_FunzioniGenerali::Format(valore, i <= 14 ? QStringLiteral("##0.0000") : QStringLiteral("##0.00"));
    }
}

int Fattura::ControllaCampi(Contesto& contesto, const Campi& campi)
{
    bool prodottoMancante = false;
    for (int i = 4; i <= 17; ++i) {
        const QString& campo = campi[static_cast<size_t>(i)];
        switch (i) {
        case 4:
            if (campo.trimmed().isEmpty() || !Md_FunzioniGenerali::CodiceFiscaleOPartitaIva(contesto, campo)) return i;
            break;
        case 5:
        case 6:
        case 7:
        case 8:
            if (campo.trimmed().isEmpty()) return i;
            break;
        case 9:
            if (campo.trimmed().isEmpty() && !dataPagamentoNelleBolle(contesto)) return i;
            break;
        case 10:
            if (campo.trimmed().isEmpty()) prodottoMancante = true;
            break;
        case 11:
        case 12:
        case 13:
            if (vuotoOZero(campo, ZERO_QUATTRO)) return i;
            break;
        case 15: {
            if (vuotoOZero(campo, ZERO_DUE)) return i;
            const double previsto = LeggiNumero(campi[13]) * LeggiNumero(campi[12]) * LeggiNumero(campi[11]);
            const double imponibile = LeggiNumero(campo);
            const NumeroDecimale p = aDueDecimali(previsto);
            if ((p > aDueDecimali(imponibile + 0.60) || p < aDueDecimali(imponibile - 0.60)) &&
                !confermato(contesto, QStringLiteral("Imponibile immesso non corretto")))
                return ImponibileRifiutato;
            break;
        }
        case 16:
            // The VAT is normalised to "0,00" before the check, so a VAT of 0 passes.
            if (vuotoOZero(campo, ZERO_QUATTRO)) return i;
            break;
        case 17:
            if (vuotoOZero(campo, ZERO_DUE)) return i;
            if (aDueDecimali(LeggiNumero(campo)) != aDueDecimali(LeggiNumero(campi[16]) + LeggiNumero(campi[15])) &&
                !confermato(contesto, QStringLiteral("Totale immesso non corretto")))
                return TotaleRifiutato;
            break;
        }
    }
    return prodottoMancante ? 10 : 0;
}

qint32 Fattura::MetodiFatture(Contesto& contesto, int sMEDOTO, const QString& SWHERE, const Campi& campi)
{
    StatoCondiviso& stato = contesto.stato;
    Database& db = contesto.db();
    stato.sSQL = QStringLiteral("Select * from fatture ") + SWHERE;
    qint32 idFattura = 0;
    if (sMEDOTO == 1) {
        Istruzione trovata = db.prepara(stato.sSQL);
        if (!trovata.avanza()) {
            contesto.messaggi().mostra({Icona::Esclamazione, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA,
                                        QStringLiteral("Nessuna fattura da aggiornare")});
            return 0;
        }
        idFattura = trovata.intero(QStringLiteral("ID_FATTURA"));
    }
    const auto t = [&campi](int i) { return QVariant(campi[static_cast<size_t>(i)].trimmed()); };
    const QVariantList valori = {stato.DomandaCorrente.ID_DOMANDA, t(4), t(5), t(6), t(7), t(8), t(9), t(15), t(16),
                                 t(17), t(12), t(13), t(14), t(11), idLavorazione(contesto, campi[10])};
    if (sMEDOTO == 1) {
        db.esegui(QStringLiteral("UPDATE FATTURE SET ID_DOMANDA=?1, CODI_FISC=?2, DENOMINAZIONE=?3, NUME_FATT=?4, "
                                 "DATA_FATT=?5, DATA_COMP=?6, DATA_PAGA=?7, IMPO=?8, IVA=?9, IMPO_TOTA=?10, GRAD=?11, "
                                 "QTA_PROD=?12, QTA_LAVO=?13, PREZ_MINI=?14, ID_LAVORAZIONE=?15, FOGL=0, RIGO=0 "
                                 "WHERE ID_FATTURA=?16"),
                  valori + QVariantList{idFattura});
    } else {
        db.esegui(QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, "
                                 "DATA_COMP, DATA_PAGA, IMPO, IVA, IMPO_TOTA, GRAD, QTA_PROD, QTA_LAVO, PREZ_MINI, "
                                 "ID_LAVORAZIONE, FOGL, RIGO) "
                                 "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, 0, 0)"),
                  valori);
        Istruzione nuova = db.prepara(QStringLiteral("SELECT last_insert_rowid()"));
        nuova.avanza();
        idFattura = static_cast<qint32>(nuova.valore(0).toLongLong());
    }
    db.esegui(QStringLiteral("UPDATE DOMANDE SET STAM='N',SCAR='N' WHERE ID_DOMANDA=?1"), {stato.DomandaCorrente.ID_DOMANDA});
    return idFattura;
}

qint32 Fattura::SalvaNuova(Contesto& contesto, const Campi& campi)
{
    Database& db = contesto.db();
    Transazione transazione(db);
    const qint32 idFattura = MetodiFatture(contesto, 0, QString(), campi);
    db.esegui(QStringLiteral("update bolle set FK_ID_FATTURA=?1 where FK_ID_FATTURA = 0"), {idFattura});
    transazione.commit();
    return idFattura;
}

qint32 Fattura::SalvaModifica(Contesto& contesto, qint32 idFattura, const Campi& campi)
{
    Transazione transazione(contesto.db());
    const qint32 salvata =
        MetodiFatture(contesto, 1, QStringLiteral("where  id_fattura =") + QString::number(idFattura), campi);
    transazione.commit();
    return salvata;
}

void Fattura::iMPO_RIGAFOGLIO(Contesto& contesto)
{
    StatoCondiviso& stato = contesto.stato;
    Database& db = contesto.db();
    stato.sSQL = QStringLiteral(
        "SELECT FATTURE.ID_FATTURA "
        "FROM VARIETA INNER JOIN (LAVORAZIONI INNER JOIN (DOMANDE INNER JOIN FATTURE "
        "ON DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA) ON LAVORAZIONI.ID_LAVORAZIONE = FATTURE.ID_LAVORAZIONE) "
        "ON VARIETA.ID_VARIETA = DOMANDE.ID_VARIETA where DOMANDE.DOMANDA = ?1 AND domande.PROGRESSIVO = ?2 "
        "ORDER BY FATTURE.ID_FATTURA");
    QList<qint32> fatture;
    {
        Istruzione query = db.prepara(stato.sSQL);
        query.lega({stato.DomandaCorrente.DOMANDA, stato.DomandaCorrente.PROGRESSIVO});
        while (query.avanza()) fatture << static_cast<qint32>(query.valore(0).toLongLong());
    }
    Transazione transazione(db);
    stato.iFoglio = 1;
    stato.iRigo = 0;
    for (const qint32 idFattura : fatture) {
        if (stato.iRigo == 4) {
            ++stato.iFoglio;
            stato.iRigo = 0;
        }
        ++stato.iRigo;
        db.esegui(QStringLiteral("UPDATE FATTURE SET FOGL=?1, RIGO=?2 WHERE ID_FATTURA=?3"),
                  {stato.iFoglio, stato.iRigo, idFattura});
    }
    transazione.commit();
}

std::optional<QString> Fattura::CercaDenominazione(Contesto& contesto, const QString& codice)
{
    for (const QString& tabella : {QStringLiteral("produttori"), QStringLiteral("fatture")}) {
        Istruzione query = contesto.db().prepara(QStringLiteral("select denominazione  from ") + tabella +
                                                 QStringLiteral(" where codi_fisc = ?1"));
        query.lega({codice});
        if (query.avanza()) return query.testo(0);
    }
    return std::nullopt;
}

void Fattura::CopiaBolle(Contesto& contesto, qint32 idFattura)
{
    EliminaCopiaBolle(contesto);
    contesto.db().esegui(QStringLiteral("CREATE TABLE APPO_BOLLE AS SELECT * FROM BOLLE WHERE FK_ID_FATTURA=") +
                         QString::number(idFattura));
}

void Fattura::RipristinaBolle(Contesto& contesto, qint32 idFattura)
{
    Database& db = contesto.db();
    {
        // Without the copy the notes stay as they are rather than vanish.
        Transazione transazione(db);
        db.esegui(QStringLiteral("delete from BOLLE where FK_ID_FATTURA=?1"), {idFattura});
        db.esegui(QStringLiteral("insert into BOLLE select * from APPO_BOLLE where FK_ID_FATTURA=?1"), {idFattura});
        transazione.commit();
    }
    EliminaCopiaBolle(contesto);
}

void Fattura::EliminaCopiaBolle(Contesto& contesto)
{
    try {
        contesto.db().esegui(QStringLiteral("drop table APPO_BOLLE"));
    } catch (const Errore&) {
    }
}

void Fattura::ScartaBolleInSospeso(Contesto& contesto)
{
    contesto.db().esegui(QStringLiteral("delete from BOLLE where FK_ID_FATTURA=0"));
}

int Fattura::Cancella(Contesto& contesto, qint32 idFattura)
{
    Database& db = contesto.db();
    Transazione transazione(db);
    const int righe = db.eseguiSenzaErrori(QStringLiteral("delete from fatture where id_fattura=  ?1"), {idFattura});
    if (righe > 0) {
        db.esegui(QStringLiteral("UPDATE DOMANDE SET STAM='N',SCAR='N' WHERE ID_DOMANDA=?1"),
                  {contesto.stato.DomandaCorrente.ID_DOMANDA});
        db.esegui(QStringLiteral("delete from BOLLE where FK_ID_FATTURA=?1"), {idFattura});
    }
    transazione.commit();
    return righe;
}
