#pragma once
// The wage-tax flow plan 2013.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan2013;

class LxSteuern2013 : public PlanModulListeA {
public:
    LxSteuern2013() : PlanModulListeA(kPlan2013) {}
};

}  // namespace lx
