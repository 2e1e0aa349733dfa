#include "ProvaScarico.h"
#include "StampaQString.h"

#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "exchange/CorniceScarico.h"
#include "exchange/ScaricoFatture.h"

#include <QDir>
#include <QFile>

namespace {

const QString Etichetta = QStringLiteral("frmScarico Form_Activate");

Messaggio informazione(const QString& titolo, const QString& testo)
{
    return {Icona::Informazione, Pulsanti::Ok, 0, titolo, testo};
}

}  // namespace

class Cornice : public ProvaScarico {
protected:
    void SetUp() override { caricaDomandaSemplice(); }

    EsitoScarico scarica(const QString& percorso)
    {
        ScaricoFatture scarico(contesto);
        return scarico.Esegui(percorso);
    }

    void aspettaLog(qint32 numero, const QString& descrizione)
    {
        messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                          LogErrori::TestoGestioneErrori(numero, descrizione, QStringLiteral("tormavellino"), Etichetta)});
    }

    Messaggio avvisoCancellazione() const
    {
        return informazione(md_Globali::TITOLO_PROGRAMMA, QStringLiteral("Attenzione il contenuto del floppy verra cancellato"));
    }
    Messaggio inserire() const
    {
        return {Icona::Critico, Pulsanti::SiNo, 0, stato.sTitolo, QStringLiteral("Inserire il dischetto nel drive.")};
    }
    Messaggio terminare() const
    {
        return {Icona::Informazione, Pulsanti::SiNo, 0, stato.sTitolo, QStringLiteral("ATTENZIONE ,vuoi terminare il rilascio.")};
    }
    static QStringList file(const QString& cartella) { return QDir(cartella).entryList(QDir::Files); }
};

TEST_F(Cornice, PercorsoScelto)
{
    const struct {
        QString scelta, percorso;
    } casi[] = {{"", ""}, {"   ", ""}, {"/media/floppy0/", "/media/floppy0"}, {"A:\\", "A:"}, {"/tmp/scarico", "/tmp/scarico"}};
    for (const auto& caso : casi) EXPECT_EQ(CorniceScarico::PercorsoScelto(caso.scelta), caso.percorso) << caso.scelta.toStdString();

    cartelle.risposte = {destinazione.path() + u'/'};
    ScaricoFatture scarico(contesto);
    EXPECT_EQ(scarico.ScegliPercorso(), destinazione.path());
    EXPECT_EQ(cartelle.titoliChiesti, QStringList{QStringLiteral("Selezionare il Percorso di scarico.")});
}

TEST_F(Cornice, DueScarichiConsecutiviSostituendoIlFileEsistente)
{
    QFile vecchio(destinazione.filePath(QStringLiteral("KalvorFAT.042")));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.write("vecchio contenuto");
    vecchio.close();

    const EsitoScarico primo = scarica(destinazione.path());
    EXPECT_EQ(primo.stato, EsitoScarico::Stato::Eseguito);
    EXPECT_EQ(primo.file, destinazione.filePath(QStringLiteral("KalvorFAT.042")));
    EXPECT_EQ(QFileInfo(primo.file).size(), 3 * 262);
    EXPECT_TRUE(contenuto(primo.file).startsWith(QByteArray(17, '0') + "2005/20060042"));
    EXPECT_EQ(prog(), "42");
    EXPECT_EQ(flag(1), "S 1");
    EXPECT_FALSE(QFile::exists(fileTemporaneo()));

    const EsitoScarico secondo = scarica(destinazione.path());
    EXPECT_EQ(secondo.file, destinazione.filePath(QStringLiteral("KalvorFAT.043")));
    EXPECT_EQ(prog(), "43");
    EXPECT_EQ(flag(1), "S 2");
    EXPECT_FALSE(applicazione.attesa);
}

TEST_F(Cornice, DischettoInBSvuotatoTenendoLeCartelle)
{
    QDir(dischettoB.path()).mkdir(QStringLiteral("CARTELLA"));
    QFile vecchio(dischettoB.filePath(QStringLiteral("VECCHIO.TXT")));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();
    messaggi.aspetta(avvisoCancellazione());

    const EsitoScarico esito = scarica(dischettoB.path() + QStringLiteral("/"));

    EXPECT_EQ(esito.stato, EsitoScarico::Stato::Eseguito);
    EXPECT_EQ(file(dischettoB.path()), QStringList{QStringLiteral("KalvorFAT.042")});
    EXPECT_TRUE(QFileInfo(dischettoB.filePath(QStringLiteral("CARTELLA"))).isDir());
    EXPECT_EQ(flag(1), "S 1");
}

TEST_F(Cornice, DischettoNonProntoOProtettoFinoAlDischettoBuono)
{
    // No medium: "No" and then "No" again to the question of ending, the medium goes in.
    unita.unita[QStringLiteral("A:")].erroreLettura = NumeriErrore::DiscoNonPronto;
    messaggi.aspetta(inserire(), Risposta::No);
    messaggi.aspetta(terminare(), Risposta::No);
    // Then a write-protected diskette holding a file, unprotected after the message.
    messaggi.aspetta(avvisoCancellazione());
    messaggi.aspetta({Icona::Critico, Pulsanti::Ok, 0, stato.sTitolo, QStringLiteral("Togliere la protezione in scrittura dal dischetto")});
    messaggi.aspetta(avvisoCancellazione());
    QFile vecchio(dischettoA.filePath(QStringLiteral("VECCHIO.TXT")));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();
    messaggi.dopoRisposta = [this](const Messaggio& m) {
        UnitaFinte::Unita& a = unita.unita[QStringLiteral("A:")];
        if (m.testo.startsWith(QStringLiteral("ATTENZIONE"))) {
            a.erroreLettura = 0;
            a.erroreScrittura = NumeriErrore::ErroreAccessoPercorso;
        }
        if (m.testo.startsWith(QStringLiteral("Togliere"))) a.erroreScrittura = 0;
    };

    const EsitoScarico esito = scarica(dischettoA.path());

    EXPECT_EQ(esito.stato, EsitoScarico::Stato::Eseguito);
    EXPECT_EQ(file(dischettoA.path()), QStringList{QStringLiteral("KalvorFAT.042")});
}

