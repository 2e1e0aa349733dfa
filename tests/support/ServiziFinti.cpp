#include "ServiziFinti.h"

#include "app/base/StatoCondiviso.h"
#include "data/Errore.h"
#include "reports/MotoreReport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const char* nome(Icona icona)
{
    switch (icona) {
    case Icona::Nessuna: return "nessuna";
    case Icona::Informazione: return "informazione";
    case Icona::Domanda: return "domanda";
    case Icona::Esclamazione: return "esclamazione";
    case Icona::Critico: return "critico";
    }
    return "?";
}

const char* nome(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::Ok: return "Ok";
    case Pulsanti::OkAnnulla: return "OkAnnulla";
    case Pulsanti::SiNo: return "SiNo";
    case Pulsanti::SiNoAnnulla: return "SiNoAnnulla";
    case Pulsanti::RiprovaAnnulla: return "RiprovaAnnulla";
    case Pulsanti::InterrompiRiprovaIgnora: return "InterrompiRiprovaIgnora";
    }
    return "?";
}

}  // namespace

QString descrivi(const Messaggio& m)
{
    return QStringLiteral("[%1 %2 pred.%3] \"%4\": \"%5\"")
        .arg(QString::fromLatin1(nome(m.icona)), QString::fromLatin1(nome(m.pulsanti)))
        .arg(m.pulsantePredefinito)
        .arg(m.titolo, m.testo);
}

MessaggiFinti::~MessaggiFinti()
{
    verificaCompletato();
}

void MessaggiFinti::aspetta(const Messaggio& messaggio, Risposta risposta)
{
    m_attesi.emplace_back(messaggio, risposta);
}

Risposta MessaggiFinti::mostra(const Messaggio& messaggio)
{
    m_mostrati << messaggio;
    if (m_attesi.empty()) {
        ADD_FAILURE() << "messaggio inatteso: " << descrivi(messaggio).toStdString();
        return Risposta::Annulla;
    }
    const auto [atteso, risposta] = m_attesi.front();
    m_attesi.pop_front();
    EXPECT_EQ(descrivi(messaggio).toStdString(), descrivi(atteso).toStdString());
    return risposta;
}

void MessaggiFinti::verificaCompletato()
{
    for (const auto& [atteso, risposta] : m_attesi) {
        ADD_FAILURE() << "messaggio atteso e non mostrato: " << descrivi(atteso).toStdString();
    }
    m_attesi.clear();
}

QString CartelleFinte::scegliCartella(const QString& titolo)
{
    titoliChiesti << titolo;
    if (risposte.empty()) return QString();
    const QString cartella = risposte.front();
    risposte.pop_front();
    return cartella;
}

QString UnitaFinte::unitaDelPercorso(const QString& percorso) const
{
    const QString pulito = QDir::cleanPath(percorso);
    for (auto it = unita.cbegin(); it != unita.cend(); ++it) {
        const QString r = QDir::cleanPath(it->radice);
        if (pulito == r || pulito.startsWith(r + QLatin1Char('/'))) return it.key();
    }
    return QString();
}

QString UnitaFinte::radice(const QString& nome) const
{
    return unita.value(nome).radice;
}

const UnitaFinte::Unita& UnitaFinte::pronta(const QString& nome) const
{
    const auto it = unita.constFind(nome);
    if (it == unita.cend()) throw Errore(NumeriErrore::UnitaNonDisponibile, QStringLiteral("Periferica non disponibile"));
    if (it->erroreLettura) throw Errore(it->erroreLettura, QStringLiteral("Disco non pronto"));
    return *it;
}

QStringList UnitaFinte::fileDellaRadice(const QString& nome)
{
    return QDir(pronta(nome).radice).entryList(QDir::Files);
}

void UnitaFinte::cancellaFile(const QString& nome, const QString& nomeFile)
{
    const Unita& u = pronta(nome);
    if (u.erroreScrittura) throw Errore(u.erroreScrittura, QStringLiteral("Errore di accesso al percorso/file"));
    QFile::remove(QDir(u.radice).filePath(nomeFile));
}

qint64 UnitaFinte::spazioLibero(const QString& nome)
{
    return pronta(nome).spazio;
}

FinestreFinte::~FinestreFinte()
{
    for (const QPointer<QWidget>& finestra : aperteNelMenu) delete finestra.data();
}

void FinestreFinte::apri(QWidget* finestra, ModoFinestra modo)
{
    const QString classe = QString::fromLatin1(finestra->metaObject()->className());
    aperture << Apertura{classe, modo, m_stato.vModoOperativo, m_stato.sTitolo, m_stato.sOperazione};
    const auto copione = copioni.constFind(classe);
    if (modo == ModoFinestra::Modale) {
        if (copione != copioni.cend()) (*copione)(finestra);
        delete finestra;
        return;
    }
    aperteNelMenu << finestra;
    if (copione != copioni.cend()) (*copione)(finestra);
}

void ReportFinto::esegui(const ImpostazioniReport& impostazioni)
{
    eseguiti << impostazioni;
    const AvanzamentoReport passo = [this](int) { return !annulla; };
    const std::unique_ptr<ReportImpaginato> report = MotoreReport::prepara(impostazioni, passo);
    righeSelezionate << report->dati();
    const QString file = impostazioni.destinazione == DestinazioneReport::FilePdf
                             ? impostazioni.filePdf
                             : QDir(cartellaPdf).filePath(QStringLiteral("stampa%1.pdf").arg(eseguiti.size()));
    report->stampaPdf(file, passo);
    pdf << file;
}

QString ReportFinto::nomeSottoreport(const QString& fileReport, int indice)
{
    return MotoreReport::nomeSottoreport(fileReport, indice);
}
