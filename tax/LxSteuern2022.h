#pragma once
// The wage-tax flow plan 2022.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2022;

class LxSteuern2022 : public PlanModulOhnePVA {
public:
    LxSteuern2022() : PlanModulOhnePVA(kPlan2022) {}
};

}  // namespace lx
