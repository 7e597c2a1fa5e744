#pragma once
// The wage-tax flow plan of December 2015. The tariff, the child and
// single-parent allowances and W1STKL5 changed for the whole year 2015 in its
// last month: the plan runs the year with the values of the 2015 plan and with
// the new ones (kPlan1215), as every December plan does (Dezemberplan.h).

#include "Dezemberplan.h"
#include "LxSteuern2015.h"

namespace lx {

// The 2015 plan with the values that hold for the whole year from December on.
inline constexpr PlanParameter kPlan1215 = [] {
    PlanParameter p = kPlan2015;
    p.name = "1215";
    p.W1STKL5 = 9873_cur;
    p.tarif.GFB = 8472_cur;
    p.tarif.p1Faktor = 997.60_cur;
    p.tarif.p2Konstante = 948.68_cur;
    p.tarif.z42Abzug = 8261.29_cur;
    p.tarif.z45Abzug = 15783.19_cur;
    p.EFA = 1908_cur;
    p.KFB = 7152_cur;
    p.KFBKlasse4 = 3576_cur;
    return p;
}();

using LxSteuern1215 = DezemberplanMit<kPlan2015, kPlan1215>;

}  // namespace lx
