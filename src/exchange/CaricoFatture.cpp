#include "exchange/CaricoFatture.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "data/Windows1252.h"
#include "exchange/FileTracciati.h"
#include "rules/Formattazione.h"

#include <QFile>
#include <QSet>

using Md_FunzioniGenerali::InserisciVirgola;
using Md_FunzioniGenerali::RiempiDestra;

namespace {

// A field by its 1-based position, decoded once it is cut.
QString Testo(const QByteArray& sLinea, int posizione, int larghezza)
{
    return Windows1252::decodifica(sLinea.mid(posizione - 1, larghezza));
}

QString Numero(const QByteArray& sLinea, int posizione, int larghezza, int decimali)
{
    return InserisciVirgola(Testo(sLinea, posizione, larghezza), decimali);
}

QString CampoNote(const QString& valore, int larghezza)
{
    return RiempiDestra(QString::fromLatin1(Windows1252::codifica(valore)), larghezza, u' ');
}

const QString TestoNonRiuscito = QStringLiteral("Carico fornitura non riuscito.");

}  // namespace

CaricoFatture::CaricoFatture(Contesto& contesto)
    : m_contesto(contesto),
      m_cornice(contesto, md_Globali::TIPO_FORNITURA_FATTURE, md_Globali::LUNGHEZZA_RECORD_FATTURE.toInt())
{
}

void CaricoFatture::mostra(Icona icona, const QString& testo)
{
    m_contesto.messaggi().mostra({icona, Pulsanti::Ok, 0, m_contesto.stato.sTitolo, testo});
}

CaricoFatture::Esito CaricoFatture::BATTONCARICA(const QString& file)
{
    m_scarti.clear();
    m_domande.clear();
    m_testata = Testata();
    ServizioApplicazione& applicazione = m_contesto.applicazione();
    applicazione.cursoreAttesa(true);
    Esito esito = Esito::NonRiuscita;
    Trappola(m_contesto, QStringLiteral(" frmCarico.battoncarica"), [&] {
        if (!Leggi(file, esito)) return;
        if (m_domande.empty()) {
            mostra(Icona::Informazione, QStringLiteral("Nell'archivio le domande da caricare sono già presenti. "));
            esito = Esito::SenzaDomande;
            return;
        }
        if (!Controllodati()) {
            mostra(Icona::Critico, TestoNonRiuscito);
            esito = Esito::NonRiuscita;
            return;
        }
        if (!m_scarti.empty()) {
            esito = Esito::Scartata;
            const Risposta risposta = m_contesto.messaggi().mostra(
                {Icona::Nessuna, Pulsanti::SiNo, 0, m_contesto.stato.sTitolo,
                 QStringLiteral("Tracciato fornitura anomala.\r\nVisualizzare le domande non caricate?")});
            if (risposta == Risposta::Si) ScriviNote();
            return;
        }
        if (!AllineaDB()) {
            mostra(Icona::Critico, TestoNonRiuscito);
            esito = Esito::NonRiuscita;
            return;
        }
        esito = Esito::Caricata;
        mostra(Icona::Informazione, QStringLiteral("Carico fornitura correttamente eseguito"));
    });
    if (lavoro) lavoro(false);
    applicazione.cursoreAttesa(false);
    return esito;
}

