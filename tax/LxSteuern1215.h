#pragma once
// The wage-tax flow plan of December 2015. The tariff, the child and
// single-parent allowances and W1STKL5 changed for the whole year 2015 in its
// last month: the plan runs the year with the values of the 2015 plan and with
// the new ones (kPlan1215), as every December plan does (Dezemberplan.h).

#include "Dezemberplan.h"
#include "LxSteuern2015.h"

namespace lx {

extern const PlanParameter kPlan1215;

class LxSteuern1215 : public Dezemberplan {
public:
    LxSteuern1215() : Dezemberplan(kPlan2015, kPlan1215) {}
};

}  // namespace lx
