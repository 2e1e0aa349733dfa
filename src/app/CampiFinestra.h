#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <span>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;
struct Contesto;

// A button of a window's button array: its index and its caption.
struct Pulsante {
    int indice;
    const char* didascalia;
};

namespace Md_FunzioniGenerali {
// The whole text selected, the caret at 0.
void SelezionaTesto(QLineEdit& campo);

// Places a window a third of the free width from the left and a quarter of the free height from
// the top, of the screen or of the reference control.
void CentraForm(QWidget& finestra, bool schermo, const QWidget* controllo);

// Empties the text fields, lists and drop-down lists of the window whose tag is not among the
// kept tags ("*TIPO_ARTICOLO*"); controls without a tag keep their contents.
void PulisciCampi(QWidget& finestra, const QString& tagTenuti);

// The fiscal-code check and the check of a field that takes a fiscal code or a VAT number, with
// the homonym question asked through the message service.
bool CodFisc(Contesto& contesto, const QString& valore);
bool CodiceFiscaleOPartitaIva(Contesto& contesto, const QString& valore);

// The row of a window's buttons, right-aligned in the given order; each button is named
// "Cmddati_" & its index, stored in `cmddati` at its index and reports its index to `clic`.
QHBoxLayout* RigaPulsanti(QWidget& finestra, const QList<Pulsante>& pulsanti, std::span<QPushButton*> cmddati,
                          const std::function<void(int)>& clic);

// The check of a date field on leaving: an empty field passes; a valid date is rewritten
// dd/mm/yyyy; anything else shows "Data non valida" and answers false.
bool ControllaDataInUscita(Contesto& contesto, QLineEdit& campo);
}  // namespace Md_FunzioniGenerali
