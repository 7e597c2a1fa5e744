#pragma once
// The net of a computation, in the one set of parts that the deductions list,
// the net field, the searches for a gross, the garnishment and the payslip
// all read: the taxes and shares of the period, of a one-off payment and of
// multi-year pay, the health and care parts by their special cases, and the
// employer's share that a pension-fund self-payer receives.

#include <array>

#include "Currency.h"
#include "Gehaltsroutinen.h"

namespace lx {

// The deductions list's seven rows, each the sum of the period's, the one-off
// and the multi-year parts: deductions negative, a subsidy the employee
// receives (a self-payer's health, care or pension-fund share) positive.
// Rows: wage tax, surcharge, church tax, health, pension, unemployment, care.
std::array<Currency, 7> Abzugszeilen(const TLohnGehalt& lg);

// The employer's pension shares a pension-fund self-payer receives with his pay.
Currency VersorgungswerkZuschuss(const TLohnGehalt& lg);

// The net of the month: the total gross and the seven rows. The net field,
// the net-to-gross search and the gross-up compare this one.
Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto);

// The net of the period's pay alone, from the gross G of a trial that has no
// one-off or multi-year pay: G less the period's deductions, the health and
// care parts and the pension-fund subsidy.
Currency NettoLaufend(const TLohnGehalt& lg, Currency G);

// The gross less the taxes and the shares the employer withholds, before any
// self-payer's subsidy or own contribution: what garnishment starts from.
Currency NettoVorZuschuessen(const TLohnGehalt& lg, Currency brutto);

}  // namespace lx
