#include "LxSteuern1224.h"

namespace lx {

// Only what changed. kPlan2024 is constant-initialised, so it holds its values
// before this table is made from it at start-up.
const PlanParameter kPlan1224 = [] {
    PlanParameter p = kPlan2024;
    p.name = "1224";
    p.W1STKL5 = 13432_cur;
    p.tarif.GFB = 11784_cur;
    p.tarif.p1Faktor = 954.80_cur;
    p.tarif.p2Konstante = 991.21_cur;
    p.tarif.z42Abzug = 10636.31_cur;
    p.tarif.z45Abzug = 18971.06_cur;
    p.KFB = 9540_cur;
    p.KFBKlasse4 = 4770_cur;
    return p;
}();

}  // namespace lx
