#include "app/CaricaCmb.h"

#include "app/base/Contesto.h"
#include "app/base/LogErrori.h"
#include "rules/Numeri.h"

#include <QComboBox>

namespace {

QString rigaIntera(const Istruzione& query)
{
    QString testo;
    for (int c = 0; c < query.numeroColonne(); ++c) testo += QStringLiteral("  ") + query.testo(c).trimmed();
    return testo;
}

// Shows `testo` as the list's text: the matching entry, or the edit text of an editable list.
void impostaTesto(QComboBox* lista, const QString& testo)
{
    const int indice = lista->findText(testo);
    if (indice >= 0) {
        lista->setCurrentIndex(indice);
    } else if (lista->isEditable()) {
        lista->setEditText(testo);
    }
}

}  // namespace

void Md_FunzioniGenerali::CaricaCmb(Contesto& contesto, QComboBox* lista, const QString& tabella,
                                    const QString& colonne, const QString& condizione, bool datiVoce,
                                    const QString& ordine, bool righeIntere, bool voceVuota, const QVariantList& valori)
{
    Trappola(contesto, QStringLiteral("Md_FunzioniGenerali CaricaCmb"), [&] {
        const QString parteCondizione =
            condizione.trimmed().isEmpty() ? QString() : QStringLiteral(" WHERE ") + condizione;
        Istruzione query = contesto.db().prepara(QStringLiteral("SELECT ") + colonne + QStringLiteral(" FROM ") +
                                                 tabella + parteCondizione + ordine);
        query.lega(valori);
        lista->clear();
        while (query.avanza()) {
            lista->addItem(query.testo(0).trimmed());
            if (righeIntere) lista->addItem(rigaIntera(query));
            if (datiVoce) lista->setItemData(lista->count() - 1, static_cast<int>(Val(query.testo(1)).troncato().toDouble()));
        }
        if (voceVuota) lista->addItem(QString());
        // Nothing is chosen until the user picks an entry, unless the latest campaign is shown.
        lista->setCurrentIndex(-1);
        if (!voceVuota && !contesto.stato.sUltimaCampagna.isEmpty()) impostaTesto(lista, contesto.stato.sUltimaCampagna);
    });
}
