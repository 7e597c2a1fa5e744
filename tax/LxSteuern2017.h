#pragma once
// The wage-tax flow plan 2017.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2017;

class LxSteuern2017 : public PlanModulOhneMBV {
public:
    LxSteuern2017() : PlanModulOhneMBV(kPlan2017) {}
};

}  // namespace lx