bool CaricoFatture::Leggi(const QString& file, Esito& esito)
{
    qint64 record = 0;
    bool giaCaricata = false;
    const CorniceCarico::Lettura lettura = m_cornice.LeggiFile(file, [&](const QByteArray& sLinea, qint64 letti, qint64 totale) {
        const char tipo = sLinea.at(0);
        if (tipo < '0' || tipo > '9') throw Errore(NumeriErrore::TipoNonCorrispondente, QStringLiteral("Tipo non corrispondente"));
        switch (tipo) {
        case '0':
            Tipo_0(sLinea);
            if (ctrlCloni(QStringLiteral("SELECT 1 FROM TAB_Fornitura WHERE CAMPAGNA = ?1 AND NUMERO_DOMANDE = ?2 AND "
                                         "NUMERO_FATTURE = ?3 AND NUMERO_BOLLE = ?4 AND DATA_FORNITURE = ?5 AND "
                                         "PROGRESSIVO_FORNITURA = ?6"),
                          {m_testata.CAMPAGNA, m_testata.NUMERO_DOMANDE, m_testata.NUMERO_FATTURE, m_testata.NUMERO_BOLLE,
                           m_testata.DATA_FORNITURE, m_testata.PROGRESSIVO_FORNITURA})) {
                giaCaricata = true;
                return false;
            }
            if (lavoro) lavoro(true);
            break;
        case '1': Tipo_1(sLinea); break;
        case '2': Tipo_2(sLinea); break;
        case '3': Tipo_3(sLinea); break;
        default: break;
        }
        if (++record % 1000 == 0 && avanzamento) avanzamento(record, letti, totale);
        return true;
    });
    if (lettura == CorniceCarico::Lettura::LunghezzaErrata) {
        esito = Esito::LunghezzaErrata;
        mostra(Icona::Critico,
               QStringLiteral("Il tracciato a una lunghezza di tipo record errata.\r\nIL caricamento sarà terminato."));
        return false;
    }
    if (giaCaricata) {
        esito = Esito::GiaCaricata;
        mostra(Icona::Informazione, QStringLiteral("Fornitura già caricata."));
        return false;
    }
    return true;
}

void CaricoFatture::Tipo_0(const QByteArray& sLinea)
{
    m_testata = {Testo(sLinea, 2, 4),   Testo(sLinea, 6, 6),   Testo(sLinea, 12, 6),
                 Testo(sLinea, 18, 6), Testo(sLinea, 24, 10), Testo(sLinea, 34, 3)};
}

void CaricoFatture::Tipo_1(const QByteArray& sLinea)
{
    Domanda domanda;
    domanda.DOMANDA = Testo(sLinea, 2, 11);
    domanda.PROGRESSIVO = Testo(sLinea, 13, 2);
    domanda.TIPO_ARTICOLO = Testo(sLinea, 15, 2);
    domanda.CODI_PROD = Testo(sLinea, 17, 3);
    m_domande.push_back(std::move(domanda));
}

void CaricoFatture::Tipo_2(const QByteArray& sLinea)
{
    if (m_domande.empty()) throw Errore(9, QStringLiteral("Fattura prima di ogni domanda"));
    Fattura fattura;
    fattura.DOMANDA = Testo(sLinea, 2, 11);
    fattura.PROGRESSIVO = Testo(sLinea, 13, 2);
    fattura.NUME_FATT = Testo(sLinea, 15, 15);
    fattura.CODI_FISC = Testo(sLinea, 30, 16);
    fattura.DENOMINAZIONE = Testo(sLinea, 46, 50);
    fattura.DATA_FATT = Testo(sLinea, 96, 10);
    fattura.QTA_PROD = Numero(sLinea, 106, 11, 4);
    fattura.GRAD = Numero(sLinea, 117, 6, 4);
    fattura.PREZ_MINI = Numero(sLinea, 123, 8, 4).trimmed();
    fattura.IMPO = Numero(sLinea, 131, 14, 2);
    fattura.IVA = Numero(sLinea, 145, 14, 2);
    fattura.IMPO_TOTA = Numero(sLinea, 159, 14, 2);
    fattura.DATA_PAGA = Testo(sLinea, 173, 10);
    fattura.QTA_LAVO = Numero(sLinea, 183, 11, 4);
    fattura.CODI_LAVO = Testo(sLinea, 194, 3);
    m_domande.back().fatture.push_back(std::move(fattura));
}

void CaricoFatture::Tipo_3(const QByteArray& sLinea)
{
    if (m_domande.empty()) throw Errore(9, QStringLiteral("Bolla prima di ogni domanda"));
    Bolla bolla;
    bolla.DOMANDA = Testo(sLinea, 2, 11);
    bolla.PROGRESSIVO = Testo(sLinea, 13, 2);
    bolla.NUME_FATT = Testo(sLinea, 15, 15);
    bolla.CODI_FISC = Testo(sLinea, 30, 16);
    bolla.NUMERO_BOLLA = Testo(sLinea, 46, 20);
    bolla.DATA_CONSEGNA = Testo(sLinea, 66, 10);
    bolla.QUANTITA_PRODOTTO = Numero(sLinea, 76, 11, 4);
    bolla.DATA_PAGA = Testo(sLinea, 87, 10);
    bolla.GRADO = Numero(sLinea, 97, 6, 4);
    m_domande.back().bolle.push_back(std::move(bolla));
}

