#include "AmbienteProva.h"
#include "StampaQString.h"

#include "distiller/frmCarico.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class FinestraCarico_ : public AmbienteProva {
protected:
    void SetUp() override
    {
        apriDatabase();
        stato.sTitolo = QStringLiteral(" Carico della Domanda ");
    }
};

TEST_F(FinestraCarico_, CaricaERestaAperta)
{
    frmCarico finestra(contesto);
    finestra.show();
    EXPECT_EQ(finestra.windowTitle(), stato.sTitolo);
    ASSERT_EQ(finestra.CmbDomAnnualita()->count(), 5);
    finestra.CmbDomAnnualita()->setCurrentText(QStringLiteral("2005"));
    EXPECT_EQ(finestra.percorso()->text(), QStringLiteral("Seleziona percorso file ART30FAT2005.txt"));
    EXPECT_EQ(stato.sCampagnaFiltro, QStringLiteral("2005"));

    cartelle.risposte = {QStringLiteral(TORMAVELLINO_CASI_CARICO)};
    messaggi.aspetta({Icona::Nessuna, Pulsanti::SiNo, 0, QStringLiteral("Elenco delle fatture scartate"),
                      QStringLiteral("Ci sono delle fatture scartate perchè mancanti della data di introduzione.\r\n"
                                     "Visualizzare la lista?")},
                     Risposta::No);
    messaggi.aspetta({Icona::Informazione, Pulsanti::Ok, 0, stato.sTitolo, QStringLiteral("Carico fornitura correttamente eseguito")});
    QTest::mouseClick(finestra.Cmddati(0), Qt::LeftButton);
    messaggi.verificaCompletato();
    EXPECT_EQ(cartelle.titoliChiesti, QStringList{QStringLiteral("Selezionare il Percorso del file ART30FAT2005.txt di Carico.")});
    EXPECT_EQ(finestra.esito(), CaricoFatture::Esito::Caricata);
    EXPECT_EQ(conta(QStringLiteral("DOMANDE")), 2);
    EXPECT_TRUE(finestra.isVisible());
    EXPECT_FALSE(finestra.carica()->isVisible());

    // Once a file has been processed, giving up the folder choice leaves the window open.
    cartelle.risposte = {QString()};
    QTest::mouseClick(finestra.Cmddati(0), Qt::LeftButton);
    EXPECT_TRUE(finestra.isVisible());

    QTest::mouseClick(finestra.Cmddati(1), Qt::LeftButton);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(stato.sCampagnaFiltro, QString());
}

TEST_F(FinestraCarico_, SenzaCartellaSiChiude)
{
    frmCarico finestra(contesto);
    finestra.show();
    cartelle.risposte = {QString()};
    QTest::mouseClick(finestra.Cmddati(0), Qt::LeftButton);
    EXPECT_FALSE(finestra.isVisible());
}
