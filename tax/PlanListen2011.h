#pragma once
// The entry argument lists of the plans 2011 to 2015: list A (2011 to 2014 and
// December 2011) and list B (2015 and December 2015, list A with KVZ after f).
// Amounts in euros, the two allowances negative for an addition amount.

#include "PlanModul.h"

namespace lx {

class PlanModulListeA : public PlanModul {
public:
    using PlanModul::LohnsteuerLzz;
    using PlanModul::PlanModul;
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency JRE4ENT, Currency SONSTENT, Currency f,
                           Currency ZKF, int STKL, int LZZ, int KRV, int PKV, int ALTER1, int af, int PVS, int PVZ);
};

class PlanModulListeB : public PlanModul {
public:
    using PlanModul::LohnsteuerLzz;
    using PlanModul::PlanModul;
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency JRE4ENT, Currency SONSTENT, Currency f,
                           Currency KVZ, Currency ZKF, int STKL, int LZZ, int KRV, int PKV, int ALTER1, int af, int PVS,
                           int PVZ);
};

}  // namespace lx
