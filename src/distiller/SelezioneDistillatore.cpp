#include "distiller/SelezioneDistillatore.h"

#include "app/GrigliaLista.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "rules/Numeri.h"

#include <QLabel>
#include <QTableView>

namespace {

const QString A_CAPO = QStringLiteral("\r\n");

const QString QUERY_A = QStringLiteral(
    "SELECT DOMANDE.*,  VARIETA.CODI_PROD AS PRODOTTO, VARIETA.DESC_PROD AS DESCRIZIONE_PRODOTTO "
    " FROM DOMANDE,VARIETA,TIPO_ARTICOLO_DOMANDA where DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA and "
    "DOMANDE.TIPO_ARTICOLO=TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO");

const QString QUERY_B = QStringLiteral(
    "SELECT DOMANDE.*, TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO, VARIETA.CODI_PROD AS PRODOTTO, "
    "VARIETA.DESC_PROD AS DESCRIZIONE_PRODOTTO "
    " FROM DOMANDE,VARIETA,TIPO_ARTICOLO_DOMANDA where DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA and "
    "DOMANDE.TIPO_ARTICOLO=TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO and "
    "exists (select 1 from fatture where id_domanda=DOMANDE.id_domanda)");

// One row per invoice, and one with empty invoice columns for an application without invoices.
const QString QUERY_C = QStringLiteral(
    " SELECT DOMANDE.*, FATTURE.*, VARIETA.CODI_PROD AS PRODOTTO, VARIETA.DESC_PROD AS DESCRIZIONE_PRODOTTO"
    " FROM DOMANDE INNER JOIN VARIETA ON VARIETA.ID_VARIETA = DOMANDE.ID_VARIETA"
    " INNER JOIN TIPO_ARTICOLO_DOMANDA ON TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO = DOMANDE.TIPO_ARTICOLO"
    " LEFT JOIN FATTURE ON DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA"
    " Where DOMANDE.iD_VARIETA = VARIETA.iD_VARIETA"
    " AND DOMANDE.TIPO_ARTICOLO=TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO");

QString fattureDellaDomanda(qint32 idDomanda)
{
    return QStringLiteral(
               "SELECT DOMANDE.* , FATTURE.*, "
               " VARIETA.CODI_PROD AS PRODOTTO, VARIETA.DESC_PROD AS DESCRIZIONE_PRODOTTO, "
               " LAVORAZIONI.CODI_LAVO, LAVORAZIONI.DESC_LAVO "
               " FROM DOMANDE,FATTURE,VARIETA, TIPO_ARTICOLO_DOMANDA , LAVORAZIONI "
               " WHERE DOMANDE.ID_DOMANDA=FATTURE.ID_DOMANDA "
               " AND DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA "
               " AND DOMANDE.TIPO_ARTICOLO=TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO "
               " AND FATTURE.ID_LAVORAZIONE=LAVORAZIONI.ID_LAVORAZIONE "
               " AND DOMANDE.ID_DOMANDA = ") +
           QString::number(idDomanda);
}

QString bolleDellaDomanda(qint32 idDomanda)
{
    return QStringLiteral(
               "SELECT DOMANDE.* , FATTURE.*,BOLLE.* "
               " FROM DOMANDE, FATTURE, VARIETA, LAVORAZIONI, BOLLE"
               " WHERE DOMANDE.ID_DOMANDA=FATTURE.ID_DOMANDA  AND "
               " DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA  AND "
               " FATTURE.ID_LAVORAZIONE=LAVORAZIONI.ID_LAVORAZIONE  AND "
               " DOMANDE.ID_DOMANDA = ") +
           QString::number(idDomanda) +
           QStringLiteral(" AND FATTURE.ID_FATTURA=BOLLE.FK_ID_FATTURA ORDER BY BOLLE.FK_ID_FATTURA,BOLLE.ID_BOLLA");
}

bool chiaveDiModo(const QString& chiave)
{
    static const QStringList modi = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("4"),
                                     QStringLiteral("5")};
    return modi.contains(chiave);
}

// 800 twips.
constexpr int LarghezzaFlag = 53;
constexpr int LarghezzaColonna = 110;

// A quantity as the older engine kept it in single precision, rounded to four decimals.
NumeroDecimale quattroDecimali(double valore)
{
    return NumeroDecimale::daDouble(static_cast<double>(static_cast<float>(valore))).arrotondatoPari(4);
}

}  // namespace

