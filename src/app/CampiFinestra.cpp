#include "app/CampiFinestra.h"

#include "app/base/Contesto.h"
#include "app/base/Costanti.h"
#include "rules/ControlliFiscali.h"
#include "rules/Date.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
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

QHBoxLayout* Md_FunzioniGenerali::RigaPulsanti(QWidget& finestra, const QList<Pulsante>& pulsanti,
                                               std::span<QPushButton*> cmddati, const std::function<void(int)>& clic)
{
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    for (const Pulsante& p : pulsanti) {
        auto* pulsante = new QPushButton(QString::fromUtf8(p.didascalia), &finestra);
        pulsante->setObjectName(QStringLiteral("Cmddati_%1").arg(p.indice));
        riga->addWidget(pulsante);
        const int indice = p.indice;
        QObject::connect(pulsante, &QPushButton::clicked, &finestra, [clic, indice] { clic(indice); });
        cmddati[static_cast<size_t>(indice)] = pulsante;
    }
    return riga;
}

bool Md_FunzioniGenerali::ControllaDataInUscita(Contesto& contesto, QLineEdit& campo)
{
    if (campo.text().trimmed().isEmpty()) return true;
    if (IsDate(campo.text())) {
        campo.setText(RiscriviData(campo.text()));
        return true;
    }
    contesto.messaggi().mostra(
        {Icona::Esclamazione, Pulsanti::Ok, 0, md_Globali::TITOLO_PROGRAMMA, QStringLiteral("Data non valida")});
    return false;
}
