#pragma once
// The wage-tax flow plan 2016.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2016;

class LxSteuern2016 : public PlanModul {
public:
    LxSteuern2016() : PlanModul(kPlan2016) {}
};

}  // namespace lx
