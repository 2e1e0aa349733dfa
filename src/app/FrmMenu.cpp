#include "app/FrmMenu.h"

#include "app/base/CaricaDistilleria.h"
#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"
#include "app/base/LogErrori.h"
#include "distiller/FrmSelezionaFatture.h"
#include "distiller/FrmSelezione.h"
#include "distiller/frmInizializza.h"
#include "distiller/frmCarico.h"
#include "distiller/frmScarico.h"
#include "exchange/BackupRestore.h"
#include "help/Help.h"
#include "help/frmAbout.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

FrmMenu::FrmMenu(Contesto& contesto, QWidget* parent)
    : QMainWindow(parent), m_contesto(contesto), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("FrmMenu"));
    m_area->setBackground(QColor(0xe9, 0xe4, 0xdc));
    setCentralWidget(m_area);
    resize(1024, 720);
    m_contesto.servizi.finestre.impostaArea(m_area);
    m_azioniSelezione.elencoFatture = [](Contesto& contesto) { return new FrmSelezionaFatture(contesto); };
    m_azioniSelezione.scarico = [](Contesto& contesto) { return new frmScarico(contesto); };
    m_xZipDataBase.richiestaDisco = [this](int numeroDisco) {
        BackupRestore::RichiestaDisco(m_contesto, m_xZipDataBase, windowTitle(), numeroDisco);
    };
    creaMenu();

    if (!Gestione_DataBase::ApriDatabase(m_contesto, false)) return;
    setWindowTitle(md_Globali::TITOLO_DOMANDA + QStringLiteral(" - Campagna ") + md_Globali::CAMPAGNA_IN_CORSO);
    Trappola(m_contesto, QStringLiteral("FrmMenu Form_Load"), [this] {
        if (!Md_FunzioniGenerali::CaricaDistilleria(m_contesto)) apriDistilleria();
    });
}

FrmMenu::~FrmMenu()
{
    m_contesto.servizi.finestre.impostaArea(nullptr);
}

QAction* FrmMenu::voce(QMenu* gruppo, const QString& didascalia, std::optional<int> modo, const QString& titolo)
{
    QAction* azione = gruppo->addAction(didascalia);
    connect(azione, &QAction::triggered, this, [this, modo, titolo] {
        if (modo) m_contesto.stato.vModoOperativo = *modo;
        m_contesto.stato.sTitolo = titolo;
    });
    return azione;
}

