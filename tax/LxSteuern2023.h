#pragma once
// The wage-tax flow plan 2023 (January to June).

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2023;

class LxSteuern2023 : public PlanModulOhnePVA {
public:
    LxSteuern2023() : PlanModulOhnePVA(kPlan2023) {}
};

}  // namespace lx
