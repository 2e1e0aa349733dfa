#include "AmbienteDistillatore.h"
#include "StampaQString.h"

#include "app/CampoTesto.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/FrmDomanda.h"
#include "distiller/FrmSelezione.h"
#include "help/FrmHelp.h"

#include <QComboBox>
#include <QPushButton>

#include <memory>

namespace {

const QString TITOLO = QStringLiteral(" Domande ");
const QString DOMANDA_INSERITA =
    QStringLiteral("DOMANDA || '|' || PROGRESSIVO || '|' || ID_VARIETA || '|' || TIPO_ARTICOLO || '|' || STAM || '|' || "
                   "SCAR || '|' || PROG_VERS || '|' || DATA_CAMP");

class TestFrmDomanda : public AmbienteDistillatore {
protected:
    TestFrmDomanda()
    {
        stato.vModoOperativo = 0;
        stato.sTitolo = TITOLO;
        stato.sOperazione = QStringLiteral("I");
    }
    FrmDomanda& apri()
    {
        m_finestra = std::make_unique<FrmDomanda>(contesto);
        attiva(*m_finestra);
        return *m_finestra;
    }
    FrmDomanda& finestra() { return *m_finestra; }
    // Types the text into the field and leaves it.
    void scrivi(int campo, const QString& testo)
    {
        CampoTesto* casella = finestra().TxtDati(campo);
        casella->setFocus();
        casella->clear();
        QTest::keyClicks(casella, testo);
        finestra().Cmddati(1)->setFocus();
    }
    void scegli(int lista, const QString& voce)
    {
        QComboBox* cbo = finestra().cboDomanda(lista);
        cbo->setCurrentIndex(cbo->findText(voce));
        Q_EMIT cbo->activated(cbo->currentIndex());
    }
    void compila(const QString& campagna, const QString& numero, const QString& progressivo, const QString& prodotto)
    {
        if (!campagna.isNull()) scegli(0, campagna);
        scrivi(1, numero);
        scrivi(2, progressivo);
        if (!prodotto.isNull()) scegli(4, prodotto);
    }
    void salva() { QTest::mouseClick(finestra().Cmddati(0), Qt::LeftButton); }
    qint32 idUnico() { return leggi(QStringLiteral("SELECT max(ID_DOMANDA) FROM DOMANDE")).toInt(); }

    std::unique_ptr<FrmDomanda> m_finestra;
};

QStringList voci(QComboBox* lista)
{
    QStringList elenco;
    for (int i = 0; i < lista->count(); ++i) elenco << lista->itemText(i);
    return elenco;
}

}  // namespace

TEST_F(TestFrmDomanda, NuovaDomandaRiempitaDiZeriESalvata)
{
    apri();
    EXPECT_EQ(finestra().windowTitle(), "Domanda ");
    EXPECT_EQ(voci(finestra().cboDomanda(0)), QStringList({"2001", "2002", "2003", "2004", "2005"}));
    EXPECT_EQ(voci(finestra().cboDomanda(3)), QStringList({"29", "30", ""}));
    EXPECT_EQ(voci(finestra().cboDomanda(4)).last(), "");
    EXPECT_EQ(finestra().cboDomanda(4)->itemText(0), "ACQ ACQUAVITE DI VINO");
    for (int lista : {0, 3, 4}) EXPECT_EQ(finestra().cboDomanda(lista)->currentIndex(), -1) << lista;
    EXPECT_FALSE(finestra().TxtDati(1)->isReadOnly());

    compila("2005", "12a3", "1", "DIS DISTILLATO DI VINO");
    EXPECT_EQ(finestra().TxtDati(1)->text(), "00000000123");
    EXPECT_EQ(finestra().TxtDati(2)->text(), "01");
    EXPECT_EQ(voci(finestra().cboDomanda(3)), QStringList({"30"}));
    EXPECT_EQ(finestra().cboDomanda(3)->currentText(), "30");
    salva();
    EXPECT_EQ(riga(idUnico(), DOMANDA_INSERITA), "00000000123|01|4|30|N|N|1|2005");
    EXPECT_FALSE(finestra().isVisible()) << "the window closes after the save";
}

TEST_F(TestFrmDomanda, LaCampagnaRiduceGliArticoli)
{
    apri();
    scegli(3, "29");
    scegli(0, "2004");
    EXPECT_EQ(voci(finestra().cboDomanda(3)), QStringList({"30"}));
    EXPECT_EQ(finestra().cboDomanda(3)->currentIndex(), -1) << "29 is no longer offered";
    scegli(3, "30");
    scegli(0, "2003");
    EXPECT_EQ(finestra().cboDomanda(3)->currentText(), "30") << "the type chosen before stays";
}

