#pragma once
// The wage-tax flow plan 2020.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2020;

class LxSteuern2020 : public PlanModul {
public:
    LxSteuern2020() : PlanModul(kPlan2020) {}
};

}  // namespace lx
