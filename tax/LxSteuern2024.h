#pragma once
// The wage-tax flow plan 2024.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2024;

class LxSteuern2024 : public PlanModul {
public:
    LxSteuern2024() : PlanModul(kPlan2024) {}
};

}  // namespace lx
