#pragma once
// The wage-tax flow plan 2012.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2012;

class LxSteuern2012 : public PlanModulListeA {
public:
    LxSteuern2012() : PlanModulListeA(kPlan2012) {}
};

}  // namespace lx
