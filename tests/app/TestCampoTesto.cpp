#include "StampaQString.h"

#include "AmbienteProva.h"
#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

using namespace Md_FunzioniGenerali;

namespace {

const FiltroTasto Decimali4 = [](const StatoCampo& c, int t) { return Keypress_Decimali(c, t, 4); };

}  // namespace

class TestCampoTesto : public AmbienteProva {
protected:
    TestCampoTesto()
    {
        auto* disposizione = new QVBoxLayout(&finestra);
        disposizione->addWidget(campo);
        disposizione->addWidget(successivo);
        finestra.show();
        finestra.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&finestra));
    }

    // Types the keys; "\b" stands for Backspace, "<" for the left arrow.
    void digita(const QString& tasti)
    {
        for (const QChar c : tasti) {
            if (c == u'\b')
                QTest::keyClick(campo, Qt::Key_Backspace);
            else if (c == u'<')
                QTest::keyClick(campo, Qt::Key_Left);
            else if (c.unicode() < 128)
                QTest::keyClicks(campo, QString(c));
            else  // QTest knows no key for accented letters
                QTest::sendKeyEvent(QTest::Press, campo, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }

    QWidget finestra;
    CampoTesto* campo = new CampoTesto(applicazione, &finestra);
    CampoTesto* successivo = new CampoTesto(applicazione, &finestra);
};

TEST_F(TestCampoTesto, CasiDellaDigitazione)
{
    const struct {
        std::vector<FiltroTasto> filtri;
        const char* iniziale;
        const char* tasti;
        const char* atteso;
        int cursore;
        int beep;
    } casi[] = {
        {{Keypress_Data}, "", "4", "04/", 3, 0},
        {{Keypress_Data}, "", "12", "12/", 3, 0},
        {{Keypress_Data}, "", "32", "3", 1, 1},
        {{Keypress_Data}, "", "00", "0", 1, 1},
        {{Keypress_Data}, "", "1213", "12/1", 4, 1},
        {{Keypress_Data}, "", "12032006", "12/03/2006", 10, 0},
        {{Keypress_Data}, "", "7906", "07/09/06", 8, 0},
        {{Keypress_Data}, "", "12\b", "12/", 3, 0},
        {{Keypress_Data}, "", "1a", "1", 1, 1},
        {{Keypress_Decimale}, "", "12,345", "12,34", 5, 1},
        {{Keypress_Decimale}, "", ",", "", 0, 1},
        {{Keypress_Decimale}, "", "12.", "12,", 3, 0},
        {{Keypress_Decimale}, "", "12.3.", "12,3", 4, 1},
        {{Keypress_Decimale}, "", "1,<\b", "0", 0, 0},
        {{Decimali4}, "", "0,12345", "0,1234", 6, 1},
        {{Keypress_Upper, Keypress_Testo}, "", "abc", "ABC", 3, 0},
        {{Keypress_Upper, Keypress_Testo}, "", "caffè", "CAFFE'", 6, 0},
        {{Keypress_Upper, Keypress_Testo}, "", "a*#b", "AB", 2, 0},
        {{Keypress_Integer}, "", "1a2", "12", 2, 1},
        {{}, "", "a*", "a*", 2, 0},
    };
    for (const auto& caso : casi) {
        campo->impostaFiltri(caso.filtri);
        campo->setText(QString::fromUtf8(caso.iniziale));
        applicazione.beep_ = 0;
        digita(QString::fromUtf8(caso.tasti));
        EXPECT_EQ(campo->text(), QString::fromUtf8(caso.atteso)) << caso.tasti;
        EXPECT_EQ(campo->cursorPosition(), caso.cursore) << caso.tasti;
        EXPECT_EQ(applicazione.beep_, caso.beep) << caso.tasti;
    }
}

TEST_F(TestCampoTesto, CifraPrimaDellaVirgola)
{
    campo->impostaFiltri({Keypress_Decimale});
    campo->setMaxLength(6);
    digita(QStringLiteral("12,34"));
    QTest::keyClick(campo, Qt::Key_Home);
    digita(QStringLiteral("5"));
    EXPECT_EQ(campo->text(), QStringLiteral("512,34"));
    QTest::keyClick(campo, Qt::Key_Home);
    digita(QStringLiteral("6"));   // 651234 does not fit five nines
    EXPECT_EQ(campo->text(), QStringLiteral("512,34"));
    EXPECT_EQ(applicazione.beep_, 1);
}

TEST_F(TestCampoTesto, InvioPassaAlCampoSuccessivo)
{
    campo->impostaFiltri({Keypress_Decimale});
    campo->setFocus();
    digita(QStringLiteral("12"));
    QTest::keyClick(campo, Qt::Key_Return);
    EXPECT_TRUE(successivo->hasFocus());
    EXPECT_EQ(campo->text(), QStringLiteral("12"));
}

TEST_F(TestCampoTesto, TastoCanc)
{
    for (const bool ignora : {true, false}) {
        campo->impostaIgnoraCanc(ignora);
        campo->setText(QStringLiteral("123"));
        campo->setCursorPosition(0);
        QTest::keyClick(campo, Qt::Key_Delete);
        EXPECT_EQ(campo->text(), ignora ? QStringLiteral("123") : QStringLiteral("23"));
    }
}

TEST_F(TestCampoTesto, EntrandoSelezionaTutto)
{
    successivo->setText(QStringLiteral("12,34"));
    campo->setFocus();
    successivo->setFocus();
    EXPECT_EQ(successivo->selectedText(), QStringLiteral("12,34"));
    EXPECT_EQ(successivo->selectionStart(), 0);
    EXPECT_EQ(successivo->cursorPosition(), 0);
}

TEST_F(TestCampoTesto, PulisciCampi)
{
    campo->setTag(QStringLiteral("tipo_articolo"));
    successivo->setTag(QStringLiteral("DOMANDA"));
    auto* senzaTag = new CampoTesto(applicazione, &finestra);
    auto* colori = new QComboBox(&finestra);
    colori->setProperty("tag", QStringLiteral("ID_COLORE"));
    auto* elenco = new QComboBox(&finestra);
    for (CampoTesto* c : {campo, successivo, senzaTag}) c->setText(QStringLiteral("x"));
    colori->addItem(QStringLiteral("ROSSO"));
    elenco->addItem(QStringLiteral("A"));

    PulisciCampi(finestra, QStringLiteral("TIPO_ARTICOLO"));

    EXPECT_EQ(campo->text(), QStringLiteral("x"));
    EXPECT_EQ(successivo->text(), QString());
    EXPECT_EQ(senzaTag->text(), QStringLiteral("x"));
    EXPECT_EQ(colori->count(), 0);
    EXPECT_EQ(elenco->count(), 1);
}

TEST_F(TestCampoTesto, CentraForm)
{
    QWidget dialogo;
    dialogo.resize(300, 200);
    const QRect schermo = QGuiApplication::primaryScreen()->geometry();
    CentraForm(dialogo, true, nullptr);
    EXPECT_EQ(dialogo.pos(), QPoint(schermo.left() + (schermo.width() - 300) / 3, schermo.top() + (schermo.height() - 200) / 4));

    QWidget riferimento;
    riferimento.setGeometry(100, 50, 600, 400);
    CentraForm(dialogo, false, &riferimento);
    EXPECT_EQ(dialogo.pos(), QPoint(riferimento.frameGeometry().left() + 100, riferimento.frameGeometry().top() + 50));
}

TEST_F(TestCampoTesto, DomandaOmocodia)
{
    stato.sTitolo = QStringLiteral(" PRODUTTORE ");
    for (const Risposta risposta : {Risposta::Si, Risposta::No}) {
        messaggi.aspetta({Icona::Informazione, Pulsanti::SiNo, 0, stato.sTitolo,
                          QStringLiteral("Si tratta di un caso di Omocodia ?")},
                         risposta);
        EXPECT_EQ(CodiceFiscaleOPartitaIva(contesto, QStringLiteral("RSSMRA80A01HRLMS")), risposta == Risposta::Si);
    }
    EXPECT_TRUE(CodFisc(contesto, QStringLiteral("RSSMRA80A01H501U")));
    messaggi.verificaCompletato();
}
