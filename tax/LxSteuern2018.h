#pragma once
// The wage-tax flow plan 2018.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2018;

class LxSteuern2018 : public PlanModul {
public:
    LxSteuern2018() : PlanModul(kPlan2018) {}
};

}  // namespace lx
