#include "app/FinestraCarico.h"

#include "app/CaricaCmb.h"
#include "app/CampiFinestra.h"
#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <climits>

FinestraCarico::FinestraCarico(Contesto& contesto, const QString& tipoFornitura, int lunghezzaRecord, QWidget* parent)
    : QWidget(parent), m_contesto(contesto), m_cornice(contesto, tipoFornitura, lunghezzaRecord)
{
    m_cmbDomAnnualita = new QComboBox(this);
    m_cmbDomAnnualita->setObjectName(QStringLiteral("CmbDomAnnualita"));
    auto* etichetta = new QLabel(QStringLiteral("Annualità"), this);
    etichetta->setBuddy(m_cmbDomAnnualita);
    m_percorso = new QLabel(this);
    m_percorso->setObjectName(QStringLiteral("percorso"));
    m_selezione = new QPushButton(QStringLiteral("&Selezione"), this);
    m_selezione->setObjectName(QStringLiteral("Cmddati0"));
    m_esci = new QPushButton(QStringLiteral("&Esci"), this);
    m_esci->setObjectName(QStringLiteral("Cmddati1"));
    m_carica = new QLabel(QStringLiteral("Carico in corso . . ."), this);
    m_carica->setObjectName(QStringLiteral("carica"));
    m_carica->hide();
    m_avanzamento = new QProgressBar(this);
    m_avanzamento->setObjectName(QStringLiteral("avanzamento"));
    m_avanzamento->setFormat(QStringLiteral("%v"));
    m_avanzamento->hide();

    auto* griglia = new QGridLayout(this);
    griglia->addWidget(etichetta, 0, 0);
    griglia->addWidget(m_cmbDomAnnualita, 0, 1);
    griglia->addWidget(m_percorso, 1, 0, 1, 2);
    griglia->addWidget(m_carica, 2, 0, 1, 2);
    griglia->addWidget(m_avanzamento, 3, 0, 1, 2);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(m_selezione);
    pulsanti->addWidget(m_esci);
    griglia->addLayout(pulsanti, 4, 0, 1, 2);

    connect(m_cmbDomAnnualita, &QComboBox::currentIndexChanged, this, [this] {
        Trappola(m_contesto, QStringLiteral("frmCarico CmbDomAnnualita_Click"), [this] { CmbDomAnnualita_Click(); });
    });
    connect(m_selezione, &QPushButton::clicked, this, [this] {
        Trappola(m_contesto, QStringLiteral("frmCarico Cmddati_Click"), [this] { Selezione(); });
        m_contesto.applicazione().cursoreAttesa(false);
    });
    connect(m_esci, &QPushButton::clicked, this, [this] {
        mostraLavoro(false);
        close();
    });
    Trappola(m_contesto, QStringLiteral("frmCarico Form_Load"), [this] { Form_Load(); });
}

void FinestraCarico::Form_Load()
{
    setWindowTitle(m_contesto.stato.sTitolo);
    Md_FunzioniGenerali::CaricaCmb(m_contesto, m_cmbDomAnnualita, QStringLiteral("CAMPAGNA"), QStringLiteral("ANNUALITA"),
                                   QString(), false, QStringLiteral(" ORDER BY ANNUALITA"), false, false);
    CmbDomAnnualita_Click();
    Md_FunzioniGenerali::CentraForm(*this, true, nullptr);
}

QString FinestraCarico::NomeFile() const
{
    return m_cornice.NomeFile(m_cmbDomAnnualita->currentText());
}

void FinestraCarico::CmbDomAnnualita_Click()
{
    m_percorso->setText(QStringLiteral("Seleziona percorso file ") + NomeFile());
    if (!m_cmbDomAnnualita->currentText().isEmpty()) m_contesto.stato.sCampagnaFiltro = m_cmbDomAnnualita->currentText();
}

void FinestraCarico::Selezione()
{
    const QString nome = NomeFile();
    const QString file =
        m_cornice.CercaFileFornitura(nome, QStringLiteral("Selezionare il Percorso del file ") + nome + QStringLiteral(" di Carico."));
    if (file.isEmpty()) {
        if (!m_fileElaborato) close();
        return;
    }
    m_fileElaborato = true;
    Carica(file);
}

void FinestraCarico::mostraAvanzamento(qint64 record, qint64 letti, qint64 totale)
{
    // The bar counts records; its end is estimated from the bytes still to read.
    const qint64 stima = letti > 0 ? record * totale / letti : record;
    m_avanzamento->setRange(0, static_cast<int>(qMin<qint64>(stima, INT_MAX)));
    m_avanzamento->setValue(static_cast<int>(qMin<qint64>(record, INT_MAX)));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FinestraCarico::mostraLavoro(bool inCorso)
{
    m_carica->setVisible(inCorso);
    m_avanzamento->setVisible(inCorso);
    if (inCorso) m_avanzamento->setRange(0, 0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FinestraCarico::closeEvent(QCloseEvent* event)
{
    m_contesto.stato.sCampagnaFiltro.clear();
    QWidget::closeEvent(event);
}
