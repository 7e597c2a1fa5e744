#pragma once
// The search for the gross that yields a wanted net, shared by net to gross,
// the gross-up of net-marked items and the garnishment special calculation.
// The computation is the caller's: a callable that sets a trial gross into its
// engine, computes and returns the net. The same gross must always give the
// same net.

#include <cstdint>
#include <functional>
#include <string>

#include "Currency.h"

namespace lx {

// The halving steps' limit of computations, and what the user is told when a
// search gives up: the calculation's own, or the garnishment special
// calculation's gross-up.
inline constexpr int kSchrittgrenze = 300;
std::string AbbruchMeldung(bool sonderberechnung = false);

struct NettoIterationRegeln {
    int grenze = kSchrittgrenze;  // computations at most
    bool steuerklasse6 = false;   // tax class "6": after computations 101..119 the next trial is one cent more
    // The caller's own change of the next trial after computation k (0 for none).
    std::function<Currency(int k)> zuschlag;
    // No trial goes below it: a gross is never negative.
    Currency untergrenze = 0_cur;
};

// The gross-up's change: one cent more after computation 200, one less after 250.
Currency HochrechnungZuschlag(int k);

struct NettoIterationErgebnis {
    Currency brutto;           // the gross found, or on giving up the trial nearest; the engine holds its net
    Currency netto;            // its net
    int berechnungen = 0;      // computations made
    bool abgebrochen = false;  // stopped at the limit without reaching the wanted net
};

// Computes `netto(start)` (computation 1) and moves the trial gross by half the
// difference to `ziel`, rounded to cents, until the net equals `ziel` or the
// limit is reached. No gross is computed twice: when a rule leads to one
// already computed, the next trial is the nearest gross not yet computed
// around the best one so far (net nearest the target, on a tie the lower
// gross), one cent above before one below, then two cents, and so on.
// Where the net falls back as the gross rises, halving cycles: after 20
// repeats a trial that would repeat or leave the narrowest bracket of trials
// below and above the target halves it, and without a bracket probes further
// out open one. Giving up, the result is the trial nearest the target,
// computed once more.
NettoIterationErgebnis NettoIteration(Currency start, Currency ziel, const std::function<Currency(Currency)>& netto,
                                      const NettoIterationRegeln& regeln = {});

// The same when the caller has made computation 1 itself (the gross-up reads
// its target only afterwards): `startNetto` is the net of `start`.
NettoIterationErgebnis NettoIterationNachErster(Currency start, Currency startNetto, Currency ziel,
                                                const std::function<Currency(Currency)>& netto,
                                                const NettoIterationRegeln& regeln = {});

// The search of the calculation: the steps above first, and where they give
// up, a search over whole cents. The net rises with the gross only in pieces
// (it falls back at tax steps, by whole euros under the one-fifth rule, and
// where a voluntary member's contribution sets in), so the search halves each
// bracket of neighbouring trials whose nets lie on either side of the target
// down to neighbouring cents; without one it probes 1,00, 2,00, 4,00 ... away
// from the nearest trial, then tries two cents around the nearest trial to
// one gap of more than a euro (where the net falls, else the widest), for
// `nachsuche` computations at most; a probe below the lower bound takes the
// bound. Last, every cent up to `abtastung` cents above and below the nearest
// trial and a few pairs of neighbouring cents whose nets lie on either side
// of the target, ring by ring, 4 * `abtastung` computations at most: where
// the net jumps by euros every few cents a single cent may hold the target.
// It ends at a gross that nets the target; where none is found the result is
// the nearest trial, computed once more. Where the steps succeed the result
// is theirs.
NettoIterationErgebnis NettoSuche(Currency start, Currency ziel, const std::function<Currency(Currency)>& netto,
                                  const NettoIterationRegeln& regeln = {}, int nachsuche = 1000,
                                  std::int64_t abtastung = 5000);
NettoIterationErgebnis NettoSucheNachErster(Currency start, Currency startNetto, Currency ziel,
                                            const std::function<Currency(Currency)>& netto,
                                            const NettoIterationRegeln& regeln = {}, int nachsuche = 1000,
                                            std::int64_t abtastung = 5000);

}  // namespace lx
