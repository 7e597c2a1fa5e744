#pragma once
// The wage-tax flow plan 2017.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2017;

class LxSteuern2017 : public PlanModul {
public:
    LxSteuern2017() : PlanModul(kPlan2017) {}
};

}  // namespace lx
