#pragma once
// The wage-tax flow plan 2023 (January to June).

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2023;

class LxSteuern2023 : public PlanModul {
public:
    LxSteuern2023() : PlanModul(kPlan2023) {}
};

}  // namespace lx
