#pragma once
// The wage-tax flow plan 2008.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2008;

class LxSteuern2008 : public PlanModul {
public:
    LxSteuern2008() : PlanModul(kPlan2008) {}

    using PlanModul::LohnsteuerLzz;
    using PlanModul::LohnsteuerVmt;
    // The entry with the plan's own argument list (no VMT); amounts in euros,
    // the two allowances negative for an addition amount.
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ, Currency ZKF,
                           int STKL, int LZZ, int KRV, int ALTER1);
    // The plan takes the pay for several years here rather than in the entry.
    Currency LohnsteuerVmt(Currency VMT, Currency SONSTB, Currency JRE4);
};

}  // namespace lx