TEST_F(TestFrmDomanda, ControlliNellOrdine)
{
    domanda("00000000007", "05", "2004");
    stato.dbDati->esegui("INSERT INTO DOMANDE_PRODUTTORI (DOMANDA, TIPO_ARTICOLO) VALUES ('00000000008', '29')");
    const QString conTitolo = "Salvataggio " + TITOLO;
    struct Caso {
        QString campagna, numero, progressivo, prodotto;
        int esito;
        Messaggio messaggio;
    };
    const QString prodotto = "ACQ ACQUAVITE DI VINO";
    const QList<Caso> casi = {
        {QString(), "", "", QString(), 6, avviso(conTitolo, "Campagna campo obbligatorio. ")},
        {"2005", "", "", QString(), 1, avviso("Salvataggio ", "Domanda campo obbligatorio.")},
        {"2005", "0", "1", prodotto, 1, avviso("Salvataggio ", "Domanda campo obbligatorio.")},
        {"2005", "5", "00", prodotto, 2, avviso("Salvataggio ", "Progressivo domanda campo obbligatorio.")},
        {"2004", "5", "1", prodotto, 3, avviso(conTitolo, "Tipo Articolo campo obbligatorio. ")},
        {"2005", "5", "1", QString(), 4, avviso(conTitolo, "Prodotto ottenuto campo obbligatorio. ")},
        {"2005", "7", "01", prodotto, 5, avviso(conTitolo, "Domanda già esistente.")},
        {"2005", "8", "01", prodotto, 10, avviso(conTitolo, "La domanda appartiene a un altro articolo.")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.esito);
        apri();
        compila(caso.campagna, caso.numero, caso.progressivo, caso.prodotto);
        messaggi.aspetta(caso.messaggio);
        salva();
        messaggi.verificaCompletato();
        EXPECT_EQ(stato.iEsitoControllo, caso.esito);
        EXPECT_TRUE(finestra().isVisible());
        EXPECT_EQ(conta("DOMANDE"), 1);
    }
}

TEST_F(TestFrmDomanda, ModificaRimetteIFlagANonStampataNonScaricata)
{
    const qint32 id = domanda("00000000007", "05", "2004", "S", "S", "30", 3);
    stato.dbDati->esegui("INSERT INTO DOMANDE_PRODUTTORI (DOMANDA, TIPO_ARTICOLO) VALUES ('00000000007', '30')");
    stato.sOperazione = "M";
    stato.DomandaCorrente = {id, "00000000007", "S", "S", "1", "30", "05", "ALN ALCOLE NEUTRO", 2, "2004"};
    apri();
    EXPECT_TRUE(finestra().TxtDati(1)->isReadOnly());
    EXPECT_EQ(finestra().TxtDati(1)->text(), "00000000007");
    EXPECT_EQ(finestra().TxtDati(2)->text(), "05");
    EXPECT_EQ(finestra().cboDomanda(0)->currentText(), "2004");
    EXPECT_EQ(finestra().cboDomanda(3)->currentText(), "30");
    EXPECT_EQ(finestra().cboDomanda(4)->currentText(), "ALN ALCOLE NEUTRO");
    scrivi(2, "6");
    salva();
    EXPECT_EQ(riga(id, DOMANDA_INSERITA), "00000000007|06|3|30|N|N|1|2004");
    EXPECT_EQ(conta("DOMANDE"), 1);
    EXPECT_FALSE(finestra().isVisible());

    stato.dbDati->esegui("DELETE FROM DOMANDE");
    apri();
    messaggi.aspetta(avviso("TORMAVELLINO", "Nessun record da aggiornare"));
    salva();
    EXPECT_EQ(conta("DOMANDE"), 0);
    EXPECT_FALSE(finestra().isVisible());
}

TEST_F(TestFrmDomanda, ProdottoSparitoRegistratoELaFinestraSiChiude)
{
    apri();
    compila("2005", "9", "1", "ALG ALCOLE GREZZO");
    stato.dbDati->esegui("DELETE FROM VARIETA WHERE CODI_PROD = 'ALG'");
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, "Gestione Errori",
                      LogErrori::TestoGestioneErrori(3021, "Nessun record corrente.", "tormavellino",
                                                     "FrmDomanda.MetodiDOMANDA ")});
    salva();
    EXPECT_EQ(conta("DOMANDE"), 0);
    EXPECT_EQ(leggi("SELECT DESC_APPL FROM LOGERR"), "FrmDomanda.MetodiDOMANDA ");
    EXPECT_FALSE(finestra().isVisible());
}

TEST_F(TestFrmDomanda, HelpPerInserimentoEModifica)
{
    QStringList chiavi;
    finestre.copioni["FrmHelp"] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    apri();
    QTest::mouseClick(finestra().Cmddati(2), Qt::LeftButton);
    stato.sOperazione = "M";
    attiva(finestra());
    QTest::keyClick(finestra().TxtDati(2), Qt::Key_F1);
    EXPECT_EQ(chiavi, QStringList({"FRMDOMANDA_INS", "FRMDOMANDA_MOD"}));
}

TEST_F(TestFrmDomanda, NuovoDallaSelezioneELaListaSiRicarica)
{
    stato.vModoOperativo = 0;
    FrmSelezione selezione(contesto, {});
    finestre.copioni["FrmDomanda"] = [this](QWidget* w) {
        m_finestra.reset(static_cast<FrmDomanda*>(w));
        attiva(*m_finestra);
        compila("2005", "44", "2", "ACQ ACQUAVITE DI VINO");
        salva();
        (void)m_finestra.release();
    };
    QTest::mouseClick(selezione.Cmddati(1), Qt::LeftButton);
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].sOperazione, "I");
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::Modale);
    ASSERT_EQ(selezione.Data_DISTILLA()->rowCount(), 1);
    EXPECT_EQ(selezione.Data_DISTILLA()->testo(0, "DOMANDA"), "00000000044");
}
