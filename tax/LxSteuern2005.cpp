#include "LxSteuern2005.h"

namespace lx {

Currency LxSteuern2005::LohnsteuerLzz(int LZZ, int ZMVB, int ALTER1, Currency RE4, Currency VBEZ, Currency VBEZM,
                                      Currency VBEZS, Currency LZZFREIB, int KRV, int STKL, Currency ZKF)
{
    return plan_.LohnsteuerLzz({.LZZ = LZZ,
                                .ZMVB = ZMVB,
                                .ALTER1 = ALTER1,
                                .RE4 = RE4,
                                .VBEZ = VBEZ,
                                .VBEZM = VBEZM,
                                .VBEZS = VBEZS,
                                .LZZFREIB = LZZFREIB,
                                .KRV = KRV,
                                .STKL = STKL,
                                .ZKF = ZKF});
}

}  // namespace lx