TEST_F(Cornice, NoPoiSiTerminaIlProgrammaSenzaCambiareNulla)
{
    unita.unita[QStringLiteral("A:")].erroreLettura = NumeriErrore::DiscoNonPronto;
    messaggi.aspetta(inserire(), Risposta::No);
    messaggi.aspetta(terminare(), Risposta::Si);

    const EsitoScarico esito = scarica(dischettoA.path());

    EXPECT_EQ(esito.stato, EsitoScarico::Stato::ProgrammaTerminato);
    EXPECT_EQ(applicazione.terminazioni, QList<int>{0});
    EXPECT_EQ(prog(), "41");
    EXPECT_EQ(flag(1), "N 0");
    EXPECT_TRUE(file(dischettoA.path()).isEmpty());
    EXPECT_EQ(QFileInfo(fileTemporaneo()).size(), 3 * 262);
}

TEST_F(Cornice, CopiaFallitaDopoIlNumero)
{
    const QString mancante = destinazione.filePath(QStringLiteral("mancante"));
    const struct {
        QString percorso;
        qint64 spazio;
        qint32 numero;
        QString descrizione;
    } casi[] = {
        {dischettoB.path(), 100, NumeriErrore::DiscoPieno, QStringLiteral("Disco pieno")},
        {mancante, 1457664, NumeriErrore::PercorsoNonTrovato,
         QStringLiteral("Impossibile trovare il percorso: ") + mancante + QStringLiteral("/KalvorFAT.043")},
    };
    int numero = 42;
    for (const auto& caso : casi) {
        unita.unita[QStringLiteral("B:")].spazio = caso.spazio;
        aspettaLog(caso.numero, caso.descrizione);

        const EsitoScarico esito = scarica(caso.percorso);

        EXPECT_EQ(esito.stato, EsitoScarico::Stato::Interrotto);
        EXPECT_EQ(prog(), QString::number(numero++)) << caso.percorso.toStdString();
        EXPECT_EQ(flag(1), "N 0");
        EXPECT_TRUE(QFile::exists(fileTemporaneo()));
        EXPECT_TRUE(file(dischettoB.path()).isEmpty());
    }
    EXPECT_EQ(conta(QStringLiteral("LOGERR")), 2);
}

TEST_F(Cornice, FileTemporaneoNonScrivibile)
{
    applicazione.cartella = destinazione.filePath(QStringLiteral("mancante"));
    QFile prova(applicazione.cartella + QStringLiteral("/COPI1.666"));
    prova.open(QIODevice::WriteOnly);
    aspettaLog(NumeriErrore::ErroreAccessoPercorso, prova.errorString() + QStringLiteral(": ") + prova.fileName());

    EXPECT_EQ(scarica(destinazione.path()).stato, EsitoScarico::Stato::Interrotto);
    EXPECT_EQ(prog(), "41");
    EXPECT_EQ(flag(1), "N 0");
    EXPECT_TRUE(file(destinazione.path()).isEmpty());
}

TEST_F(Cornice, NumeroNonAggiornatoNienteCopiaMaDomandaSegnata)
{
    QFile vecchio(dischettoA.filePath(QStringLiteral("VECCHIO.TXT")));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();
    messaggi.aspetta(avvisoCancellazione());
    messaggi.aspetta(informazione(stato.sTitolo, QStringLiteral("Flag di stampa non aggiornato , rifare la stampa.")));
    messaggi.dopoRisposta = [this](const Messaggio& m) {
        if (m.testo.startsWith(QStringLiteral("Attenzione"))) eseguiSql(QStringLiteral("DELETE FROM PROG_DSK"));
    };

    EXPECT_EQ(scarica(dischettoA.path()).stato, EsitoScarico::Stato::Interrotto);
    EXPECT_TRUE(file(dischettoA.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(fileTemporaneo()));
    EXPECT_EQ(flag(1), "S 1");
}

TEST_F(Cornice, DomandaNonSegnataIlFileResta)
{
    stato.DomandaCorrente.ID_DOMANDA = 99;
    messaggi.aspetta(informazione(stato.sTitolo, QStringLiteral("Flag di scarico non aggiornato, lo scarico sarà terminato.")));

    const EsitoScarico esito = scarica(destinazione.path());

    EXPECT_EQ(esito.stato, EsitoScarico::Stato::Interrotto);
    EXPECT_EQ(QFileInfo(esito.file).size(), 2 * 262);
    EXPECT_EQ(prog(), "42");
    EXPECT_FALSE(QFile::exists(fileTemporaneo()));
}

TEST_F(Cornice, SenzaTipoDiDomandaNeFattureNeBolle)
{
    eseguiSql(QStringLiteral("UPDATE DOMANDE SET TIPO_ARTICOLO = '99';"
                             "INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA) VALUES (1, 'B1', '30/01/2006');"));

    const QByteArray scritto = contenuto(scarica(destinazione.path()).file);

    EXPECT_EQ(scritto.size(), 2 * 262);
    EXPECT_EQ(scritto.mid(262, 30), "9" + QByteArray(16, '9') + "000000000000" + QByteArray(1, ' '));
}
