#include "distiller/FrmFattura.h"

#include "app/CampiFinestra.h"
#include "app/CampoTesto.h"
#include "app/CaricaCmb.h"
#include "app/ControlloUscita.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "distiller/frmBolleConsegne.h"
#include "help/Help.h"
#include "rules/Date.h"
#include "rules/Numeri.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace Md_FunzioniGenerali;

enum class Tipo { Domanda, Testo, Data, QuattroDecimali, DueDecimali };

struct Campo {
    int indice;
    const char* tag;
    const char* etichetta;
    const char* suggerimento;
    int lunghezza;
    Tipo tipo;
};

const std::array<Campo, 18> CAMPI{{
    {0, "DOMANDA", "Num. Domanda", "", 0, Tipo::Domanda},
    {1, "PROGRESSIVO", "Progressivo", "", 0, Tipo::Domanda},
    {2, "TIPO_ARTICOLO", "N.Articolo", "", 0, Tipo::Domanda},
    {3, "PRODOTTO", "Prodotto ottenuto", "", 0, Tipo::Domanda},
    {20, "CAMPAGNA", "Campagna", "", 0, Tipo::Domanda},
    {4, "CODI_FISC", "Codice fiscale", "Codice fiscale o partita iva", 16, Tipo::Testo},
    {5, "DENOMINAZIONE", "Denominazione", "Denominazione", 50, Tipo::Testo},
    {6, "NUME_FATT", "N° Fattura", "Numero della fattura", 15, Tipo::Testo},
    {7, "DATA_FATT", "Data Fattura", "Data della fattura", 10, Tipo::Data},
    {8, "DATA_COMP", "Data di inizio introduzione", "Data di introduzione", 10, Tipo::Data},
    {9, "DATA_PAGA", "Data pagamento", "Data pagamento", 10, Tipo::Data},
    {11, "PREZ_MINI", "prezzo unitario al Grado", "Prezzo Unitario al grado", 9, Tipo::QuattroDecimali},
    {12, "GRAD", "Grado", "Grado", 7, Tipo::QuattroDecimali},
    {13, "QTA_PROD", "Prodotto Ql/Hl", "Prodotto Ql/Hl", 12, Tipo::QuattroDecimali},
    {14, "QTA_LAVO", "Q.ta distillata", "Quantità lavorata", 12, Tipo::QuattroDecimali},
    {15, "IMPO", "Imponibile €", "Imponibile", 15, Tipo::DueDecimali},
    {16, "IVA", "Iva €", "Iva", 15, Tipo::DueDecimali},
    {17, "IMPO_TOTA", "Importo €", "Importo", 15, Tipo::DueDecimali},
}};

std::vector<FiltroTasto> filtri(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Testo: return {Keypress_Upper, Keypress_Testo};
    case Tipo::Data: return {Keypress_Upper, Keypress_Data};
    case Tipo::QuattroDecimali:
        return {Keypress_Upper, [](const StatoCampo& campo, int tasto) { return Keypress_Decimali(campo, tasto, 4); }};
    case Tipo::DueDecimali:
        return {Keypress_Upper, [](const StatoCampo& campo, int tasto) { return Keypress_Decimali(campo, tasto, 2); }};
    case Tipo::Domanda: break;
    }
    return {};
}

const QString TAG_DOMANDA = QStringLiteral("*DOMANDA*PROGRESSIVO*TIPO_ARTICOLO*PRODOTTO*CAMPAGNA*");

}  // namespace

