#pragma once
// Wage-tax plan 2007: the argument list of 2006 (LxSteuern2006.h).

#include "LxSteuern2006.h"

namespace lx {

using LxSteuern2007 = OldPlanModul2006<kRules2007>;

}  // namespace lx
