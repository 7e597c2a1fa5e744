#pragma once
// The wage-tax flow plan 2009.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2009;

class LxSteuern2009 : public PlanModul {
public:
    LxSteuern2009() : PlanModul(kPlan2009) {}
};

}  // namespace lx
