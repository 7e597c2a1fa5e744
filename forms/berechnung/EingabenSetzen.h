#pragma once
// The driver's inputs into an engine: the windows' values as the engine's
// month, with the rules that combine the windows' switches.

#include "BerechnungsEingaben.h"
#include "Gehaltsroutinen.h"

namespace lx {

// Every input the driver owns, from the values read from the windows; the
// care children stay the care-children step's and the garnishment correction
// the garnishment step's.
Monatseingaben MonatseingabenAus(const BerechnungsEingaben& w);

// The month's inputs into the engine: lg.SetEingaben(MonatseingabenAus(w)).
void SetzeEingaben(TLohnGehalt& lg, const BerechnungsEingaben& w);

}  // namespace lx
