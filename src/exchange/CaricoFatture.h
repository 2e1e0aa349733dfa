#pragma once

#include "app/base/Servizi.h"
#include "exchange/CorniceCarico.h"

#include <QHash>
#include <QString>
#include <QVariantList>

#include <functional>
#include <vector>

struct Contesto;

// The distiller supply file being loaded: a header (0), applications (1), each followed by its
// invoices (2) and delivery notes (3); 260 Windows-1252 bytes a record. Texts are kept as they
// stand, trailing blanks included; numbers get their decimal comma back.
class CaricoFatture {
public:
    struct Testata {
        QString CAMPAGNA, NUMERO_DOMANDE, NUMERO_FATTURE, NUMERO_BOLLE, DATA_FORNITURE, PROGRESSIVO_FORNITURA;
    };
    struct Fattura {
        QString DOMANDA, PROGRESSIVO, NUME_FATT, CODI_FISC, DENOMINAZIONE, DATA_FATT, QTA_PROD, GRAD, PREZ_MINI, IMPO,
            IVA, IMPO_TOTA, DATA_PAGA, QTA_LAVO, CODI_LAVO;
        qint64 ID_LAVORAZIONE = 0;
    };
    struct Bolla {
        QString DOMANDA, PROGRESSIVO, NUME_FATT, CODI_FISC, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, DATA_PAGA,
            GRADO;
    };
    struct Domanda {
        QString DOMANDA, PROGRESSIVO, TIPO_ARTICOLO, CODI_PROD;
        qint64 ID_VARIETA = 0;
        std::vector<Fattura> fatture;
        std::vector<Bolla> bolle;
    };
    struct Scarto {
        QString sDomanda, sProgressivo, sFattura, sBolla, sMSG;
    };

    enum class Esito {
        Caricata,
        LunghezzaErrata,
        GiaCaricata,
        SenzaDomande,
        Scartata,    // applications rejected: nothing loaded
        NonRiuscita, // a code not found or a failure: nothing loaded
    };

    explicit CaricoFatture(Contesto& contesto);

    CorniceCarico& cornice() { return m_cornice; }

    // The whole import of a chosen file, with its messages.
    Esito BATTONCARICA(const QString& file);

    // One record into memory.
    void Tipo_0(const QByteArray& sLinea);
    void Tipo_1(const QByteArray& sLinea);
    void Tipo_2(const QByteArray& sLinea);
    void Tipo_3(const QByteArray& sLinea);

    // The checks; false when a fatal condition arose. Rejections go into scarti().
    bool Controllodati();
    // Writes the rejected list and shows it; the file written, "" after a failure.
    QString ScriviNote();
    // Every database write in one transaction; false after a failure, with nothing written.
    bool AllineaDB();

    const Testata& testata() const { return m_testata; }
    const std::vector<Domanda>& domande() const { return m_domande; }
    const std::vector<Scarto>& scarti() const { return m_scarti; }

    // Called as records are read: records so far, bytes so far, bytes of the file; and once
    // with `inCorso` false when the work ends.
    std::function<void(qint64 record, qint64 letti, qint64 totale)> avanzamento;
    std::function<void(bool inCorso)> lavoro;

private:
    bool ctrlCloni(const QString& sql, const QVariantList& valori);
    bool VerificaCloniDomnadaInArray(const Domanda& domanda) const;
    static QString Chiave(const QString& domanda, const QString& progressivo);
    void ValoreScarto(const QString& sMSG, const QString& sDomanda, const QString& sProgressivo,
                      const QString& sFattura = QString(), const QString& sBolla = QString());
    bool Leggi(const QString& file, Esito& esito);
    void ScriviDatabase(QStringList& fattureScartate);
    void MostraScartati(const QStringList& fattureScartate);
    void mostra(Icona icona, const QString& testo);

    Contesto& m_contesto;
    CorniceCarico m_cornice;
    Testata m_testata;
    std::vector<Domanda> m_domande;
    std::vector<Scarto> m_scarti;
    QHash<QString, int> m_ricorrenze;  // application number and progressive -> copies in the file
};
