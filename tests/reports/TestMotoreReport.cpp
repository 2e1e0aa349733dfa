#include "AmbienteProva.h"
#include "TestoPdf.h"

#include "app/base/Costanti.h"
#include "data/SchemaDatabase.h"
#include "reports/ErroriReport.h"
#include "reports/FormuleReport.h"
#include "reports/MotoreReport.h"

#include <QFile>
#include <QFileInfo>

namespace {

using FormuleReport::leggiFormula;
using FormuleReport::leggiSelezione;

qint32 numeroErrore(const std::function<void()>& azione)
{
    try {
        azione();
    } catch (const Errore& e) {
        return e.numero();
    }
    return 0;
}

class TestMotoreReport : public AmbienteProva {
protected:
    TestMotoreReport()
    {
        Database& db = apriDatabase();
        for (const auto& [domanda, progressivo] : {std::pair{"12345678901", "01"}, std::pair{"12345678901", "02"}}) {
            db.esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, "
                                     "DATA_CAMP) VALUES (?1, ?2, 1, '30', 'N', 'N', '2005')"),
                      {QString::fromLatin1(domanda), QString::fromLatin1(progressivo)});
        }
        for (int i = 1; i <= 3; ++i) aggiungiFattura(1, QStringLiteral("F%1").arg(i));
        aggiungiFattura(2, QStringLiteral("ALTRA"));
    }

    void aggiungiFattura(int domanda, const QString& numero)
    {
        apriDatabase().esegui(QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, NUME_FATT, DENOMINAZIONE, FOGL, RIGO) "
                                             "VALUES (?1, ?2, 'Cantina Rossi', '1', ?3)"),
                              {domanda, numero, QString::number(conta(QStringLiteral("FATTURE")) + 1)});
    }

    QString scriviReport(const QString& corpo)
    {
        const QString file = m_cartella.filePath(QStringLiteral("Report/prova.rpt"));
        QFile uscita(file);
        EXPECT_TRUE(uscita.open(QIODevice::WriteOnly | QIODevice::Truncate));
        uscita.write(corpo.toUtf8());
        return file;
    }

    QString reportFatture()
    {
        return scriviReport(QStringLiteral(
            "[report]\ntitolo = Prova\nsorgente = Queryreport\nordine = N_RIGO\nformule = DISTILLERIA, NOTA\n"
            "[sottoreport]\nnome = Lavorazioni\nsorgente = LAVORAZIONI\nordine = CODI_LAVO\n"
            "[documento]\n<p>{{DISTILLERIA}}|{{#presente.NOTA}}nota {{NOTA}}{{/presente.NOTA}}</p>\n"
            "<table><thead><tr><th>Intestazione colonna</th></tr></thead>\n"
            "{{#righe}}<tr><td>riga {{NUME_FATT}}</td></tr>{{/righe}}</table>\n"
            "<p>{{#Lavorazioni.righe}}[{{CODI_LAVO}}]{{/Lavorazioni.righe}}</p>\n"
            "[piede]\nPagina {{pagina}} di {{pagine}}\n"));
    }

    ImpostazioniReport impostazioni()
    {
        ImpostazioniReport i;
        i.fileReport = reportFatture();
        i.connessione = QStringLiteral("PWD=") + md_Globali::PASSWORD_DB + QStringLiteral(";");
        i.fileDati = fileDatabase();
        i.destinazione = DestinazioneReport::FilePdf;
        i.filePdf = m_cartella.filePath(QStringLiteral("prova.pdf"));
        return i;
    }

    QStringList numeriFattura(const ReportImpaginato& report)
    {
        QStringList numeri;
        const qsizetype colonna = report.dati().colonne.indexOf(QStringLiteral("NUME_FATT"));
        for (const QStringList& riga : report.dati().righe) numeri << riga.at(colonna);
        return numeri;
    }
};

}  // namespace

TEST(FormuleReport, FormuleLette)
{
    const struct {
        const char* testo;
        const char* nome;
        const char* valore;
    } casi[] = {
        {"CAMPAGNA = '2005/2006'", "CAMPAGNA", "2005/2006"},
        {"SOMMA_IVAS = ''", "SOMMA_IVAS", ""},
        {"DISTILLERIA = \"Cantina dell'Etna\"", "DISTILLERIA", "Cantina dell'Etna"},
        {"DISTILLERIA = \"Cantina \"La Rocca\" dell'Etna\"", "DISTILLERIA", "Cantina \"La Rocca\" dell'Etna"},
        {"DISTILLERIA = 'Doppio '' apice'", "DISTILLERIA", "Doppio ' apice"},
        {"  X=' spazi '  ", "X", " spazi "},
    };
    for (const auto& caso : casi) {
        const FormuleReport::Formula f = leggiFormula(QString::fromUtf8(caso.testo));
        EXPECT_EQ(f.nome.toStdString(), caso.nome) << caso.testo;
        EXPECT_EQ(f.valore.toStdString(), caso.valore) << caso.testo;
    }
    for (const char* errata : {"CAMPAGNA = 2005", "CAMPAGNA = '2005", "CAMPAGNA '2005'", "1X = 'a'", "X = 'a\""}) {
        EXPECT_EQ(numeroErrore([&] { leggiFormula(QString::fromUtf8(errata)); }), ErroriReport::ErroreNellaFormula) << errata;
    }
}

