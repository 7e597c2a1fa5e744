#pragma once
// The wage-tax flow plan 2021.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2021;

class LxSteuern2021 : public PlanModul {
public:
    LxSteuern2021() : PlanModul(kPlan2021) {}
};

}  // namespace lx
