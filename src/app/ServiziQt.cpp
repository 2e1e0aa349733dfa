#include "app/ServiziQt.h"

#include "app/FrmAnteprimaReport.h"
#include "reports/MotoreReport.h"

#include "data/Errore.h"
#include "data/Windows1252.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

QMessageBox::Icon iconaQt(Icona icona)
{
    switch (icona) {
    case Icona::Informazione: return QMessageBox::Information;
    case Icona::Domanda: return QMessageBox::Question;
    case Icona::Esclamazione: return QMessageBox::Warning;
    case Icona::Critico: return QMessageBox::Critical;
    case Icona::Nessuna: break;
    }
    return QMessageBox::NoIcon;
}

struct PulsanteQt {
    QMessageBox::StandardButton qt;
    Risposta risposta;
};

QList<PulsanteQt> pulsantiQt(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::Ok: return {{QMessageBox::Ok, Risposta::Ok}};
    case Pulsanti::OkAnnulla: return {{QMessageBox::Ok, Risposta::Ok}, {QMessageBox::Cancel, Risposta::Annulla}};
    case Pulsanti::SiNo: return {{QMessageBox::Yes, Risposta::Si}, {QMessageBox::No, Risposta::No}};
    case Pulsanti::SiNoAnnulla:
        return {{QMessageBox::Yes, Risposta::Si}, {QMessageBox::No, Risposta::No}, {QMessageBox::Cancel, Risposta::Annulla}};
    case Pulsanti::RiprovaAnnulla:
        return {{QMessageBox::Retry, Risposta::Riprova}, {QMessageBox::Cancel, Risposta::Annulla}};
    case Pulsanti::InterrompiRiprovaIgnora:
        return {{QMessageBox::Abort, Risposta::Interrompi}, {QMessageBox::Retry, Risposta::Riprova},
                {QMessageBox::Ignore, Risposta::Ignora}};
    }
    return {{QMessageBox::Ok, Risposta::Ok}};
}

const QString& testoPulsante(QMessageBox::StandardButton pulsante)
{
    static const QString si = QStringLiteral("&Sì"), no = QStringLiteral("&No"), ok = QStringLiteral("OK"),
                         annulla = QStringLiteral("Annulla"), riprova = QStringLiteral("&Riprova"),
                         interrompi = QStringLiteral("&Interrompi"), ignora = QStringLiteral("&Ignora");
    switch (pulsante) {
    case QMessageBox::Yes: return si;
    case QMessageBox::No: return no;
    case QMessageBox::Cancel: return annulla;
    case QMessageBox::Retry: return riprova;
    case QMessageBox::Abort: return interrompi;
    case QMessageBox::Ignore: return ignora;
    default: return ok;
    }
}

}  // namespace

Risposta MessaggiQt::mostra(const Messaggio& messaggio)
{
    QMessageBox box(iconaQt(messaggio.icona), messaggio.titolo, messaggio.testo, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const QList<PulsanteQt> pulsanti = pulsantiQt(messaggio.pulsanti);
    for (const PulsanteQt& p : pulsanti) box.addButton(p.qt)->setText(testoPulsante(p.qt));
    const int predefinito = std::clamp(messaggio.pulsantePredefinito, 0, static_cast<int>(pulsanti.size()) - 1);
    box.setDefaultButton(pulsanti.at(predefinito).qt);
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const auto scelto = static_cast<QMessageBox::StandardButton>(box.exec());
    QApplication::restoreOverrideCursor();
    for (const PulsanteQt& p : pulsanti) {
        if (p.qt == scelto) return p.risposta;
    }
    // The close box of the dialog answers like its escape button.
    return pulsanti.size() == 1 ? pulsanti.front().risposta : pulsanti.back().risposta;
}

QString CartelleQt::scegliCartella(const QString& titolo)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), titolo, QDir::homePath());
}

UnitaQt::UnitaQt(QString radiceA, QString radiceB) : m_radiceA(std::move(radiceA)), m_radiceB(std::move(radiceB)) {}

QString UnitaQt::unitaDelPercorso(const QString& percorso) const
{
    const QString pulito = QDir::cleanPath(QFileInfo(percorso).absoluteFilePath());
    for (const auto& [unita, radice] : {std::pair{QStringLiteral("A:"), m_radiceA}, std::pair{QStringLiteral("B:"), m_radiceB}}) {
        const QString r = QDir::cleanPath(radice);
        if (pulito == r || pulito.startsWith(r + QLatin1Char('/'))) return unita;
    }
    return QString();
}

QString UnitaQt::radice(const QString& unita) const
{
    return unita.compare(QStringLiteral("B:"), Qt::CaseInsensitive) == 0 ? m_radiceB : m_radiceA;
}

QString UnitaQt::radicePronta(const QString& unita) const
{
    const QString r = radice(unita);
    if (!QFileInfo(r).isDir()) {
        throw Errore(NumeriErrore::UnitaNonDisponibile, QStringLiteral("Periferica non disponibile"));
    }
    const QStorageInfo volume(r);
    if (!volume.isValid() || !volume.isReady() || QDir::cleanPath(volume.rootPath()) != QDir::cleanPath(r)) {
        throw Errore(NumeriErrore::DiscoNonPronto, QStringLiteral("Disco non pronto"));
    }
    return r;
}

