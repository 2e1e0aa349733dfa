#include "distiller/Distilleria.h"

#include "app/base/Contesto.h"

int Distilleria::ControllaCampi(const Campi& campi)
{
    for (size_t i = 0; i < campi.size(); ++i) {
        if (campi[i].trimmed().isEmpty()) return static_cast<int>(i) + 1;
        // TODO(issue3): fiscal code / VAT number check of field 1
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
