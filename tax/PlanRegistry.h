#pragma once
// Which flow-plan module serves a pay month, and the modules themselves.
//
// December 2011 and December 2015 have plans of their own ("1211", "1215"),
// and so has July to December 2023 ("0723"); every other month of 2004 to 2024
// uses the plan of its year. The registry keeps one module object per plan for
// the whole program run (its state lives between the entry and the follow-up
// operations); createPlan() gives a separate object with a state of its own.
// A plan that is named but not built yet yields nullptr, like a year without a plan.

#include <memory>
#include <span>
#include <string_view>

#include "LxSteuernPlan.h"

namespace lx {

// The plan's name for a pay month ("2024", "1211", ...); empty for a year without a plan.
std::string_view planName(int year, int month);

// The program's module for a pay month, nullptr when there is none (yet).
LxSteuernPlan* planFor(int year, int month);

// The program's module of a named plan, nullptr when there is none (yet).
LxSteuernPlan* planByName(std::string_view name);

// A new module of a named plan with its own state, nullptr when there is none (yet).
std::unique_ptr<LxSteuernPlan> createPlan(std::string_view name);

// Every plan name, built or not, in calendar order.
std::span<const std::string_view> allPlanNames();

}  // namespace lx
