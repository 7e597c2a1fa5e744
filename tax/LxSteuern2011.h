#pragma once
// The wage-tax flow plan January to November 2011.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2011;

class LxSteuern2011 : public PlanModulListeA {
public:
    LxSteuern2011() : PlanModulListeA(kPlan2011) {}
};

}  // namespace lx
