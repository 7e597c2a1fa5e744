#pragma once
// The wage-tax flow plan of December 2024. The basic allowance, the child
// allowances, W1STKL5 and the tariff were raised for the whole year 2024 after
// it had begun: the plan runs the year with the values of the 2024 plan and
// with the new ones (kPlan1224), as every December plan does (Dezemberplan.h).

#include "Dezemberplan.h"
#include "LxSteuern2024.h"

namespace lx {

// The 2024 plan with the values that hold for the whole year from December on.
inline constexpr PlanParameter kPlan1224 = [] {
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

using LxSteuern1224 = DezemberplanMit<kPlan2024, kPlan1224>;

}  // namespace lx
