#include "AmbienteProva.h"

#include "help/FrmHelp.h"
#include "help/Help.h"
#include "help/frmAbout.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TestHelp : public AmbienteProva {
protected:
    void SetUp() override
    {
        Database& db = apriDatabase();
        db.esegui(QStringLiteral("DELETE FROM HELP"));
        for (const auto& [nome, titolo, descrizione] : {
                 std::tuple{"frmInizializza", "dati della distilleria", "Si inseriscono i dati."},
                 std::tuple{"frmAbout", "Informazioni", "Versione del programma."},
                 std::tuple{"frmInizializza", "Salva", "Registra i dati."},
             }) {
            db.esegui(QStringLiteral("INSERT INTO HELP (nome, TITOLO, Descrizione) VALUES (?1, ?2, ?3)"),
                      {QString::fromUtf8(nome), QString::fromUtf8(titolo), QString::fromUtf8(descrizione)});
        }
    }
};

}  // namespace

TEST_F(TestHelp, ArgomentiDiUnaChiaveODiTutte)
{
    const QString finestra = QStringLiteral("DATI DELLA DISTILLERIA\nSi inseriscono i dati.\n\nSALVA\nRegistra i dati.");
    const QList<std::pair<QString, QString>> casi = {
        {QStringLiteral("frmInizializza"), finestra},
        {QStringLiteral("FRMINIZIALIZZA"), finestra},
        {QStringLiteral("frmCambioUTF"), QString()},
        {QString(), QStringLiteral("DATI DELLA DISTILLERIA\nSi inseriscono i dati.\n\nINFORMAZIONI\nVersione del "
                                   "programma.\n\nSALVA\nRegistra i dati.")},
    };
    for (const auto& [chiave, testo] : casi) {
        SCOPED_TRACE(chiave.toStdString());
        EXPECT_EQ(Help::TestoArgomenti(*stato.dbDati, chiave), testo);
    }
    EXPECT_EQ(Help::TestoArgomenti(*stato.dbDati, QStringLiteral("   ")), casi.back().second) << "chiave di soli blank";
}

TEST_F(TestHelp, ArgomentoSenzaTitoloODescrizione)
{
    stato.dbDati->esegui(QStringLiteral("INSERT INTO HELP (nome, TITOLO, Descrizione) VALUES ('frmAbout', NULL, 'Solo testo.')"));
    stato.dbDati->esegui(QStringLiteral("INSERT INTO HELP (nome, TITOLO, Descrizione) VALUES ('frmAbout', 'Solo titolo', NULL)"));
    EXPECT_EQ(Help::TestoArgomenti(*stato.dbDati, QStringLiteral("frmAbout")),
              QStringLiteral("INFORMAZIONI\nVersione del programma.\n\n\nSolo testo.\n\nSOLO TITOLO\n"));
}

TEST_F(TestHelp, FinestraModaleInSolaLettura)
{
    bool mostrata = false;
    finestre.copioni[QStringLiteral("FrmHelp")] = [&mostrata](QWidget* finestra) {
        auto* help = static_cast<FrmHelp*>(finestra);
        mostrata = true;
        EXPECT_EQ(help->windowTitle(), QStringLiteral(" Help"));
        EXPECT_TRUE(help->TxtHElp()->isReadOnly());
        EXPECT_EQ(help->TxtHElp()->toPlainText(), QStringLiteral("INFORMAZIONI\nVersione del programma."));
        EXPECT_EQ(help->CmdHelp()->text(), QStringLiteral("Esci"));
        help->show();
        QTest::mouseClick(help->CmdHelp(), Qt::LeftButton);
        EXPECT_FALSE(help->isVisible());
    };
    Help::MostraHelp(contesto, QStringLiteral("frmAbout"));
    EXPECT_TRUE(mostrata);
    ASSERT_EQ(finestre.aperture.size(), 1);
    EXPECT_EQ(finestre.aperture[0].modo, ModoFinestra::Modale);
}

TEST_F(TestHelp, InformazioniSulProgramma)
{
    stato.sDataVersione = QStringLiteral("01/12/2005");
    frmAbout finestra(contesto);
    EXPECT_EQ(finestra.windowTitle(), QStringLiteral("Informazioni su tormavellino"));
    EXPECT_EQ(finestra.lblVersion()->text(), QStringLiteral("  Versione 1.0.0 del 01/12/2005"));
    EXPECT_EQ(finestra.lblTitle()->text(), QStringLiteral("TORMAVELLINO\nPer sistemi Windows a 32 bit"));
    EXPECT_EQ(finestra.lblDescription()->text(),
              QStringLiteral("Acquisizione fatture Allegati alla domanda di aiuto alla distillazione di crisi  art.30 "
                             "Reg. CE 1493/1999 - campagna 2005/2006 Reg. CE 1530/05"));
    EXPECT_EQ(finestra.cmdSysInfo()->text(), QStringLiteral("&System Info..."));

    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    QString chiave;
    finestre.copioni[QStringLiteral("FrmHelp")] = [&chiave](QWidget* help) { chiave = static_cast<FrmHelp*>(help)->vNomeForm(); };
    QTest::keyClick(finestra.cmdOK(), Qt::Key_F1);
    EXPECT_EQ(chiave, QStringLiteral("frmAbout"));
    QTest::mouseClick(finestra.cmdOK(), Qt::LeftButton);
    EXPECT_FALSE(finestra.isVisible());
}

TEST_F(TestHelp, InformazioniSulSistema)
{
    const Messaggio nonDisponibili{Icona::Nessuna, Pulsanti::Ok, 0, QStringLiteral("TORMAVELLINO"),
                                   QStringLiteral("Le informazioni sul sistema non sono attualmente disponibili.")};
    struct Caso {
        const char* nome;
        QMap<QString, QString> programmi;
        bool avvioRiesce;
        QStringList avviati;
        bool messaggio;
    };
    const QList<Caso> casi = {
        {"nessun programma", {}, true, {}, true},
        {"hardinfo", {{"hardinfo", "/usr/bin/hardinfo"}}, true, {"/usr/bin/hardinfo"}, false},
        {"il primo della lista", {{"kinfocenter", "/usr/bin/kinfocenter"}, {"hardinfo2", "/usr/bin/hardinfo2"}}, true,
         {"/usr/bin/hardinfo2"}, false},
        {"avvio fallito", {{"kinfocenter", "/usr/bin/kinfocenter"}}, false, {"/usr/bin/kinfocenter"}, true},
    };
    for (const Caso& caso : casi) {
        SCOPED_TRACE(caso.nome);
        applicazione.programmi = caso.programmi;
        applicazione.avvioRiesce = caso.avvioRiesce;
        applicazione.avviati.clear();
        if (caso.messaggio) messaggi.aspetta(nonDisponibili);
        frmAbout finestra(contesto);
        finestra.cmdSysInfo()->click();
        EXPECT_EQ(applicazione.avviati, caso.avviati);
        messaggi.verificaCompletato();
    }
}