bool CaricoFatture::ctrlCloni(const QString& sql, const QVariantList& valori)
{
    Istruzione istruzione = m_contesto.db().prepara(sql);
    istruzione.lega(valori);
    return istruzione.avanza();
}

QString CaricoFatture::Chiave(const QString& domanda, const QString& progressivo)
{
    return domanda + u'\x1f' + progressivo;
}

bool CaricoFatture::VerificaCloniDomnadaInArray(const Domanda& domanda) const
{
    return m_ricorrenze.value(Chiave(domanda.DOMANDA, domanda.PROGRESSIVO)) > 1;
}

void CaricoFatture::ValoreScarto(const QString& sMSG, const QString& sDomanda, const QString& sProgressivo,
                                 const QString& sFattura, const QString& sBolla)
{
    m_scarti.push_back({sDomanda, sProgressivo, sFattura, sBolla, sMSG});
}

bool CaricoFatture::Controllodati()
{
    bool riuscito = false;
    Trappola(m_contesto, QStringLiteral("frmCarico.CARICOTABELLE"), [&] {
        Database& db = m_contesto.db();
        m_ricorrenze.clear();
        for (const Domanda& domanda : m_domande) ++m_ricorrenze[Chiave(domanda.DOMANDA, domanda.PROGRESSIVO)];

        Istruzione esistente = db.prepara(QStringLiteral("SELECT 1 FROM DOMANDE WHERE DOMANDA = ?1 AND PROGRESSIVO = ?2"));
        Istruzione varieta = db.prepara(QStringLiteral("SELECT ID_VARIETA FROM VARIETA WHERE CODI_PROD = ?1"));
        Istruzione lavorazione = db.prepara(QStringLiteral("SELECT ID_LAVORAZIONE FROM LAVORAZIONI WHERE CODI_LAVO = ?1"));
        QHash<QString, qint64> varieta_trovate, lavorazioni_trovate;
        // The id of a code, looked up once per code; 0 when there is none.
        const auto cerca = [](Istruzione& istruzione, QHash<QString, qint64>& trovati, const QString& codice) {
            const auto trovato = trovati.constFind(codice);
            if (trovato != trovati.cend()) return *trovato;
            istruzione.azzera();
            istruzione.lega({codice});
            const qint64 id = istruzione.avanza() ? istruzione.valore(0).toLongLong() : 0;
            trovati.insert(codice, id);
            return id;
        };

        for (Domanda& domanda : m_domande) {
            esistente.azzera();
            esistente.lega({domanda.DOMANDA, domanda.PROGRESSIVO});
            if (esistente.avanza()) {
                ValoreScarto(QStringLiteral("Num. Domanda e Progressivo sono già caricati in archivio."), domanda.DOMANDA,
                             domanda.PROGRESSIVO);
            } else if (VerificaCloniDomnadaInArray(domanda)) {
                ValoreScarto(QStringLiteral("Domanda presente più di una volta nella fornitura."), domanda.DOMANDA,
                             domanda.PROGRESSIVO);
            } else {
                domanda.ID_VARIETA = cerca(varieta, varieta_trovate, domanda.CODI_PROD);
                if (domanda.ID_VARIETA == 0) {
                    mostra(Icona::Informazione, QStringLiteral("Identificativo delle varietà non esistente"));
                    return;
                }
            }

            if (domanda.fatture.empty()) ValoreScarto(QStringLiteral("Domanda. senza fatture"), domanda.DOMANDA, domanda.PROGRESSIVO);
            QSet<QString> numeriFattura;
            for (Fattura& fattura : domanda.fatture) {
                if (fattura.DOMANDA != domanda.DOMANDA || fattura.PROGRESSIVO != domanda.PROGRESSIVO) {
                    ValoreScarto(QStringLiteral("Fattura non appartenente alla domanda."), domanda.DOMANDA,
                                 domanda.PROGRESSIVO, fattura.NUME_FATT);
                    continue;
                }
                numeriFattura.insert(fattura.NUME_FATT);
                fattura.ID_LAVORAZIONE = cerca(lavorazione, lavorazioni_trovate, fattura.CODI_LAVO);
                if (fattura.ID_LAVORAZIONE == 0) {
                    mostra(Icona::Informazione, QStringLiteral("Identificativo lavorazione non esistente"));
                    return;
                }
            }

            if (domanda.bolle.empty()) ValoreScarto(QStringLiteral("Domanda. senza bolle"), domanda.DOMANDA, domanda.PROGRESSIVO);
            for (const Bolla& bolla : domanda.bolle) {
                if (bolla.DOMANDA != domanda.DOMANDA || bolla.PROGRESSIVO != domanda.PROGRESSIVO) {
                    ValoreScarto(QStringLiteral("Domanda. senza bolle"), domanda.DOMANDA, domanda.PROGRESSIVO,
                                 bolla.NUME_FATT, bolla.NUMERO_BOLLA);
                } else if (!numeriFattura.contains(bolla.NUME_FATT)) {
                    ValoreScarto(QStringLiteral("Bolla non appartenente alla fattura."), domanda.DOMANDA,
                                 domanda.PROGRESSIVO, bolla.NUME_FATT, bolla.NUMERO_BOLLA);
                }
            }
        }
        riuscito = true;
    });
    return riuscito;
}

