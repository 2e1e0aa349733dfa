#include "AmbienteProva.h"

#include "app/FrmMenu.h"
#include "app/base/Avvio.h"
#include "app/base/Costanti.h"
#include "app/frmSpalsh.h"

#include <QLabel>
#include <QTest>

namespace {

class TestAvvio : public AmbienteProva {
protected:
    // Turns the fresh database into one of the older layout: a SETUP table, no tab_setup.
    void strutturaPrecedente(const QString& nomeTabella)
    {
        Database& db = apriDatabase();
        db.esegui(QStringLiteral("DROP TABLE tab_setup"));
        db.esegui(QStringLiteral("DROP TABLE TAB_Fornitura"));
        db.esegui(QStringLiteral("CREATE TABLE \"%1\" (VERSIONE TEXT)").arg(nomeTabella));
        stato.dbDati.reset();
    }
    QStringList tabelle()
    {
        QStringList nomi = apriDatabase().tabelle();
        stato.dbDati.reset();
        return nomi;
    }
};

}  // namespace

TEST_F(TestAvvio, DatabaseInOrdine)
{
    EXPECT_TRUE(Avvio::ControlliAvvio(contesto));
    EXPECT_EQ(stato.sUltimaCampagna, QStringLiteral("2005"));
    EXPECT_EQ(stato.sVersioneDB, QStringLiteral("1.0.0"));
    EXPECT_EQ(stato.sDataVersione, QStringLiteral("01/12/2005"));
    EXPECT_EQ(stato.dbDati, nullptr) << "il database si richiude dopo i controlli";
    EXPECT_FALSE(applicazione.terminato());
}

TEST_F(TestAvvio, StrutturaPrecedenteAggiornataUnaVoltaSola)
{
    strutturaPrecedente(QStringLiteral("Setup"));
    EXPECT_TRUE(Avvio::ControlliAvvio(contesto));
    const QStringList dopo = tabelle();
    EXPECT_FALSE(dopo.contains(QStringLiteral("Setup"), Qt::CaseInsensitive));
    EXPECT_TRUE(dopo.contains(QStringLiteral("tab_setup")));
    EXPECT_TRUE(dopo.contains(QStringLiteral("TAB_Fornitura")));
    EXPECT_EQ(leggi(QStringLiteral("SELECT VERSIONE || '|' || data_versione || '|' || DESCRIZIONE FROM tab_setup")),
              QStringLiteral("1.0.0|15/03/2006|Distilleria ART.30 con Carico, Gestione, Scarico."));
    EXPECT_EQ(conta(QStringLiteral("TAB_Fornitura")), 0);
    apriDatabase().esegui(QStringLiteral("INSERT INTO TAB_Fornitura (CAMPAGNA) VALUES ('2005')"));
    stato.dbDati.reset();

    applicazione.orologio = applicazione.orologio.addDays(1);
    EXPECT_TRUE(Avvio::ControlliAvvio(contesto));
    EXPECT_EQ(conta(QStringLiteral("tab_setup")), 1) << "nessun secondo aggiornamento";
    EXPECT_EQ(conta(QStringLiteral("TAB_Fornitura")), 1);
    EXPECT_EQ(leggi(QStringLiteral("SELECT data_versione FROM tab_setup")), QStringLiteral("15/03/2006"));
}

TEST_F(TestAvvio, VersioneDiversaInUnSoloCarattereFerma)
{
    for (const char* versione : {"1.0.0 ", "1.0", "1.0.1", " 1.0.0"}) {
        SCOPED_TRACE(versione);
        apriDatabase().esegui(QStringLiteral("UPDATE tab_setup SET VERSIONE = ?1"), {QString::fromLatin1(versione)});
        stato.dbDati.reset();
        applicazione.terminazioni.clear();
        messaggi.aspetta({Icona::Critico, Pulsanti::Ok, 0, QStringLiteral("TORMAVELLINO"),
                          QStringLiteral("Aggiornamento fallito contattare assistenza\r\nVersioni non congruenti DB ") +
                              QString::fromLatin1(versione) + QStringLiteral(" - ExE 1.0.0")});
        EXPECT_FALSE(Avvio::ControlliAvvio(contesto));
        EXPECT_EQ(applicazione.terminazioni, QList<int>{1});
        messaggi.verificaCompletato();
        stato.dbDati.reset();
    }
    EXPECT_EQ(conta(QStringLiteral("LOGERR")), 0) << "la versione diversa non si registra";
}

TEST_F(TestAvvio, TabellaMancanteRegistrataEFine)
{
    apriDatabase().esegui(QStringLiteral("DROP TABLE CAMPAGNA"));
    stato.dbDati.reset();
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                      QStringLiteral("Errore numero\t: 3001\n\r\nDescrizione    \t: no such table: CAMPAGNA\n\r\n"
                                     "Nome Eseguibile\t: tormavellino\n\r\nNome Form\t: AGGIORNAMENTO VERSIONE\n\r\n"
                                     "Nome Funzione \t: AGGIORNAMENTO VERSIONE")});
    EXPECT_FALSE(Avvio::ControlliAvvio(contesto));
    EXPECT_EQ(applicazione.terminazioni, QList<int>{1});
    EXPECT_EQ(leggi(QStringLiteral("SELECT DESC_APPL || '|' || CODI_ERRO FROM LOGERR")),
              QStringLiteral("AGGIORNAMENTO VERSIONE|03001"));
}

TEST_F(TestAvvio, FinestraDiAvvioEClicCheApreIlMenu)
{
    for (int indice : {1, 2}) {
        SCOPED_TRACE(indice);
        finestre.aperture.clear();
        frmSpalsh avvio(contesto);
        EXPECT_EQ(stato.sPercorsoDB, cartellaProgramma() + QStringLiteral("/database/"));
        EXPECT_EQ(avvio.etichetta(0)->text(), QStringLiteral("Per sistemi Microsoft Windows"));
        EXPECT_EQ(avvio.etichetta(1)->text(), QStringLiteral("Versione 1.0.0"));
        EXPECT_EQ(avvio.etichetta(2)->text(), QStringLiteral("Prosegui"));
        avvio.show();
        QTRY_VERIFY(stato.sVersioneDB == QStringLiteral("1.0.0"));
        EXPECT_TRUE(finestre.aperture.isEmpty()) << "senza clic la finestra resta";

        QTest::mouseClick(avvio.etichetta(indice), Qt::LeftButton);
        EXPECT_FALSE(avvio.isVisible());
        // With no distillery stored the menu opens the distillery window while it loads.
        ASSERT_EQ(finestre.aperture.size(), 2);
        EXPECT_EQ(finestre.aperture.at(0).classe, QStringLiteral("frmInizializza"));
        EXPECT_EQ(finestre.aperture.at(1).classe, QStringLiteral("FrmMenu"));
        EXPECT_EQ(finestre.aperture.at(1).modo, ModoFinestra::Principale);
        auto* menu = qobject_cast<FrmMenu*>(finestre.aperteNelMenu.last().data());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->windowTitle(),
                  QStringLiteral("Domanda di aiuto alla Distillazione di crisi art. 30 Reg. (CE) 1493/99 e Reg. (CE) "
                                 "1530/05 - Campagna 2005/2006"));
        EXPECT_NE(stato.dbDati, nullptr) << "il menu riapre il database per tutta la sessione";
        delete menu;
        stato.dbDati.reset();
    }
}