FrmFattura::FrmFattura(Contesto& contesto, QWidget* parent)
    : QWidget(parent), m_contesto(contesto), m_uscita(new ControlloUscita(this))
{
    setObjectName(QStringLiteral("FrmFattura"));
    setWindowTitle(QStringLiteral("Fattura"));

    auto* domanda = new QGroupBox(QStringLiteral("Informazioni relative alla domanda "), this);
    auto* grigliaDomanda = new QGridLayout(domanda);
    auto* fattura = new QGroupBox(QStringLiteral("Informazioni relativa alla fattura"), this);
    auto* grigliaFattura = new QGridLayout(fattura);
    int posizioneDomanda = 0;
    int posizioneFattura = 0;
    const auto metti = [](QGridLayout* griglia, int& posizione, QLabel* etichetta, QWidget* campo) {
        griglia->addWidget(etichetta, posizione / 2, (posizione % 2) * 2);
        griglia->addWidget(campo, posizione / 2, (posizione % 2) * 2 + 1);
        ++posizione;
    };
    for (const Campo& campo : CAMPI) {
        const bool diDomanda = campo.tipo == Tipo::Domanda;
        auto* testo = new CampoTesto(contesto.applicazione(), diDomanda ? domanda : fattura);
        testo->setObjectName(QStringLiteral("TxtDati_%1").arg(campo.indice));
        testo->setTag(QString::fromLatin1(campo.tag));
        auto* etichetta = new QLabel(QString::fromUtf8(campo.etichetta), testo->parentWidget());
        etichetta->setBuddy(testo);
        m_txtDati[static_cast<size_t>(campo.indice)] = testo;
        if (diDomanda) {
            testo->setReadOnly(true);
            testo->setFocusPolicy(Qt::NoFocus);
            metti(grigliaDomanda, posizioneDomanda, etichetta, testo);
            continue;
        }
        testo->setToolTip(QString::fromUtf8(campo.suggerimento));
        testo->setMaxLength(campo.lunghezza);
        testo->impostaFiltri(filtri(campo.tipo));
        testo->impostaIgnoraCanc(true);
        if (campo.indice == 4) {
            auto* riga = new QHBoxLayout;
            m_cmdTrovadenominazione = new QToolButton(fattura);
            m_cmdTrovadenominazione->setObjectName(QStringLiteral("CmdTrovadenominazione"));
            m_cmdTrovadenominazione->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
            m_cmdTrovadenominazione->setToolTip(QStringLiteral("Cerca la denominazione"));
            connect(m_cmdTrovadenominazione, &QToolButton::clicked, this, [this] {
                if (m_uscita->consumaRifiuto()) return;
                Trappola(m_contesto, QStringLiteral("FrmFattura CmdTrovadenominazione_Click"),
                         [this] { CmdTrovadenominazione_Click(); });
            });
            riga->addWidget(testo, 1);
            riga->addWidget(m_cmdTrovadenominazione);
            grigliaFattura->addWidget(etichetta, posizioneFattura / 2, (posizioneFattura % 2) * 2);
            grigliaFattura->addLayout(riga, posizioneFattura / 2, (posizioneFattura % 2) * 2 + 1);
            ++posizioneFattura;
        } else {
            metti(grigliaFattura, posizioneFattura, etichetta, testo);
        }
        m_uscita->sorveglia(testo, [this, indice = campo.indice] {
            bool lasciare = true;
            Trappola(m_contesto, QStringLiteral("FrmFattura TxtDati_Validate"),
                     [&] { lasciare = TxtDati_Validate(indice); });
            return lasciare;
        });
        if (campo.indice == 9) {
            m_cboProdotto = new QComboBox(fattura);
            m_cboProdotto->setObjectName(QStringLiteral("cboProdotto_10"));
            m_cboProdotto->setProperty("tag", QStringLiteral("ID_LAVORAZIONE"));
            m_cboProdotto->setToolTip(QStringLiteral("Prodotto lavorato "));
            auto* etichettaProdotto = new QLabel(QStringLiteral("Prodotto lavorato"), fattura);
            etichettaProdotto->setBuddy(m_cboProdotto);
            metti(grigliaFattura, posizioneFattura, etichettaProdotto, m_cboProdotto);
        }
    }

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(*this, {{0, "Salva"}, {1, "Esci"}, {2, "Help"}, {3, "Bolle"}},
                                                       m_cmddati, [this](int indice) {
                                                           if (!m_uscita->consumaRifiuto()) CmdDATI_Click(indice);
                                                       });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(domanda);
    layout->addWidget(fattura);
    layout->addLayout(pulsanti);

    QWidget* precedente = TxtDati(4);
    for (int indice : {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}) {
        QWidget* successivo = indice == 10 ? static_cast<QWidget*>(m_cboProdotto) : TxtDati(indice);
        setTabOrder(precedente, successivo);
        precedente = successivo;
    }
    for (QPushButton* pulsante : m_cmddati) {
        setTabOrder(precedente, pulsante);
        precedente = pulsante;
    }

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { CmdDATI_Click(2); });

    adjustSize();
    CentraForm(*this, true, nullptr);
    Trappola(m_contesto, QStringLiteral("FrmFattura Form_Load"), [this] { Form_Load(); });
}

