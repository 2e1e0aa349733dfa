#include "ProvaScarico.h"
#include "StampaQString.h"

#include "app/base/Costanti.h"
#include "data/Archiviatore.h"
#include "exchange/BackupRestore.h"

#include <QDir>
#include <QFile>

namespace {

const QString Didascalia = QStringLiteral("Finestra principale");
const QString PromptBackup = QStringLiteral("Selezionare il percorso dove destinare il file: ");
const QString PromptRestore = QStringLiteral("Selezionare il percorso dove recuperare il file: ");
const QString ConFile = QStringLiteral("'' art30.bkp''.");

const Messaggio Riuscito{Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Gestione dati "),
                         QStringLiteral("Trasferimento dei dati effettuato correttamente")};
const Messaggio NonRiuscito{Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Backup/Restore"),
                            QStringLiteral("Operazione non andata a buon fine.")};
const Messaggio NonCorretto{Icona::Esclamazione, Pulsanti::RiprovaAnnulla, 0, QStringLiteral(" Percorso file "),
                            QStringLiteral("Il percorso indicato non è corretto")};
const Messaggio Annullare{Icona::Informazione, Pulsanti::SiNo, 0, QStringLiteral("Gestione Dati"),
                          QStringLiteral("Annullare operazione ?")};
const Messaggio Annullata{Icona::Informazione, Pulsanti::Ok, 0, Didascalia, QStringLiteral("Operazione annullata.")};

class TestBackupRestore : public ProvaScarico {
protected:
    TestBackupRestore()
    {
        caricaDomandaSemplice();
        cartella = destinazione.path();
    }

    void esegui(int operazione) { BackupRestore::EseguiVoceArchivi(contesto, zip, operazione, Didascalia); }

    // Every row of the tables the user fills, as text.
    QStringList righe()
    {
        QStringList tutte;
        for (const char* tabella : {"DISTILLERIA", "DOMANDE", "FATTURE", "PROG_DSK"}) {
            Istruzione query = apriDatabase().prepara(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(tabella)));
            while (query.avanza()) {
                QStringList valori{QLatin1String(tabella)};
                for (int i = 0; i < query.numeroColonne(); ++i) valori << query.testo(i);
                tutte << valori.join(u'|');
            }
        }
        return tutte;
    }

    // The database as the menu leaves it: open, distillery loaded, pointer normal.
    void verificaRiaperto()
    {
        EXPECT_TRUE(stato.dbDati);
        EXPECT_FALSE(applicazione.attesa);
        EXPECT_FALSE(applicazione.terminato());
    }

    void salva()
    {
        cartelle.risposte = {cartella};
        messaggi.aspetta(Riuscito);
        esegui(0);
        messaggi.verificaCompletato();
        cartelle.titoliChiesti.clear();
    }

    Archiviatore zip;
    QString cartella;
};

}  // namespace

TEST_F(TestBackupRestore, BackupInUnaCartellaERestoreDelloStessoDatabase)
{
    // A file of the user's named like the writability probe survives it.
    QFile mio(QDir(cartella).filePath(QStringLiteral("CHECK")));
    ASSERT_TRUE(mio.open(QIODevice::WriteOnly));
    mio.write("mio");
    mio.close();
    const QStringList salvate = righe();

    cartelle.risposte = {cartella + u'/'};
    messaggi.aspetta(Riuscito);
    esegui(0);
    messaggi.verificaCompletato();
    EXPECT_EQ(cartelle.titoliChiesti, QStringList{PromptBackup + ConFile});
    EXPECT_EQ(QDir(cartella).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("CHECK"), QStringLiteral("art30.bkp")}));
    EXPECT_EQ(contenuto(mio.fileName()), QByteArray("mio"));
    verificaRiaperto();

    eseguiSql(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'ALTRA'; DELETE FROM FATTURE; DELETE FROM DOMANDE;"));
    stato.DistilleriaCorrente = {};
    cartelle.titoliChiesti.clear();
    cartelle.risposte = {cartella};
    messaggi.aspetta(Riuscito);
    esegui(1);
    messaggi.verificaCompletato();

    EXPECT_EQ(cartelle.titoliChiesti, QStringList{PromptRestore + ConFile});
    verificaRiaperto();
    EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("DISTILLERIA SAN VITO"));
    EXPECT_EQ(stato.DistilleriaCorrente.CODI_FISC, QStringLiteral("01234567890"));
    EXPECT_EQ(righe(), salvate);
    EXPECT_EQ(QDir(stato.sPercorsoDB).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{md_Globali::NOME_DB});
}

TEST_F(TestBackupRestore, SceltaDellaCartellaDelRestore)
{
    salva();
    const QString senzaArchivio = cartellaProgramma();
    eseguiSql(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'ALTRA'"));
    stato.dbDati.reset();

    // Retry at the first choice shows the chooser again, still checking for the archive.
    cartelle.risposte = {senzaArchivio, cartella};
    messaggi.aspetta(NonCorretto, Risposta::Riprova);
    messaggi.aspetta(Riuscito);
    esegui(1);
    messaggi.verificaCompletato();
    EXPECT_EQ(cartelle.titoliChiesti, (QStringList{PromptRestore + ConFile, PromptRestore + ConFile}));
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("DISTILLERIA SAN VITO"));

    // After Cancel and No the bare prompt comes, without the check: the archiver then finds nothing.
    eseguiSql(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'ALTRA'"));
    cartelle.titoliChiesti.clear();
    cartelle.risposte = {senzaArchivio, senzaArchivio};
    messaggi.aspetta(NonCorretto, Risposta::Annulla);
    messaggi.aspetta(Annullare, Risposta::No);
    messaggi.aspetta(NonRiuscito);
    esegui(1);
    messaggi.verificaCompletato();
    EXPECT_EQ(cartelle.titoliChiesti, (QStringList{PromptRestore + ConFile, PromptRestore}));
    EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("ALTRA"));
    verificaRiaperto();
}

