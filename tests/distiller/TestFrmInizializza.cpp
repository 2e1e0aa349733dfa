#include "AmbienteProva.h"

#include "app/CampoTesto.h"
#include "app/base/CaricaDistilleria.h"
#include "app/base/LogErrori.h"
#include "distiller/frmInizializza.h"
#include "help/FrmHelp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString PARTITA_IVA = QStringLiteral("12345678903");
const QString CODICE_FISCALE = QStringLiteral("RSSMRA80A01H501U");
const QString TITOLO = QStringLiteral(" Inizializza Distilleria ");

class TestFrmInizializza : public AmbienteProva {
protected:
    void distilleria(const QString& codice, const QString& ragione, const QString& indirizzo)
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA VALUES (?1, ?2, ?3)"), {codice, ragione, indirizzo});
    }
    // Loads the distillery as the main window does, then opens the window.
    frmInizializza& finestra()
    {
        if (!m_finestra) {
            apriDatabase();
            stato.sTitolo = TITOLO;
            Md_FunzioniGenerali::CaricaDistilleria(contesto);
            m_finestra = std::make_unique<frmInizializza>(contesto);
            m_finestra->show();
        }
        return *m_finestra;
    }
    void scrivi(const QString& codice, const QString& ragione, const QString& indirizzo)
    {
        finestra().TxtDISTDati(1)->setText(codice);
        finestra().TxtDISTDati(2)->setText(ragione);
        finestra().TxtDISTDati(3)->setText(indirizzo);
    }
    void salva() { QTest::mouseClick(finestra().Cmddati(0), Qt::LeftButton); }
    void esci() { QTest::mouseClick(finestra().Cmddati(1), Qt::LeftButton); }
    static Messaggio avviso(const QString& titolo, const QString& testo)
    {
        return {Icona::Informazione, Pulsanti::Ok, 0, titolo, testo};
    }
    QString riga() { return leggi(QStringLiteral("SELECT CODI_FISC || '|' || RAGI_SOCI || '|' || INDI_DIST FROM DISTILLERIA")); }

    std::unique_ptr<frmInizializza> m_finestra;
};

}  // namespace

TEST_F(TestFrmInizializza, CaricaDistilleria)
{
    apriDatabase();
    stato.sTitolo = QStringLiteral("altro");
    stato.DistilleriaCorrente.CODI_FISC = QStringLiteral("VECCHIO");
    EXPECT_FALSE(Md_FunzioniGenerali::CaricaDistilleria(contesto));
    EXPECT_TRUE(stato.bDistilleriaMancante);
    EXPECT_EQ(stato.sOperazioneDistilleria, QStringLiteral("I"));
    EXPECT_EQ(stato.sTitolo, TITOLO);
    EXPECT_EQ(stato.DistilleriaCorrente.CODI_FISC, QStringLiteral("VECCHIO"));

    apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA VALUES ('12345678903', 'CANTINA', NULL)"));
    stato.sTitolo = QStringLiteral("altro");
    EXPECT_TRUE(Md_FunzioniGenerali::CaricaDistilleria(contesto));
    EXPECT_FALSE(stato.bDistilleriaMancante);
    EXPECT_EQ(stato.sOperazioneDistilleria, QStringLiteral("M"));
    EXPECT_EQ(stato.sTitolo, QStringLiteral("altro"));
    EXPECT_EQ(stato.DistilleriaCorrente.CODI_FISC, PARTITA_IVA);
    EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("CANTINA"));
    EXPECT_EQ(stato.DistilleriaCorrente.INDI_DIST, QString());
}

TEST_F(TestFrmInizializza, CampiDellaFinestra)
{
    distilleria(PARTITA_IVA, QStringLiteral("CANTINA"), QStringLiteral("VIA ROMA 1"));
    EXPECT_EQ(finestra().windowTitle(), TITOLO);
    const QList<std::tuple<QString, QString, QString, int>> attesi = {
        {PARTITA_IVA, "CODI_FISC", "Partita IVA o Codice fiscale", 16},
        {"CANTINA", "RAGI_SOCI", "Ragione sociale", 30},
        {"VIA ROMA 1", "INDI_DIST", "Indirizzo sede legale", 30},
    };
    for (int i = 1; i <= 3; ++i) {
        const auto& [testo, tag, suggerimento, lunghezza] = attesi[i - 1];
        CampoTesto* campo = finestra().TxtDISTDati(i);
        EXPECT_EQ(campo->text(), testo);
        EXPECT_EQ(campo->tag(), tag);
        EXPECT_EQ(campo->toolTip(), suggerimento);
        EXPECT_EQ(campo->maxLength(), lunghezza);
    }
}

TEST_F(TestFrmInizializza, CampoVuotoOCodiceErrato)
{
    struct Caso {
        QString codice, ragione, indirizzo;
        int esito;
        Messaggio messaggio;
    };
    const QList<Caso> casi = {
        {"   ", "CANTINA", "VIA ROMA", 1, avviso("Salvataggio ", "Partita IVA o Codice fiscale campo obbligatorio. ")},
        {PARTITA_IVA, "", "VIA ROMA", 2, avviso("Salvataggio ", "Ragione sociale campo obbligatorio. ")},
        {CODICE_FISCALE, "CANTINA", "  ", 3, avviso("Salvataggio ", "Indirizzo sede legale campo obbligatorio. ")},
        {"12345678901", "", "", 5, avviso(TITOLO, "P. IVA non corretta. ")},
        {"1234567890", "CANTINA", "VIA ROMA", 5, avviso(TITOLO, "P. IVA non corretta. ")},
        {"RSSMRA80A01H501X", "", "VIA ROMA", 4, avviso(TITOLO, "Codice fiscale non corretto. ")},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.codice.toStdString() + "|" + caso.ragione.toStdString());
        scrivi(caso.codice, caso.ragione, caso.indirizzo);
        messaggi.aspetta(caso.messaggio);
        salva();
        messaggi.verificaCompletato();
        EXPECT_EQ(stato.iEsitoControllo, caso.esito);
        EXPECT_EQ(conta(QStringLiteral("DISTILLERIA")), 0);
    }
}

