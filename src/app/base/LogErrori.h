#pragma once

#include <QString>

#include <functional>

struct Contesto;

namespace LogErrori {
// Failure number as the log stores it: at least five digits, zero-filled, sign kept.
QString FormattaNumeroErrore(qint32 numero);
QString TestoGestioneErrori(qint32 numero, const QString& descrizione, const QString& eseguibile,
                            const QString& etichetta);
QString TestoAnomaliaBloccante(qint32 numero, const QString& descrizione, const QString& etichetta);
}  // namespace LogErrori

// Records one failure in LOGERR and shows it. When the record cannot be written the program
// shows the blocking-failure box and ends.
void ScriviLogErrore(Contesto& contesto, const QString& settore, const QString& etichetta, qint32 numero,
                     const QString& descrizione);

// Runs one window routine: a failure it raises is logged under `etichetta` and the routine ends;
// the window stays open. Answers true when the routine ran to its end.
bool Trappola(Contesto& contesto, const QString& etichetta, const std::function<void()>& routine);
