#include "cli/ServiziRigaDiComando.h"

#include "data/Errore.h"
#include "reports/MotoreReport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>

#include <cstdlib>
#include <iostream>

namespace {

[[noreturn]] void nonDisponibile(const QString& cosa)
{
    throw Errore(NumeriErrore::ChiamataNonValida, cosa + QStringLiteral(" non disponibile dalla riga di comando"));
}

Risposta predefinita(const Messaggio& messaggio)
{
    static const QMap<Pulsanti, QList<Risposta>> risposte{
        {Pulsanti::Ok, {Risposta::Ok}},
        {Pulsanti::OkAnnulla, {Risposta::Ok, Risposta::Annulla}},
        {Pulsanti::SiNo, {Risposta::Si, Risposta::No}},
        {Pulsanti::SiNoAnnulla, {Risposta::Si, Risposta::No, Risposta::Annulla}},
        {Pulsanti::RiprovaAnnulla, {Risposta::Riprova, Risposta::Annulla}},
        {Pulsanti::InterrompiRiprovaIgnora, {Risposta::Interrompi, Risposta::Riprova, Risposta::Ignora}},
    };
    const QList<Risposta> scelte = risposte.value(messaggio.pulsanti);
    return scelte.value(messaggio.pulsantePredefinito, scelte.front());
}

}  // namespace

Risposta MessaggiRigaDiComando::mostra(const Messaggio& messaggio)
{
    std::cerr << messaggio.testo.toLocal8Bit().constData() << '\n';
    return predefinita(messaggio);
}

QString NessunaCartella::scegliCartella(const QString& titolo)
{
    nonDisponibile(titolo);
}

void NessunVisualizzatore::mostraFile(const QString& percorso)
{
    nonDisponibile(percorso);
}

QString ApplicazioneRigaDiComando::cartellaProgramma() const
{
    return QCoreApplication::applicationDirPath();
}

QString ApplicazioneRigaDiComando::nomeEseguibile() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ApplicazioneRigaDiComando::versione() const
{
    return QStringLiteral(TORMAVELLINO_VERSIONE);
}

QDateTime ApplicazioneRigaDiComando::adesso() const
{
    return QDateTime::currentDateTime();
}

QString ApplicazioneRigaDiComando::cercaProgramma(const QString& nome) const
{
    return QStandardPaths::findExecutable(nome);
}

bool ApplicazioneRigaDiComando::avviaProgramma(const QString& percorso)
{
    nonDisponibile(percorso);
}

void ApplicazioneRigaDiComando::termina(int codice)
{
    std::exit(codice);
}

void NessunaFinestra::apri(QWidget* finestra, ModoFinestra)
{
    const QString nome = QString::fromLatin1(finestra->metaObject()->className());
    delete finestra;
    nonDisponibile(nome);
}

void ReportSuFile::esegui(const ImpostazioniReport& impostazioni)
{
    ImpostazioniReport suFile = impostazioni;
    suFile.destinazione = DestinazioneReport::FilePdf;
    suFile.filePdf = filePdf;
    MotoreReport::stampaPdf(suFile);
}

QString ReportSuFile::nomeSottoreport(const QString& fileReport, int indice)
{
    return MotoreReport::nomeSottoreport(fileReport, indice);
}