QStringList UnitaQt::fileDellaRadice(const QString& unita)
{
    return QDir(radicePronta(unita)).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

void UnitaQt::cancellaFile(const QString& unita, const QString& nomeFile)
{
    const QString r = radicePronta(unita);
    if (QStorageInfo(r).isReadOnly()) {
        throw Errore(NumeriErrore::ErroreAccessoPercorso, QStringLiteral("Errore di accesso al percorso/file"));
    }
    if (!QFile::remove(QDir(r).filePath(nomeFile))) {
        throw Errore(NumeriErrore::PermessoNegato, QStringLiteral("Permesso negato"));
    }
}

qint64 UnitaQt::spazioLibero(const QString& unita)
{
    return QStorageInfo(radicePronta(unita)).bytesAvailable();
}

void VisualizzatoreQt::mostraFile(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Errore(NumeriErrore::FileNonTrovato, QStringLiteral("File non trovato: %1").arg(percorso));
    }
    auto* finestra = new QDialog(QApplication::activeWindow());
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowTitle(QFileInfo(percorso).fileName());
    auto* testo = new QPlainTextEdit(Windows1252::decodifica(file.readAll()), finestra);
    testo->setReadOnly(true);
    testo->setLineWrapMode(QPlainTextEdit::NoWrap);
    testo->setFont(QFont(QStringLiteral("Monospace")));
    auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Close, finestra);
    QObject::connect(pulsanti, &QDialogButtonBox::rejected, finestra, &QDialog::close);
    auto* layout = new QVBoxLayout(finestra);
    layout->addWidget(testo);
    layout->addWidget(pulsanti);
    finestra->resize(800, 500);
    finestra->show();
}

QString ApplicazioneQt::cartellaProgramma() const
{
    return QCoreApplication::applicationDirPath();
}

QString ApplicazioneQt::nomeEseguibile() const
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ApplicazioneQt::versione() const
{
    return QStringLiteral(TORMAVELLINO_VERSIONE);
}

QDateTime ApplicazioneQt::adesso() const
{
    return QDateTime::currentDateTime();
}

void ApplicazioneQt::cursoreAttesa(bool attivo)
{
    if (attivo) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
    }
}

void ApplicazioneQt::beep()
{
    QApplication::beep();
}

QString ApplicazioneQt::cercaProgramma(const QString& nome) const
{
    return QStandardPaths::findExecutable(nome);
}

bool ApplicazioneQt::avviaProgramma(const QString& percorso)
{
    return QProcess::startDetached(percorso, {});
}

void ApplicazioneQt::termina(int codice)
{
    std::exit(codice);
}

void FinestreQt::impostaArea(QMdiArea* area)
{
    m_area = area;
}

void FinestreQt::apri(QWidget* finestra, ModoFinestra modo)
{
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    if (modo == ModoFinestra::NelMenu && m_area) {
        QMdiSubWindow* cornice = m_area->addSubWindow(finestra);
        cornice->setAttribute(Qt::WA_DeleteOnClose);
        // A window that closes itself takes its frame in the area with it.
        QObject::connect(finestra, &QObject::destroyed, cornice, &QMdiSubWindow::close);
        cornice->show();
        return;
    }
    if (modo != ModoFinestra::Modale) {
        finestra->show();
        return;
    }
    finestra->setWindowModality(Qt::ApplicationModal);
    QEventLoop attesa;
    QObject::connect(finestra, &QObject::destroyed, &attesa, &QEventLoop::quit);
    finestra->show();
    attesa.exec();
}

void ReportQt::esegui(const ImpostazioniReport& impostazioni)
{
    QProgressDialog avanzamento(QStringLiteral("Preparazione della stampa in corso..."), QStringLiteral("Annulla"), 0, 100,
                                QApplication::activeWindow());
    avanzamento.setWindowTitle(QStringLiteral("Stampa"));
    avanzamento.setWindowModality(Qt::ApplicationModal);
    avanzamento.setMinimumDuration(0);
    avanzamento.setAutoReset(false);
    const AvanzamentoReport passo = [&avanzamento](int percentuale) {
        avanzamento.setValue(percentuale);
        QCoreApplication::processEvents();
        return !avanzamento.wasCanceled();
    };
    if (impostazioni.destinazione == DestinazioneReport::FilePdf) {
        MotoreReport::stampaPdf(impostazioni, passo);
        return;
    }
    std::unique_ptr<ReportImpaginato> report = MotoreReport::prepara(impostazioni, passo);
    avanzamento.reset();
    const QString titolo = impostazioni.titoloAnteprima.isEmpty() ? report->titolo : impostazioni.titoloAnteprima;
    auto* anteprima = new FrmAnteprimaReport(std::move(report), titolo, QApplication::activeWindow());
    anteprima->show();
}

QString ReportQt::nomeSottoreport(const QString& fileReport, int indice)
{
    return MotoreReport::nomeSottoreport(fileReport, indice);
}
