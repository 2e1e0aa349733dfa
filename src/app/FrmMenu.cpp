#include "app/FrmMenu.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "app/base/GestioneDataBase.h"

#include <QMdiArea>

FrmMenu::FrmMenu(Contesto& contesto, QWidget* parent)
    : QMainWindow(parent), m_contesto(contesto), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("FrmMenu"));
    m_area->setBackground(QColor(0xe9, 0xe4, 0xdc));
    setCentralWidget(m_area);
    resize(1024, 720);
    m_contesto.servizi.finestre.impostaArea(m_area);

    if (!Gestione_DataBase::ApriDatabase(m_contesto, false)) return;
    setWindowTitle(md_Globali::TITOLO_DOMANDA + QStringLiteral(" - Campagna ") + md_Globali::CAMPAGNA_IN_CORSO);
}

FrmMenu::~FrmMenu()
{
    m_contesto.servizi.finestre.impostaArea(nullptr);
}
