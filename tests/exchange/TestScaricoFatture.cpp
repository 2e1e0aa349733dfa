#include "ProvaScarico.h"
#include "StampaQString.h"

#include "exchange/ScaricoFatture.h"

#include <QDir>

#include <map>

namespace {

const QString Casi = QStringLiteral(TORMAVELLINO_CASI_SCARICO);

std::vector<std::string> cartelleDeiCasi()
{
    std::vector<std::string> nomi;
    for (const QString& nome : QDir(Casi).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        nomi.push_back(nome.toStdString());
    return nomi;
}

}  // namespace

// Each case folder holds the data (dati.sql, one application) and the file the export must write.
class CasoScarico : public ProvaScarico, public ::testing::WithParamInterface<std::string> {};

TEST_P(CasoScarico, FileIdenticoAlloAtteso)
{
    const QDir cartella(Casi + u'/' + QString::fromStdString(GetParam()));
    caricaFile(cartella.filePath(QStringLiteral("dati.sql")));
    selezionaDomanda(leggi(QStringLiteral("SELECT ID_DOMANDA FROM DOMANDE")).toInt());
    const QStringList attesi = cartella.entryList({QStringLiteral("Kalvor*")}, QDir::Files);
    ASSERT_EQ(attesi.size(), 1);

    ScaricoFatture scarico(contesto);
    const EsitoScarico esito = scarico.Esegui(destinazione.path());

    EXPECT_EQ(esito.stato, EsitoScarico::Stato::Eseguito);
    EXPECT_EQ(QDir(destinazione.path()).entryList(QDir::Files), attesi);
    EXPECT_EQ(contenuto(esito.file), contenuto(cartella.filePath(attesi.front())));
}

INSTANTIATE_TEST_SUITE_P(Casi, CasoScarico, ::testing::ValuesIn(cartelleDeiCasi()),
                         [](const auto& info) {
                             std::string nome = info.param;
                             std::replace(nome.begin(), nome.end(), '-', '_');
                             return nome;
                         });

class Tracciati : public ProvaScarico {
protected:
    // One row with the columns of the query, each value as given or a plain default.
    Istruzione riga(const std::map<QString, QString>& valori, std::map<QString, QString> modifiche)
    {
        for (const auto& [nome, valore] : valori) modifiche[nome] = valore;
        QStringList colonne;
        QVariantList legati;
        for (const auto& [nome, valore] : modifiche) {
            legati << valore;
            colonne << QStringLiteral("?%1 AS %2").arg(legati.size()).arg(nome);
        }
        Istruzione istruzione = apriDatabase().prepara(QStringLiteral("SELECT ") + colonne.join(QStringLiteral(", ")));
        istruzione.lega(legati);
        EXPECT_TRUE(istruzione.avanza());
        return istruzione;
    }
};

TEST_F(Tracciati, CampiDellaFattura)
{
    const std::map<QString, QString> normale{
        {"DOMANDA", "00000012345"}, {"CODI_LAVO", "VBT"}, {"PRODOTTO", "ACQ"}, {"CODI_FISC", "RSSMRA80A01H501U"},
        {"NUME_FATT", "1"}, {"DATA_FATT", "12/03/2006"}, {"QTA_PROD", "1,0000"}, {"GRAD", "12,0000"},
        {"PREZ_MINI", "2,2810"}, {"IMPO", "1,00"}, {"IVA", "0,20"}, {"IMPO_TOTA", "1,20"}, {"DATA_PAGA", "20/03/2006"},
        {"QTA_LAVO", "1,0000"}, {"DENOMINAZIONE", "CANTINA"}};
    const struct {
        QString colonna, valore;
        int posizione, larghezza;
        QByteArray atteso;
    } casi[] = {
        {"DENOMINAZIONE", QString(75, u'N') + u'X', 161, 70, QByteArray(70, 'N')},
        {"DENOMINAZIONE", "CANTINA DI CÀ", 161, 13, "CANTINA DI C\xC0"},
        {"CODI_FISC", "00743110157", 36, 16, "00743110157     "},
        {"IMPO", "1234,56", 100, 14, "00000000123456"},
        {"QTA_PROD", "0,5000", 75, 11, "00000005000"},
        {"IVA", "-12,50", 114, 14, "000000000-1250"},
        {"DATA_PAGA", "", 142, 8, "00000000"},
        {"DATA_FATT", "", 67, 8, "00000000"},
        {"DATA_FATT", "31/02/2006", 67, 8, "00000000"},
        {"DATA_FATT", "1/2/2006", 67, 8, "20060201"},
        {"NUME_FATT", "2006/000123/ABCD", 52, 15, "2006/000123/ABC"},
    };
    ScaricoFatture scarico(contesto);
    for (const auto& caso : casi) {
        const QByteArray record = scarico.TRACCIATO_1(riga({{caso.colonna, caso.valore}}, normale));
        EXPECT_EQ(record.size(), 260) << caso.colonna.toStdString() << " " << caso.valore.toStdString();
        EXPECT_EQ(record.mid(caso.posizione - 1, caso.larghezza), caso.atteso)
            << caso.colonna.toStdString() << " " << caso.valore.toStdString();
    }
}

TEST_F(Tracciati, CampiDellaBolla)
{
    const std::map<QString, QString> normale{
        {"DOMANDA", "00000012345"}, {"NUME_FATT", "1"}, {"CODI_FISC", "RSSMRA80A01H501U"}, {"NUMERO_BOLLA", "B1"},
        {"DATA_CONSEGNA", "05/03/2006"}, {"QUANTITA_PRODOTTO", "1,0000"}, {"DATA_PAGA", "20/03/2006"},
        {"GRADO", "12,0000"}};
    const struct {
        QString colonna, valore;
        int posizione, larghezza;
        QByteArray atteso;
    } casi[] = {
        {"DATA_PAGA", "", 85, 10, "          "},
        {"DATA_PAGA", "2/3/06", 85, 10, "02/03/2006"},
        {"DATA_CONSEGNA", "", 64, 10, "          "},
        {"GRADO", "", 95, 6, "000000"},
        {"GRADO", "12,5", 95, 6, "000125"},
        {"NUMERO_BOLLA", QString(20, u'B') + QStringLiteral("OLTRE"), 44, 20, QByteArray(20, 'B')},
    };
    ScaricoFatture scarico(contesto);
    for (const auto& caso : casi) {
        const QByteArray record = scarico.TRACCIATO_2(riga({{caso.colonna, caso.valore}}, normale));
        EXPECT_EQ(record.size(), 260) << caso.colonna.toStdString() << " " << caso.valore.toStdString();
        EXPECT_EQ(record.mid(caso.posizione - 1, caso.larghezza), caso.atteso)
            << caso.colonna.toStdString() << " " << caso.valore.toStdString();
    }
}
