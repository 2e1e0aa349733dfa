#pragma once

#include <QString>

#include <array>

struct Contesto;

// The distillery's identity as the window edits it: fiscal code or VAT number, company name,
// registered office.
namespace Distilleria {
using Campi = std::array<QString, 3>;

// 0 when valid; 1, 2 or 3 for the first blank field; 4 a bad fiscal code, 5 a bad VAT number.
// The homonym question of the fiscal-code check is asked through the message service.
int ControllaCampi(Contesto& contesto, const Campi& campi);
// Inserts the row, or updates the one stored under the fiscal code as it was loaded; answers
// the rows changed. A failing statement is raised.
int Salva(Contesto& contesto, const Campi& campi);
}  // namespace Distilleria
