#pragma once
// The wage-tax flow plan 2010.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2010;

class LxSteuern2010 : public PlanModul {
public:
    LxSteuern2010() : PlanModul(kPlan2010) {}
};

}  // namespace lx
