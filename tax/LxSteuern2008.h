#pragma once
// The wage-tax flow plan 2008.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2008;

class LxSteuern2008 : public PlanModul {
public:
    LxSteuern2008() : PlanModul(kPlan2008) {}
};

}  // namespace lx