TEST(FormuleReport, SelezioneLetta)
{
    const auto condizioni =
        leggiSelezione(QStringLiteral("{Queryreport.DOMANDA} =  '123' AND  {Queryreport.PROGRESSIVO} =  \"0'1\" "));
    ASSERT_EQ(condizioni.size(), 2);
    EXPECT_EQ(condizioni.at(0).sorgente, QStringLiteral("Queryreport"));
    EXPECT_EQ(condizioni.at(0).campo, QStringLiteral("DOMANDA"));
    EXPECT_EQ(condizioni.at(0).valore, QStringLiteral("123"));
    EXPECT_EQ(condizioni.at(1).campo, QStringLiteral("PROGRESSIVO"));
    EXPECT_EQ(condizioni.at(1).valore, QStringLiteral("0'1"));
    EXPECT_TRUE(leggiSelezione(QStringLiteral("   ")).isEmpty());
    EXPECT_EQ(leggiSelezione(QStringLiteral("{A.B} = 'x' and {A.C} = 'it''s'")).at(1).valore, QStringLiteral("it's"));
    for (const char* errata : {"{A.B} = 'x' OR {A.C} = 'y'", "{A.B} = x", "{A.B} = 'x", "A.B = 'x'",
                               "{A.B} = 'x' {A.C} = 'y'", "{A.B} = 'x'; DROP TABLE FATTURE"}) {
        EXPECT_EQ(numeroErrore([&] { leggiSelezione(QString::fromUtf8(errata)); }), ErroriReport::ErroreNellaFormula)
            << errata;
    }
    EXPECT_EQ(FormuleReport::passwordConnessione(QStringLiteral("PWD=QZ47;")), QStringLiteral("QZ47"));
    EXPECT_EQ(FormuleReport::passwordConnessione(QStringLiteral(";PWD=QZ47")), QStringLiteral("QZ47"));
    EXPECT_EQ(FormuleReport::passwordConnessione(QStringLiteral("UID=x")), QString());
}

TEST_F(TestMotoreReport, SelezioneConValoriLegatiEFormule)
{
    ImpostazioniReport i = impostazioni();
    i.formulaSelezione = QStringLiteral("{Queryreport.DOMANDA} =  '12345678901' AND  {Queryreport.PROGRESSIVO} =  '01' ");
    i.formule[1] = QStringLiteral("DISTILLERIA = \"Cantina dell'Etna & C.\"");
    i.formule[2] = QStringLiteral("nota = 'prima'");
    const auto report = MotoreReport::prepara(i);
    EXPECT_EQ(numeriFattura(*report), (QStringList{"F1", "F2", "F3"}));

    report->stampaPdf(i.filePdf);
    const QString testo = testoPdf(i.filePdf);
    EXPECT_TRUE(testo.contains(QStringLiteral("Cantina dell'Etna & C.|nota prima"))) << testo.toStdString();
    EXPECT_TRUE(testo.contains(QStringLiteral("[VBT]"))) << "il sottoreport legge la sua sorgente";

    i.formulaSelezione = QStringLiteral("{Queryreport.DOMANDA} = '12345678901' AND {Queryreport.PROGRESSIVO} = '01'' OR ''1''=''1'");
    EXPECT_TRUE(numeriFattura(*MotoreReport::prepara(i)).isEmpty()) << "il valore è legato, non incollato nell'SQL";
    i.formulaSelezione.clear();
    EXPECT_EQ(numeriFattura(*MotoreReport::prepara(i)).size(), 4) << "senza selezione, ogni record";
}

