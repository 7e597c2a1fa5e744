#pragma once
// The wage-tax flow plan 2010.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2010;

class LxSteuern2010 : public PlanModul {
public:
    LxSteuern2010() : PlanModul(kPlan2010) {}

    using PlanModul::LohnsteuerLzz;
    // The entry with the plan's own argument list; amounts in euros, the two
    // allowances negative for an addition amount.
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency f, Currency ZKF, int STKL, int LZZ, int KRV,
                           int PKV, int ALTER1, int af, int PVS, int PVZ);
};

}  // namespace lx
