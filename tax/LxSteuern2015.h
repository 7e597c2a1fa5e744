#pragma once
// The wage-tax flow plan January to November 2015.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2015;

class LxSteuern2015 : public PlanModulListeB {
public:
    LxSteuern2015() : PlanModulListeB(kPlan2015) {}
};

}  // namespace lx
