#pragma once
// The wage-tax flow plan 2018.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2018;

class LxSteuern2018 : public PlanModulOhneMBV {
public:
    LxSteuern2018() : PlanModulOhneMBV(kPlan2018) {}
};

}  // namespace lx
