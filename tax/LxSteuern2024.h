#pragma once
// The wage-tax flow plan 2024.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2024;

class LxSteuern2024 : public PlanModul {
public:
    LxSteuern2024() : PlanModul(kPlan2024) {}

    using PlanModul::LohnsteuerLzz;
    // The entry with the plan's own argument list; amounts in euros, the two
    // allowances negative for an addition amount.
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency JRE4ENT, Currency SONSTENT, Currency f,
                           Currency KVZ, Currency MBV, Currency ZKF, int STKL, int LZZ, int KRV, int PKV,
                           int AnzKinderPV, int ALTER1, int af, int PVS, int PVZ);
};

}  // namespace lx
