#pragma once
// Net to gross: the gross whose net is the wanted net, searched on an engine
// whose other inputs are set.

#include "Currency.h"
#include "Gehaltsroutinen.h"
#include "NettoIteration.h"

namespace lx {

// Net to gross on an engine whose inputs are set: computation 1 as set, then
// each trial gross set as the tax, SV, total and (with a scheme) ZV gross. The
// engine ends holding the last trial's computation.
NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6);

// One trial of a search for a wanted net: G set as the tax, SV, total and
// (with a scheme, `zv`) supplementary gross, computed; the net of the period.
Currency NettoBeiBrutto(TLohnGehalt& lg, Currency G, bool zv);

}  // namespace lx
