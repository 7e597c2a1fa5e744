#pragma once
// Which flow plan serves a pay month, and the plans' modules.
//
// kPlanKalender is the one list of the plans and the pay months each serves:
// the years that can be calculated are the years it covers.
//
// A module keeps its state from the calculation entry to the follow-up
// operations, so whoever calculates owns the module it calls: a PlanSatz holds
// the module of its owner (each engine has its own), and createPlan() makes a
// single module. Nothing here is shared between owners.

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

#include "LxSteuernPlan.h"

namespace lx {

// A plan and the pay months of its year that it serves.
struct PlanZeitraum {
    std::string_view name;
    int jahr;
    int vonMonat, bisMonat;
};

// Every plan in calendar order; together they serve every month of their
// years. A plan of part of a year is named by the month and year it begins
// ("1211": December 2011). A new plan adds its line here and its module in
// PlanRegistry.cpp.
// clang-format off
inline constexpr auto kPlanKalender = std::to_array<PlanZeitraum>({
    {"2004", 2004, 1, 12},
    {"2005", 2005, 1, 12},
    {"2006", 2006, 1, 12},
    {"2007", 2007, 1, 12},
    {"2008", 2008, 1, 12},
    {"2009", 2009, 1, 12},
    {"2010", 2010, 1, 12},
    {"2011", 2011, 1, 11},
    {"1211", 2011, 12, 12},
    {"2012", 2012, 1, 12},
    {"2013", 2013, 1, 12},
    {"2014", 2014, 1, 12},
    {"2015", 2015, 1, 11},
    {"1215", 2015, 12, 12},
    {"2016", 2016, 1, 12},
    {"2017", 2017, 1, 12},
    {"2018", 2018, 1, 12},
    {"2019", 2019, 1, 12},
    {"2020", 2020, 1, 12},
    {"2021", 2021, 1, 12},
    {"2022", 2022, 1, 12},
    {"2023", 2023, 1, 6},
    {"0723", 2023, 7, 12},
    {"2024", 2024, 1, 11},
    {"1224", 2024, 12, 12},
});
// clang-format on

// The first and the last year with a plan.
inline constexpr int kErstesPlanJahr = kPlanKalender.front().jahr;
inline constexpr int kLetztesPlanJahr = kPlanKalender.back().jahr;

// The plan's name for a pay month ("2024", "1211", ...); empty for a year
// without a plan. A month outside 1..12 counts as the nearest month.
std::string_view planName(int year, int month);

// A new module of a named plan with its own state, nullptr when there is none.
std::unique_ptr<LxSteuernPlan> createPlan(std::string_view name);

// Every plan name in calendar order.
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
    // The module of a named plan, nullptr when there is none.
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