bool FrmFattura::modifica() const
{
    return m_contesto.stato.sOperazione.toUpper().trimmed() == QStringLiteral("M");
}

void FrmFattura::Form_Load()
{
    PulisciCampi(*this, TAG_DOMANDA);
    CaricaCmb(m_contesto, m_cboProdotto, QStringLiteral("lavorazioni"), QStringLiteral(" CODI_LAVO || ' ' ||  desc_LAVO "),
              QString(), false, QStringLiteral(" ORDER BY codi_lavo "), false, true);
    const RecordDomanda& domanda = m_contesto.stato.DomandaCorrente;
    TxtDati(0)->setText(domanda.DOMANDA);
    TxtDati(1)->setText(domanda.PROGRESSIVO);
    TxtDati(2)->setText(domanda.TIPO_ARTICOLO);
    TxtDati(3)->setText(domanda.PRODOTTO);
    TxtDati(20)->setText(domanda.CAMPAGNA);
    if (modifica()) Trappola(m_contesto, QStringLiteral("FrmFattura motedofatture"), [this] { MetodiFatture3(); });
}

void FrmFattura::MetodiFatture3()
{
    const RecordFattura& fattura = m_contesto.stato.FatturaCorrente;
    const std::array<std::pair<int, const QString*>, 13> valori{{
        {4, &fattura.CODI_FISC}, {5, &fattura.DENOMINAZIONE}, {6, &fattura.NUME_FATT}, {7, &fattura.DATA_FATT},
        {8, &fattura.DATA_COMP}, {9, &fattura.DATA_PAGA}, {15, &fattura.IMPO}, {16, &fattura.IVA},
        {17, &fattura.IMPO_TOTA}, {12, &fattura.GRAD}, {13, &fattura.QTA_PROD}, {14, &fattura.QTA_LAVO},
        {11, &fattura.PREZ_MINI},
    }};
    for (const auto& [indice, valore] : valori) TxtDati(indice)->setText(valore->trimmed());
    Istruzione prodotto = m_contesto.db().prepara(
        QStringLiteral("select CODI_LAVO ,desc_LAVO  From lavorazioni where ID_LAVORAZIONE= ?1"));
    prodotto.lega({fattura.ID_LAVORAZIONE.trimmed()});
    if (prodotto.avanza())
        m_cboProdotto->setCurrentIndex(
            m_cboProdotto->findText(prodotto.testo(0) + QLatin1Char(' ') + prodotto.testo(1)));
}

Fattura::Campi FrmFattura::campi() const
{
    Fattura::Campi campi;
    for (size_t i = 4; i < campi.size(); ++i) campi[i] = i == 10 ? m_cboProdotto->currentText() : m_txtDati[i]->text();
    return campi;
}

bool FrmFattura::TxtDati_Validate(int indice)
{
    CampoTesto* campo = TxtDati(indice);
    if (indice >= 7 && indice <= 9) return Md_FunzioniGenerali::ControllaDataInUscita(m_contesto, *campo);
    if (indice >= 11 && indice <= 14) campo->setText(Format(QStringLiteral("0") + campo->text(), QStringLiteral("##0.0000")));
    if (indice >= 15) campo->setText(Format(QStringLiteral("0") + campo->text(), QStringLiteral("##0.00")));
    return true;
}

