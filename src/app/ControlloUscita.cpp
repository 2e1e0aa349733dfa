#include "app/ControlloUscita.h"

#include <QFocusEvent>
#include <QPointer>
#include <QWidget>

void ControlloUscita::sorveglia(QWidget* campo, Controllo controllo)
{
    m_controlli.insert(campo, std::move(controllo));
    campo->installEventFilter(this);
}

bool ControlloUscita::consumaRifiuto()
{
    const bool rifiuto = m_rifiuto;
    m_rifiuto = false;
    return rifiuto;
}

bool ControlloUscita::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() != QEvent::FocusOut) return false;
    // Only the user's own moves count: not a box or another window taking the focus.
    switch (static_cast<QFocusEvent*>(evento)->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason: break;
    default: return false;
    }
    const auto controllo = m_controlli.constFind(oggetto);
    if (controllo == m_controlli.cend()) return false;
    m_rifiuto = !(*controllo)();
    if (m_rifiuto) {
        QPointer<QWidget> campo = static_cast<QWidget*>(oggetto);
        QMetaObject::invokeMethod(this, [campo] { if (campo) campo->setFocus(); }, Qt::QueuedConnection);
    }
    return false;
}
