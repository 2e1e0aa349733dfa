#include "app/CampoTesto.h"

#include "app/CampiFinestra.h"
#include "app/base/Servizi.h"

#include <QKeyEvent>

namespace {

// The character code of a key as the filters see it; -1 for keys without one (arrows, Delete ...).
int codiceTasto(const QKeyEvent& evento)
{
    switch (evento.key()) {
    case Qt::Key_Backspace: return Md_FunzioniGenerali::TastoBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Md_FunzioniGenerali::TastoInvio;
    case Qt::Key_Escape: return 27;
    default: return evento.text().size() == 1 ? evento.text()[0].unicode() : -1;
    }
}

// QLineEdit's own default: no limit was set.
constexpr int LunghezzaIllimitata = 32767;

}  // namespace

CampoTesto::CampoTesto(ServizioApplicazione& applicazione, QWidget* parent)
    : QLineEdit(parent), m_applicazione(applicazione)
{
}

void CampoTesto::keyPressEvent(QKeyEvent* evento)
{
    if (m_ignoraCanc && evento->key() == Qt::Key_Delete) return;
    const int tasto = codiceTasto(*evento);
    if (tasto < 0 || m_filtri.empty()) return QLineEdit::keyPressEvent(evento);
    elabora(tasto, evento);
}

void CampoTesto::elabora(int tasto, QKeyEvent* evento)
{
    const Md_FunzioniGenerali::StatoCampo stato{text(), hasSelectedText() ? selectionStart() : cursorPosition(),
                                                maxLength() == LunghezzaIllimitata ? 0 : maxLength()};
    const Md_FunzioniGenerali::EsitoTasto esito = Md_FunzioniGenerali::ApplicaFiltri(m_filtri, stato, tasto);
    if (esito.beep) m_applicazione.beep();
    if (esito.testo) {
        setText(*esito.testo);
        setCursorPosition(esito.cursoreAllaFine ? static_cast<int>(text().size()) : 0);
    }
    if (esito.tasto != 0) {
        if (evento && esito.tasto == tasto)
            QLineEdit::keyPressEvent(evento);
        else
            insert(QString(QChar(esito.tasto)));
    }
    if (esito.campoSuccessivo) focusNextChild();
    if (esito.tastoSeguente) elabora(esito.tastoSeguente, nullptr);
}

void CampoTesto::focusInEvent(QFocusEvent* evento)
{
    QLineEdit::focusInEvent(evento);
    Md_FunzioniGenerali::SelezionaTesto(*this);
}

void CampoTesto::focusOutEvent(QFocusEvent* evento)
{
    QLineEdit::focusOutEvent(evento);
    if (evento->reason() != Qt::ActiveWindowFocusReason && evento->reason() != Qt::PopupFocusReason) Q_EMIT uscito();
}
