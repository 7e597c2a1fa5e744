#pragma once
// The wage-tax flow plan 2014.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2014;

class LxSteuern2014 : public PlanModul {
public:
    LxSteuern2014() : PlanModul(kPlan2014) {}
};

}  // namespace lx
