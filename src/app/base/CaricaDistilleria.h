#pragma once

struct Contesto;

namespace Md_FunzioniGenerali {
// Loads the stored distillery into DistilleriaCorrente and answers true; with none stored it
// prepares the first insert and answers false. A failure is raised to the caller.
bool CaricaDistilleria(Contesto& contesto);
}  // namespace Md_FunzioniGenerali
