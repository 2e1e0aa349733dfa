#include "app/CampiFinestra.h"

#include "app/base/Contesto.h"
#include "rules/ControlliFiscali.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

namespace Md_FunzioniGenerali {

void SelezionaTesto(QLineEdit& campo)
{
    const int lunghezza = static_cast<int>(campo.text().size());
    campo.setSelection(lunghezza, -lunghezza);
}

void CentraForm(QWidget& finestra, bool schermo, const QWidget* controllo)
{
    const QSize dimensione = finestra.frameGeometry().size();
    QRect riferimento;
    if (schermo) {
        const QScreen* video = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
        riferimento = video->geometry();
    } else {
        riferimento = controllo->isWindow() ? controllo->frameGeometry()
                                            : QRect(controllo->mapToGlobal(QPoint()), controllo->size());
    }
    const QPoint angolo(riferimento.left() + (riferimento.width() - dimensione.width()) / 3,
                        riferimento.top() + (riferimento.height() - dimensione.height()) / 4);
    finestra.move(finestra.isWindow() ? angolo : finestra.parentWidget()->mapFromGlobal(angolo));
}

void PulisciCampi(QWidget& finestra, const QString& tagTenuti)
{
    QString tenuti = tagTenuti;
    if (!tenuti.startsWith(u'*')) tenuti.prepend(u'*');
    if (!tenuti.endsWith(u'*')) tenuti.append(u'*');
    tenuti = (tenuti + QStringLiteral("*DONT*")).toUpper();
    const auto daSvuotare = [&](const QObject* controllo) {
        return !tenuti.contains(u'*' + controllo->property("tag").toString().toUpper() + u'*');
    };
    for (QLineEdit* campo : finestra.findChildren<QLineEdit*>())
        if (daSvuotare(campo)) campo->clear();
    for (QComboBox* lista : finestra.findChildren<QComboBox*>())
        if (daSvuotare(lista)) lista->clear();
    for (QListWidget* lista : finestra.findChildren<QListWidget*>())
        if (daSvuotare(lista)) lista->clear();
}

namespace {

DomandaOmocodia domandaOmocodia(Contesto& contesto)
{
    return [&contesto] {
        Messaggio domanda;
        domanda.icona = Icona::Informazione;
        domanda.pulsanti = Pulsanti::SiNo;
        domanda.titolo = contesto.stato.sTitolo;
        domanda.testo = QStringLiteral("Si tratta di un caso di Omocodia ?");
        return contesto.messaggi().mostra(domanda) == Risposta::Si;
    };
}

}  // namespace

bool CodFisc(Contesto& contesto, const QString& valore)
{
    return CodFisc(valore, domandaOmocodia(contesto));
}

bool CodiceFiscaleOPartitaIva(Contesto& contesto, const QString& valore)
{
    return CodiceFiscaleOPartitaIva(valore, domandaOmocodia(contesto));
}

}  // namespace Md_FunzioniGenerali
