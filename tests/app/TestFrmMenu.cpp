#include "AmbienteProva.h"

#include "app/FrmMenu.h"
#include "app/base/Costanti.h"
#include "distiller/FrmSelezione.h"
#include "help/FrmHelp.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {

class TestFrmMenu : public AmbienteProva {
protected:
    void distilleriaPresente()
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA VALUES ('12345678903', 'CANTINA', 'VIA ROMA 1')"));
        stato.dbDati.reset();
    }
    FrmMenu& menu()
    {
        if (!m_menu) {
            m_menu = std::make_unique<FrmMenu>(contesto);
            m_menu->show();
        }
        return *m_menu;
    }
    // The entry reached through the captions of its groups.
    QAction* voce(const QStringList& percorso)
    {
        QList<QAction*> azioni = menu().menuBar()->actions();
        QAction* trovata = nullptr;
        for (const QString& didascalia : percorso) {
            trovata = nullptr;
            for (QAction* azione : azioni) {
                if (azione->text() == didascalia) trovata = azione;
            }
            if (!trovata) return nullptr;
            if (trovata->menu()) azioni = trovata->menu()->actions();
        }
        return trovata;
    }
    static Messaggio domandaUscita()
    {
        return {Icona::Domanda, Pulsanti::SiNo, 0, md_Globali::TITOLO_DOMANDA,
                QStringLiteral("Abbandonare la sessione di lavoro ?")};
    }

    std::unique_ptr<FrmMenu> m_menu;
};

// Captions of a group in order; "-" a separator, "(x)" not available, "[x]" hidden.
QStringList voci(QMenu* gruppo)
{
    QStringList elenco;
    const QList<QAction*> azioni = gruppo->actions();
    for (const QAction* azione : azioni) {
        QString voce = azione->isSeparator() ? QStringLiteral("-") : azione->text();
        if (!azione->isVisible()) voce = QLatin1Char('[') + voce + QLatin1Char(']');
        else if (!azione->isEnabled()) voce = QLatin1Char('(') + voce + QLatin1Char(')');
        elenco << voce;
    }
    return elenco;
}

}  // namespace

TEST_F(TestFrmMenu, CaricamentoConDistilleria)
{
    distilleriaPresente();
    EXPECT_EQ(menu().windowTitle(), md_Globali::TITOLO_DOMANDA + QStringLiteral(" - Campagna 2005/2006"));
    EXPECT_TRUE(stato.dbDati) << "il database resta aperto";
    EXPECT_EQ(stato.DistilleriaCorrente.CODI_FISC, QStringLiteral("12345678903"));
    EXPECT_TRUE(finestre.aperture.isEmpty());
}

TEST_F(TestFrmMenu, DistilleriaVuotaApreSubitoLaFinestraDellaDistilleria)
{
    menu();
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].classe, QStringLiteral("frmInizializza"));
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::NelMenu);
    EXPECT_EQ(finestre.aperture[0].sTitolo, QStringLiteral(" Inizializza Distilleria "));
    EXPECT_TRUE(stato.bDistilleriaMancante);

    voce({QStringLiteral("Funzioni di sistema"), QStringLiteral("Inizializza Distilleria")})->trigger();
    EXPECT_EQ(finestre.aperture.size(), 1) << "la finestra già aperta non si apre una seconda volta";
}

TEST_F(TestFrmMenu, GruppiEVociInOrdine)
{
    distilleriaPresente();
    const QList<std::pair<QStringList, QStringList>> attesi = {
        {{}, {"Gestione", "Funzioni di sistema", "Versione", "Help"}},
        {{"Gestione"}, {"Fatturazione", "-", "Conferimenti", "-", "Esci"}},
        {{"Gestione", "Fatturazione"},
         {"Domande", "Fatture", "-", "Cambio N° Domanda", "-", "Stampe", "(Stampe Bolle)", "-", "Scarico Domande", "-",
          "Carico fornitura"}},
        {{"Gestione", "Conferimenti"},
         {"Domande", "[Produttore]", "Certificati UTF", "-", "Cambio N° ", "-", "Stampe riepilogative", "-",
          "Scarica Domanda", "-", "Carico fornitura"}},
        {{"Gestione", "Conferimenti", "Cambio N° "}, {"Domanda", "Certificato UTF"}},
        {{"Gestione", "Conferimenti", "Stampe riepilogative"}, {"Domanda", "[Prospetto a saldo]", "UTF"}},
        {{"Funzioni di sistema"}, {"Inizializza Distilleria", "Archivi"}},
        {{"Funzioni di sistema", "Archivi"}, {"Backup", "Restore"}},
    };
    for (const auto& [percorso, elenco] : attesi) {
        SCOPED_TRACE(percorso.join(QStringLiteral(" > ")).toStdString());
        if (percorso.isEmpty()) {
            QStringList cima;
            const QList<QAction*> azioni = menu().menuBar()->actions();
            for (const QAction* azione : azioni) cima << azione->text();
            EXPECT_EQ(cima, elenco);
            continue;
        }
        QAction* gruppo = voce(percorso);
        ASSERT_TRUE(gruppo && gruppo->menu());
        EXPECT_EQ(voci(gruppo->menu()), elenco);
    }
}

