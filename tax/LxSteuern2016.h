#pragma once
// The wage-tax flow plan 2016.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2016;

class LxSteuern2016 : public PlanModulOhneMBV {
public:
    LxSteuern2016() : PlanModulOhneMBV(kPlan2016) {}
};

}  // namespace lx
