#include "distiller/frmBolleConsegne.h"

#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"
#include "app/ControlloUscita.h"
#include "app/GrigliaLista.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "data/ModelloLista.h"
#include "distiller/FrmFattura.h"
#include "rules/Date.h"
#include "rules/Numeri.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace {

using namespace Md_FunzioniGenerali;

struct Campo {
    int indice;
    const char* tag;
    const char* etichetta;
    int lunghezza;
};

constexpr std::array<Campo, 5> CAMPI{{
    {1, "NUMERO_BOLLA", "Numero bolla", 20},
    {2, "DATA_CONSEGNA", "Data consegna", 10},
    {3, "QUANTITA_PRODOTTO", "Quantità di prodotto consegnata", 12},
    {4, "DATA_PAGA", "Data pagamento", 10},
    {7, "GRADO", "Grado alcolometrico", 7},
}};

const QList<ColonnaGriglia> COLONNE = {
    {QStringLiteral("NUMERO_BOLLA"), QStringLiteral("NUMERO BOLLA"), 140},
    {QStringLiteral("DATA_CONSEGNA"), QStringLiteral("DATA CONSEGNA"), 110},
    {QStringLiteral("QUANTITA_PRODOTTO"), QStringLiteral("QUANTITA' PRODOTTO"), 140},
    {QStringLiteral("GRADO"), QStringLiteral("GRADO ALCOLOMETRICO"), 150},
    {QStringLiteral("DATA_PAGA"), QStringLiteral("DATA PAGAMENTO"), 120},
};

const QString ETICHETTA_PULSANTI = QStringLiteral("FrmBolleConsegne CmdDati_click");

}  // namespace

frmBolleConsegne::frmBolleConsegne(Contesto& contesto, FrmFattura& frmFattura, qint32 fattura, QWidget* parent)
    : QWidget(parent),
      m_contesto(contesto),
      m_frmFattura(frmFattura),
      m_fattura(fattura),
      m_tdbgBolle(new QTableView(this)),
      m_datBolle(new ModelloLista(this)),
      m_fraDettaglio(new QGroupBox(QStringLiteral("Dettaglio Bolla di consegna"), this)),
      m_uscita(new ControlloUscita(this))
{
    setObjectName(QStringLiteral("frmBolleConsegne"));
    setWindowTitle(QStringLiteral("Bolle consegne"));
    m_tdbgBolle->setObjectName(QStringLiteral("tdbgBolle"));
    GrigliaLista::PreparaGriglia(m_tdbgBolle, m_datBolle);

    auto* griglia = new QGridLayout(m_fraDettaglio);
    int riga = 0;
    for (const Campo& campo : CAMPI) {
        auto* testo = new CampoTesto(contesto.applicazione(), m_fraDettaglio);
        testo->setObjectName(QStringLiteral("TxtDati_%1").arg(campo.indice));
        testo->setTag(QString::fromLatin1(campo.tag));
        testo->setToolTip(QString::fromUtf8(campo.etichetta));
        testo->setMaxLength(campo.lunghezza);
        testo->impostaIgnoraCanc(true);
        switch (campo.indice) {
        case 1: testo->impostaFiltri({Keypress_Upper, Keypress_Testo}); break;
        case 2:
        case 4: testo->impostaFiltri({Keypress_Upper, Keypress_Data}); break;
        default:
            testo->impostaFiltri(
                {Keypress_Upper, [](const StatoCampo& stato, int tasto) { return Keypress_Decimali(stato, tasto, 4); }});
        }
        if (campo.indice != 1) {
            m_uscita->sorveglia(testo, [this, indice = campo.indice] {
                bool lasciare = true;
                Trappola(m_contesto, QStringLiteral("FrmBolleConsegne TxtDati_Validate"),
                         [&] { lasciare = TxtDati_Validate(indice); });
                return lasciare;
            });
        }
        auto* etichetta = new QLabel(QString::fromUtf8(campo.etichetta), m_fraDettaglio);
        etichetta->setBuddy(testo);
        griglia->addWidget(etichetta, riga, 0);
        griglia->addWidget(testo, riga++, 1);
        m_txtDati[static_cast<size_t>(campo.indice)] = testo;
    }

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(*this, {{0, "Modifica"}, {1, "Nuova"}, {3, "Cancella"}, {2, "Esci"}},
                                                       m_cmddati, [this](int indice) {
                                                           if (!m_uscita->consumaRifiuto()) CmdDati_Click(indice);
                                                       });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tdbgBolle);
    layout->addWidget(m_fraDettaglio);
    layout->addLayout(pulsanti);
    resize(720, 360);
    CentraForm(*this, true, nullptr);
    ImpostaVistaBolle(true);
}

void frmBolleConsegne::showEvent(QShowEvent* evento)
{
    QWidget::showEvent(evento);
    Trappola(m_contesto, QStringLiteral("FrmBolleConsegne Form_Activate"), [this] { Form_Activate(); });
}

void frmBolleConsegne::Form_Activate()
{
    m_datBolle->carica(m_contesto.db(), BolleConsegne::QUERY_BOLLE, {m_fattura});
    GrigliaLista::ImpostaColonne(m_tdbgBolle, m_datBolle, COLONNE);
}