TEST_F(TestFrmMenu, OgniVoceImpostaModoETitolo)
{
    distilleriaPresente();
    const QString modoInvariato = QStringLiteral("invariato");
    struct Caso {
        QStringList percorso;
        int modo;  // -1: mode left as it was
        QString titolo;
    };
    const QString F = QStringLiteral("Fatturazione"), C = QStringLiteral("Conferimenti");
    finestre.copioni[QStringLiteral("FrmSelezione")] = [](QWidget* finestra) { finestra->show(); };
    const QList<Caso> casi = {
        {{F, "Domande"}, 0, " Domande "},
        {{F, "Fatture"}, 1, " Fatture "},
        {{F, "Cambio N° Domanda"}, 3, " Cambio Num. Domande "},
        {{F, "Stampe"}, 5, "Stampa Domanda "},
        {{F, "Scarico Domande"}, 4, " Scarico della Domanda "},
        {{F, "Carico fornitura"}, 6, " Carico della Domanda "},
        {{C, "Domande"}, 7, " Domande del distillatore "},
        {{C, "Certificati UTF"}, 11, " Certificato UTF "},
        {{C, "Cambio N° ", "Domanda"}, 12, " Cambio Num. Domande del Produttore"},
        {{C, "Cambio N° ", "Certificato UTF"}, 13, " Cambio Num. Certificato Utf"},
        {{C, "Stampe riepilogative", "Domanda"}, 18, "Stampa Domanda del distillatore"},
        {{C, "Stampe riepilogative", "UTF"}, 19, "Stampa UTF "},
        {{C, "Scarica Domanda"}, 16, " Scarico delle Domande distillatore "},
        {{C, "Carico fornitura"}, 14, " Carico " + md_Globali::TITOLO_DOMANDA},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.percorso.join(QStringLiteral(" > ")).toStdString());
        QAction* azione = voce(QStringList{QStringLiteral("Gestione")} + caso.percorso);
        ASSERT_NE(azione, nullptr);
        stato.vModoOperativo = -1;
        stato.sTitolo = modoInvariato;
        azione->trigger();
        EXPECT_EQ(stato.vModoOperativo, caso.modo);
        EXPECT_EQ(stato.sTitolo, caso.titolo);
    }

    stato.vModoOperativo = 5;
    stato.sTitolo = modoInvariato;
    voce({QStringLiteral("Gestione"), F, QStringLiteral("Stampe Bolle")})->trigger();
    EXPECT_EQ(stato.sTitolo, modoInvariato) << "la voce non disponibile non agisce";

    // The distiller entries each opened the selection window for their mode, the one before closed;
    // the supply import opened its own window.
    ASSERT_EQ(finestre.aperture.size(), 6);
    const QList<int> modiAperti = {0, 1, 3, 5, 4};
    for (int i = 0; i < modiAperti.size(); ++i) {
        EXPECT_EQ(finestre.aperture[i].classe, QStringLiteral("FrmSelezione"));
        EXPECT_EQ(finestre.aperture[i].modo, ModoFinestra::NelMenu);
        EXPECT_EQ(finestre.aperture[i].vModoOperativo, modiAperti[i]);
        EXPECT_EQ(finestre.aperteNelMenu[i]->isVisible(), i == modiAperti.size() - 1);
    }
    EXPECT_EQ(finestre.aperture[5].classe, QStringLiteral("frmCarico"));
    EXPECT_EQ(finestre.aperture[5].modo, ModoFinestra::NelMenu);
    EXPECT_EQ(finestre.aperture[5].vModoOperativo, 6);

    voce({QStringLiteral("Funzioni di sistema"), QStringLiteral("Inizializza Distilleria")})->trigger();
    ASSERT_EQ(finestre.aperture.size(), 7);
    EXPECT_EQ(finestre.aperture[6].classe, QStringLiteral("frmInizializza"));
    EXPECT_EQ(finestre.aperture[6].sTitolo, QStringLiteral(" Inizializza Distilleria "));
    EXPECT_EQ(stato.vModoOperativo, 5);
}

