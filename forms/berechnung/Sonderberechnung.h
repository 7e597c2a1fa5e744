#pragma once
// The garnishment special calculation: the pay items reduced to their
// garnishable parts are computed on the second engine, whose garnishable
// amount and net-method report then stand for the garnishment. The working
// engine, the main window's fields and deductions and the gross-up flag stay
// as the calculation left them; the entry rows and the entry band come back
// as they were, also when a computation throws. And the two garnishment
// reports into the payslip window's LiBoPfd.

#include <functional>
#include <vector>

#include "Currency.h"
#include "erfassung/ErfassZustand.h"
#include "gemeinsam/Steuerelement.h"

namespace lx {

struct ProgrammZustand;

// The entry rows reduced by the marks of the garnishment list, row i by
// garnishment row i up to the shorter list (a row without garnishment row
// stays): empty mark removes the row, "WG" and "ÜbStd." keep the garnishable
// part of the garnishment row's amount (a Christmas bonus by the law of the
// year and month), the rest stays. `korrektur` is minus the sum of all
// "VL-Abzug" amounts.
struct PfaendbareZeilen {
    std::vector<Lohnart> zeilen;
    Currency korrektur;
};
PfaendbareZeilen ReduziereZeilen(const std::vector<Lohnart>& zeilen, const std::vector<Zeile>& pfaendung, int jahr,
                                 int monat);

// Replaces the net a search compares with its target; tests use it to reach
// the limit. Arguments: the net computed and the target.
using SonderNettoErsatz = std::function<Currency(Currency netto, Currency ziel)>;

// The special calculation; run by the calculation after its computation.
void ActSonderberechnung(ProgrammZustand& p);
void ActSonderberechnung(ProgrammZustand& p, const SonderNettoErsatz& ersatz);

// The gross-method report from the working engine into LiBoPfd (the special
// calculation writes the net-method one from the second engine).
void ActBPfaendungsabrechnung(ProgrammZustand& p);

}  // namespace lx
