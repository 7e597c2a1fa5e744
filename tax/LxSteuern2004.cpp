#include "LxSteuern2004.h"

namespace lx {

Currency LxSteuern2004::LohnsteuerLzz(int LZZ, int ALTER1, Currency RE4, Currency VBEZ, Currency LZZFREIB, int KRV,
                                      int STKL, Currency ZKF)
{
    return plan_.LohnsteuerLzz({.LZZ = LZZ,
                                .ALTER1 = ALTER1,
                                .RE4 = RE4,
                                .VBEZ = VBEZ,
                                .LZZFREIB = LZZFREIB,
                                .KRV = KRV,
                                .STKL = STKL,
                                .ZKF = ZKF});
}

}  // namespace lx