TEST_F(TestFrmMenu, SelezionaDelleFattureApreLElencoDelleFatture)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, "
                                         "PROG_VERS, DATA_CAMP) VALUES ('12345678901', '01', 1, '30', 'N', 'N', '1', '2005')"));
    distilleriaPresente();
    finestre.copioni[QStringLiteral("FrmSelezione")] = [](QWidget* finestra) {
        auto* selezione = static_cast<FrmSelezione*>(finestra);
        selezione->show();
        selezione->TDBG_DISTILLA()->selectRow(0);
        QTest::mouseClick(selezione->Cmddati(4), Qt::LeftButton);
    };
    voce({QStringLiteral("Gestione"), QStringLiteral("Fatturazione"), QStringLiteral("Fatture")})->trigger();
    ASSERT_EQ(finestre.aperture.size(), 2);
    EXPECT_EQ(finestre.aperture[1].classe, QStringLiteral("FrmSelezionaFatture"));
    EXPECT_EQ(finestre.aperture[1].modo, ModoFinestra::Modale);
    EXPECT_EQ(stato.DomandaCorrente.DOMANDA, QStringLiteral("12345678901"));
}

TEST_F(TestFrmMenu, ScaricoDiUnaDomandaStampataApreLaFinestraDiScarico)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, "
                                         "PROG_VERS, DATA_CAMP) VALUES ('12345678901', '01', 1, '30', 'S', 'N', '1', '2005')"));
    distilleriaPresente();
    finestre.copioni[QStringLiteral("FrmSelezione")] = [](QWidget* finestra) {
        auto* selezione = static_cast<FrmSelezione*>(finestra);
        selezione->show();
        selezione->TDBG_DISTILLA()->selectRow(0);
        QTest::mouseClick(selezione->Cmddati(10), Qt::LeftButton);
    };
    voce({QStringLiteral("Gestione"), QStringLiteral("Fatturazione"), QStringLiteral("Scarico Domande")})->trigger();
    ASSERT_EQ(finestre.aperture.size(), 2);
    EXPECT_EQ(finestre.aperture[1].classe, QStringLiteral("frmScarico"));
    EXPECT_EQ(finestre.aperture[1].modo, ModoFinestra::Modale);
}

TEST_F(TestFrmMenu, SelezioneGiaApertaPerLoStessoModoNonSiRiapre)
{
    distilleriaPresente();
    finestre.copioni[QStringLiteral("FrmSelezione")] = [](QWidget* finestra) { finestra->show(); };
    QAction* domande = voce({QStringLiteral("Gestione"), QStringLiteral("Fatturazione"), QStringLiteral("Domande")});
    domande->trigger();
    domande->trigger();
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_TRUE(finestre.aperteNelMenu.last()->isVisible());
}

TEST_F(TestFrmMenu, HelpMostraTuttiGliArgomentiEVersioneApreLeInformazioni)
{
    distilleriaPresente();
    QString chiave = QStringLiteral("mai impostata");
    finestre.copioni[QStringLiteral("FrmHelp")] = [&chiave](QWidget* finestra) {
        chiave = static_cast<FrmHelp*>(finestra)->vNomeForm();
    };
    voce({QStringLiteral("Help")})->trigger();
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::Modale);
    EXPECT_EQ(chiave, QString());

    voce({QStringLiteral("Versione")})->trigger();
    voce({QStringLiteral("Versione")})->trigger();
    ASSERT_EQ(finestre.aperture.size(), 2) << "una sola finestra delle informazioni";
    EXPECT_EQ(finestre.aperture[1].classe, QStringLiteral("frmAbout"));
    EXPECT_EQ(finestre.aperture[1].modo, ModoFinestra::NelMenu);
}

TEST_F(TestFrmMenu, UscitaChiedeConferma)
{
    menu();
    ASSERT_EQ(finestre.aperteNelMenu.size(), 1);
    QAction* esci = voce({QStringLiteral("Gestione"), QStringLiteral("Esci")});

    messaggi.aspetta(domandaUscita(), Risposta::No);
    esci->trigger();
    messaggi.aspetta(domandaUscita(), Risposta::No);
    EXPECT_FALSE(menu().close()) << "la casella di chiusura chiede la stessa conferma";
    messaggi.verificaCompletato();
    EXPECT_TRUE(menu().isVisible());
    EXPECT_FALSE(applicazione.terminato());
    EXPECT_TRUE(finestre.aperteNelMenu[0]) << "le finestre aperte restano come erano";
    EXPECT_TRUE(stato.dbDati);

    messaggi.aspetta(domandaUscita(), Risposta::Si);
    esci->trigger();
    EXPECT_EQ(applicazione.terminazioni, QList<int>{0});
}
