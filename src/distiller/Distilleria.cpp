#include "distiller/Distilleria.h"

#include "app/CampiFinestra.h"
#include "app/base/Contesto.h"
#include "rules/ControlliFiscali.h"
#include "rules/Numeri.h"

int Distilleria::ControllaCampi(Contesto& contesto, const Campi& campi)
{
    for (size_t i = 0; i < campi.size(); ++i) {
        if (campi[i].trimmed().isEmpty()) return static_cast<int>(i) + 1;
        if (i > 0) continue;
        if (Md_FunzioniGenerali::IsNumeric(campi[0])) {
            if (!Md_FunzioniGenerali::CheckPartitaIva(campi[0])) return 5;
            continue;
        }
        if (!Md_FunzioniGenerali::CodFisc(contesto, campi[0])) return 4;
    }
    return 0;
}

int Distilleria::Salva(Contesto& contesto, const Campi& campi)
{
    StatoCondiviso& stato = contesto.stato;
    if (stato.sOperazioneDistilleria == QStringLiteral("I")) {
        stato.sSQL = QStringLiteral("INSERT INTO DISTILLERIA (CODI_FISC,RAGI_SOCI,INDI_DIST) VALUES (?1, ?2, ?3)");
        return contesto.db().esegui(stato.sSQL, {campi[0], campi[1], campi[2]});
    }
    stato.sSQL = QStringLiteral("UPDATE DISTILLERIA SET CODI_FISC = ?1, RAGI_SOCI = ?2, INDI_DIST = ?3 where CODI_FISC = ?4");
    return contesto.db().esegui(stato.sSQL, {campi[0], campi[1], campi[2], stato.DistilleriaCorrente.CODI_FISC});
}
