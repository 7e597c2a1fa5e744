#include "PlanRegistry.h"

#include <array>
#include <string>

#include "LxSteuern0723.h"
#include "LxSteuern1211.h"
#include "LxSteuern1215.h"
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

using Erzeuger = std::unique_ptr<LxSteuernPlan> (*)();

// A plan with a class of its own, or a plan that is just its table.
template <class Modul>
std::unique_ptr<LxSteuernPlan> erzeuge()
{
    return std::make_unique<Modul>();
}
template <const PlanParameter& Tabelle>
std::unique_ptr<LxSteuernPlan> erzeugeAus()
{
    return std::make_unique<PlanModul>(Tabelle);
}

struct PlanEintrag {
    std::string_view name;
    Erzeuger erzeugen;  // nullptr: not built yet
};

// Every plan in calendar order. A new plan replaces its nullptr here.
// clang-format off
constexpr std::array kPlaene = {
    PlanEintrag{"2004", erzeuge<OldPlanAdapter<LxSteuern2004>>},
    PlanEintrag{"2005", erzeuge<OldPlanAdapter<LxSteuern2005>>},
    PlanEintrag{"2006", erzeuge<OldPlanAdapter<LxSteuern2006>>},
    PlanEintrag{"2007", erzeuge<OldPlanAdapter<LxSteuern2007>>},
    PlanEintrag{"2008", erzeuge<LxSteuern2008>},
    PlanEintrag{"2009", erzeuge<LxSteuern2009>},
    PlanEintrag{"2010", erzeuge<LxSteuern2010>},
    PlanEintrag{"2011", erzeuge<LxSteuern2011>},
    PlanEintrag{"1211", erzeuge<LxSteuern1211>},
    PlanEintrag{"2012", erzeuge<LxSteuern2012>},
    PlanEintrag{"2013", erzeuge<LxSteuern2013>},
    PlanEintrag{"2014", erzeuge<LxSteuern2014>},
    PlanEintrag{"2015", erzeuge<LxSteuern2015>},
    PlanEintrag{"1215", erzeuge<LxSteuern1215>},
    PlanEintrag{"2016", erzeuge<LxSteuern2016>},
    PlanEintrag{"2017", erzeuge<LxSteuern2017>},
    PlanEintrag{"2018", erzeuge<LxSteuern2018>},
    PlanEintrag{"2019", erzeuge<LxSteuern2019>},
    PlanEintrag{"2020", erzeuge<LxSteuern2020>},
    PlanEintrag{"2021", erzeuge<LxSteuern2021>},
    PlanEintrag{"2022", erzeuge<LxSteuern2022>},
    PlanEintrag{"2023", erzeuge<LxSteuern2023>},
    PlanEintrag{"0723", erzeuge<LxSteuern0723>},
    PlanEintrag{"2024", erzeuge<LxSteuern2024>},
};
// clang-format on

constexpr std::array<std::string_view, kPlaene.size()> namenListe()
{
    std::array<std::string_view, kPlaene.size()> namen{};
    for (std::size_t i = 0; i < kPlaene.size(); ++i) namen[i] = kPlaene[i].name;
    return namen;
}
constexpr auto kNamen = namenListe();

int eintragIndex(std::string_view name)
{
    for (std::size_t i = 0; i < kPlaene.size(); ++i) {
        if (kPlaene[i].name == name) return int(i);
    }
    return -1;
}

}  // namespace

std::string_view planName(int year, int month)
{
    if (year == 2011 && month == 12) return "1211";
    if (year == 2015 && month == 12) return "1215";
    if (year == 2023 && month >= 7) return "0723";
    if (year < 2004 || year > 2024) return {};
    return kNamen[std::size_t(eintragIndex(std::to_string(year)))];
}

LxSteuernPlan* planFor(int year, int month)
{
    // The engine asks once per computation: remember each month's module
    // instead of searching the names every time.
    constexpr int kErstesJahr = 2004;
    constexpr int kLetztesJahr = 2024;
    static std::array<LxSteuernPlan*, (kLetztesJahr - kErstesJahr + 1) * 12> proMonat{};
    if (year < kErstesJahr || year > kLetztesJahr || month < 1 || month > 12) return planByName(planName(year, month));
    LxSteuernPlan*& plan = proMonat[std::size_t((year - kErstesJahr) * 12 + month - 1)];
    if (plan == nullptr) plan = planByName(planName(year, month));
    return plan;
}

LxSteuernPlan* planByName(std::string_view name)
{
    // One module object per plan for the program run, made when first asked for.
    static std::array<std::unique_ptr<LxSteuernPlan>, kPlaene.size()> module;
    const int i = eintragIndex(name);
    if (i < 0 || kPlaene[std::size_t(i)].erzeugen == nullptr) return nullptr;
    auto& modul = module[std::size_t(i)];
    if (!modul) modul = kPlaene[std::size_t(i)].erzeugen();
    return modul.get();
}

std::unique_ptr<LxSteuernPlan> createPlan(std::string_view name)
{
    const int i = eintragIndex(name);
    if (i < 0 || kPlaene[std::size_t(i)].erzeugen == nullptr) return nullptr;
    return kPlaene[std::size_t(i)].erzeugen();
}

std::span<const std::string_view> allPlanNames()
{
    return kNamen;
}

}  // namespace lx
