#pragma once
// The wage-tax flow plan of July to December 2023.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan0723;

class LxSteuern0723 : public PlanModulOhnePVA {
public:
    LxSteuern0723() : PlanModulOhnePVA(kPlan0723) {}
};

}  // namespace lx
