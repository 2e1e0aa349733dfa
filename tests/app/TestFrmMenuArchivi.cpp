#include "AmbienteProva.h"
#include "StampaQString.h"

#include "app/FrmMenu.h"
#include "app/base/Costanti.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include <map>
#include <memory>

namespace {

// Drive A: is a folder of the test; three more folders are the diskettes taken out of it.
class TestFrmMenuArchivi : public AmbienteProva {
protected:
    TestFrmMenuArchivi()
    {
        unita.unita[QStringLiteral("A:")] = {dischetto.path()};
        apriDatabase().esegui(QStringLiteral("INSERT INTO DISTILLERIA VALUES ('12345678903', 'CANTINA', 'VIA ROMA 1')"));
        stato.dbDati.reset();
        menu = std::make_unique<FrmMenu>(contesto);
        messaggi.dopoRisposta = [this](const Messaggio& messaggio) {
            const auto azione = dopo.find(messaggio.testo);
            if (azione != dopo.end()) azione->second();
        };
    }

    void scegli(const QString& voce)
    {
        for (QAction* gruppo : menu->menuBar()->actions()) {
            if (gruppo->text() != QStringLiteral("Funzioni di sistema")) continue;
            for (QAction* sottogruppo : gruppo->menu()->actions()) {
                if (sottogruppo->text() != QStringLiteral("Archivi")) continue;
                for (QAction* azione : sottogruppo->menu()->actions()) {
                    if (azione->text() == voce) return azione->trigger();
                }
            }
        }
        FAIL() << "voce assente: " << voce.toStdString();
    }

    QString nelDrive() const { return dischetto.filePath(md_Globali::NOME_BACKUP); }
    QString volume(int numero) const { return tolti.filePath(QString::number(numero)); }
    // The diskette in the drive is taken out and kept as diskette `numero`.
    void togli(int numero) { ASSERT_TRUE(QFile::rename(nelDrive(), volume(numero))); }
    void inserisci(int numero)
    {
        QFile::remove(nelDrive());
        ASSERT_TRUE(QFile::copy(volume(numero), nelDrive()));
    }

    Messaggio richiesta(const QString& testo) const
    {
        return {Icona::Informazione, Pulsanti::OkAnnulla, 0, menu->windowTitle(), testo};
    }

    // Free space on a diskette such that the backup spans three of them.
    void treDischetti()
    {
        const QString prova = m_cartella.filePath(QStringLiteral("prova.bkp"));
        Archiviatore zip;
        zip.impostaPerArchivi(0, fileDatabase(), prova, false);
        ASSERT_EQ(zip.Add(QStringLiteral("0")), Archiviatore::Riuscito);
        unita.unita[QStringLiteral("A:")].spazio = QFileInfo(prova).size() / 3 + 1 + 4096 + 16;
    }

    QTemporaryDir dischetto;
    QTemporaryDir tolti;
    std::unique_ptr<FrmMenu> menu;
    std::map<QString, std::function<void()>> dopo;
};

const Messaggio Riuscito{Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Gestione dati "),
                         QStringLiteral("Trasferimento dei dati effettuato correttamente")};

}  // namespace

TEST_F(TestFrmMenuArchivi, BackupSuTreDischettiERestore)
{
    treDischetti();
    dopo = {{QStringLiteral("Inserire il disco N° 2 "), [this] { togli(1); }},
            {QStringLiteral("Inserire il disco N° 3 "), [this] { togli(2); }}};
    cartelle.risposte = {dischetto.path()};
    messaggi.aspetta(richiesta(QStringLiteral("Inserire il disco N° 2 ")));
    messaggi.aspetta(richiesta(QStringLiteral("Inserire il disco N° 3 ")));
    messaggi.aspetta(Riuscito);
    scegli(QStringLiteral("Backup"));
    messaggi.verificaCompletato();
    togli(3);
    for (int numero : {1, 2, 3}) {
        SCOPED_TRACE(numero);
        QFile file(volume(numero));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(8) == "TMVVOL1\n");
    }
    ASSERT_TRUE(stato.dbDati);

    contesto.db().esegui(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'ALTRA'"));
    // The user puts the first diskette in: the last one is asked for, then the one still missing.
    inserisci(1);
    dopo = {{QStringLiteral("Inserire l'ultimo disco della serie nel drive."), [this] { inserisci(3); }},
            {QStringLiteral("Inserire il disco N° 2 "), [this] { inserisci(2); }}};
    cartelle.risposte = {dischetto.path()};
    messaggi.aspetta(richiesta(QStringLiteral("Inserire l'ultimo disco della serie nel drive.")));
    messaggi.aspetta(richiesta(QStringLiteral("Inserire il disco N° 2 ")));
    messaggi.aspetta(Riuscito);
    scegli(QStringLiteral("Restore"));
    messaggi.verificaCompletato();

    EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("CANTINA"));
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("CANTINA"));
    EXPECT_FALSE(applicazione.attesa);
}

TEST_F(TestFrmMenuArchivi, AnnullataAllaRichiestaDiUnDischetto)
{
    treDischetti();
    cartelle.risposte = {dischetto.path()};
    messaggi.aspetta(richiesta(QStringLiteral("Inserire il disco N° 2 ")), Risposta::Annulla);
    messaggi.aspetta({Icona::Informazione, Pulsanti::Ok, 0, menu->windowTitle(), QStringLiteral("Operazione annullata.")});
    scegli(QStringLiteral("Backup"));
    messaggi.verificaCompletato();
    EXPECT_TRUE(stato.bOperazioneAnnullata);
    EXPECT_TRUE(stato.dbDati);
    EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("CANTINA"));
}
