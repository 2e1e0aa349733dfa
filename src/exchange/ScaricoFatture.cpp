#include "exchange/ScaricoFatture.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "data/Windows1252.h"
#include "exchange/FileTracciati.h"
#include "rules/Date.h"
#include "rules/Formattazione.h"

using Md_FunzioniGenerali::RiempiDestra;
using Md_FunzioniGenerali::RiempiSinistra;

namespace {

// The records are built one character per byte: each value is encoded before it is filled or cut.
QString Byte(const QString& valore)
{
    return QString::fromLatin1(Windows1252::codifica(valore));
}

QString SinistraSpazi(const QString& valore, int larghezza)
{
    return RiempiDestra(Byte(valore), larghezza, u' ');
}

QString SinistraZeri(const QString& valore, int larghezza)
{
    return RiempiDestra(Byte(valore), larghezza, u'0');
}

QString DestraZeri(const QString& valore, int larghezza)
{
    return RiempiSinistra(Byte(valore), larghezza, u'0');
}

// The stored amount without its commas, its decimals implied.
QString Importo(QString valore, int larghezza)
{
    return DestraZeri(valore.remove(u','), larghezza);
}

// A stored date rewritten by the pattern; "" when it is empty or no date.
QString Data(const QString& valore, const QString& formato)
{
    const auto data = Md_FunzioniGenerali::LeggiData(valore);
    return data ? data->toString(formato) : QString();
}

const QString AAAAMMGG = QStringLiteral("yyyyMMdd");
const QString GG_MM_AAAA = QStringLiteral("dd/MM/yyyy");

QByteArray Record(const QString& testo)
{
    return testo.toLatin1();
}

}  // namespace

const QString ScaricoFatture::Etichetta = QStringLiteral("frmScarico Form_Activate");

ScaricoFatture::ScaricoFatture(Contesto& contesto)
    : m_contesto(contesto), m_cornice(contesto, md_Globali::TIPO_FORNITURA_FATTURE, Etichetta)
{
}

QByteArray ScaricoFatture::TRACCIATO_0() const
{
    const StatoCondiviso& stato = m_contesto.stato;
    QString record = QStringLiteral("0");
    record += QString(16, u'0');
    record += md_Globali::CAMPAGNA_IN_CORSO;
    record += DestraZeri(sValore, 4);
    record += m_contesto.applicazione().adesso().date().toString(AAAAMMGG);
    record += SinistraSpazi(stato.DistilleriaCorrente.RAGI_SOCI, 50);
    record += SinistraSpazi(stato.DistilleriaCorrente.INDI_DIST, 30);
    record += DestraZeri(stato.DomandaCorrente.PROG_VERS, 2);
    record += md_Globali::ARTICOLO;
    record += QString(138, u' ');
    return Record(record);
}

QByteArray ScaricoFatture::TRACCIATO_1(const Istruzione& rsGen) const
{
    const auto campo = [&rsGen](const char* nome) { return rsGen.testo(QString::fromLatin1(nome)); };
    QString record = QStringLiteral("1");
    record += SinistraZeri(campo("DOMANDA"), 11);
    record += SinistraSpazi(m_contesto.stato.DistilleriaCorrente.CODI_FISC, 16);
    record += u'O';
    record += Byte(campo("CODI_LAVO"));
    record += Byte(campo("PRODOTTO"));
    record += SinistraSpazi(campo("CODI_FISC"), 16);
    record += SinistraSpazi(campo("NUME_FATT"), 15);
    // A missing invoice date is written as the missing payment date is.
    record += SinistraZeri(Data(campo("DATA_FATT"), AAAAMMGG), 8);
    record += Importo(campo("QTA_PROD"), 11);
    record += Importo(campo("GRAD"), 6);
    record += Importo(campo("PREZ_MINI"), 8);
    record += Importo(campo("IMPO"), 14);
    record += Importo(campo("IVA"), 14);
    record += Importo(campo("IMPO_TOTA"), 14);
    record += SinistraZeri(Data(campo("DATA_PAGA"), AAAAMMGG), 8);
    record += Importo(campo("QTA_LAVO"), 11);
    record += SinistraSpazi(campo("DENOMINAZIONE"), 70);
    record += QString(30, u' ');
    return Record(record);
}

QByteArray ScaricoFatture::TRACCIATO_2(const Istruzione& rsGen) const
{
    const auto campo = [&rsGen](const char* nome) { return rsGen.testo(QString::fromLatin1(nome)); };
    QString record = QStringLiteral("2");
    record += SinistraZeri(campo("DOMANDA"), 11);
    record += SinistraSpazi(campo("NUME_FATT"), 15);
    record += SinistraSpazi(campo("CODI_FISC"), 16);
    record += SinistraSpazi(campo("NUMERO_BOLLA"), 20);
    // A missing delivery date is written as the missing payment date is.
    record += SinistraSpazi(Data(campo("DATA_CONSEGNA"), GG_MM_AAAA), 10);
    record += Importo(campo("QUANTITA_PRODOTTO"), 11);
    record += SinistraSpazi(Data(campo("DATA_PAGA"), GG_MM_AAAA), 10);
    record += Importo(u'0' + campo("GRADO"), 6);
    record += QString(160, u' ');
    return Record(record);
}

