#include "distiller/Domanda.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "data/Errore.h"
#include "rules/Numeri.h"

namespace {

constexpr qint32 NessunRecordCorrente = 3021;

bool vuotoOZero(const QString& testo)
{
    return testo.trimmed().isEmpty() || Md_FunzioniGenerali::Val(testo).zero();
}

bool trovato(Database& db, const QString& sql, const QVariantList& valori)
{
    Istruzione query = db.prepara(sql);
    query.lega(valori);
    return query.avanza();
}

}  // namespace

namespace Domanda {

int ControllaCampi(Database& db, const Campi& campi, bool inserimento)
{
    if (campi.campagna.trimmed().isEmpty()) return 6;
    if (vuotoOZero(campi.numero)) return 1;
    if (vuotoOZero(campi.progressivo)) return 2;
    if (campi.tipo.trimmed().isEmpty()) return 3;
    if (campi.prodotto.trimmed().isEmpty()) return 4;
    if (inserimento && trovato(db, QStringLiteral("select * from domande where domanda = ?1"), {campi.numero})) return 5;
    Istruzione produttori = db.prepara(QStringLiteral("select TIPO_ARTICOLO from domande_produttori where domanda = ?1"));
    produttori.lega({campi.numero});
    if (produttori.avanza() && produttori.testo(0) != campi.tipo.trimmed()) return 10;
    return 0;
}

QStringList TipiDellaCampagna()
{
    return {md_Globali::ARTICOLO};
}

QString TipoDopoLaCampagna(const QString& campagna, const QString& tipoPrecedente)
{
    if (campagna == md_Globali::ANNO_CAMPAGNA) return md_Globali::ARTICOLO;
    return TipiDellaCampagna().contains(tipoPrecedente) ? tipoPrecedente : QString();
}

bool Salva(Contesto& contesto, const Campi& campi, std::optional<qint32> idDomanda)
{
    Database& db = contesto.db();
    StatoCondiviso& stato = contesto.stato;
    if (idDomanda) {
        stato.sSQL = QStringLiteral("Select * from DOMANDE where  iD_DOMANDa = ?1");
        if (!trovato(db, stato.sSQL, {*idDomanda})) return false;
    }
    Istruzione varieta = db.prepara(QStringLiteral(" SELECT ID_VARIETA FROM VARIETA WHERE CODI_PROD = ?1"));
    varieta.lega({campi.prodotto.left(3)});
    if (!varieta.avanza()) throw Errore(NessunRecordCorrente, QStringLiteral("Nessun record corrente."));
    const QVariantList valori = {campi.numero.trimmed(), campi.progressivo.trimmed(), varieta.valore(0),
                                 campi.tipo.left(2), campi.campagna.trimmed()};
    if (idDomanda) {
        stato.sSQL = QStringLiteral(
            "UPDATE DOMANDE SET DOMANDA = ?1, PROGRESSIVO = ?2, ID_VARIETA = ?3, TIPO_ARTICOLO = ?4, STAM = 'N', "
            "SCAR = 'N', PROG_VERS = '1', DATA_CAMP = ?5 WHERE ID_DOMANDA = ?6");
        db.esegui(stato.sSQL, valori + QVariantList{*idDomanda});
    } else {
        stato.sSQL = QStringLiteral(
            "INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, DATA_CAMP) "
            "VALUES (?1, ?2, ?3, ?4, 'N', 'N', '1', ?5)");
        db.esegui(stato.sSQL, valori);
    }
    return true;
}

EsitoCambio CambiaNumero(Contesto& contesto, const QString& nuovo, const QString& attuale, qint32 idDomanda,
                         const QString& tipoArticolo)
{
    if (vuotoOZero(nuovo)) return EsitoCambio::NumeroMancante;
    if (nuovo.size() != LunghezzaNumero) return EsitoCambio::NumeroNonCorretto;
    Database& db = contesto.db();
    if (trovato(db, QStringLiteral("select * from domande where domanda = ?1 and TIPO_ARTICOLO = ?2"), {nuovo, tipoArticolo}))
        return EsitoCambio::NumeroEsistente;
    contesto.stato.sSQL = QStringLiteral(
        "UPDATE DOMANDE SET domanda = ?1, STAM = 'N', SCAR = 'N' where domanda = ?2 and ID_DOMANDA = ?3");
    const int righe = db.eseguiSenzaErrori(contesto.stato.sSQL, {nuovo, attuale, idDomanda});
    return righe > 0 ? EsitoCambio::Eseguito : EsitoCambio::NonEseguito;
}

}  // namespace Domanda
