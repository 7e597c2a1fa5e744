#pragma once
// The wage-tax flow plan of December 2024. The basic allowance, the child
// allowances, W1STKL5 and the tariff were raised for the whole year 2024 after
// it had begun: the plan runs the year with the values of the 2024 plan and
// with the new ones (kPlan1224), as every December plan does (Dezemberplan.h).

#include "Dezemberplan.h"
#include "LxSteuern2024.h"

namespace lx {

// The 2024 plan with the values that hold for the whole year from December on.
extern const PlanParameter kPlan1224;

class LxSteuern1224 : public Dezemberplan {
public:
    LxSteuern1224() : Dezemberplan(kPlan2024, kPlan1224) {}
};

}  // namespace lx
