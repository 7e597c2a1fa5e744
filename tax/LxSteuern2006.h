#pragma once
// Wage-tax plan 2006.

#include <string_view>

#include "Currency.h"
#include "OldPlan.h"
#include "OldPlanTables.h"

namespace lx {

class LxSteuern2006 {
public:
    static constexpr std::string_view kName = "2006";

    // RE4, VBEZ, VBEZM, VBEZS, STERBE, VKAPA in euros, LZZFREIB in cents
    // (negative: an addition amount). Returns LSTLZZ in euros.
    Currency LohnsteuerLzz(int VJAHR, int AJAHR, int LZZ, Currency RE4, Currency VBEZ, Currency VBEZM, Currency VBEZS,
                           Currency STERBE, Currency VKAPA, Currency LZZFREIB, int KRV, int STKL, int ZMVB,
                           Currency ZKF, int ALTER1);
    // SOLZLZZ in cents.
    Currency SolzLzz() const { return plan_.SolzLzz(); }
    // Church tax of the period in euros, the part of the church args.Anteil.
    Currency KirchensteuerLzz(const OldChurchTaxArgs& args) const { return plan_.KirchensteuerLzz(args); }

private:
    OldPlan plan_{kRules2006};
};

}  // namespace lx
