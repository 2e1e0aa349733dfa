#include "distiller/FrmDomanda.h"

#include "app/CampiFinestra.h"
#include "app/CaricaCmb.h"
#include "app/CampoTesto.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/LogErrori.h"
#include "distiller/Domanda.h"
#include "help/Help.h"
#include "rules/Formattazione.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// The entry, or none when the text is not in the list.
void imposta(QComboBox* lista, const QString& testo)
{
    lista->setCurrentIndex(lista->findText(testo));
}

QComboBox* nuovaLista(const QString& nome, const QString& suggerimento, QWidget* genitore)
{
    auto* lista = new QComboBox(genitore);
    lista->setObjectName(nome);
    lista->setToolTip(suggerimento);
    return lista;
}

}  // namespace

FrmDomanda::FrmDomanda(Contesto& contesto, QWidget* parent)
    : QWidget(parent),
      m_contesto(contesto),
      m_cboCampagna(nuovaLista(QStringLiteral("cboDomanda_0"), QStringLiteral("Campagna"), this)),
      m_cboTipo(nuovaLista(QStringLiteral("cboDomanda_3"), QStringLiteral("Tipo Articolo"), this)),
      m_cboProdotto(nuovaLista(QStringLiteral("cboDomanda_4"), QStringLiteral("Prodotto ottenuto"), this)),
      m_txtNumero(new CampoTesto(contesto.applicazione(), this)),
      m_txtProgressivo(new CampoTesto(contesto.applicazione(), this))
{
    setObjectName(QStringLiteral("FrmDomanda"));
    setWindowTitle(QStringLiteral("Domanda "));

    const auto campoNumero = [](CampoTesto* campo, const char* nome, const char* tag, const char* suggerimento,
                                int lunghezza) {
        campo->setObjectName(QLatin1String(nome));
        campo->setTag(QLatin1String(tag));
        campo->setToolTip(QLatin1String(suggerimento));
        campo->setMaxLength(lunghezza);
        campo->impostaFiltri({Md_FunzioniGenerali::Keypress_Integer});
        campo->impostaIgnoraCanc(true);
        connect(campo, &CampoTesto::uscito, campo, [campo, lunghezza] {
            campo->setText(Md_FunzioniGenerali::RiempiSinistra(campo->text(), lunghezza, QLatin1Char('0')));
        });
    };
    campoNumero(m_txtNumero, "TxtDati_1", "DOMANDA", "Domanda", Domanda::LunghezzaNumero);
    campoNumero(m_txtProgressivo, "TxtDati_2", "PROGRESSIVO", "Progressivo domanda", Domanda::LunghezzaProgressivo);

    auto* cornice = new QGroupBox(QStringLiteral("Informazioni relative alla domanda "), this);
    auto* griglia = new QGridLayout(cornice);
    const QList<std::pair<QString, QWidget*>> righe = {
        {QStringLiteral("Campagna"), m_cboCampagna},
        {QStringLiteral("Num. Domanda"), m_txtNumero},
        {QStringLiteral("Progressivo"), m_txtProgressivo},
        {QStringLiteral("Articolo"), m_cboTipo},
        {QStringLiteral("Prodotto ottenuto"), m_cboProdotto},
    };
    for (int i = 0; i < righe.size(); ++i) {
        auto* etichetta = new QLabel(righe[i].first, cornice);
        etichetta->setBuddy(righe[i].second);
        griglia->addWidget(etichetta, i, 0);
        griglia->addWidget(righe[i].second, i, 1);
    }
    griglia->setColumnStretch(1, 1);
    m_cboProdotto->setMinimumWidth(260);

    auto* pulsanti = Md_FunzioniGenerali::RigaPulsanti(*this, {{0, "Salva"}, {1, "Esci"}, {2, "Help"}}, m_cmddati,
                                                       [this](int indice) { CmdDATI_Click(indice); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cornice);
    layout->addLayout(pulsanti);

    connect(m_cboCampagna, &QComboBox::activated, this, [this] {
        Trappola(m_contesto, QStringLiteral("FrmDomanda cboDomanda_Click"), [this] { cboCampagna_Click(); });
    });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { CmdDATI_Click(2); });

    Trappola(m_contesto, QStringLiteral("FrmDomanda Form_Load"), [this] { Form_Load(); });
}

QComboBox* FrmDomanda::cboDomanda(int indice) const
{
    switch (indice) {
    case 0: return m_cboCampagna;
    case 3: return m_cboTipo;
    case 4: return m_cboProdotto;
    }
    return nullptr;
}

CampoTesto* FrmDomanda::TxtDati(int indice) const
{
    return indice == 1 ? m_txtNumero : indice == 2 ? m_txtProgressivo : nullptr;
}

bool FrmDomanda::modifica() const
{
    return m_contesto.stato.sOperazione.trimmed().toUpper() == QLatin1String("M");
}

