#pragma once

#include "data/Database.h"

#include <QString>

#include <memory>

// Copies of table rows, under the columns' own names.
struct RecordDomanda {
    qint32 ID_DOMANDA = 0;
    QString DOMANDA, STAM, SCAR, PROG_VERS, TIPO_ARTICOLO, PROGRESSIVO, PRODOTTO;
    qint32 PROG_INVIO = 0;
    QString CAMPAGNA;
};

struct RecordFattura {
    qint32 ID_FATTURA = 0;
    qint32 ID_DOMANDA = 0;
    QString CODI_FISC, NUME_FATT, DENOMINAZIONE, DATA_FATT, QTA_PROD, GRAD, PREZ_MINI, IMPO, IVA, IMPO_TOTA,
        DATA_PAGA, DATA_COMP, QTA_LAVO, ID_LAVORAZIONE;
};

struct RecordDistilleria {
    QString CODI_FISC, RAGI_SOCI, INDI_DIST;
};

struct RecordDomandaProduttore {
    qint32 ID_DOMANDA_PRODUTTORE = 0;
    QString DOMANDA, STAM, SCAR, TIPO_ARTICOLO, PROG_VERS, ANTICIPO_RICEVUTO;
    qint32 PROG_INVIO = 0;
    QString CAMPAGNA;
};

struct RecordUtf {
    qint32 ID_UTF = 0;
    qint32 ID_DOMANDA = 0;
    QString NUMERO_CERTIFICATO_UTF, DESCR_UFFICIO_UTF_PROVINCIA, SIGLA_UFFICIO_UTF_PROVINCIA,
        ISTAT_UFFICIO_UTF_PROVINCIA, DATA_EMISSIONE_CERTIFICATO, QTA_TOT_VINO_LAVORATO,
        QTA_TOT_ETTOGRADI_VINO_LAVORATO, QTA_TOT_ALCOLE_NEUTRO_OTTENUTO, QTA_TOT_ALCOLE_GREZZO_OTTENUTO,
        QTA_TOT_ACQUAVITE_OTTENUTO, QUADRATURA;
};

struct RecordColore {
    qint32 ID_COLORE = 0;
    QString CODI_COLORE, DESC_COLORE;
};

struct RecordProduttore {
    qint32 ID_PRODUTTORI = 0;
    qint32 ID_DOMANDA = 0;
    qint32 ID_UTF = 0;
    QString CODI_FISC, DENOMINAZIONE, CAMPAGNA_PRESCELTA, CODICE_CONTRATTO_DISTILLAZIONE, QTA_MAX_DISTILLABILE;
    QString COMUNICAZIONE_CONTRATTO;  // written only by the producer import
    QString ID_COLORE, QTA_VINO_EFFETIVAMENTE_DISTILLATA, QTA_VINO_DISTILLATA_AIUTO,
        TITOLO_ALCOLOMETRICO_FATTURATO, ETTOGRADI, QTA_ALCOLE_NEUTRO, QTA_ALCOLE_GREZZO, QTA_ACQUAVITE,
        AIUTO_ALCOLE_NEUTRO, AIUTO_ALCOLE_GREZZO, AIUTO_ACQUAVITE, IMPORTO_DETRAIBILE, TOTALE_AIUTO,
        APPROVAZIONE_ANTICIPATA, PERC_APPROVAZIONE_ANTICIPATA;
};

// The values the menu and the windows hand to one another, once per run.
struct StatoCondiviso {
    int vModoOperativo = 0;
    QString sTitolo;
    QString sOperazione;
    QString sOperazioneDistilleria;
    bool bDistilleriaMancante = false;
    QString sPercorsoDB;
    std::unique_ptr<Database> dbDati;
    QString sSQL;
    QString sUltimaCampagna;
    QString sCampagnaFiltro;
    int iEsitoControllo = 0;
    int iFoglio = 0;
    int iRigo = 0;
    QString sVersioneDB;
    QString sDataVersione;
    // Backup and restore: 0 while a backup runs, 1 while a restore runs.
    int iOperazioneArchivio = 0;
    // The chosen archive folder, then the file the archiver reads.
    QString sPercorsoArchivio;
    // Set when the user gives the backup or restore up at any prompt.
    bool bOperazioneAnnullata = false;

    RecordDomanda DomandaCorrente;
    RecordFattura FatturaCorrente;
    RecordDistilleria DistilleriaCorrente;
    RecordDomandaProduttore DomandaProduttoreCorrente;
    RecordUtf UtfCorrente;
    RecordColore ColoreCorrente;
    RecordProduttore ProduttoreCorrente;
};
