#pragma once
// The wage-tax flow plan December 2011: the 2011 plan with the higher employee lump sum.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan1211;

class LxSteuern1211 : public PlanModul {
public:
    LxSteuern1211() : PlanModul(kPlan1211) {}
};

}  // namespace lx
