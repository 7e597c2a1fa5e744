#pragma once
// What the calculation does about garnishment once it has computed: the
// correction by the marks of the garnishment list and whether the special
// calculation and the engine's garnishment run.

#include <vector>

#include "BerechnungsEingaben.h"
#include "Currency.h"

namespace lx {

// The garnishment's steps after the computation.
struct PfaendungsPlan {
    bool sonderflag = false;         // the special calculation is needed
    Currency korrektur;              // SetPfaendKorrektur
    bool sonderberechnung = false;   // ActSonderberechnung runs
    bool berechnePfaendung = false;  // BerechnePfaendung runs
    bool operator==(const PfaendungsPlan&) const = default;
};
// The non-garnishable part of the rows by their marks, a Christmas bonus's by
// the law of the year and month.
Currency PfaendungsKorrektur(const std::vector<PfaendungsZeile>& zeilen, int jahr, int monat);
PfaendungsPlan PlanePfaendung(const BerechnungsEingaben& w);

}  // namespace lx
