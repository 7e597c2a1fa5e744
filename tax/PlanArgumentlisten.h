#pragma once
// The plans' own entry argument lists, in the order of each plan's inputs.
// Amounts in euros; the two allowances negative for an addition amount. Each
// calls the shared entry with the named inputs.
//   list A (26 inputs): 2011 to 2014 and December 2011
//   list B (27): 2015 and December 2015, list A with KVZ after f
//   without MBV (27): 2016 to 2021
//   without PVA (28): 2022 and 2023 (both halves), with MBV

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

// 2016 to 2021: 27 inputs, without MBV and the care-insurance children.
class PlanModulOhneMBV : public PlanModul {
public:
    using PlanModul::LohnsteuerLzz;
    using PlanModul::PlanModul;
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency JRE4ENT, Currency SONSTENT, Currency f,
                           Currency KVZ, Currency ZKF, int STKL, int LZZ, int KRV, int PKV, int ALTER1, int af, int PVS,
                           int PVZ);
};

// 2022 and 2023 (both halves): 28 inputs, with MBV, without the care-insurance children.
class PlanModulOhnePVA : public PlanModul {
public:
    using PlanModul::LohnsteuerLzz;
    using PlanModul::PlanModul;
    Currency LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB, Currency JFREIB,
                           Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM, Currency VBEZS, Currency JVBEZ,
                           Currency PKPV, Currency ENTSCH, Currency JRE4ENT, Currency SONSTENT, Currency f,
                           Currency KVZ, Currency MBV, Currency ZKF, int STKL, int LZZ, int KRV, int PKV, int ALTER1,
                           int af, int PVS, int PVZ);
};

}  // namespace lx
