#pragma once
// The wage-tax flow plan of December 2011: the 2011 plan with the employee lump
// sum raised to 1000 for the whole year. A pay period shorter than the year has
// 1880 as its limit, which gives December the raise of the eleven months before
// as well (1000 + 11 x 80); a yearly pay period, special payments and pay for
// several years take 1000.

#include "LxSteuern2011.h"

namespace lx {

inline constexpr PlanParameter kPlan1211 = [] {
    PlanParameter p = kPlan2011;
    p.name = "1211";
    p.ANP = 1000_cur;
    p.ANPUnterjaehrig = 1880_cur;
    return p;
}();

using LxSteuern1211 = PlanModulMit<kPlan1211>;

}  // namespace lx