TEST_F(TestBackupRestore, CartellaDoveNonSiPuoScrivere)
{
    const QString mancante = cartella + QStringLiteral("/non/esiste");
    const struct {
        const char* nome;
        Risposta risposta;
        bool archivioScritto;
    } casi[] = {
        {"si: annullata", Risposta::Si, false},
        {"no: nuova scelta", Risposta::No, true},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        QFile::remove(QDir(cartella).filePath(md_Globali::NOME_BACKUP));
        cartelle.titoliChiesti.clear();
        cartelle.risposte = {mancante, cartella};
        messaggi.aspetta(Annullare, caso.risposta);
        messaggi.aspetta(caso.risposta == Risposta::Si ? Annullata : Riuscito);
        esegui(0);
        messaggi.verificaCompletato();
        EXPECT_EQ(QFile::exists(QDir(cartella).filePath(md_Globali::NOME_BACKUP)), caso.archivioScritto);
        EXPECT_EQ(stato.bOperazioneAnnullata, !caso.archivioScritto);
        EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("DISTILLERIA SAN VITO"));
        verificaRiaperto();
    }
}

TEST_F(TestBackupRestore, DischettoDaSvuotareAnnullato)
{
    QFile vecchio(QDir(dischettoA.path()).filePath(QStringLiteral("VECCHIO.TXT")));
    ASSERT_TRUE(vecchio.open(QIODevice::WriteOnly));
    vecchio.close();
    cartelle.risposte = {dischettoA.path()};
    messaggi.aspetta({Icona::Domanda, Pulsanti::SiNoAnnulla, 0, QStringLiteral("Controllo floppy "),
                      QStringLiteral("Il dischetto deve essere vuoto. Vuoi cancellare il contenuto nel disco?")},
                     Risposta::Annulla);
    messaggi.aspetta({Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Backup/Restore"), QStringLiteral("Operazione annullata.")});
    esegui(0);
    messaggi.verificaCompletato();
    EXPECT_EQ(QDir(dischettoA.path()).entryList(QDir::Files), QStringList{QStringLiteral("VECCHIO.TXT")});
    verificaRiaperto();
}

TEST_F(TestBackupRestore, DischettoMancanteAllaPrimaScelta)
{
    salva();
    QFile::copy(QDir(cartella).filePath(md_Globali::NOME_BACKUP), QDir(dischettoA.path()).filePath(md_Globali::NOME_BACKUP));
    unita.unita[QStringLiteral("A:")].erroreLettura = NumeriErrore::DiscoNonPronto;
    messaggi.dopoRisposta = [this](const Messaggio&) { unita.unita[QStringLiteral("A:")].erroreLettura = 0; };
    cartelle.risposte = {dischettoA.path()};
    messaggi.aspetta({Icona::Nessuna, Pulsanti::RiprovaAnnulla, 0, QStringLiteral(" Percorso file "),
                      QStringLiteral("Attenzione, nessun floppy disk inserito.")},
                     Risposta::Riprova);
    messaggi.aspetta(Riuscito);
    esegui(1);
    messaggi.verificaCompletato();
    verificaRiaperto();
}

TEST_F(TestBackupRestore, ArchivioNonValidoLasciaIlDatabaseIntatto)
{
    salva();
    const QString archivio = QDir(cartella).filePath(md_Globali::NOME_BACKUP);
    const QByteArray completo = contenuto(archivio);
    // An archive of the right shape whose database is not the program's.
    const QString estraneo = QDir(cartellaProgramma()).filePath(md_Globali::NOME_DB);
    {
        QFile file(estraneo);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("non un database");
    }
    const QString archivioEstraneo = cartellaProgramma() + QStringLiteral("/estraneo.bkp");
    Archiviatore altro;
    altro.impostaPerArchivi(0, estraneo, archivioEstraneo, false);
    ASSERT_EQ(altro.Add(QStringLiteral("0")), Archiviatore::Riuscito);

    const struct {
        const char* nome;
        QByteArray archivio;
    } casi[] = {
        {"troncato", completo.left(completo.size() / 2)},
        {"estraneo", contenuto(archivioEstraneo)},
        {"vuoto", QByteArray()},
    };
    eseguiSql(QStringLiteral("UPDATE DISTILLERIA SET RAGI_SOCI = 'ALTRA'"));
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        {
            QFile file(archivio);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(caso.archivio);
        }
        stato.dbDati.reset();
        const QByteArray prima = contenuto(fileDatabase());
        cartelle.risposte = {cartella};
        messaggi.aspetta(NonRiuscito);
        esegui(1);
        messaggi.verificaCompletato();
        stato.dbDati.reset();
        EXPECT_EQ(contenuto(fileDatabase()), prima);
        EXPECT_EQ(QDir(stato.sPercorsoDB).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{md_Globali::NOME_DB});
        EXPECT_EQ(leggi(QStringLiteral("SELECT RAGI_SOCI FROM DISTILLERIA")), QStringLiteral("ALTRA"));
        EXPECT_EQ(stato.DistilleriaCorrente.RAGI_SOCI, QStringLiteral("ALTRA"));
    }
}
