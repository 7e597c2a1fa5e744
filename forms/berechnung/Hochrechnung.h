#pragma once
// The gross-up of net-marked pay items: the second engine computes the net of
// the other items (the comparison net), the net amounts of the marked items
// are added to it, and the working engine is computed with trial grosses until
// its net is that target. The entry rows end as they were entered.

#include <functional>
#include <vector>

#include "Currency.h"
#include "EingabenKopieren.h"
#include "Gehaltsroutinen.h"
#include "HochrechnungAnteile.h"
#include "NettoIteration.h"
#include "erfassung/ErfassZustand.h"

namespace lx {

struct ProgrammZustand;

// The entry rows as the net sums read them (amounts as the list shows them).
std::vector<NTZeile> NTZeilen(const std::vector<Lohnart>& zeilen);

// start plus the amounts of the entry rows marked "NT" that are payments.
Currency SummeNTBetraege(const ProgrammZustand& p, Currency start);

// The gross totals a copy into the second engine takes from `b`, the
// supplementary-pension gross given apart (the callers differ there).
KopieVorgaben BruttoVorgaben(const Bruttosummen& b, Currency zvBrutto);

// The gross totals as the engine's gross inputs: total, tax (regular, one-off,
// multi-year), SV (regular, one-off) and supplementary pension.
void SetzeBruttosummen(TLohnGehalt& lg, const Bruttosummen& b);

// Takes the net-marked rows out (their payments summed by kind into the three
// sums and LiBoUniversal), copies the working engine's inputs with the totals
// of the rest into the second engine, computes it and puts the rows back.
// Returns the comparison net.
Currency PrepareNettoHochrechnung(ProgrammZustand& p);

// The trial gross G set into the engine as the total gross, with the tax, SV
// and supplementary-pension totals of the rows where each net-marked payment is its amount plus its
// share of G - G0: the kinds whose sums are above 0 share the step in
// proportion to their sums, and within a kind its rows in proportion to their
// amounts (the last moving kind and row taking the rest). So the gross the
// engine computes moves by exactly G - G0, only in the totals the marked rows
// count in, and a gross reached twice is set the same way. A regular sum
// beyond its rows (the scheme's taxable part) moves the regular tax and SV
// gross.
void SetzeHochrechnungsBrutto(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen, const NTSummen& summen, Currency G);

// What the comparison gives the iteration: the comparison net and the sums.
struct HochrechnungsZiel {
    Currency vergleichsnetto;
    NTSummen summen;
};

struct HochrechnungsErgebnis {
    NettoIterationErgebnis iteration;
    Currency ziel;    // the target net
    NTSummen summen;  // the sums the shares followed (the scheme's part in lfd)
};

// The net of a computation: NettoBrutto unless a test fakes it.
using NettoFunktion = std::function<Currency(const TLohnGehalt&, Currency brutto)>;

// The iteration on an engine whose inputs are all set from `zeilen`:
// computation 1 with all rows, then the target from `zielBestimmen`; with
// `zvHochrechnen` the scheme's taxable part joins the regular sum as the
// difference of target and first net. The first 300 computations halve:
// tax class 6 moves one cent up after computations 101 to 119, computation
// 200 adds a cent, 250 takes one; where they miss the target, the search over
// whole cents of net to gross goes on.
HochrechnungsErgebnis Hochrechnen(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen,
                                  const std::function<HochrechnungsZiel()>& zielBestimmen, bool zvHochrechnen,
                                  const NettoFunktion& netto);

// The driver's step for net-marked items (after it has set every input of the
// working engine): the iteration, G and n into the gross and net fields, the
// gross-up flag set, the message when the target was not reached.
void ActNettoHochrechnung(ProgrammZustand& p);
void ActNettoHochrechnung(ProgrammZustand& p, const NettoFunktion& netto);

}  // namespace lx
