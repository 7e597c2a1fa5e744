#pragma once
// The wage-tax flow plan 2009.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2009;

class LxSteuern2009 : public PlanModul {
public:
    LxSteuern2009() : PlanModul(kPlan2009) {}

    using PlanModul::LohnsteuerLzz;
    // The entry with the plan's own argument list; amounts in euros, the two
    // allowances negative for an addition amount.
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency ZKF, int STKL, int LZZ, int KRV, int ALTER1);
};

}  // namespace lx