QString CaricoFatture::ScriviNote()
{
    const QString percorso = m_cornice.FileProgramma(QStringLiteral("Domande_Scartate.txt"));
    const bool scritto = Trappola(m_contesto, QStringLiteral(" frmCarico.ScriviNote"), [&] {
        try {
            FileTracciati note(percorso);
            const QString separatore = QStringLiteral(" - ");
            for (const Scarto& scarto : m_scarti) {
                const QString riga = CampoNote(scarto.sDomanda, 11) + separatore + CampoNote(scarto.sProgressivo, 2) +
                                     separatore + CampoNote(scarto.sFattura.trimmed(), 15) + separatore +
                                     CampoNote(scarto.sMSG, 70);
                note.scrivi(riga.toLatin1());
                note.scrivi(QByteArray());
            }
            note.chiudi();
        } catch (...) {
            QFile::remove(percorso);
            throw;
        }
        m_contesto.servizi.visualizzatore.mostraFile(percorso);
    });
    return scritto ? percorso : QString();
}

bool CaricoFatture::AllineaDB()
{
    QStringList fattureScartate;
    if (!Trappola(m_contesto, QStringLiteral(" frmCarico.AllineaDB"), [&] { ScriviDatabase(fattureScartate); })) return false;
    // The supply is loaded by now: a list that cannot be written is logged and changes nothing.
    Trappola(m_contesto, QStringLiteral(" frmCarico.AllineaDB"), [&] { MostraScartati(fattureScartate); });
    return true;
}

