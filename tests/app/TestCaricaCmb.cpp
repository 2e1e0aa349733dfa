#include "AmbienteProva.h"

#include "app/CaricaCmb.h"
#include "app/GrigliaLista.h"
#include "data/ModelloLista.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

using Md_FunzioniGenerali::CaricaCmb;

namespace {

class TestCaricaCmb : public AmbienteProva {
protected:
    TestCaricaCmb() { apriDatabase(); }
    static QStringList voci(const QComboBox& lista)
    {
        QStringList testi;
        for (int i = 0; i < lista.count(); ++i) testi << lista.itemText(i);
        return testi;
    }
};

}  // namespace

TEST_F(TestCaricaCmb, VoceVuotaOUltimaCampagna)
{
    stato.sUltimaCampagna = QStringLiteral("2005");
    QComboBox conVuota, senzaVuota;
    CaricaCmb(contesto, &conVuota, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"), QString(), false,
              QStringLiteral(" ORDER BY ANNUALITA"), false, true);
    EXPECT_EQ(voci(conVuota), (QStringList{"2001", "2002", "2003", "2004", "2005", ""}));
    EXPECT_EQ(conVuota.currentIndex(), -1) << "nothing chosen before the user picks";

    CaricaCmb(contesto, &senzaVuota, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"), QStringLiteral("  "), false,
              QStringLiteral(" ORDER BY ANNUALITA"), false, false);
    EXPECT_EQ(senzaVuota.count(), 5);
    EXPECT_EQ(senzaVuota.currentText(), QStringLiteral("2005")) << "l'ultima campagna prima di ogni scelta";
}

TEST_F(TestCaricaCmb, TabellaVuota)
{
    stato.sUltimaCampagna = QStringLiteral("2005");
    apriDatabase().esegui(QStringLiteral("DELETE FROM CAMPAGNA"));
    QComboBox conVuota, senzaVuota;
    senzaVuota.setEditable(true);
    CaricaCmb(contesto, &conVuota, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"), QString(), false,
              QString(), false, true);
    EXPECT_EQ(voci(conVuota), QStringList{QString()});
    CaricaCmb(contesto, &senzaVuota, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"), QString(), false,
              QString(), false, false);
    EXPECT_EQ(senzaVuota.count(), 0);
    EXPECT_EQ(senzaVuota.currentText(), QStringLiteral("2005"));
}

TEST_F(TestCaricaCmb, RigheIntereDatiVoceECondizioneConValori)
{
    QComboBox lista;
    CaricaCmb(contesto, &lista, QStringLiteral("TAB_PROVINCIE"), QStringLiteral("TABPRODES, TABPROCOD, TABPROSIG"),
              QStringLiteral("TABPROSIG = ?1 OR TABPRODES = ?2"), true, QStringLiteral(" ORDER BY TABPRODES"), true,
              false, {QStringLiteral("AQ"), QStringLiteral("ROMA")});
    EXPECT_EQ(voci(lista), (QStringList{"L'AQUILA", "  L'AQUILA  066  AQ", "ROMA", "  ROMA  058  RM"}));
    EXPECT_EQ(lista.itemData(0), QVariant());
    EXPECT_EQ(lista.itemData(1).toInt(), 66);
    EXPECT_EQ(lista.itemData(3).toInt(), 58);
}

TEST_F(TestCaricaCmb, ErroreRegistratoEVociPrecedentiTenute)
{
    QComboBox lista;
    lista.addItem(QStringLiteral("prima"));
    messaggi.aspetta({Icona::Esclamazione, Pulsanti::Ok, 0, QStringLiteral("Gestione Errori"),
                      QStringLiteral("Errore numero\t: 3001\n\r\nDescrizione    \t: no such table: NESSUNA\n\r\n"
                                     "Nome Eseguibile\t: tormavellino\n\r\nNome Form\t: Md_FunzioniGenerali CaricaCmb\n\r\n"
                                     "Nome Funzione \t: Md_FunzioniGenerali CaricaCmb")});
    CaricaCmb(contesto, &lista, QStringLiteral("NESSUNA"), QStringLiteral("A"), QString(), false, QString(), false, true);
    EXPECT_EQ(voci(lista), QStringList{QStringLiteral("prima")});
}

TEST_F(TestCaricaCmb, GrigliaConColonneScelte)
{
    apriDatabase().esegui(QStringLiteral("INSERT INTO DOMANDE (DOMANDA, PROGRESSIVO, STAM) VALUES ('00000000001', '01', 'S')"));
    ModelloLista modello;
    QTableView griglia;
    GrigliaLista::PreparaGriglia(&griglia, &modello);
    modello.carica(apriDatabase(), QStringLiteral("SELECT * FROM DOMANDE"));
    GrigliaLista::ImpostaColonne(&griglia, &modello,
                                 {{QStringLiteral("STAM"), QStringLiteral("Stampata"), 60},
                                  {QStringLiteral("DOMANDA"), QStringLiteral("N° Domanda"), 120}});
    EXPECT_EQ(griglia.selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(griglia.selectionBehavior(), QAbstractItemView::SelectRows);
    const int stam = modello.colonna(QStringLiteral("STAM"));
    const int domanda = modello.colonna(QStringLiteral("DOMANDA"));
    EXPECT_EQ(griglia.horizontalHeader()->visualIndex(stam), 0);
    EXPECT_EQ(griglia.horizontalHeader()->visualIndex(domanda), 1);
    EXPECT_EQ(griglia.columnWidth(domanda), 120);
    EXPECT_EQ(modello.headerData(domanda, Qt::Horizontal).toString(), QStringLiteral("N° Domanda"));
    for (int c = 0; c < modello.columnCount(); ++c) {
        EXPECT_EQ(griglia.isColumnHidden(c), c != stam && c != domanda) << modello.nomeColonna(c).toStdString();
    }
}
