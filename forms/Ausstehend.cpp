#include "Ausstehend.h"

namespace lx {

void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}


}  // namespace lx
