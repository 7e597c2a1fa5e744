#pragma once
// The wage-tax flow plan 2019.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2019;

class LxSteuern2019 : public PlanModul {
public:
    LxSteuern2019() : PlanModul(kPlan2019) {}
};

}  // namespace lx
