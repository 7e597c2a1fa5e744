#pragma once
// Wage-tax plans 2006 and 2007: one argument list over each year's rules.

#include <string_view>

#include "Currency.h"
#include "OldPlan.h"
#include "OldPlanTables.h"

namespace lx {

template <const OldPlanRules& Regeln>
class OldPlanModul2006 {
public:
    static constexpr std::string_view kName = Regeln.name;

    // RE4, VBEZ, VBEZM, VBEZS, STERBE, VKAPA in euros, LZZFREIB in cents
    // (negative: an addition amount). Returns LSTLZZ in euros.
    Currency LohnsteuerLzz(int VJAHR, int AJAHR, int LZZ, Currency RE4, Currency VBEZ, Currency VBEZM, Currency VBEZS,
                           Currency STERBE, Currency VKAPA, Currency LZZFREIB, int KRV, int STKL, int ZMVB,
                           Currency ZKF, int ALTER1)
    {
        return plan_.LohnsteuerLzz({.VJAHR = VJAHR,
                                    .AJAHR = AJAHR,
                                    .LZZ = LZZ,
                                    .ZMVB = ZMVB,
                                    .ALTER1 = ALTER1,
                                    .RE4 = RE4,
                                    .VBEZ = VBEZ,
                                    .VBEZM = VBEZM,
                                    .VBEZS = VBEZS,
                                    .STERBE = STERBE,
                                    .VKAPA = VKAPA,
                                    .LZZFREIB = LZZFREIB,
                                    .KRV = KRV,
                                    .STKL = STKL,
                                    .ZKF = ZKF});
    }
    // SOLZLZZ in cents.
    Currency SolzLzz() const { return plan_.SolzLzz(); }
    // Church tax of the period in euros, the part of the church args.Anteil.
    Currency KirchensteuerLzz(const OldChurchTaxArgs& args) const { return plan_.KirchensteuerLzz(args); }

private:
    OldPlan plan_{Regeln};
};

using LxSteuern2006 = OldPlanModul2006<kRules2006>;

}  // namespace lx