void CaricoFatture::ScriviDatabase(QStringList& fattureScartate)
{
    Database& db = m_contesto.db();
    Transazione transazione(db);
    Istruzione nuovaDomanda = db.prepara(QStringLiteral(
        "INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, TIPO_ARTICOLO, ID_VARIETA, STAM, SCAR, DATA_CAMP) "
        "VALUES (?1, ?2, ?3, ?4, 'N', 'N', ?5)"));
    Istruzione nuovaFattura = db.prepara(QStringLiteral(
        "INSERT INTO FATTURE (ID_DOMANDA, ID_LAVORAZIONE, NUME_FATT, CODI_FISC, DENOMINAZIONE, DATA_FATT, QTA_PROD, "
        "GRAD, PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, DATA_COMP, QTA_LAVO) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15)"));
    Istruzione nuovaBolla = db.prepara(QStringLiteral(
        "INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, GRADO, DATA_PAGA) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6)"));

    for (const Domanda& domanda : m_domande) {
        nuovaDomanda.azzera();
        nuovaDomanda.lega({domanda.DOMANDA, domanda.PROGRESSIVO, domanda.TIPO_ARTICOLO, domanda.ID_VARIETA, m_testata.CAMPAGNA});
        nuovaDomanda.esegui();
        const qint64 idDomanda = db.ultimoIdInserito();

        // The notes of each invoice, by invoice number, seller and application number, in file order.
        QHash<QString, std::vector<const Bolla*>> bolleDellaFattura;
        for (const Bolla& bolla : domanda.bolle) {
            bolleDellaFattura[bolla.NUME_FATT + u'\x1f' + bolla.CODI_FISC + u'\x1f' + bolla.DOMANDA].push_back(&bolla);
        }
        for (const Fattura& fattura : domanda.fatture) {
            const auto bolle = bolleDellaFattura.constFind(fattura.NUME_FATT + u'\x1f' + fattura.CODI_FISC + u'\x1f' + fattura.DOMANDA);
            const bool conBolle = bolle != bolleDellaFattura.cend() && !bolle->empty();
            nuovaFattura.azzera();
            nuovaFattura.lega({idDomanda, fattura.ID_LAVORAZIONE, fattura.NUME_FATT, fattura.CODI_FISC,
                               fattura.DENOMINAZIONE, fattura.DATA_FATT, fattura.QTA_PROD, fattura.GRAD, fattura.PREZ_MINI,
                               fattura.IMPO, fattura.IVA, fattura.IMPO_TOTA, fattura.DATA_PAGA,
                               conBolle ? bolle->front()->DATA_CONSEGNA : QStringLiteral(""), fattura.QTA_LAVO});
            nuovaFattura.esegui();
            if (!conBolle) continue;
            const qint64 idFattura = db.ultimoIdInserito();
            for (const Bolla* bolla : *bolle) {
                nuovaBolla.azzera();
                nuovaBolla.lega({idFattura, bolla->NUMERO_BOLLA, bolla->DATA_CONSEGNA, bolla->QUANTITA_PRODOTTO,
                                 bolla->GRADO, bolla->DATA_PAGA});
                nuovaBolla.esegui();
            }
        }
    }

    Istruzione senzaData = db.prepara(QStringLiteral(
        "SELECT ID_FATTURA, CODI_FISC, DENOMINAZIONE, NUME_FATT FROM FATTURE WHERE DATA_COMP IS NULL OR TRIM(DATA_COMP) = ''"));
    QList<qint64> daTogliere;
    while (senzaData.avanza()) {
        daTogliere << senzaData.valore(0).toLongLong();
        fattureScartate << senzaData.testo(1) + QStringLiteral(" - ") + senzaData.testo(2) + QStringLiteral(" - ") +
                               senzaData.testo(3);
    }
    Istruzione togliBolle = db.prepara(QStringLiteral("DELETE FROM BOLLE WHERE FK_ID_FATTURA = ?1"));
    Istruzione togliFattura = db.prepara(QStringLiteral("DELETE FROM FATTURE WHERE ID_FATTURA = ?1"));
    for (const qint64 id : daTogliere) {
        togliBolle.azzera();
        togliBolle.lega({id});
        togliBolle.esegui();
        togliFattura.azzera();
        togliFattura.lega({id});
        togliFattura.esegui();
    }

    db.esegui(QStringLiteral("INSERT INTO TAB_Fornitura (CAMPAGNA, NUMERO_DOMANDE, NUMERO_FATTURE, NUMERO_BOLLE, "
                             "DATA_FORNITURE, PROGRESSIVO_FORNITURA) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
              {m_testata.CAMPAGNA, m_testata.NUMERO_DOMANDE, m_testata.NUMERO_FATTURE, m_testata.NUMERO_BOLLE,
               m_testata.DATA_FORNITURE, m_testata.PROGRESSIVO_FORNITURA});
    transazione.commit();
}

void CaricoFatture::MostraScartati(const QStringList& fattureScartate)
{
    if (fattureScartate.isEmpty()) return;
    const Risposta risposta = m_contesto.messaggi().mostra(
        {Icona::Nessuna, Pulsanti::SiNo, 0, QStringLiteral("Elenco delle fatture scartate"),
         QStringLiteral("Ci sono delle fatture scartate perchè mancanti della data di introduzione.\r\nVisualizzare la lista?")});
    if (risposta != Risposta::Si) return;
    const QString percorso = m_cornice.FileProgramma(QStringLiteral("scartati.txt"));
    FileTracciati elenco(percorso);
    for (const QString& riga : fattureScartate) elenco.scrivi(Windows1252::codifica(riga));
    elenco.chiudi();
    m_contesto.servizi.visualizzatore.mostraFile(percorso);
}
