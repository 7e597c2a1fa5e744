#pragma once
// Net to gross: the gross whose net is the wanted net, searched on an engine
// whose other inputs are set.

#include <vector>

#include "Currency.h"
#include "Gehaltsroutinen.h"
#include "NettoIteration.h"
#include "erfassung/ErfassZustand.h"

namespace lx {

// Net to gross on an engine whose inputs are set: computation 1 as set, then
// each trial gross set as the tax, SV, total and (with a scheme) ZV gross. The
// engine ends holding the last trial's computation.
NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6);

// One trial of a search for a wanted net: G set as the tax, SV, total and
// (with a scheme, `zv`) supplementary gross, computed; the net of the period.
Currency NettoBeiBrutto(TLohnGehalt& lg, Currency G, bool zv);

// Net to gross over the entry rows, on an engine whose other inputs are set:
// the first row (the running pay, which holds the wanted net at first) is
// the trial, every other row stays as it is, and each trial's net is the
// month's net of the rows - one-off and multi-year pay included - with the
// net amounts of the other net-marked payments in place of those rows. The
// result's gross is the first row's amount; the engine ends holding its
// computation over the rows without the other net-marked ones.
NettoIterationErgebnis NettoZuBruttoZeilen(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen, Currency wunschNetto,
                                           bool steuerklasse6);

}  // namespace lx
