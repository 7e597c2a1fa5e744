#pragma once
// The wage-tax flow plan 2013.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2013;

class LxSteuern2013 : public PlanModul {
public:
    LxSteuern2013() : PlanModul(kPlan2013) {}
};

}  // namespace lx
