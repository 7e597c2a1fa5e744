#pragma once
// Which flow-plan module serves a pay month, and the modules themselves.
//
// December 2011, December 2015 and December 2024 have plans of their own
// ("1211", "1215", "1224"), and so has July to December 2023 ("0723"); every
// other month of 2004 to 2024 uses the plan of its year.
//
// A module keeps its state from the calculation entry to the follow-up
// operations, so whoever calculates owns the module it calls: a PlanSatz holds
// the module of its owner (each engine has its own), and createPlan() makes a
// single module. Nothing here is shared between owners.

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

#include "LxSteuernPlan.h"

namespace lx {

// Number of plans, built or not ("2004" ... "2024" and the four plans of part of a year).
inline constexpr std::size_t kPlanAnzahl = 25;

// The plan's name for a pay month ("2024", "1211", ...); empty for a year
// without a plan. A month outside 1..12 counts as the nearest month.
std::string_view planName(int year, int month);

// A new module of a named plan with its own state, nullptr when there is none (yet).
std::unique_ptr<LxSteuernPlan> createPlan(std::string_view name);

// Every plan name, built or not, in calendar order.
std::span<const std::string_view> allPlanNames();

// The module of one owner, kept in place: the module of the plan last asked
// for. Asking for a month of another plan replaces it (a module's state lasts
// only from one entry to its follow-up operations), so a pointer it gave stays
// valid until then. Each engine has one; nothing in it is shared.
class PlanSatz {
public:
    PlanSatz() noexcept = default;
    ~PlanSatz();
    // A copy starts without a module; assigning keeps the module one has.
    PlanSatz(const PlanSatz&) noexcept {}
    PlanSatz& operator=(const PlanSatz&) noexcept { return *this; }

    // The module for a pay month, nullptr when the year has none.
    LxSteuernPlan* fuer(int year, int month);
    // The module of a named plan, nullptr when there is none (yet).
    LxSteuernPlan* nachName(std::string_view name);

    // Room for the largest module (checked where the modules are listed).
    static constexpr std::size_t kPlatz = 704;
    static constexpr std::size_t kAusrichtung = alignof(std::max_align_t);

private:
    LxSteuernPlan* modul(int index);

    int index_ = -1;
    LxSteuernPlan* modul_ = nullptr;
    alignas(kAusrichtung) std::byte platz_[kPlatz];
};

}  // namespace lx
