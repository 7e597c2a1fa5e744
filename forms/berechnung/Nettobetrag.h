#pragma once
// The net of a computation: the gross less the employee's deductions, the
// health and care parts by their special cases.

#include "Currency.h"
#include "Gehaltsroutinen.h"

namespace lx {

// The net of the pay period from the trial gross G (net to gross).
Currency NettoLaufend(const TLohnGehalt& lg, Currency G);
// The net of gross mode: the total gross less the period's, the one-off
// payment's and the multi-year pay's deductions.
Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto);

}  // namespace lx