void FrmFattura::CmdDATI_Click(int indice)
{
    Trappola(m_contesto, QStringLiteral("FrmFATTURA.CMDDATI_CLICK"), [this, indice] {
        switch (indice) {
        case 0: Salva(); break;
        case 1: close(); break;
        case 2:
            Help::MostraHelp(m_contesto, modifica() ? QStringLiteral("FRMFATTURA_MOD") : QStringLiteral("FRMFATTURA_INS"));
            break;
        case 3: Bolle(); break;
        }
    });
}

void FrmFattura::Salva()
{
    StatoCondiviso& stato = m_contesto.stato;
    Fattura::Campi valori = campi();
    Fattura::NormalizzaNumeri(valori);
    for (int i = 11; i <= 17; ++i) TxtDati(i)->setText(valori[static_cast<size_t>(i)]);

    // A check that fails on its own says so; the invoice is then not stored.
    stato.iEsitoControllo = -1;
    Trappola(m_contesto, QStringLiteral("FrmFattura CONTROLLACAMPI"),
             [&] { stato.iEsitoControllo = Fattura::ControllaCampi(m_contesto, valori); });
    const int esito = stato.iEsitoControllo;
    if (esito < 0) return;
    if (esito > 0) {
        QWidget* campo = esito == 10 ? static_cast<QWidget*>(m_cboProdotto) : TxtDati(esito % 100);
        if (esito < 100) {
            const QString testo = campo->toolTip() + (esito == 4 ? QStringLiteral(" errato. ") : QStringLiteral(" campo obbligatorio. "));
            m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, QStringLiteral("Salvataggio "), testo});
        }
        campo->setFocus();
        return;
    }

    Trappola(m_contesto, QStringLiteral("FrmFattura motedofatture"), [&] {
        if (modifica())
            Fattura::SalvaModifica(m_contesto, stato.FatturaCorrente.ID_FATTURA, valori);
        else
            Fattura::SalvaNuova(m_contesto, valori);
    });
    if (modifica()) Fattura::EliminaCopiaBolle(m_contesto);
    m_bolleSistemate = true;
    Trappola(m_contesto, QStringLiteral("FrmFATTURA.CMDDATI_CLICK"), [this] { Fattura::iMPO_RIGAFOGLIO(m_contesto); });
    close();
}

void FrmFattura::Bolle()
{
    if (Fattura::LeggiNumero(TxtDati(14)->text()) > 0) {
        const qint32 fattura = modifica() ? m_contesto.stato.FatturaCorrente.ID_FATTURA : 0;
        m_contesto.servizi.finestre.apri(new frmBolleConsegne(m_contesto, *this, fattura), ModoFinestra::Modale);
        return;
    }
    m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, windowTitle(),
                                  QStringLiteral("Prima di inserire le bolle di consegna, inserire la quantità distillata.")});
}

void FrmFattura::AnnullaBolle()
{
    if (modifica())
        Fattura::RipristinaBolle(m_contesto, m_contesto.stato.FatturaCorrente.ID_FATTURA);
    else
        Fattura::ScartaBolleInSospeso(m_contesto);
}

void FrmFattura::CmdTrovadenominazione_Click()
{
    const QString titolo = QStringLiteral("Produttore");
    const QString codice = TxtDati(4)->text().trimmed();
    if (codice.isEmpty()) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo,
                                      QStringLiteral("Inserire il codice fiscale o la Partita IVA.")});
        TxtDati(4)->setFocus();
        return;
    }
    if (const auto denominazione = Fattura::CercaDenominazione(m_contesto, codice)) {
        TxtDati(5)->setText(*denominazione);
        TxtDati(6)->setFocus();
        return;
    }
    m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo,
                                  QStringLiteral("Denominazione non esistente con la p.iva o codice fiscale inserito.")});
    TxtDati(5)->setFocus();
}

void FrmFattura::closeEvent(QCloseEvent* evento)
{
    // Leaving without saving takes back what was done to the delivery notes meanwhile.
    if (!m_bolleSistemate) {
        if (!Trappola(m_contesto, QStringLiteral("FrmFATTURA.CMDDATI_CLICK"), [this] { AnnullaBolle(); })) {
            evento->ignore();
            return;
        }
        m_bolleSistemate = true;
    }
    QWidget::closeEvent(evento);
}
