#pragma once
// The wage-tax flow plan of July to December 2023.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan0723;

class LxSteuern0723 : public PlanModul {
public:
    LxSteuern0723() : PlanModul(kPlan0723) {}
};

}  // namespace lx