namespace SelezioneDistillatore {

QString chiaveModo(int modo)
{
    return QString::number(modo);
}

QString QuerySelezioneDistillatore(const StatoCondiviso& stato, const QString& chiave)
{
    const qint32 id = stato.DomandaCorrente.ID_DOMANDA;
    QString sql;
    if (chiave == QLatin1String("0") || chiave == QLatin1String("3") || chiave == QLatin1String("4")) {
        sql = QUERY_A;
    } else if (chiave == QLatin1String("5")) {
        sql = QUERY_B;
    } else if (chiave == QLatin1String("1")) {
        sql = QUERY_C;
    } else if (chiave == QLatin1String("FATTURE2")) {
        sql = fattureDellaDomanda(id);
    } else if (chiave == QLatin1String("SCARICO")) {
        sql = fattureDellaDomanda(id) + QStringLiteral(" ORDER BY VAL(FATTURE.NUME_FATT)");
    } else if (chiave == QLatin1String("SCARICO2")) {
        sql = bolleDellaDomanda(id);
    }
    return sql + QLatin1Char(' ');
}

TestoSql ImpostaFiltro(const CriteriSelezione& criteri)
{
    TestoSql filtro;
    const auto valore = [&filtro](const QString& testo) {
        filtro.valori << testo;
        return QStringLiteral("?") + QString::number(filtro.valori.size());
    };
    const QString t0 = criteri.numeroDomanda.trimmed();
    const QString t1 = criteri.secondoNumero.trimmed();
    const QString campo = criteri.modo == 1 ? QStringLiteral("FATTURE.NUME_FATT") : QStringLiteral("DOMANDE.PROGRESSIVO");
    if (!t0.isEmpty() && !t1.isEmpty()) {
        filtro.sql = QStringLiteral(" AND (DOMANDE.DOMANDA = ") + valore(t0) + QStringLiteral(" AND ") + campo +
                     QStringLiteral(" = ") + valore(t1) + QLatin1Char(')');
    } else if (!t0.isEmpty()) {
        filtro.sql = QStringLiteral(" AND DOMANDE.DOMANDA = ") + valore(t0);
    } else if (!t1.isEmpty()) {
        filtro.sql = QStringLiteral(" AND ") + campo + QStringLiteral(" = ") + valore(t1);
    }
    if (criteri.stampate) filtro.sql += QStringLiteral(" and DOMANDE.STAM = 'S'");
    if (criteri.scaricate) filtro.sql += QStringLiteral(" and DOMANDE.SCAR = 'S'");
    const QString campagna = criteri.campagna.trimmed();
    if (!campagna.isEmpty()) filtro.sql += QStringLiteral(" AND (DOMANDE.DATA_CAMP = ") + valore(campagna) + QLatin1Char(')');
    filtro.sql += QStringLiteral(" Order by DOMANDE.DOMANDA, DOMANDE.PROGRESSIVO, DOMANDE.DATA_CAMP");
    return filtro;
}

void CaricaGrigliaDistillatore(Contesto& contesto, const ListaDistillatore& lista, const QString& chiave,
                               bool bNoReload, const TestoSql& sFiltro)
{
    if (!bNoReload) {
        contesto.stato.sSQL = QuerySelezioneDistillatore(contesto.stato, chiave) + sFiltro.sql;
        lista.modello->carica(contesto.db(), contesto.stato.sSQL, sFiltro.valori);
    }
    lista.griglia->viewport()->update();
}

void ImpostaColonneDistillatore(Contesto& contesto, const ListaDistillatore& lista, const QString& chiave)
{
    lista.didascalia->setText(contesto.stato.sTitolo);
    QList<ColonnaGriglia> colonne;
    if (chiaveDiModo(chiave)) {
        colonne = {{QStringLiteral("DOMANDA"), QStringLiteral("Numero Domanda"), LarghezzaColonna},
                   {QStringLiteral("PROGRESSIVO"), QStringLiteral("Progressivo"), LarghezzaColonna},
                   {QStringLiteral("STAM"), QStringLiteral("Stampata "), LarghezzaFlag},
                   {QStringLiteral("SCAR"), QStringLiteral("Scaricata"), LarghezzaFlag},
                   {QStringLiteral("DATA_CAMP"), QStringLiteral("Campagna"), LarghezzaColonna}};
        if (chiave == QLatin1String("1")) {
            colonne << ColonnaGriglia{QStringLiteral("NUME_FATT"), QStringLiteral("Num. Fattura"), LarghezzaColonna}
                    << ColonnaGriglia{QStringLiteral("DATA_FATT"), QStringLiteral("Data Fattura"), LarghezzaColonna};
        }
    } else if (chiave == QLatin1String("FATTURE2")) {
        colonne = {{QStringLiteral("CODI_FISC"), QStringLiteral(" Codice fiscale "), LarghezzaColonna},
                   {QStringLiteral("DENOMINAZIONE"), QStringLiteral(" Denominazione "), 2 * LarghezzaColonna},
                   {QStringLiteral("NUME_FATT"), QStringLiteral(" Fattura N° "), LarghezzaColonna},
                   {QStringLiteral("DATA_FATT"), QStringLiteral(" Data fattura "), LarghezzaColonna}};
    }
    GrigliaLista::ImpostaColonne(lista.griglia, lista.modello, colonne);
    if (chiaveDiModo(chiave)) lista.modello->impostaTitolo(QStringLiteral("TIPO_ARTICOLO"), QStringLiteral("Articolo"));
}

RecordDomanda SEL_RECORD(const ModelloLista& modello, int riga)
{
    const auto intero = [&](const char* colonna) {
        return static_cast<qint32>(Md_FunzioniGenerali::Val(modello.testo(riga, QLatin1String(colonna))).troncato().toDouble());
    };
    const auto testo = [&](const char* colonna) { return modello.testo(riga, QLatin1String(colonna)); };
    RecordDomanda domanda;
    domanda.ID_DOMANDA = intero("ID_DOMANDA");
    domanda.DOMANDA = testo("DOMANDA");
    domanda.PROGRESSIVO = testo("PROGRESSIVO");
    domanda.STAM = testo("STAM");
    domanda.SCAR = testo("SCAR");
    domanda.PROG_VERS = testo("PROG_VERS");
    domanda.PRODOTTO = testo("PRODOTTO") + QLatin1Char(' ') + testo("DESCRIZIONE_PRODOTTO");
    domanda.TIPO_ARTICOLO = testo("TIPO_ARTICOLO");
    domanda.PROG_INVIO = intero("PROG_INVIO");
    domanda.CAMPAGNA = testo("DATA_CAMP");
    return domanda;
}

QString IncongruenzeQuantita(Database& db, qint32 idDomanda)
{
    Istruzione fatture = db.prepara(QStringLiteral(
        "SELECT DENOMINAZIONE, NUME_FATT, CSNG('0' || IFNULL(QTA_LAVO, '')) AS LAVORATA, "
        "(SELECT sum(CSNG(QUANTITA_PRODOTTO)) FROM BOLLE WHERE FK_ID_FATTURA = FATTURE.ID_FATTURA) AS SOMMA "
        "FROM FATTURE WHERE ID_DOMANDA = ?1 ORDER BY ID_FATTURA"));
    fatture.lega({idDomanda});
    QString elenco;
    while (fatture.avanza()) {
        const double lavorata = fatture.valore(2).toDouble();
        const double bolle = fatture.nullo(3) ? 0.0 : fatture.valore(3).toDouble();
        if (quattroDecimali(lavorata) == quattroDecimali(bolle)) continue;
        elenco += A_CAPO + QStringLiteral(" - ") + fatture.testo(0) + QStringLiteral(" fattura n° ") + fatture.testo(1);
    }
    return elenco;
}

bool VerificaCongruenzaQuantitaProdotto(Contesto& contesto, qint32 idDomanda, const QString& titolo)
{
    bool congrue = false;
    Trappola(contesto, QStringLiteral("FrmSelezione VerificaCongruenzaQuantitaProdotto"), [&] {
        const QString elenco = IncongruenzeQuantita(contesto.db(), idDomanda);
        if (!elenco.trimmed().isEmpty()) {
            contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo,
                                        QStringLiteral("La domanda presenta incogruenze tra la somma") + A_CAPO +
                                            QStringLiteral("del prodotto distillato delle fatture e la somma del "
                                                           "prodotto delle bolle di consegna.") +
                                            elenco});
            return;
        }
        congrue = true;
    });
    return congrue;
}

}  // namespace SelezioneDistillatore
