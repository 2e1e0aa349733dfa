#include "AmbienteProva.h"

#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "app/base/LogErrori.h"

#include <QFile>

namespace {

class TestLogErrori : public AmbienteProva {
protected:
    QString rigaLog()
    {
        return leggi(QStringLiteral("SELECT SETTORE || '|' || DATA_APPL || '|' || ORA_APPL || '|' || DESC_APPL || '|' || "
                                    "CODI_ERRO || '|' || DESC_ERRO || '|' || FLAG_STAM FROM LOGERR"));
    }
};

Messaggio boxGestioneErrori(const QString& numero, const QString& descrizione, const QString& etichetta)
{
    return {Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
            QStringLiteral("Errore numero\t: ") + numero + QStringLiteral("\n\r\nDescrizione    \t: ") + descrizione +
                QStringLiteral("\n\r\nNome Eseguibile\t: tormavellino\n\r\nNome Form\t: ") + etichetta +
                QStringLiteral("\n\r\nNome Funzione \t: ") + etichetta};
}

}  // namespace

TEST(NumeroErrore, CinqueCifreConZeriESegno)
{
    const struct {
        qint32 numero;
        const char* atteso;
    } casi[] = {{3021, "03021"}, {94, "00094"}, {0, "00000"}, {123456, "123456"}, {-5, "-00005"},
                {-2147483647 - 1, "-2147483648"}};
    for (const auto& caso : casi) EXPECT_EQ(LogErrori::FormattaNumeroErrore(caso.numero), QString::fromLatin1(caso.atteso));
}

TEST_F(TestLogErrori, RigaEBoxDiUnErrore)
{
    apriDatabase();
    messaggi.aspetta(boxGestioneErrori(QStringLiteral("3021"), QStringLiteral("L'operazione \"richiesta\" non c'è"),
                                       QStringLiteral(" frmCarico.AllineaDB")));
    ScriviLogErrore(contesto, QStringLiteral("GE'"), QStringLiteral(" frmCarico.AllineaDB"), 3021,
                    QStringLiteral("L'operazione \"richiesta\" non c'è"));
    EXPECT_EQ(rigaLog(), QStringLiteral("GE'|15/03/2006|09:30:05| frmCarico.AllineaDB|03021|"
                                        "L'operazione \"richiesta\" non c'è|N"));
    EXPECT_FALSE(applicazione.terminato());
    EXPECT_FALSE(applicazione.attesa);
}

TEST_F(TestLogErrori, SenzaDatabaseApertoAnomaliaBloccanteEFine)
{
    messaggi.aspetta({Icona::Critico, Pulsanti::Ok, 0, QStringLiteral("Consultare il servizio tecnico"),
                      QStringLiteral("SI E' VERIFICATA UNA ANOMALIA BLOCCANTE:\r\rERRORE NUMERO - 94\r\r"
                                     "DESCRIZIONE - Uso non valido di Null\r\rSETTORE - FrmSelezione.SEL_RECORD\r\r"
                                     "appuntarsi il tipo di errore e contattare il servizio tecnico.")});
    ScriviLogErrore(contesto, QStringLiteral("GE"), QStringLiteral("FrmSelezione.SEL_RECORD"), 94,
                    QStringLiteral("Uso non valido di Null"));
    EXPECT_EQ(applicazione.terminazioni, QList<int>{1});
}

TEST_F(TestLogErrori, TrappolaRegistraEProsegue)
{
    Database& db = apriDatabase();
    bool dopo = false;
    messaggi.aspetta(boxGestioneErrori(QStringLiteral("3001"), QStringLiteral("no such table: NESSUNA"),
                                       QStringLiteral("FrmDomanda.MetodiDOMANDA ")));
    const bool esito = Trappola(contesto, QStringLiteral("FrmDomanda.MetodiDOMANDA "), [&] {
        db.esegui(QStringLiteral("INSERT INTO CAMPAGNA (ANNUALITA) VALUES ('2006')"));
        db.esegui(QStringLiteral("DELETE FROM NESSUNA"));
        dopo = true;
    });
    EXPECT_FALSE(esito);
    EXPECT_FALSE(dopo);
    EXPECT_EQ(conta(QStringLiteral("CAMPAGNA")), 6) << "quanto fatto prima dell'errore resta fatto";
    EXPECT_EQ(leggi(QStringLiteral("SELECT SETTORE || '|' || CODI_ERRO FROM LOGERR")), QStringLiteral("|03001"));
    EXPECT_TRUE(Trappola(contesto, QStringLiteral("x"), [] {}));
}

TEST(CartellaDatabase, UnSoloSeparatore)
{
    EXPECT_EQ(Gestione_DataBase::CartellaDatabase(QStringLiteral("/opt/tormavellino")),
              QStringLiteral("/opt/tormavellino/database/"));
    EXPECT_EQ(Gestione_DataBase::CartellaDatabase(QStringLiteral("/")), QStringLiteral("/database/"));
    EXPECT_EQ(Gestione_DataBase::CartellaDatabase(QStringLiteral("/media/prog/")), QStringLiteral("/media/prog/database/"));
}

TEST_F(TestLogErrori, AperturaFallitaMostraIlBoxEFinisce)
{
    const struct {
        const char* caso;
        std::function<void()> prepara;
        const char* testo;
    } casi[] = {
        {"chiave errata",
         [&] {
             QFile::remove(fileDatabase());
             auto db = Database::crea(fileDatabase(), QStringLiteral("ALTRA"));
             db->esegui(QStringLiteral("CREATE TABLE T (A)"));
         },
         "Numero Errore: 3026\r\n\r\nDescrizione Errore: file is encrypted or is not a database\r\n\r\n\r\n\r\n"},
        {"file mancante", [&] { QFile::remove(fileDatabase()); },
         "Numero Errore: 3014\r\n\r\nDescrizione Errore: unable to open database file\r\n\r\n\r\n\r\n"},
    };
    for (const auto& caso : casi) {
        SCOPED_TRACE(caso.caso);
        caso.prepara();
        applicazione.terminazioni.clear();
        messaggi.aspetta({Icona::Critico, Pulsanti::Ok, 0, md_Globali::TITOLO_MESSAGGI, QString::fromUtf8(caso.testo)});
        EXPECT_FALSE(Gestione_DataBase::ApriDatabase(contesto, false));
        EXPECT_EQ(applicazione.terminazioni, QList<int>{1});
        EXPECT_EQ(stato.dbDati, nullptr);
        messaggi.verificaCompletato();
    }
    EXPECT_FALSE(QFile::exists(fileDatabase())) << "nessun database vuoto creato al suo posto";
}