TEST_F(TestMotoreReport, ImpostazioniRifiutate)
{
    const struct {
        const char* caso;
        std::function<void(ImpostazioniReport&)> modifica;
        qint32 numero;
    } casi[] = {
        {"formula non dichiarata", [](ImpostazioniReport& i) { i.formule[1] = QStringLiteral("CAMPAGNA = '2005/2006'"); },
         ErroriReport::NomeFormulaNonValido},
        {"formula malformata", [](ImpostazioniReport& i) { i.formule[1] = QStringLiteral("DISTILLERIA = Rossi"); },
         ErroriReport::ErroreNellaFormula},
        {"chiave errata", [](ImpostazioniReport& i) { i.connessione = QStringLiteral("PWD=sbagliata;"); },
         ErroriReport::AccessoNonRiuscito},
        {"nessuna chiave", [](ImpostazioniReport& i) { i.connessione.clear(); }, ErroriReport::AccessoNonRiuscito},
        {"file di dati mancante", [](ImpostazioniReport& i) { i.fileDati += QStringLiteral(".manca"); },
         ErroriReport::FileDatiNonApribile},
        {"file del report mancante", [](ImpostazioniReport& i) { i.fileReport += QStringLiteral(".manca"); },
         ErroriReport::FileReportNonApribile},
        {"campo sconosciuto", [](ImpostazioniReport& i) { i.formulaSelezione = QStringLiteral("{Queryreport.NESSUNO} = '1'"); },
         ErroriReport::ErroreNellaFormula},
        {"altra sorgente", [](ImpostazioniReport& i) { i.formulaSelezione = QStringLiteral("{FATTURE.NUME_FATT} = 'F1'"); },
         ErroriReport::ErroreNellaFormula},
        {"sottoreport sconosciuto", [](ImpostazioniReport& i) { i.sottoreport = QStringLiteral("Produttori"); },
         ErroriReport::SottoreportNonValido},
        {"sottoreport con chiave errata",
         [](ImpostazioniReport& i) {
             i.sottoreport = QStringLiteral("Lavorazioni");
             i.fileDatiSottoreport = i.fileDati;
             i.connessioneSottoreport = QStringLiteral("PWD=sbagliata;");
         },
         ErroriReport::AccessoNonRiuscito},
    };
    for (const auto& caso : casi) {
        ImpostazioniReport i = impostazioni();
        caso.modifica(i);
        EXPECT_EQ(numeroErrore([&] { MotoreReport::stampaPdf(i); }), caso.numero) << caso.caso;
        EXPECT_FALSE(QFileInfo::exists(i.filePdf)) << caso.caso;
    }

    ImpostazioniReport i = impostazioni();
    i.fileReport = scriviReport(QStringLiteral("[report]\nsorgente = Queryreport\n[documento]\n{{#righe}}\n"));
    EXPECT_EQ(numeroErrore([&] { MotoreReport::stampaPdf(i); }), ErroriReport::ReportNonValido) << "modello non chiuso";
    i.fileReport = scriviReport(QStringLiteral("[report]\nsorgente = Nessuna\n[documento]\nx\n"));
    EXPECT_EQ(numeroErrore([&] { MotoreReport::stampaPdf(i); }), ErroriReport::ErroreDatabase) << "sorgente mancante";
}

TEST_F(TestMotoreReport, SottoreportConIlSuoFileDati)
{
    const QString altro = m_cartella.filePath(QStringLiteral("altro.mdb"));
    SchemaDatabase::creaDatabase(altro, QStringLiteral("ALTRA"));
    Database::apri(altro, QStringLiteral("ALTRA"))->esegui(QStringLiteral("INSERT INTO LAVORAZIONI (CODI_LAVO) VALUES ('ZZZ')"));

    ImpostazioniReport i = impostazioni();
    EXPECT_EQ(MotoreReport::nomeSottoreport(i.fileReport, 0), QStringLiteral("Lavorazioni"));
    EXPECT_EQ(MotoreReport::nomeSottoreport(i.fileReport, 1), QString());
    i.sottoreport = MotoreReport::nomeSottoreport(i.fileReport, 0);
    i.fileDatiSottoreport = altro;
    i.connessioneSottoreport = QStringLiteral(";PWD=ALTRA");
    MotoreReport::stampaPdf(i);
    EXPECT_TRUE(testoPdf(i.filePdf).contains(QStringLiteral("[ZZZ]")));
}

TEST_F(TestMotoreReport, IntestazioniDiColonnaENumeriDiPaginaSuOgniPagina)
{
    for (int i = 0; i < 150; ++i) aggiungiFattura(1, QStringLiteral("N%1").arg(i));
    ImpostazioniReport i = impostazioni();
    const auto report = MotoreReport::prepara(i);
    ASSERT_GE(report->pagine(), 3);
    report->stampaPdf(i.filePdf);
    for (int pagina = 1; pagina <= report->pagine(); ++pagina) {
        const QString testo = testoPdf(i.filePdf, pagina);
        EXPECT_TRUE(testo.contains(QStringLiteral("Intestazione colonna"))) << "pagina " << pagina;
        EXPECT_TRUE(testo.contains(QStringLiteral("Pagina %1 di %2").arg(pagina).arg(report->pagine()))) << "pagina " << pagina;
    }
}

TEST_F(TestMotoreReport, AnnullamentoDellUtente)
{
    ImpostazioniReport i = impostazioni();
    for (int quando : {0, 60, 100}) {
        const AvanzamentoReport passo = [quando](int percentuale) { return percentuale < quando; };
        EXPECT_EQ(numeroErrore([&] { MotoreReport::stampaPdf(i, passo); }), ErroriReport::AnnullataDallUtente) << quando;
        EXPECT_FALSE(QFileInfo::exists(i.filePdf)) << "un PDF annullato non resta a metà";
    }
}
