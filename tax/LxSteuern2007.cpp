#include "LxSteuern2007.h"

namespace lx {

Currency LxSteuern2007::LohnsteuerLzz(int VJAHR, int AJAHR, int LZZ, Currency RE4, Currency VBEZ, Currency VBEZM,
                                      Currency VBEZS, Currency STERBE, Currency VKAPA, Currency LZZFREIB, int KRV,
                                      int STKL, int ZMVB, Currency ZKF, int ALTER1)
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

}  // namespace lx
