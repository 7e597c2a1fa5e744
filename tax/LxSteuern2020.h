#pragma once
// The wage-tax flow plan 2020.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2020;

class LxSteuern2020 : public PlanModulOhneMBV {
public:
    LxSteuern2020() : PlanModulOhneMBV(kPlan2020) {}
};

}  // namespace lx
