#pragma once

#include <QString>

class QLineEdit;
class QWidget;
struct Contesto;

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
}  // namespace Md_FunzioniGenerali
