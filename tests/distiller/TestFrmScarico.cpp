#include "AmbienteProva.h"
#include "StampaQString.h"

#include "app/base/CaricaDistilleria.h"
#include "distiller/frmScarico.h"

#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QTest>

class FinestraScarico : public AmbienteProva {
protected:
    void SetUp() override
    {
        apriDatabase().eseguiScript(QStringLiteral(
            "INSERT INTO DISTILLERIA VALUES ('01234567890', 'DISTILLERIA SAN VITO', 'VIA DEI TINI 4');"
            "INSERT INTO DOMANDE (ID_DOMANDA, DOMANDA, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, PROG_VERS, PROG_INVIO) "
            "VALUES (4, '00000012345', 1, '30', 'S', 'N', '1', 0);"));
        Md_FunzioniGenerali::CaricaDistilleria(contesto);
        stato.sTitolo = QStringLiteral(" Scarico della Domanda ");
        stato.sCampagnaFiltro = QStringLiteral("2005");
        stato.DomandaCorrente.ID_DOMANDA = 4;
        stato.DomandaCorrente.DOMANDA = QStringLiteral("00000012345");
        stato.DomandaCorrente.PROG_VERS = QStringLiteral("1");
    }

    // Shows the window as the selection window does and waits for it to close by itself.
    void apriEAttendi(frmScarico& finestra)
    {
        finestra.show();
        QTRY_VERIFY_WITH_TIMEOUT(!finestra.isVisible(), 5000);
    }

    QTemporaryDir destinazione;
};

TEST_F(FinestraScarico, ScaricaAllaPrimaAttivazioneESiChiude)
{
    cartelle.risposte = {destinazione.path()};
    frmScarico finestra(contesto);
    EXPECT_EQ(finestra.windowTitle(), stato.sTitolo);
    EXPECT_EQ(finestra.Label1()->text(), QStringLiteral("Scarico in corso della Domanda n. 00000012345"));

    apriEAttendi(finestra);

    EXPECT_EQ(finestra.esito().stato, EsitoScarico::Stato::Eseguito);
    EXPECT_EQ(QDir(destinazione.path()).entryList(QDir::Files), QStringList{QStringLiteral("KalvorFAT.001")});
    EXPECT_EQ(leggi(QStringLiteral("SELECT SCAR || PROG_INVIO FROM DOMANDE")), QStringLiteral("S1"));
    EXPECT_FALSE(finestra.bAnnulla());
    EXPECT_TRUE(stato.sCampagnaFiltro.isEmpty());
}

TEST_F(FinestraScarico, SceltaAnnullataNonCambiaNulla)
{
    frmScarico finestra(contesto);
    apriEAttendi(finestra);

    EXPECT_TRUE(finestra.bAnnulla());
    EXPECT_EQ(leggi(QStringLiteral("SELECT PROG FROM PROG_DSK")), QStringLiteral("0"));
    EXPECT_FALSE(QFile::exists(cartellaProgramma() + QStringLiteral("/COPI1.666")));
    EXPECT_EQ(cartelle.titoliChiesti, QStringList{QStringLiteral("Selezionare il Percorso di scarico.")});
}
