#include "PlanListen2011.h"

namespace lx {

Currency PlanModulListeA::LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB,
                                        Currency JFREIB, Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM,
                                        Currency VBEZS, Currency JVBEZ, Currency PKPV, Currency ENTSCH,
                                        Currency JRE4ENT, Currency SONSTENT, Currency f, Currency ZKF, int STKL,
                                        int LZZ, int KRV, int PKV, int ALTER1, int af, int PVS, int PVZ)
{
    return LohnsteuerLzz(LohnsteuerEingaben{.AJAHR = AJAHR,
                                            .VJAHR = VJAHR,
                                            .ZMVB = ZMVB,
                                            .RE4 = RE4,
                                            .LZZFREIB = LZZFREIB,
                                            .JFREIB = JFREIB,
                                            .VMT = VMT,
                                            .VBEZ = VBEZ,
                                            .VBS = VBS,
                                            .VBEZM = VBEZM,
                                            .VBEZS = VBEZS,
                                            .JVBEZ = JVBEZ,
                                            .PKPV = PKPV,
                                            .ENTSCH = ENTSCH,
                                            .JRE4ENT = JRE4ENT,
                                            .SONSTENT = SONSTENT,
                                            .f = f,
                                            .ZKF = ZKF,
                                            .STKL = STKL,
                                            .LZZ = LZZ,
                                            .KRV = KRV,
                                            .PKV = PKV,
                                            .ALTER1 = ALTER1,
                                            .af = af,
                                            .PVS = PVS,
                                            .PVZ = PVZ});
}

Currency PlanModulListeB::LohnsteuerLzz(int AJAHR, int VJAHR, int ZMVB, Currency RE4, Currency LZZFREIB,
                                        Currency JFREIB, Currency VMT, Currency VBEZ, Currency VBS, Currency VBEZM,
                                        Currency VBEZS, Currency JVBEZ, Currency PKPV, Currency ENTSCH,
                                        Currency JRE4ENT, Currency SONSTENT, Currency f, Currency KVZ, Currency ZKF,
                                        int STKL, int LZZ, int KRV, int PKV, int ALTER1, int af, int PVS, int PVZ)
{
    return LohnsteuerLzz(LohnsteuerEingaben{.AJAHR = AJAHR,
                                            .VJAHR = VJAHR,
                                            .ZMVB = ZMVB,
                                            .RE4 = RE4,
                                            .LZZFREIB = LZZFREIB,
                                            .JFREIB = JFREIB,
                                            .VMT = VMT,
                                            .VBEZ = VBEZ,
                                            .VBS = VBS,
                                            .VBEZM = VBEZM,
                                            .VBEZS = VBEZS,
                                            .JVBEZ = JVBEZ,
                                            .PKPV = PKPV,
                                            .ENTSCH = ENTSCH,
                                            .JRE4ENT = JRE4ENT,
                                            .SONSTENT = SONSTENT,
                                            .f = f,
                                            .KVZ = KVZ,
                                            .ZKF = ZKF,
                                            .STKL = STKL,
                                            .LZZ = LZZ,
                                            .KRV = KRV,
                                            .PKV = PKV,
                                            .ALTER1 = ALTER1,
                                            .af = af,
                                            .PVS = PVS,
                                            .PVZ = PVZ});
}

}  // namespace lx
