#include "reports/MotoreReport.h"

#include "data/Database.h"
#include "reports/ErroriReport.h"
#include "reports/FileReport.h"
#include "reports/FormuleReport.h"

#include <QFileInfo>

#include <kainjow/mustache.hpp>

namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;

void annullaSe(const AvanzamentoReport& avanzamento, int percentuale)
{
    if (avanzamento && !avanzamento(percentuale)) {
        throw Errore(ErroriReport::AnnullataDallUtente, QStringLiteral("Richiesta annullata dall'utente"));
    }
}

std::unique_ptr<Database> apriDati(const QString& file, const QString& connessione)
{
    if (file.isEmpty() || !QFileInfo(file).isFile()) {
        throw Errore(ErroriReport::FileDatiNonApribile, QStringLiteral("Impossibile aprire il file di dati: %1").arg(file));
    }
    try {
        return Database::apri(file, FormuleReport::passwordConnessione(connessione));
    } catch (const Errore& e) {
        throw Errore(ErroriReport::AccessoNonRiuscito,
                     QStringLiteral("Accesso al database non riuscito: %1").arg(e.descrizione()));
    }
}

QString virgolette(const QString& nome)
{
    return QLatin1Char('"') + nome + QLatin1Char('"');
}

// The column of the source that `nome` names, as the source spells it.
QString colonna(const QStringList& colonne, const QString& nome, const QString& sorgente)
{
    for (const QString& c : colonne) {
        if (c.compare(nome, Qt::CaseInsensitive) == 0) return c;
    }
    throw Errore(ErroriReport::ErroreNellaFormula,
                 QStringLiteral("Campo sconosciuto: {%1.%2}").arg(sorgente, nome));
}

QStringList colonneDi(Database& db, const QString& sorgente)
{
    try {
        Istruzione query = db.prepara(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(virgolette(sorgente)));
        QStringList colonne;
        for (int i = 0; i < query.numeroColonne(); ++i) colonne << query.nomeColonna(i);
        return colonne;
    } catch (const Errore& e) {
        throw Errore(ErroriReport::ErroreDatabase,
                     QStringLiteral("Sorgente dei dati %1 non disponibile: %2").arg(sorgente, e.descrizione()));
    }
}

DatiSorgente leggiSorgente(Database& db, const QString& sorgente, const QStringList& ordine,
                           const QList<FormuleReport::Condizione>& condizioni, const AvanzamentoReport& avanzamento)
{
    DatiSorgente dati;
    dati.colonne = colonneDi(db, sorgente);
    QString sql = QStringLiteral("SELECT * FROM ") + virgolette(sorgente);
    QVariantList valori;
    for (const FormuleReport::Condizione& c : condizioni) {
        if (c.sorgente.compare(sorgente, Qt::CaseInsensitive) != 0) {
            throw Errore(ErroriReport::ErroreNellaFormula,
                         QStringLiteral("Sorgente sconosciuta: {%1.%2}").arg(c.sorgente, c.campo));
        }
        sql += (valori.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) +
               virgolette(colonna(dati.colonne, c.campo, sorgente)) + QStringLiteral(" = ?");
        valori << c.valore;
    }
    QStringList chiavi;
    for (const QString& c : ordine) chiavi << virgolette(colonna(dati.colonne, c, sorgente));
    if (!chiavi.isEmpty()) sql += QStringLiteral(" ORDER BY ") + chiavi.join(QStringLiteral(", "));
    try {
        Istruzione query = db.prepara(sql);
        query.lega(valori);
        while (query.avanza()) {
            QStringList riga;
            riga.reserve(dati.colonne.size());
            for (int i = 0; i < dati.colonne.size(); ++i) riga << query.testo(i);
            dati.righe << riga;
            if (dati.righe.size() % 250 == 0) annullaSe(avanzamento, 10);
        }
    } catch (const Errore& e) {
        if (e.numero() == ErroriReport::AnnullataDallUtente) throw;
        throw Errore(ErroriReport::ErroreDatabase, QStringLiteral("Errore rilevato dal database: %1").arg(e.descrizione()));
    }
    return dati;
}

std::string utf8(const QString& testo)
{
    return testo.toStdString();
}

data riga(const QStringList& colonne, const QStringList& valori, int numero)
{
    data oggetto{data::type::object};
    for (int i = 0; i < colonne.size(); ++i) oggetto.set(utf8(colonne.at(i)), utf8(valori.at(i)));
    oggetto.set("numero", std::to_string(numero));
    oggetto.set("pari", numero % 2 == 0 ? data::type::bool_true : data::type::bool_false);
    return oggetto;
}

data elenco(const QStringList& colonne, const QList<QStringList>& righe)
{
    data lista{data::type::list};
    for (int i = 0; i < righe.size(); ++i) lista << riga(colonne, righe.at(i), i + 1);
    return lista;
}

// Consecutive rows with the same values of the group's columns.
data gruppi(const DatiSorgente& dati, const QStringList& gruppo, const QString& sorgente)
{
    QList<int> indici;
    for (const QString& c : gruppo) indici << dati.colonne.indexOf(colonna(dati.colonne, c, sorgente));
    data lista{data::type::list};
    for (int inizio = 0; inizio < dati.righe.size();) {
        int fine = inizio + 1;
        const auto chiave = [&](int r) {
            QStringList valori;
            for (int i : indici) valori << dati.righe.at(r).at(i);
            return valori;
        };
        while (fine < dati.righe.size() && chiave(fine) == chiave(inizio)) ++fine;
        data g = riga(dati.colonne, dati.righe.at(inizio), lista.list_value().size() + 1);
        g.set("righe", elenco(dati.colonne, dati.righe.mid(inizio, fine - inizio)));
        g.set("numero_righe", std::to_string(fine - inizio));
        lista << g;
        inizio = fine;
    }
    return lista;
}

