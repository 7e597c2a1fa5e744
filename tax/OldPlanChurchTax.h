#pragma once
// Church tax of the wage-tax plans 2004 to 2007: the total for all churches,
// by the church-tax area's rate, cap and minimums. These plans report only the
// total; dividing it between the churches is the caller's business.

#include "Currency.h"

namespace lx {

struct OldChurchTaxArgs {
    bool Pflichtig = false;  // liable to church tax
    int Bundesland = 0;      // church-tax area 1 to 18; other codes use the general rate
    int Konfession = 0;      // 0 "ev", 1 "rk", 2 "ev/rk", 3 "rk/ev"
    Currency Kappung{};      // non-zero: limit to the area's share of the wage
    Currency Satz{};         // percent; 0 < Satz < 99 replaces the area's rules, 99: no tax-dependent minimum
};

// baseCents: the wage tax the church tax is levied on, in cents. wageEuros: the
// wage for the cap. periodTaxPositive: the period's wage tax is above 0 (the
// condition of some areas' minimum). lzz: the pay period; a year (1) takes
// twelve times the monthly minimums. Result in euros.
Currency OldPlanChurchTax(Currency baseCents, const OldChurchTaxArgs& args, Currency wageEuros, bool periodTaxPositive,
                          int lzz);

}  // namespace lx
