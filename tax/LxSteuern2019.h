#pragma once
// The wage-tax flow plan 2019.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2019;

class LxSteuern2019 : public PlanModulOhneMBV {
public:
    LxSteuern2019() : PlanModulOhneMBV(kPlan2019) {}
};

}  // namespace lx
