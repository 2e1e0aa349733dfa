#include "distiller/frmCarico.h"

#include "app/base/Costanti.h"

frmCarico::frmCarico(Contesto& contesto, QWidget* parent)
    : FinestraCarico(contesto, md_Globali::TIPO_FORNITURA_FATTURE, md_Globali::LUNGHEZZA_RECORD_FATTURE.toInt(), parent), m_carico(contesto)
{
    setObjectName(QStringLiteral("frmCarico"));
    m_carico.avanzamento = [this](qint64 record, qint64 letti, qint64 totale) { mostraAvanzamento(record, letti, totale); };
    m_carico.lavoro = [this](bool inCorso) { mostraLavoro(inCorso); };
}

void frmCarico::Carica(const QString& file)
{
    m_esito = m_carico.BATTONCARICA(file);
}
