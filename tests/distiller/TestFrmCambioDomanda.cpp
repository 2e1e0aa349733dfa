#include "AmbienteDistillatore.h"
#include "StampaQString.h"

#include "app/CampoTesto.h"
#include "distiller/frmCambioDomanda.h"
#include "help/FrmHelp.h"

#include <QPushButton>

#include <memory>

namespace {

const QString TITOLO = QStringLiteral(" Cambio Num. Domande ");

class TestFrmCambioDomanda : public AmbienteDistillatore {
protected:
    TestFrmCambioDomanda()
    {
        stato.sTitolo = TITOLO;
        m_id = domanda("00000000001", "01", "2005", "S", "S", "30");
        fattura(m_id, "1");
        stato.DomandaCorrente = {m_id, "00000000001", "S", "S", "1", "30", "01", "ACQ ACQUAVITE DI VINO", 2, "2005"};
    }
    frmCambioDomanda& apri()
    {
        m_finestra = std::make_unique<frmCambioDomanda>(contesto);
        attiva(*m_finestra);
        return *m_finestra;
    }
    frmCambioDomanda& finestra() { return *m_finestra; }
    void scrivi(const QString& testo)
    {
        CampoTesto* casella = finestra().TxtDati(2);
        casella->setFocus();
        casella->clear();
        QTest::keyClicks(casella, testo);
    }
    void salva() { QTest::mouseClick(finestra().Cmddati(0), Qt::LeftButton); }

    qint32 m_id = 0;
    std::unique_ptr<frmCambioDomanda> m_finestra;
};

}  // namespace

TEST_F(TestFrmCambioDomanda, NuovoNumeroRiempitoDiZeriESalvato)
{
    apri();
    EXPECT_EQ(finestra().windowTitle(), "Cambio");
    EXPECT_EQ(finestra().TxtDati(1)->text(), "00000000001");
    EXPECT_TRUE(finestra().TxtDati(1)->isReadOnly());
    EXPECT_EQ(finestra().TxtDati(2)->toolTip(), "Numero U.T.F.");
    domanda("00000000123", "01", "2005", "N", "N", "29");

    scrivi("123");
    messaggi.aspetta(avviso(TITOLO, "Operazione correttamente eseguita."));
    salva();
    EXPECT_EQ(finestra().TxtDati(2)->text(), "00000000123");
    EXPECT_EQ(riga(m_id), "00000000123|01|N|N") << "another type of article may bear the number";
    EXPECT_EQ(leggi("SELECT count(*) FROM FATTURE WHERE ID_DOMANDA = ?1", {m_id}), "1");
    EXPECT_FALSE(finestra().isVisible());
}

TEST_F(TestFrmCambioDomanda, RifiutiNellOrdine)
{
    domanda("00000000005", "07", "2004", "N", "N", "30");
    struct Caso {
        QString digitato;
        bool lasciaLaCasella;
        QString testo;
    };
    const QList<Caso> casi = {
        {"", true, "Inserire il nuovo numero domanda. "},
        {"0", true, "Inserire il nuovo numero domanda. "},
        {"123", false, "Il nuovo numero domanda non è corretto. "},
        {"1", true, "Il nuovo numero domanda è già esistente. "},
        {"5", true, "Il nuovo numero domanda è già esistente. "},
    };
    apri();
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.digitato.toStdString());
        scrivi(caso.digitato);
        messaggi.aspetta(avviso(TITOLO, caso.testo));
        if (caso.lasciaLaCasella)
            salva();
        else
            finestra().Cmddati(0)->click();
        messaggi.verificaCompletato();
        EXPECT_TRUE(finestra().isVisible());
        EXPECT_EQ(riga(m_id), "00000000001|01|S|S");
    }
}

TEST_F(TestFrmCambioDomanda, DomandaSparitaNonEseguitoELaFinestraResta)
{
    apri();
    stato.dbDati->esegui("DELETE FROM FATTURE");
    stato.dbDati->esegui("DELETE FROM DOMANDE");
    scrivi("9");
    messaggi.aspetta(avviso(TITOLO, "Operazione non eseguita."));
    salva();
    EXPECT_TRUE(finestra().isVisible());
}

TEST_F(TestFrmCambioDomanda, HelpDalPulsanteEDaF1)
{
    QStringList chiavi;
    finestre.copioni["FrmHelp"] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    apri();
    QTest::mouseClick(finestra().Cmddati(2), Qt::LeftButton);
    attiva(finestra());
    QTest::keyClick(finestra().TxtDati(2), Qt::Key_F1);
    EXPECT_EQ(chiavi, QStringList({"frmCambioDomanda", "frmCambioDomanda"}));
}
