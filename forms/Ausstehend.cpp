#include "Ausstehend.h"

namespace lx {

void ActSonderberechnung(ProgrammZustand&) {}
void ActBPfaendungsabrechnung(ProgrammZustand&) {}
void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}

void ActDrucken(ProgrammZustand&) {}
void ActAbrSave(ProgrammZustand&) {}

}  // namespace lx
