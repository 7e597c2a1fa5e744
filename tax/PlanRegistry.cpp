#include "PlanRegistry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>
#include <ranges>

#include "LxSteuern0723.h"
#include "LxSteuern1211.h"
#include "LxSteuern1215.h"
#include "LxSteuern1224.h"
#include "LxSteuern2008.h"
#include "LxSteuern2009.h"
#include "LxSteuern2010.h"
#include "LxSteuern2011.h"
#include "LxSteuern2012.h"
#include "LxSteuern2013.h"
#include "LxSteuern2014.h"
#include "LxSteuern2015.h"
#include "LxSteuern2016.h"
#include "LxSteuern2017.h"
#include "LxSteuern2018.h"
#include "LxSteuern2019.h"
#include "LxSteuern2020.h"
#include "LxSteuern2021.h"
#include "LxSteuern2022.h"
#include "LxSteuern2023.h"
#include "LxSteuern2024.h"
#include "OldPlanAdapter.h"

namespace lx {

namespace {

// How a plan's module is made: on its own, or in an owner's room.
struct Bauplan {
    std::string_view name;
    std::unique_ptr<LxSteuernPlan> (*erzeugen)();
    LxSteuernPlan* (*bauen)(void* ort);
};

template <class Modul>
std::unique_ptr<LxSteuernPlan> erzeuge()
{
    return std::make_unique<Modul>();
}
template <class Modul>
LxSteuernPlan* baue(void* ort)
{
    static_assert(sizeof(Modul) <= PlanSatz::kPlatz && alignof(Modul) <= PlanSatz::kAusrichtung,
                  "PlanSatz::kPlatz must hold every module");
    return ::new (ort) Modul();
}
template <class Modul>
constexpr Bauplan bauplan{Modul::kName, erzeuge<Modul>, baue<Modul>};

// The module of every plan of kPlanKalender, in its order.
constexpr std::array<const Bauplan*, kPlanKalender.size()> kModule = {
    &bauplan<OldPlanAdapter<LxSteuern2004>>,
    &bauplan<OldPlanAdapter<LxSteuern2005>>,
    &bauplan<OldPlanAdapter<LxSteuern2006>>,
    &bauplan<OldPlanAdapter<LxSteuern2007>>,
    &bauplan<LxSteuern2008>,
    &bauplan<LxSteuern2009>,
    &bauplan<LxSteuern2010>,
    &bauplan<LxSteuern2011>,
    &bauplan<LxSteuern1211>,
    &bauplan<LxSteuern2012>,
    &bauplan<LxSteuern2013>,
    &bauplan<LxSteuern2014>,
    &bauplan<LxSteuern2015>,
    &bauplan<LxSteuern1215>,
    &bauplan<LxSteuern2016>,
    &bauplan<LxSteuern2017>,
    &bauplan<LxSteuern2018>,
    &bauplan<LxSteuern2019>,
    &bauplan<LxSteuern2020>,
    &bauplan<LxSteuern2021>,
    &bauplan<LxSteuern2022>,
    &bauplan<LxSteuern2023>,
    &bauplan<LxSteuern0723>,
    &bauplan<LxSteuern2024>,
    &bauplan<LxSteuern1224>,
};
static_assert(std::ranges::equal(kModule, kPlanKalender, {}, &Bauplan::name, &PlanZeitraum::name),
              "every plan of the calendar has its module, in the same order");

// The plan of every pay month of the years with plans, worked out once by the
// compiler: the engine asks for it at every computation.
constexpr auto kPlanDesMonats = [] {
    std::array<std::int8_t, std::size_t(kLetztesPlanJahr - kErstesPlanJahr + 1) * 12> t{};
    for (auto& i : t) i = -1;
    for (std::size_t i = 0; i < kPlanKalender.size(); ++i) {
        const PlanZeitraum& p = kPlanKalender[i];
        for (int m = p.vonMonat; m <= p.bisMonat; ++m)
            t[std::size_t((p.jahr - kErstesPlanJahr) * 12 + m - 1)] = std::int8_t(i);
    }
    return t;
}();
static_assert(std::ranges::none_of(kPlanDesMonats, [](std::int8_t i) { return i < 0; }),
              "every month of the years with plans has one");

constexpr auto kNamen = [] {
    std::array<std::string_view, kPlanKalender.size()> namen{};
    // A plain loop: clang 14 cannot take views over libstdc++ 12's arrays.
    for (std::size_t i = 0; i < namen.size(); ++i) namen[i] = kPlanKalender[i].name;
    return namen;
}();

int indexFuer(int year, int month)
{
    if (year < kErstesPlanJahr || year > kLetztesPlanJahr) return -1;
    const int m = std::clamp(month, 1, 12);
    return kPlanDesMonats[std::size_t((year - kErstesPlanJahr) * 12 + m - 1)];
}

int indexVon(std::string_view name)
{
    const auto* it = std::ranges::find(kNamen, name);
    return it == kNamen.end() ? -1 : int(it - kNamen.begin());
}

const Bauplan* bauplanVon(int index)
{
    return index < 0 ? nullptr : kModule[std::size_t(index)];
}

}  // namespace

std::string_view planName(int year, int month)
{
    const int i = indexFuer(year, month);
    return i < 0 ? std::string_view{} : kNamen[std::size_t(i)];
}

std::unique_ptr<LxSteuernPlan> createPlan(std::string_view name)
{
    const Bauplan* b = bauplanVon(indexVon(name));
    return b == nullptr ? nullptr : b->erzeugen();
}

std::span<const std::string_view> allPlanNames()
{
    return kNamen;
}

PlanSatz::~PlanSatz()
{
    if (modul_ != nullptr) modul_->~LxSteuernPlan();
}

LxSteuernPlan* PlanSatz::fuer(int year, int month)
{
    return modul(indexFuer(year, month));
}

LxSteuernPlan* PlanSatz::nachName(std::string_view name)
{
    return modul(indexVon(name));
}

LxSteuernPlan* PlanSatz::modul(int index)
{
    if (index == index_) return modul_;
    const Bauplan* b = bauplanVon(index);
    if (b == nullptr) return nullptr;
    if (modul_ != nullptr) {
        modul_->~LxSteuernPlan();
        modul_ = nullptr;
        index_ = -1;
    }
    modul_ = b->bauen(platz_);
    index_ = index;
    return modul_;
}

}  // namespace lx