void frmBolleConsegne::ImpostaVistaBolle(bool bElenco)
{
    m_elenco = bElenco;
    for (const Campo& campo : CAMPI) TxtDati(campo.indice)->clear();
    m_tdbgBolle->setVisible(bElenco);
    m_fraDettaglio->setVisible(!bElenco);
    Cmddati(0)->setText(bElenco ? QStringLiteral("Modifica") : QStringLiteral("Salva"));
    Cmddati(1)->setVisible(bElenco);
    Cmddati(3)->setVisible(bElenco);
    if (!bElenco) TxtDati(1)->setFocus();
}

QList<int> frmBolleConsegne::righeScelte() const
{
    std::set<int> righe;
    for (const QModelIndex& indice : m_tdbgBolle->selectionModel()->selectedIndexes()) righe.insert(indice.row());
    return QList<int>(righe.begin(), righe.end());
}

void frmBolleConsegne::CmdDati_Click(int indice)
{
    Trappola(m_contesto, ETICHETTA_PULSANTI, [this, indice] {
        switch (indice) {
        case 0: m_elenco ? Modifica() : Salva(); break;
        case 1: Nuova(); break;
        case 2:
            if (m_elenco)
                close();
            else
                ImpostaVistaBolle(true);
            break;
        case 3: Cancella(); break;
        }
    });
}

void frmBolleConsegne::Nuova()
{
    ImpostaVistaBolle(false);
    m_modo = QStringLiteral("I");
    m_idBolla = 0;
    m_sommaAltre = BolleConsegne::SommaAltreBolle(m_contesto, m_fattura, 0);
}

void frmBolleConsegne::Modifica()
{
    const QList<int> righe = righeScelte();
    if (righe.size() != 1) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, windowTitle(),
                                      righe.isEmpty() ? QStringLiteral("Selezionare una bolla di consegna da modificare.")
                                                      : QStringLiteral("Selezionare una sola bolla di consegna da modificare.")});
        return;
    }
    const int riga = righe.first();
    ImpostaVistaBolle(false);
    for (const Campo& campo : CAMPI) TxtDati(campo.indice)->setText(m_datBolle->testo(riga, QString::fromLatin1(campo.tag)));
    m_modo = QStringLiteral("M");
    m_idBolla = m_datBolle->testo(riga, QStringLiteral("ID_BOLLA")).toInt();
    m_sommaAltre = BolleConsegne::SommaAltreBolle(m_contesto, m_fattura, m_idBolla);
}

void frmBolleConsegne::Salva()
{
    BolleConsegne::Campi campi;
    for (const Campo& campo : CAMPI) campi[static_cast<size_t>(campo.indice)] = TxtDati(campo.indice)->text();
    if (const int esito = BolleConsegne::ControllaCampi(campi); esito != 0) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Salvataggio "),
                                      TxtDati(esito)->toolTip() + QStringLiteral(" campo obbligatorio. ")});
        TxtDati(esito)->setFocus();
        return;
    }
    if (BolleConsegne::Salva(m_contesto, m_fattura, m_modo == QStringLiteral("M") ? m_idBolla : 0, campi) == 0) {
        m_contesto.messaggi().mostra({Icona::Critico, Pulsanti::Ok, 0, QStringLiteral("Errore Tecnico"),
                                      QStringLiteral("Errore imprevisto dell'applicazione! Contattare il servizio tecnico!")});
        return;
    }
    ImpostaVistaBolle(true);
    Form_Activate();
}

void frmBolleConsegne::Cancella()
{
    const QList<int> righe = righeScelte();
    if (righe.size() != 1) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, windowTitle(),
                                      righe.isEmpty() ? QStringLiteral("Nessuna bolla selezionata.")
                                                      : QStringLiteral("E' possibile eliminare una bolla di consegna alla volta.")});
        return;
    }
    const int riga = righe.first();
    const Risposta risposta = m_contesto.messaggi().mostra(
        {Icona::Nessuna, Pulsanti::SiNo, 1, windowTitle(),
         QStringLiteral("Sicuro di voler eliminare la bolla n° ") + m_datBolle->testo(riga, QStringLiteral("NUMERO_BOLLA")) +
             QLatin1Char('?')});
    if (risposta != Risposta::Si) return;
    BolleConsegne::Cancella(m_contesto, m_datBolle->testo(riga, QStringLiteral("ID_BOLLA")).toInt());
    Form_Activate();
}

bool frmBolleConsegne::TxtDati_Validate(int indice)
{
    CampoTesto* campo = TxtDati(indice);
    if (indice == 2 || indice == 4) return Md_FunzioniGenerali::ControllaDataInUscita(m_contesto, *campo);
    campo->setText(Format(QStringLiteral("0") + campo->text(), QStringLiteral("##0.0000")));
    if (indice != 3) return true;
    const auto rifiuto = BolleConsegne::ControllaQuantita(campo->text(), m_sommaAltre, m_frmFattura.TxtDati(14)->text());
    if (!rifiuto) return true;
    m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, windowTitle(), *rifiuto});
    return false;
}

void frmBolleConsegne::closeEvent(QCloseEvent* evento)
{
    // The invoice's introduction date is the earliest delivery of its notes.
    Trappola(m_contesto, ETICHETTA_PULSANTI, [this] {
        m_frmFattura.TxtDati(8)->setText(BolleConsegne::DataConsegnaMinima(m_contesto, m_fattura));
    });
    QWidget::closeEvent(evento);
}
