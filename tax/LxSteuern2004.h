#pragma once
// Wage-tax plan 2004.

#include <string_view>

#include "Currency.h"
#include "OldPlan.h"
#include "OldPlanTables.h"

namespace lx {

class LxSteuern2004 {
public:
    static constexpr std::string_view kName = kRules2004.name;

    // RE4 and VBEZ in euros, LZZFREIB in cents (negative: an addition amount).
    // Returns LSTLZZ in euros.
    Currency LohnsteuerLzz(int LZZ, int ALTER1, Currency RE4, Currency VBEZ, Currency LZZFREIB, int KRV, int STKL,
                           Currency ZKF);
    // SOLZLZZ in cents.
    Currency SolzLzz() const { return plan_.SolzLzz(); }
    // Church tax of the period in euros, the part of the church args.Anteil.
    Currency KirchensteuerLzz(const OldChurchTaxArgs& args) const { return plan_.KirchensteuerLzz(args); }

private:
    OldPlan plan_{kRules2004};
};

}  // namespace lx