QByteArray ScaricoFatture::TRACCIATO_9()
{
    QString record = QStringLiteral("9");
    record += QString(16, u'9');
    record += DestraZeri(QString::number(lConta), 6);
    record += DestraZeri(QString::number(lConta2), 6);
    record += QString(231, u' ');
    lConta = 0;
    return Record(record);
}

QString ScaricoFatture::QueryFatture()
{
    return QStringLiteral(
        "SELECT DOMANDE.DOMANDA, FATTURE.CODI_FISC, FATTURE.DENOMINAZIONE, FATTURE.NUME_FATT, FATTURE.DATA_FATT, "
        "FATTURE.QTA_PROD, FATTURE.GRAD, FATTURE.PREZ_MINI, FATTURE.IMPO, FATTURE.IVA, FATTURE.IMPO_TOTA, "
        "FATTURE.DATA_PAGA, FATTURE.QTA_LAVO, VARIETA.CODI_PROD AS PRODOTTO, LAVORAZIONI.CODI_LAVO "
        "FROM DOMANDE "
        "JOIN FATTURE ON DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA "
        "JOIN VARIETA ON DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA "
        "JOIN LAVORAZIONI ON FATTURE.ID_LAVORAZIONE = LAVORAZIONI.ID_LAVORAZIONE "
        "WHERE DOMANDE.ID_DOMANDA = ?1 "
        "AND EXISTS (SELECT 1 FROM TIPO_ARTICOLO_DOMANDA WHERE TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO = DOMANDE.TIPO_ARTICOLO) "
        "ORDER BY VAL(FATTURE.NUME_FATT), FATTURE.ID_FATTURA");
}

QString ScaricoFatture::QueryBolle()
{
    return QStringLiteral(
        "SELECT DOMANDE.DOMANDA, FATTURE.NUME_FATT, FATTURE.CODI_FISC, BOLLE.NUMERO_BOLLA, BOLLE.DATA_CONSEGNA, "
        "BOLLE.QUANTITA_PRODOTTO, BOLLE.DATA_PAGA, BOLLE.GRADO "
        "FROM DOMANDE "
        "JOIN FATTURE ON DOMANDE.ID_DOMANDA = FATTURE.ID_DOMANDA "
        "JOIN VARIETA ON DOMANDE.ID_VARIETA = VARIETA.ID_VARIETA "
        "JOIN LAVORAZIONI ON FATTURE.ID_LAVORAZIONE = LAVORAZIONI.ID_LAVORAZIONE "
        "JOIN BOLLE ON FATTURE.ID_FATTURA = BOLLE.FK_ID_FATTURA "
        "WHERE DOMANDE.ID_DOMANDA = ?1 "
        "AND EXISTS (SELECT 1 FROM TIPO_ARTICOLO_DOMANDA WHERE TIPO_ARTICOLO_DOMANDA.TIPO_ARTICOLO = DOMANDE.TIPO_ARTICOLO) "
        "ORDER BY BOLLE.FK_ID_FATTURA, BOLLE.ID_BOLLA");
}

void ScaricoFatture::ScriviRecord(FileTracciati& file)
{
    const qint32 idDomanda = m_contesto.stato.DomandaCorrente.ID_DOMANDA;
    file.scrivi(TRACCIATO_0());

    Istruzione rsDati = m_contesto.db().prepara(QueryFatture());
    rsDati.lega({idDomanda});
    lConta = 0;
    while (rsDati.avanza()) {
        ++lConta;
        file.scrivi(TRACCIATO_1(rsDati));
    }

    Istruzione rsBolle = m_contesto.db().prepara(QueryBolle());
    rsBolle.lega({idDomanda});
    lConta2 = 0;
    while (rsBolle.avanza()) {
        ++lConta2;
        file.scrivi(TRACCIATO_2(rsBolle));
    }

    file.scrivi(TRACCIATO_9());
}

EsitoScarico ScaricoFatture::Esegui(const QString& percorso)
{
    return m_cornice.Esegui(
        percorso,
        [this](FileTracciati& file, const QString& numero) {
            sValore = numero;
            ScriviRecord(file);
        },
        [this] {
            return m_contesto.db().eseguiSenzaErrori(
                QStringLiteral("UPDATE DOMANDE SET SCAR = 'S', PROG_INVIO = PROG_INVIO + 1 WHERE ID_DOMANDA = ?1"),
                {m_contesto.stato.DomandaCorrente.ID_DOMANDA});
        });
}
