#include "help/FrmHelp.h"

#include "app/CampiFinestra.h"
#include "app/base/Contesto.h"
#include "help/Help.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FrmHelp::FrmHelp(Contesto& contesto, const QString& vNomeForm, QWidget* parent)
    : QWidget(parent),
      m_vNomeForm(vNomeForm),
      m_txtHElp(new QPlainTextEdit(this)),
      m_cmdHelp(new QPushButton(QStringLiteral("Esci"), this))
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral(" Help"));
    m_txtHElp->setObjectName(QStringLiteral("TxtHElp"));
    m_txtHElp->setReadOnly(true);
    m_txtHElp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_cmdHelp->setObjectName(QStringLiteral("CmdHelp"));
    connect(m_cmdHelp, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_txtHElp);
    layout->addWidget(m_cmdHelp, 0, Qt::AlignRight);
    resize(560, 420);
    Md_FunzioniGenerali::CentraForm(*this, true, nullptr);

    m_txtHElp->setPlainText(Help::TestoArgomenti(contesto.db(), m_vNomeForm));
}
