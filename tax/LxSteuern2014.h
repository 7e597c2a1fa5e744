#pragma once
// The wage-tax flow plan 2014.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2014;

class LxSteuern2014 : public PlanModulListeA {
public:
    LxSteuern2014() : PlanModulListeA(kPlan2014) {}
};

}  // namespace lx
