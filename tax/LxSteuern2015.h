#pragma once
// The wage-tax flow plan January to November 2015.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2015;

class LxSteuern2015 : public PlanModul {
public:
    LxSteuern2015() : PlanModul(kPlan2015) {}
};

}  // namespace lx
