#pragma once
// The wage-tax flow plan 2012.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2012;

class LxSteuern2012 : public PlanModul {
public:
    LxSteuern2012() : PlanModul(kPlan2012) {}
};

}  // namespace lx
