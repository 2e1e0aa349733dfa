#pragma once

#include "app/FinestraCarico.h"
#include "exchange/CaricoFatture.h"

// The import of a distiller supply file, opened from the main menu.
class frmCarico : public FinestraCarico {
    Q_OBJECT

public:
    explicit frmCarico(Contesto& contesto, QWidget* parent = nullptr);

    CaricoFatture::Esito esito() const { return m_esito; }

protected:
    void Carica(const QString& file) override;

private:
    CaricoFatture m_carico;
    CaricoFatture::Esito m_esito = CaricoFatture::Esito::NonRiuscita;
};