void FrmDomanda::Form_Load()
{
    using Md_FunzioniGenerali::CaricaCmb;
    CaricaCmb(m_contesto, m_cboCampagna, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"), QString(), false,
              QStringLiteral(" ORDER BY ANNUALITA"), false, true);
    CaricaCmb(m_contesto, m_cboTipo, QStringLiteral("TIPO_ARTICOLO_DOMANDA"), QStringLiteral("TIPO_ARTICOLO"), QString(),
              false, QStringLiteral(" ORDER BY TIPO_ARTICOLO"), false, true);
    CaricaCmb(m_contesto, m_cboProdotto, QStringLiteral("VARIETA"), QStringLiteral("CODI_PROD || ' ' || DESC_PROD"),
              QString(), false, QStringLiteral(" ORDER BY CODI_PROD"), false, true);
    if (m_cboCampagna->count() > 0) m_cboCampagna->removeItem(m_cboCampagna->count() - 1);

    m_txtNumero->setReadOnly(modifica());
    if (modifica()) MetodiDOMANDA(3);
}

void FrmDomanda::cboCampagna_Click()
{
    const QString precedente = m_cboTipo->currentText();
    m_cboTipo->clear();
    m_cboTipo->addItems(Domanda::TipiDellaCampagna());
    imposta(m_cboTipo, Domanda::TipoDopoLaCampagna(m_cboCampagna->currentText(), precedente));
}

void FrmDomanda::MetodiDOMANDA(int sMEDOTO)
{
    const RecordDomanda& corrente = m_contesto.stato.DomandaCorrente;
    switch (sMEDOTO) {
    case 0:
    case 1: {
        const Domanda::Campi campi{m_cboCampagna->currentText(), m_txtNumero->text(), m_txtProgressivo->text(),
                                   m_cboTipo->currentText(), m_cboProdotto->currentText()};
        if (!Domanda::Salva(m_contesto, campi, sMEDOTO == 1 ? std::optional<qint32>(corrente.ID_DOMANDA) : std::nullopt)) {
            m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA,
                                          QStringLiteral("Nessun record da aggiornare")});
        }
        break;
    }
    case 3:
        m_txtNumero->setText(corrente.DOMANDA.trimmed());
        m_txtProgressivo->setText(corrente.PROGRESSIVO.trimmed());
        imposta(m_cboProdotto, corrente.PRODOTTO.trimmed());
        imposta(m_cboTipo, corrente.TIPO_ARTICOLO.trimmed());
        if (!corrente.CAMPAGNA.trimmed().isEmpty()) {
            imposta(m_cboCampagna, corrente.CAMPAGNA.trimmed());
            cboCampagna_Click();
        }
        break;
    }
}

int FrmDomanda::ControllaCampi()
{
    return Domanda::ControllaCampi(m_contesto.db(),
                                   {m_cboCampagna->currentText(), m_txtNumero->text(), m_txtProgressivo->text(),
                                    m_cboTipo->currentText(), m_cboProdotto->currentText()},
                                   !modifica());
}

void FrmDomanda::CmdDATI_Click(int indice)
{
    Trappola(m_contesto, QStringLiteral("FrmDomanda CmdDATI_Click"), [this, indice] {
        switch (indice) {
        case 0: Salva(); break;
        case 1: close(); break;
        case 2:
            Help::MostraHelp(m_contesto, modifica() ? QStringLiteral("FRMDOMANDA_MOD") : QStringLiteral("FRMDOMANDA_INS"));
            break;
        }
    });
    m_contesto.applicazione().cursoreAttesa(false);
}

void FrmDomanda::Salva()
{
    StatoCondiviso& stato = m_contesto.stato;
    stato.iEsitoControllo = ControllaCampi();
    const QString salvataggio = QStringLiteral("Salvataggio ");
    const auto rifiuta = [&](const QString& titolo, const QString& testo, QWidget* campo) {
        m_contesto.messaggi().mostra({Icona::Informazione, Pulsanti::Ok, 0, titolo, testo});
        campo->setFocus();
    };
    const QString obbligatorio = QStringLiteral(" campo obbligatorio.");
    switch (stato.iEsitoControllo) {
    case 0: break;
    case 6: return rifiuta(salvataggio + stato.sTitolo, m_cboCampagna->toolTip() + obbligatorio + u' ', m_cboCampagna);
    case 1: return rifiuta(salvataggio, m_txtNumero->toolTip() + obbligatorio, m_txtNumero);
    case 2: return rifiuta(salvataggio, m_txtProgressivo->toolTip() + obbligatorio, m_txtProgressivo);
    case 3: return rifiuta(salvataggio + stato.sTitolo, m_cboTipo->toolTip() + obbligatorio + u' ', m_cboTipo);
    case 4: return rifiuta(salvataggio + stato.sTitolo, m_cboProdotto->toolTip() + obbligatorio + u' ', m_cboProdotto);
    case 5:
        return rifiuta(salvataggio + stato.sTitolo, m_txtNumero->toolTip() + QStringLiteral(" già esistente."), m_txtNumero);
    case 10:
        return rifiuta(salvataggio + stato.sTitolo, QStringLiteral("La domanda appartiene a un altro articolo."), m_cboTipo);
    }
    Trappola(m_contesto, QStringLiteral("FrmDomanda.MetodiDOMANDA "), [this] { MetodiDOMANDA(modifica() ? 1 : 0); });
    close();
}