QString rendi(const QString& modello, const data& contesto, const QString& parte)
{
    mustache testo{utf8(modello)};
    std::string risultato;
    if (testo.is_valid()) risultato = testo.render(contesto);
    if (!testo.is_valid()) {
        throw Errore(ErroriReport::ReportNonValido,
                     QStringLiteral("Modello %1 non valido: %2").arg(parte, QString::fromStdString(testo.error_message())));
    }
    return QString::fromStdString(risultato);
}

}  // namespace

std::unique_ptr<ReportImpaginato> MotoreReport::prepara(const ImpostazioniReport& impostazioni,
                                                         const AvanzamentoReport& avanzamento)
{
    annullaSe(avanzamento, 0);
    const FileReport report = FileReport::leggi(impostazioni.fileReport);

    data contesto{data::type::object};
    data presente{data::type::object};
    for (const QString& nome : report.formule) {
        contesto.set(utf8(nome), std::string());
        presente.set(utf8(nome), data::type::bool_false);
    }
    for (const QString& testo : impostazioni.formule) {
        const FormuleReport::Formula formula = FormuleReport::leggiFormula(testo);
        const auto it = std::find_if(report.formule.cbegin(), report.formule.cend(), [&](const QString& nome) {
            return nome.compare(formula.nome, Qt::CaseInsensitive) == 0;
        });
        if (it == report.formule.cend()) {
            throw Errore(ErroriReport::NomeFormulaNonValido, QStringLiteral("Nome di formula non valido: %1").arg(formula.nome));
        }
        contesto.set(utf8(*it), utf8(formula.valore));
        presente.set(utf8(*it), formula.valore.isEmpty() ? data::type::bool_false : data::type::bool_true);
    }
    contesto.set("presente", presente);
    contesto.set("titolo", utf8(report.titolo));

    if (!impostazioni.sottoreport.isEmpty() &&
        std::none_of(report.sottoreport.cbegin(), report.sottoreport.cend(), [&](const FileReport::Sottoreport& s) {
            return s.nome.compare(impostazioni.sottoreport, Qt::CaseInsensitive) == 0;
        })) {
        throw Errore(ErroriReport::SottoreportNonValido, QStringLiteral("Sottoreport sconosciuto: %1").arg(impostazioni.sottoreport));
    }

    const QList<FormuleReport::Condizione> condizioni = FormuleReport::leggiSelezione(impostazioni.formulaSelezione);
    const std::unique_ptr<Database> db = apriDati(impostazioni.fileDati, impostazioni.connessione);
    DatiSorgente dati = leggiSorgente(*db, report.sorgente, report.ordine, condizioni, avanzamento);
    annullaSe(avanzamento, 20);

    for (const FileReport::Sottoreport& sotto : report.sottoreport) {
        const bool proprio = sotto.nome.compare(impostazioni.sottoreport, Qt::CaseInsensitive) == 0 &&
                             !impostazioni.fileDatiSottoreport.isEmpty();
        std::unique_ptr<Database> dbProprio;
        if (proprio) dbProprio = apriDati(impostazioni.fileDatiSottoreport, impostazioni.connessioneSottoreport);
        const DatiSorgente righe = leggiSorgente(proprio ? *dbProprio : *db, sotto.sorgente, sotto.ordine, {}, avanzamento);
        data oggetto{data::type::object};
        oggetto.set("righe", elenco(righe.colonne, righe.righe));
        oggetto.set("numero_righe", std::to_string(righe.righe.size()));
        contesto.set(utf8(sotto.nome), oggetto);
    }

    // Headers and footers see the formulas and the first row; the document sees every row too.
    contesto.set("numero_righe", std::to_string(dati.righe.size()));
    if (!dati.righe.isEmpty()) contesto.set("prima", riga(dati.colonne, dati.righe.first(), 1));
    const data margini = contesto;
    if (!report.gruppo.isEmpty()) contesto.set("gruppi", gruppi(dati, report.gruppo, report.sorgente));
    contesto.set("righe", elenco(dati.colonne, dati.righe));
    annullaSe(avanzamento, 30);

    const QString html = rendi(report.documento, contesto, QStringLiteral("documento"));
    const auto margine = [&](const QString& modello, const QString& parte) -> ReportImpaginato::Margine {
        if (modello.trimmed().isEmpty()) return {};
        rendi(modello, margini, parte);  // a faulty template fails here, not while drawing
        return [modello, margini, parte](int pagina, int pagine) {
            data pieno = margini;
            pieno.set("pagina", std::to_string(pagina));
            pieno.set("pagine", std::to_string(pagine));
            return rendi(modello, pieno, parte);
        };
    };
    auto impaginato = std::make_unique<ReportImpaginato>(html, margine(report.intestazione, QStringLiteral("intestazione")),
                                                         margine(report.piede, QStringLiteral("piede")),
                                                         report.orientamento, report.stile, std::move(dati));
    impaginato->titolo = report.titolo;
    annullaSe(avanzamento, 60);
    return impaginato;
}

void MotoreReport::stampaPdf(const ImpostazioniReport& impostazioni, const AvanzamentoReport& avanzamento)
{
    prepara(impostazioni, avanzamento)->stampaPdf(impostazioni.filePdf, avanzamento);
}

QString MotoreReport::nomeSottoreport(const QString& fileReport, int indice)
{
    const FileReport report = FileReport::leggi(fileReport);
    return indice >= 0 && indice < report.sottoreport.size() ? report.sottoreport.at(indice).nome : QString();
}
