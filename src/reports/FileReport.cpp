#include "reports/FileReport.h"

#include "data/Errore.h"
#include "reports/ErroriReport.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

[[noreturn]] void nonValido(const QString& percorso, int riga, const QString& motivo)
{
    throw Errore(ErroriReport::ReportNonValido, QStringLiteral("Report non valido (%1, riga %2): %3")
                                                    .arg(QFileInfo(percorso).fileName())
                                                    .arg(riga)
                                                    .arg(motivo));
}

bool identificatore(const QString& testo)
{
    static const QRegularExpression nome(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return nome.match(testo).hasMatch();
}

QStringList elenco(const QString& valore, const QString& percorso, int riga)
{
    QStringList nomi;
    for (const QString& parte : valore.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString nome = parte.trimmed();
        if (!identificatore(nome)) nonValido(percorso, riga, QStringLiteral("nome non valido \"%1\"").arg(nome));
        nomi << nome;
    }
    return nomi;
}

}  // namespace

bool FileReport::dichiaraFormula(const QString& nome) const
{
    return formule.contains(nome, Qt::CaseInsensitive);
}

FileReport FileReport::leggi(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Errore(ErroriReport::FileReportNonApribile, QStringLiteral("Impossibile aprire il report: %1").arg(percorso));
    }
    const QStringList righe = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));

    FileReport report;
    QString sezione;
    QString* modello = nullptr;
    for (int i = 0; i < righe.size(); ++i) {
        QString riga = righe.at(i);
        if (riga.endsWith(QLatin1Char('\r'))) riga.chop(1);
        const QString pulita = riga.trimmed();
        if (pulita.startsWith(QLatin1Char('[')) && pulita.endsWith(QLatin1Char(']'))) {
            sezione = pulita.mid(1, pulita.size() - 2).toLower();
            modello = nullptr;
            if (sezione == QLatin1String("documento")) modello = &report.documento;
            else if (sezione == QLatin1String("intestazione")) modello = &report.intestazione;
            else if (sezione == QLatin1String("piede")) modello = &report.piede;
            else if (sezione == QLatin1String("stile")) modello = &report.stile;
            else if (sezione == QLatin1String("sottoreport")) report.sottoreport.append(Sottoreport{});
            else if (sezione != QLatin1String("report")) nonValido(percorso, i + 1, QStringLiteral("sezione ") + pulita);
            continue;
        }
        if (modello) {
            modello->append(riga + QLatin1Char('\n'));
            continue;
        }
        if (pulita.isEmpty() || pulita.startsWith(QLatin1Char('#'))) continue;
        const qsizetype uguale = pulita.indexOf(QLatin1Char('='));
        if (sezione.isEmpty() || uguale < 0) nonValido(percorso, i + 1, pulita);
        const QString chiave = pulita.left(uguale).trimmed().toLower();
        const QString valore = pulita.mid(uguale + 1).trimmed();
        if (sezione == QLatin1String("sottoreport")) {
            Sottoreport& sotto = report.sottoreport.last();
            if (chiave == QLatin1String("nome")) sotto.nome = elenco(valore, percorso, i + 1).value(0);
            else if (chiave == QLatin1String("sorgente")) sotto.sorgente = elenco(valore, percorso, i + 1).value(0);
            else if (chiave == QLatin1String("ordine")) sotto.ordine = elenco(valore, percorso, i + 1);
            else nonValido(percorso, i + 1, QStringLiteral("voce ") + chiave);
            continue;
        }
        if (chiave == QLatin1String("titolo")) report.titolo = valore;
        else if (chiave == QLatin1String("sorgente")) report.sorgente = elenco(valore, percorso, i + 1).value(0);
        else if (chiave == QLatin1String("ordine")) report.ordine = elenco(valore, percorso, i + 1);
        else if (chiave == QLatin1String("gruppo")) report.gruppo = elenco(valore, percorso, i + 1);
        else if (chiave == QLatin1String("formule")) report.formule = elenco(valore, percorso, i + 1);
        else if (chiave == QLatin1String("pagina")) {
            if (valore.compare(QLatin1String("A4 orizzontale"), Qt::CaseInsensitive) == 0) {
                report.orientamento = QPageLayout::Landscape;
            } else if (valore.compare(QLatin1String("A4 verticale"), Qt::CaseInsensitive) != 0) {
                nonValido(percorso, i + 1, QStringLiteral("pagina ") + valore);
            }
        } else {
            nonValido(percorso, i + 1, QStringLiteral("voce ") + chiave);
        }
    }
    if (report.sorgente.isEmpty()) nonValido(percorso, righe.size(), QStringLiteral("manca la sorgente dei dati"));
    if (report.documento.trimmed().isEmpty()) nonValido(percorso, righe.size(), QStringLiteral("manca il documento"));
    for (const Sottoreport& sotto : std::as_const(report.sottoreport)) {
        if (sotto.nome.isEmpty() || sotto.sorgente.isEmpty()) {
            nonValido(percorso, righe.size(), QStringLiteral("sottoreport senza nome o sorgente"));
        }
    }
    return report;
}
