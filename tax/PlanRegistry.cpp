#include "PlanRegistry.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <new>

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
constexpr Bauplan bauplan{erzeuge<Modul>, baue<Modul>};

struct PlanEintrag {
    std::string_view name;
    int jahr;
    int vonMonat, bisMonat;  // the pay months of the year that the plan serves
    const Bauplan* modul;    // nullptr: not built yet
};

// Every plan in calendar order. A new plan replaces its nullptr here.
// clang-format off
constexpr std::array<PlanEintrag, kPlanAnzahl> kPlaene = {{
    {"2004", 2004, 1, 12, &bauplan<OldPlanAdapter<LxSteuern2004>>},
    {"2005", 2005, 1, 12, &bauplan<OldPlanAdapter<LxSteuern2005>>},
    {"2006", 2006, 1, 12, &bauplan<OldPlanAdapter<LxSteuern2006>>},
    {"2007", 2007, 1, 12, &bauplan<OldPlanAdapter<LxSteuern2007>>},
    {"2008", 2008, 1, 12, &bauplan<LxSteuern2008>},
    {"2009", 2009, 1, 12, &bauplan<LxSteuern2009>},
    {"2010", 2010, 1, 12, &bauplan<LxSteuern2010>},
    {"2011", 2011, 1, 11, &bauplan<LxSteuern2011>},
    {"1211", 2011, 12, 12, &bauplan<LxSteuern1211>},
    {"2012", 2012, 1, 12, &bauplan<LxSteuern2012>},
    {"2013", 2013, 1, 12, &bauplan<LxSteuern2013>},
    {"2014", 2014, 1, 12, &bauplan<LxSteuern2014>},
    {"2015", 2015, 1, 11, &bauplan<LxSteuern2015>},
    {"1215", 2015, 12, 12, &bauplan<LxSteuern1215>},
    {"2016", 2016, 1, 12, &bauplan<LxSteuern2016>},
    {"2017", 2017, 1, 12, &bauplan<LxSteuern2017>},
    {"2018", 2018, 1, 12, &bauplan<LxSteuern2018>},
    {"2019", 2019, 1, 12, &bauplan<LxSteuern2019>},
    {"2020", 2020, 1, 12, &bauplan<LxSteuern2020>},
    {"2021", 2021, 1, 12, &bauplan<LxSteuern2021>},
    {"2022", 2022, 1, 12, &bauplan<LxSteuern2022>},
    {"2023", 2023, 1, 6, &bauplan<LxSteuern2023>},
    {"0723", 2023, 7, 12, &bauplan<LxSteuern0723>},
    {"2024", 2024, 1, 11, &bauplan<LxSteuern2024>},
    {"1224", 2024, 12, 12, &bauplan<LxSteuern1224>},
}};
// clang-format on

constexpr int kErstesJahr = kPlaene.front().jahr;
constexpr int kLetztesJahr = kPlaene.back().jahr;

// The plan of every pay month of the years with plans, worked out once by the
// compiler: the engine asks for it at every computation.
constexpr auto kPlanDesMonats = [] {
    std::array<std::int8_t, std::size_t(kLetztesJahr - kErstesJahr + 1) * 12> t{};
    for (auto& i : t) i = -1;
    for (std::size_t i = 0; i < kPlaene.size(); ++i) {
        const PlanEintrag& p = kPlaene[i];
        for (int m = p.vonMonat; m <= p.bisMonat; ++m) t[std::size_t((p.jahr - kErstesJahr) * 12 + m - 1)] = std::int8_t(i);
    }
    return t;
}();
static_assert(std::ranges::none_of(kPlanDesMonats, [](std::int8_t i) { return i < 0; }),
              "every month of the years with plans has one");

constexpr auto kNamen = [] {
    std::array<std::string_view, kPlaene.size()> namen{};
    for (std::size_t i = 0; i < kPlaene.size(); ++i) namen[i] = kPlaene[i].name;
    return namen;
}();

int indexFuer(int year, int month)
{
    if (year < kErstesJahr || year > kLetztesJahr) return -1;
    const int m = std::clamp(month, 1, 12);
    return kPlanDesMonats[std::size_t((year - kErstesJahr) * 12 + m - 1)];
}

int indexVon(std::string_view name)
{
    const auto* it = std::ranges::find(kNamen, name);
    return it == kNamen.end() ? -1 : int(it - kNamen.begin());
}

const Bauplan* bauplanVon(int index)
{
    return index < 0 ? nullptr : kPlaene[std::size_t(index)].modul;
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