TEST_F(TestFrmInizializza, PrimoSalvataggioConApostrofiPoiEsciChiudeSoltanto)
{
    scrivi(PARTITA_IVA, QStringLiteral("L'ALAMBICCO D'ORO"), QStringLiteral("VIA DELL'ORTO 3"));
    messaggi.aspetta(avviso(TITOLO, QStringLiteral("Operazione correttamente eseguita.")));
    salva();
    EXPECT_EQ(riga(), QStringLiteral("12345678903|L'ALAMBICCO D'ORO|VIA DELL'ORTO 3"));
    EXPECT_EQ(finestra().TxtDISTDati(2)->text(), QStringLiteral("L'ALAMBICCO D'ORO"));
    EXPECT_EQ(stato.sOperazioneDistilleria, QStringLiteral("M"));

    esci();
    EXPECT_FALSE(applicazione.terminato());
    EXPECT_FALSE(finestra().isVisible());
}

TEST_F(TestFrmInizializza, CodiceCambiatoAggiornaLaStessaRiga)
{
    distilleria(PARTITA_IVA, QStringLiteral("CANTINA"), QStringLiteral("VIA ROMA 1"));
    for (const QString& codice : {CODICE_FISCALE, PARTITA_IVA}) {
        SCOPED_TRACE(codice.toStdString());
        finestra().TxtDISTDati(1)->setText(codice);
        messaggi.aspetta(avviso(TITOLO, QStringLiteral("Operazione correttamente eseguita.")));
        salva();
        EXPECT_EQ(conta(QStringLiteral("DISTILLERIA")), 1);
        EXPECT_EQ(riga(), codice + QStringLiteral("|CANTINA|VIA ROMA 1"));
        EXPECT_EQ(stato.DistilleriaCorrente.CODI_FISC, codice);
    }

    apriDatabase().esegui(QStringLiteral("DELETE FROM DISTILLERIA"));
    messaggi.aspetta(avviso(TITOLO, QStringLiteral("Operazione non eseguita.")));
    salva();
    EXPECT_EQ(conta(QStringLiteral("DISTILLERIA")), 0);
}

TEST_F(TestFrmInizializza, EsciSenzaDistilleriaTerminaIlProgramma)
{
    esci();
    EXPECT_EQ(applicazione.terminazioni, QList<int>{0});
}

TEST_F(TestFrmInizializza, InserimentoFallitoRegistratoELaFinestraResta)
{
    finestra();
    apriDatabase().esegui(QStringLiteral("DROP TABLE DISTILLERIA"));
    qint32 numero = 0;
    QString descrizione;
    try {
        apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC) VALUES ('X')"));
    } catch (const Errore& e) {
        numero = e.numero();
        descrizione = e.descrizione();
    }
    scrivi(PARTITA_IVA, QStringLiteral("CANTINA"), QStringLiteral("VIA ROMA"));
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                      LogErrori::TestoGestioneErrori(numero, descrizione, QStringLiteral("tormavellino"),
                                                     QStringLiteral("frmInizializza CmdDATI_Click"))});
    salva();
    EXPECT_EQ(leggi(QStringLiteral("SELECT DESC_APPL FROM LOGERR")), QStringLiteral("frmInizializza CmdDATI_Click"));
    EXPECT_TRUE(finestra().isVisible());
    EXPECT_EQ(finestra().TxtDISTDati(2)->text(), QStringLiteral("CANTINA"));
}

TEST_F(TestFrmInizializza, HelpDalPulsanteEDaF1)
{
    QStringList chiavi;
    finestre.copioni[QStringLiteral("FrmHelp")] = [&chiavi](QWidget* help) { chiavi << static_cast<FrmHelp*>(help)->vNomeForm(); };
    QTest::mouseClick(finestra().Cmddati(2), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra()));
    QTest::keyClick(finestra().TxtDISTDati(2), Qt::Key_F1);
    EXPECT_EQ(chiavi, (QStringList{QStringLiteral("frmInizializza"), QStringLiteral("frmInizializza")}));
}

TEST_F(TestFrmInizializza, OmocodiaRifiutataRendeIlCodiceNonCorretto)
{
    scrivi(QStringLiteral("RSSMRA80A01H5LMU"), QStringLiteral("CANTINA"), QStringLiteral("VIA ROMA"));
    messaggi.aspetta({Icona::Informazione, Pulsanti::SiNo, 0, TITOLO, QStringLiteral("Si tratta di un caso di Omocodia ?")},
                     Risposta::No);
    messaggi.aspetta(avviso(TITOLO, QStringLiteral("Codice fiscale non corretto. ")));
    salva();
    EXPECT_EQ(stato.iEsitoControllo, 4);
}

TEST_F(TestFrmInizializza, TastiInMaiuscoloSenzaAsterisco)
{
    scrivi(QString(), QString(), QString());
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        QTest::keyClicks(finestra().TxtDISTDati(i), QStringLiteral("via d'oro*3"));
        EXPECT_EQ(finestra().TxtDISTDati(i)->text(), QStringLiteral("VIA D'ORO3"));
    }
}
