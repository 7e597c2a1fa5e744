#include "Ausstehend.h"

namespace lx {

void ActSonderberechnung(ProgrammZustand&) {}
void ActBPfaendungsabrechnung(ProgrammZustand&) {}
void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}


}  // namespace lx
