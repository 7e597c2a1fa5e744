#pragma once
// The wage-tax flow plan 2022.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2022;

class LxSteuern2022 : public PlanModul {
public:
    LxSteuern2022() : PlanModul(kPlan2022) {}
};

}  // namespace lx
