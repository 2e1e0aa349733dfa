#include "app/base/CaricaDistilleria.h"

#include "app/base/Contesto.h"

bool Md_FunzioniGenerali::CaricaDistilleria(Contesto& contesto)
{
    StatoCondiviso& stato = contesto.stato;
    Istruzione rsDati = contesto.db().prepara(QStringLiteral("seLECT * FROM DISTILLERIA"));
    if (!rsDati.avanza()) {
        stato.bDistilleriaMancante = true;
        stato.sOperazioneDistilleria = QStringLiteral("I");
        stato.sTitolo = QStringLiteral(" Inizializza Distilleria ");
        return false;
    }
    stato.bDistilleriaMancante = false;
    stato.sOperazioneDistilleria = QStringLiteral("M");
    stato.DistilleriaCorrente.CODI_FISC = rsDati.testo(QStringLiteral("CODI_FISC"));
    stato.DistilleriaCorrente.RAGI_SOCI = rsDati.testo(QStringLiteral("RAGI_SOCI"));
    stato.DistilleriaCorrente.INDI_DIST = rsDati.testo(QStringLiteral("INDI_DIST"));
    return true;
}
