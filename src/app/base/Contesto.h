#pragma once

#include "app/base/Servizi.h"
#include "app/base/StatoCondiviso.h"

// What every window and engine receives: the shared state and the services.
struct Contesto {
    StatoCondiviso& stato;
    Servizi servizi;

    Database& db() const;
    ServizioMessaggi& messaggi() const { return servizi.messaggi; }
    ServizioApplicazione& applicazione() const { return servizi.applicazione; }
};
