#include "ProvaScarico.h"
#include "StampaQString.h"

#include "exchange/Dischetto.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace {

const QString Floppy = QStringLiteral("Controllo floppy ");
const QString Inserire = QStringLiteral("Inserire il dischetto nel drive.");
const QString Togliere = QStringLiteral("Togliere la protezione in scrittura dal dischetto");
const QString Terminare = QStringLiteral("ATTENZIONE ,vuoi terminare il rilascio.");
const QString Vuoto = QStringLiteral("Il dischetto deve essere vuoto. Vuoi cancellare il contenuto nel disco?");

using Controllo = bool (*)(Contesto&, bool&);

}  // namespace

class ControlliBackup : public ProvaScarico {};

TEST_F(ControlliBackup, Esiti)
{
    const Controllo backup = Dischetto::ControllaDischettoBackup;
    const Controllo volume = Dischetto::ControllaDischettoVolume;
    const Controllo presente = Dischetto::ControllaDischettoPresente;
    const Messaggio inserireSiNo{Icona::Critico, Pulsanti::SiNo, 0, Floppy, Inserire};
    const Messaggio terminare{Icona::Informazione, Pulsanti::SiNo, 0, Floppy, Terminare};
    const Messaggio inserireOk{Icona::Informazione, Pulsanti::OkAnnulla, 0, QString(), Inserire};
    const Messaggio nonDeveContenere{Icona::Informazione, Pulsanti::Ok, 0, QString(), QStringLiteral("Il dischetto non deve contenere files.")};
    const Messaggio vuoiCancellare{Icona::Domanda, Pulsanti::SiNo, 0, QString(), QStringLiteral("Vuoi cancellare i files contenuti nel disco?")};
    const struct {
        const char* nome;
        Controllo controllo;
        bool conFile;
        qint32 erroreLettura, erroreScrittura;
        std::vector<std::pair<Messaggio, Risposta>> dialogo;
        bool esito, annullata, fileRestano;
    } casi[] = {
        {"backup, vuoto", backup, false, 0, 0, {}, true, false, false},
        {"backup, cancella", backup, true, 0, 0, {{{Icona::Domanda, Pulsanti::SiNoAnnulla, 0, Floppy, Vuoto}, Risposta::Si}}, false, false, false},
        {"backup, annulla", backup, true, 0, 0, {{{Icona::Domanda, Pulsanti::SiNoAnnulla, 0, Floppy, Vuoto}, Risposta::Annulla}}, true, true, true},
        {"backup, no e termina", backup, true, 0, 0,
         {{{Icona::Domanda, Pulsanti::SiNoAnnulla, 0, Floppy, Vuoto}, Risposta::No}, {inserireSiNo, Risposta::No}, {terminare, Risposta::Si}},
         true, true, true},
        {"backup, no e riprova", backup, true, 0, 0,
         {{{Icona::Domanda, Pulsanti::SiNoAnnulla, 0, Floppy, Vuoto}, Risposta::No}, {inserireSiNo, Risposta::Si}}, false, false, true},
        {"backup, non pronto", backup, false, 71, 0, {{inserireSiNo, Risposta::No}, {terminare, Risposta::No}}, false, false, false},
        {"backup, protetto", backup, true, 0, 75,
         {{{Icona::Domanda, Pulsanti::SiNoAnnulla, 0, Floppy, Vuoto}, Risposta::Si}, {{Icona::Critico, Pulsanti::Ok, 0, Floppy, Togliere}, Risposta::Ok}},
         false, false, true},
        {"volume, cancella", volume, true, 0, 0, {{nonDeveContenere, Risposta::Ok}, {vuoiCancellare, Risposta::Si}}, true, false, false},
        {"volume, non cancella", volume, true, 0, 0, {{nonDeveContenere, Risposta::Ok}, {vuoiCancellare, Risposta::No}}, true, true, true},
        {"volume, non pronto e annulla", volume, false, 71, 0, {{inserireOk, Risposta::Annulla}}, true, true, false},
        {"volume, non pronto e riprova", volume, false, 71, 0, {{inserireOk, Risposta::Ok}}, false, false, false},
        {"volume, protetto", volume, true, 0, 75,
         {{nonDeveContenere, Risposta::Ok}, {vuoiCancellare, Risposta::Si}, {{Icona::Critico, Pulsanti::Ok, 0, QString(), Togliere}, Risposta::Ok}},
         false, false, true},
        {"presente, con file", presente, true, 0, 0, {}, true, false, true},
        {"presente, non pronto e annulla", presente, false, 71, 0, {{inserireOk, Risposta::Annulla}}, true, true, false},
        {"presente, protetto", presente, false, 75, 0, {{{Icona::Critico, Pulsanti::Ok, 0, QString(), Togliere}, Risposta::Ok}}, false, false, false},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.nome);
        QFile::remove(dischettoA.filePath(QStringLiteral("ART30.BKP")));
        if (caso.conFile) {
            QFile file(dischettoA.filePath(QStringLiteral("ART30.BKP")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        unita.unita[QStringLiteral("A:")].erroreLettura = caso.erroreLettura;
        unita.unita[QStringLiteral("A:")].erroreScrittura = caso.erroreScrittura;
        for (const auto& [messaggio, risposta] : caso.dialogo) messaggi.aspetta(messaggio, risposta);
        bool annullata = false;

        EXPECT_EQ(caso.controllo(contesto, annullata), caso.esito);

        EXPECT_EQ(annullata, caso.annullata);
        EXPECT_EQ(QFile::exists(dischettoA.filePath(QStringLiteral("ART30.BKP"))), caso.fileRestano);
        messaggi.verificaCompletato();
    }
}
