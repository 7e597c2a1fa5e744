#pragma once
// The wage-tax flow plan January to November 2011.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2011;

class LxSteuern2011 : public PlanModul {
public:
    LxSteuern2011() : PlanModul(kPlan2011) {}
};

}  // namespace lx
