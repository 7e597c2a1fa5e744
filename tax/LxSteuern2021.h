#pragma once
// The wage-tax flow plan 2021.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2021;

class LxSteuern2021 : public PlanModulOhneMBV {
public:
    LxSteuern2021() : PlanModulOhneMBV(kPlan2021) {}
};

}  // namespace lx
