#pragma once
// The net-marked pay items of a gross-up: their sums by kind and how a step of
// the trial gross is shared among the kinds, so the engine's gross moves by
// exactly the step whatever kinds are net-marked.

#include <string>
#include <vector>

#include "Currency.h"

namespace lx {

// The parts of an entry row the sums read: the amount text as shown
// ("1.500,00"), its "NT", "EB" and "LMJ" marks ("x" or empty) and its kind
// (0 payment, 1 benefit in kind, 2 deduction).
struct NTZeile {
    std::string betrag;
    std::string nt;
    std::string eb;
    std::string lmj;
    int art = 0;
};

// start plus the amounts of the rows marked "NT" that are payments. An amount
// text that is no number raises ConversionError.
Currency SummeNTBetraege(Currency start, const std::vector<NTZeile>& zeilen);

// The net-marked payments by kind: regular pay (neither "EB" nor "LMJ"),
// one-off payments ("EB") and multi-year pay ("LMJ" without "EB").
struct NTSummen {
    Currency lfd;
    Currency ebz;
    Currency lmj;
};
NTSummen NTSummenNachArt(const std::vector<NTZeile>& zeilen);

// The step G − G0 shared among the kinds whose sums are above 0, in proportion
// to those sums, each share to cents and the last moving kind (regular,
// one-off, multi-year) taking the rest: the shares always add up to the step.
// No kind above 0: nothing moves.
NTSummen HochrechnungAnteile(Currency schritt, const NTSummen& summen);

}  // namespace lx
