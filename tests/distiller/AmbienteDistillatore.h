#pragma once

#include "AmbienteProva.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// The fixture with helpers that write distiller applications, invoices and notes.
class AmbienteDistillatore : public AmbienteProva {
protected:
    AmbienteDistillatore() { apriDatabase(); }

    qint32 ultimoId() { return leggi(QStringLiteral("SELECT last_insert_rowid()")).toInt(); }

    // Product 1 is "ACQ ACQUAVITE DI VINO".
    qint32 domanda(const QString& numero, const QString& progressivo, const QString& campagna,
                   const QString& stam = QStringLiteral("N"), const QString& scar = QStringLiteral("N"),
                   const QString& tipo = QStringLiteral("30"), int varieta = 1)
    {
        stato.dbDati->esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, "
                                            "SCAR, PROG_VERS, DATA_CAMP, PROG_INVIO) VALUES (?1, ?2, ?3, ?4, ?5, ?6, '1', ?7, 2)"),
                             {numero, progressivo, varieta, tipo, stam, scar, campagna});
        return ultimoId();
    }
    qint32 fattura(qint32 idDomanda, const QString& numero, const QString& denominazione = QStringLiteral("CANTINA"),
                   const QString& lavorata = QStringLiteral("10,0000"))
    {
        stato.dbDati->esegui(QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, NUME_FATT, DENOMINAZIONE, DATA_FATT, QTA_LAVO, "
                                            "ID_LAVORAZIONE) VALUES (?1, ?2, ?3, '01/02/2006', ?4, 1)"),
                             {idDomanda, numero, denominazione, lavorata});
        return ultimoId();
    }
    void bolla(qint32 idFattura, const QString& quantita)
    {
        stato.dbDati->esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, QUANTITA_PRODOTTO) VALUES (?1, ?2)"),
                             {idFattura, quantita});
    }
    // The columns of one application row, joined by "|".
    QString riga(qint32 id, const QString& colonne = QStringLiteral("DOMANDA || '|' || PROGRESSIVO || '|' || STAM || '|' || SCAR"))
    {
        return leggi(QStringLiteral("SELECT ") + colonne + QStringLiteral(" FROM DOMANDE WHERE ID_DOMANDA = ?1"), {id});
    }
    static void attiva(QWidget& finestra)
    {
        finestra.show();
        QApplication::setActiveWindow(&finestra);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }
    static Messaggio avviso(const QString& titolo, const QString& testo, Icona icona = Icona::Informazione)
    {
        return {icona, Pulsanti::Ok, 0, titolo, testo};
    }
};
