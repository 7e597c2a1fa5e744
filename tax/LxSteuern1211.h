#pragma once
// The wage-tax flow plan December 2011: the 2011 plan with the higher employee lump sum.

#include "PlanArgumentlisten.h"
#include "PlanParameter.h"

namespace lx {

extern const PlanParameter kPlan1211;

class LxSteuern1211 : public PlanModulListeA {
public:
    LxSteuern1211() : PlanModulListeA(kPlan1211) {}
};

}  // namespace lx