void FrmMenu::creaMenu()
{
    using md_Globali::TITOLO_DOMANDA;
    QMenu* gestione = menuBar()->addMenu(QStringLiteral("Gestione"));

    QMenu* fatturazione = gestione->addMenu(QStringLiteral("Fatturazione"));
    connect(voce(fatturazione, QStringLiteral("Domande"), 0, QStringLiteral(" Domande ")), &QAction::triggered, this,
            &FrmMenu::apriSelezione);
    connect(voce(fatturazione, QStringLiteral("Fatture"), 1, QStringLiteral(" Fatture ")), &QAction::triggered, this,
            &FrmMenu::apriSelezione);
    fatturazione->addSeparator();
    connect(voce(fatturazione, QStringLiteral("Cambio N° Domanda"), 3, QStringLiteral(" Cambio Num. Domande ")), &QAction::triggered, this,
            &FrmMenu::apriSelezione);
    fatturazione->addSeparator();
    connect(voce(fatturazione, QStringLiteral("Stampe"), 5, QStringLiteral("Stampa Domanda ")), &QAction::triggered, this,
            &FrmMenu::apriSelezione);
    voce(fatturazione, QStringLiteral("Stampe Bolle"), std::nullopt, QStringLiteral("Stampa Bolle "))->setEnabled(false);
    fatturazione->addSeparator();
    connect(voce(fatturazione, QStringLiteral("Scarico Domande"), 4, QStringLiteral(" Scarico della Domanda ")), &QAction::triggered, this,
            &FrmMenu::apriSelezione);
    fatturazione->addSeparator();
    connect(voce(fatturazione, QStringLiteral("Carico fornitura"), 6, QStringLiteral(" Carico della Domanda ")),
            &QAction::triggered, this, [this] { mostraNelMenu(m_frmCarico, [this] { return new frmCarico(m_contesto); }); });

    gestione->addSeparator();
    QMenu* conferimenti = gestione->addMenu(QStringLiteral("Conferimenti"));
    voce(conferimenti, QStringLiteral("Domande"), 7, QStringLiteral(" Domande del distillatore "));
    QAction* produttore = voce(conferimenti, QStringLiteral("Produttore"), 8, QStringLiteral(" Produttore "));
    produttore->setVisible(false);
    produttore->setEnabled(false);
    voce(conferimenti, QStringLiteral("Certificati UTF"), 11, QStringLiteral(" Certificato UTF "));
    conferimenti->addSeparator();
    QMenu* cambio = conferimenti->addMenu(QStringLiteral("Cambio N° "));
    voce(cambio, QStringLiteral("Domanda"), 12, QStringLiteral(" Cambio Num. Domande del Produttore"));
    voce(cambio, QStringLiteral("Certificato UTF"), 13, QStringLiteral(" Cambio Num. Certificato Utf"));
    conferimenti->addSeparator();
    QMenu* stampe = conferimenti->addMenu(QStringLiteral("Stampe riepilogative"));
    voce(stampe, QStringLiteral("Domanda"), 18, QStringLiteral("Stampa Domanda del distillatore"));
    QAction* prospetto = stampe->addAction(QStringLiteral("Prospetto a saldo"));
    prospetto->setVisible(false);
    prospetto->setEnabled(false);
    voce(stampe, QStringLiteral("UTF"), 19, QStringLiteral("Stampa UTF "));
    conferimenti->addSeparator();
    voce(conferimenti, QStringLiteral("Scarica Domanda"), 16, QStringLiteral(" Scarico delle Domande distillatore "));
    conferimenti->addSeparator();
    voce(conferimenti, QStringLiteral("Carico fornitura"), 14, QStringLiteral(" Carico ") + TITOLO_DOMANDA);

    gestione->addSeparator();
    connect(gestione->addAction(QStringLiteral("Esci")), &QAction::triggered, this, &QWidget::close);

    QMenu* sistema = menuBar()->addMenu(QStringLiteral("Funzioni di sistema"));
    connect(voce(sistema, QStringLiteral("Inizializza Distilleria"), std::nullopt,
                 QStringLiteral(" Inizializza Distilleria ")),
            &QAction::triggered, this, &FrmMenu::apriDistilleria);
    QMenu* archivi = sistema->addMenu(QStringLiteral("Archivi"));
    for (const int operazione : {0, 1}) {
        connect(archivi->addAction(operazione == 0 ? QStringLiteral("Backup") : QStringLiteral("Restore")),
                &QAction::triggered, this, [this, operazione] {
                    BackupRestore::EseguiVoceArchivi(m_contesto, m_xZipDataBase, operazione, windowTitle());
                });
    }

    connect(menuBar()->addAction(QStringLiteral("Versione")), &QAction::triggered, this,
            [this] { mostraNelMenu(m_frmAbout, [this] { return new frmAbout(m_contesto); }); });
    connect(menuBar()->addAction(QStringLiteral("Help")), &QAction::triggered, this, [this] {
        Trappola(m_contesto, QStringLiteral("FrmMenu mnuHelp_Click"), [this] { Help::MostraHelp(m_contesto, QString()); });
    });
}

void FrmMenu::apriDistilleria()
{
    mostraNelMenu(m_frmInizializza, [this] { return new frmInizializza(m_contesto); });
}

void FrmMenu::apriSelezione()
{
    if (m_frmSelezione && m_frmSelezione->modo() != m_contesto.stato.vModoOperativo) {
        FrmSelezione* aperta = m_frmSelezione;
        m_frmSelezione = nullptr;
        aperta->close();
    }
    QPointer<QWidget> finestra = m_frmSelezione.data();
    mostraNelMenu(finestra, [this] { return new FrmSelezione(m_contesto, m_azioniSelezione); });
    m_frmSelezione = qobject_cast<FrmSelezione*>(finestra.data());
}

void FrmMenu::mostraNelMenu(QPointer<QWidget>& finestra, const std::function<QWidget*()>& crea)
{
    if (finestra) {
        if (auto* cornice = qobject_cast<QMdiSubWindow*>(finestra->parentWidget())) m_area->setActiveSubWindow(cornice);
        finestra->activateWindow();
        return;
    }
    finestra = crea();
    m_contesto.servizi.finestre.apri(finestra, ModoFinestra::NelMenu);
}

void FrmMenu::closeEvent(QCloseEvent* event)
{
    const Risposta risposta = m_contesto.messaggi().mostra({Icona::Domanda, Pulsanti::SiNo, 0, md_Globali::TITOLO_DOMANDA,
                                                            QStringLiteral("Abbandonare la sessione di lavoro ?")});
    if (risposta != Risposta::Si) {
        event->ignore();
        return;
    }
    event->accept();
    m_contesto.applicazione().termina(0);
}
