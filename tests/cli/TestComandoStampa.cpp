#include "AmbienteProva.h"

#include <QFile>
#include <QProcess>

namespace {

class TestComandoStampa : public AmbienteProva {
protected:
    TestComandoStampa()
    {
        Database& db = apriDatabase();
        db.esegui(QStringLiteral("INSERT INTO DISTILLERIA VALUES ('01234567897', 'CANTINA D''ALBA', 'VIA ROMA 1')"));
        db.esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, ID_VARIETA, TIPO_ARTICOLO, STAM, SCAR, "
                                 "PROG_VERS, DATA_CAMP, PROG_INVIO) VALUES ('00000000123', '01', 1, '30', 'N', 'N', '1', "
                                 "'2005', 0)"));
        db.esegui(QStringLiteral("INSERT INTO FATTURE (ID_DOMANDA, CODI_FISC, DENOMINAZIONE, NUME_FATT, DATA_FATT, QTA_PROD, "
                                 "GRAD, PREZ_MINI, IMPO, IVA, IMPO_TOTA, DATA_PAGA, QTA_LAVO, ID_LAVORAZIONE) VALUES (1, "
                                 "'00743110157', 'VIGNA SOLE', '7', '01/12/2005', '100,0000', '10,0000', '0,5000', "
                                 "'500,00', '100,00', '600,00', '15/12/2005', '100,0000', 1)"));
        db.esegui(QStringLiteral("INSERT INTO BOLLE (FK_ID_FATTURA, NUMERO_BOLLA, DATA_CONSEGNA, QUANTITA_PRODOTTO, GRADO) "
                                 "VALUES (1, 'B1', '02/11/2005', '100,0000', '10,0000')"));
        stato.dbDati.reset();
    }
    int esegui(const QStringList& argomenti)
    {
        QProcess processo;
        processo.start(QStringLiteral(TORMAVELLINO_CLI), QStringList{QStringLiteral("--database"), fileDatabase()} + argomenti);
        EXPECT_TRUE(processo.waitForFinished(30000));
        uscita = QString::fromUtf8(processo.readAllStandardOutput());
        errori = QString::fromUtf8(processo.readAllStandardError());
        return processo.exitCode();
    }
    QString pdf(const char* nome) const { return cartellaProgramma() + QLatin1Char('/') + QString::fromLatin1(nome); }
    QString uscita, errori;
};

}  // namespace

TEST_F(TestComandoStampa, StampeInPdf)
{
    const QStringList domanda{QStringLiteral("--domanda"), QStringLiteral("123"), QStringLiteral("--progressivo"),
                              QStringLiteral("1")};
    ASSERT_EQ(esegui(QStringList{QStringLiteral("stampa"), QStringLiteral("fatture")} + domanda +
                     QStringList{QStringLiteral("--pdf"), pdf("fatture.pdf")}),
              0)
        << errori.toStdString();
    EXPECT_EQ(uscita, pdf("fatture.pdf") + QLatin1Char('\n'));
    EXPECT_TRUE(errori.contains(QStringLiteral("Stampa effettuata con successo.")));
    EXPECT_EQ(leggi(QStringLiteral("SELECT STAM FROM DOMANDE")), QStringLiteral("S")) << "la domanda risulta stampata";
    stato.dbDati.reset();

    ASSERT_EQ(esegui(QStringList{QStringLiteral("stampa"), QStringLiteral("bolle")} + domanda +
                     QStringList{QStringLiteral("--pdf"), pdf("bolle.pdf")}),
              0)
        << errori.toStdString();
    EXPECT_GT(QFile(pdf("bolle.pdf")).size(), 1000);
    ASSERT_EQ(esegui({QStringLiteral("stampa"), QStringLiteral("bolle-campagna"), QStringLiteral("--pdf"),
                      pdf("campagna.pdf")}),
              0)
        << errori.toStdString();
    EXPECT_GT(QFile(pdf("campagna.pdf")).size(), 1000);

    EXPECT_EQ(esegui({QStringLiteral("stampa"), QStringLiteral("fatture"), QStringLiteral("--domanda"), QStringLiteral("9"),
                      QStringLiteral("--progressivo"), QStringLiteral("1"), QStringLiteral("--pdf"), pdf("nessuna.pdf")}),
              1);
    EXPECT_TRUE(errori.contains(QStringLiteral("Domanda non trovata.")));
    EXPECT_FALSE(QFile::exists(pdf("nessuna.pdf")));
}
