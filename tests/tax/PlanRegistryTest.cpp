#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "PlanRegistry.h"

using namespace lx;

TEST(PlanRegistry, PlanOfAPayMonth)
{
    struct Fall {
        int jahr;
        int monat;
        const char* plan;
    };
    const Fall faelle[] = {
        {2004, 1, "2004"}, {2010, 12, "2010"}, {2011, 11, "2011"}, {2011, 12, "1211"}, {2012, 12, "2012"},
        {2015, 1, "2015"}, {2015, 11, "2015"}, {2015, 12, "1215"}, {2023, 1, "2023"},  {2023, 6, "2023"},
        {2023, 7, "0723"}, {2023, 12, "0723"}, {2024, 1, "2024"},  {2024, 11, "2024"}, {2024, 12, "1224"},
        {2024, 0, "2024"}, {2024, 13, "1224"}, {2003, 12, ""},     {2025, 1, ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(planName(f.jahr, f.monat), f.plan) << f.jahr << "-" << f.monat;
    EXPECT_EQ(allPlanNames().size(), 25u);
    EXPECT_EQ(allPlanNames().back(), "1224");
}

TEST(PlanRegistry, EveryOwnerHasAModuleOfItsOwn)
{
    PlanSatz a;
    LxSteuernPlan* plan = a.fuer(2024, 3);
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(plan->name(), "2024");
    EXPECT_EQ(a.fuer(2024, 11), plan) << "the same plan keeps its module";
    EXPECT_EQ(a.nachName("2024"), plan);
    EXPECT_TRUE(plan->bietet(PlanOperation::LohnsteuerSonst));
    EXPECT_TRUE(plan->bietet(PlanOperation::LohnsteuerVmt));
    EXPECT_TRUE(plan->bietet(PlanOperation::VmtBegrenzt));

    PlanSatz b;
    EXPECT_NE(b.fuer(2024, 3), plan) << "another owner";
    PlanSatz kopie(a);
    EXPECT_NE(kopie.fuer(2024, 3), plan) << "a copy";
    a = b;
    EXPECT_EQ(a.fuer(2024, 3), plan) << "assigning keeps the module";
    EXPECT_NE(createPlan("2024").get(), plan);

    // Every plan fits the owner's room, and a month of another plan replaces the module.
    for (std::string_view name : allPlanNames()) {
        LxSteuernPlan* m = a.nachName(name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_EQ(m->name(), name);
    }
    ASSERT_NE(a.fuer(2024, 12), nullptr);
    EXPECT_EQ(a.fuer(2024, 12)->name(), "1224");
    EXPECT_EQ(a.fuer(2015, 12)->name(), "1215");
    EXPECT_EQ(a.fuer(2025, 1), nullptr);
    EXPECT_EQ(a.nachName("1999"), nullptr);
    EXPECT_EQ(a.fuer(2023, 7)->name(), "0723") << "still usable after asking for a year without a plan";
    EXPECT_EQ(createPlan(""), nullptr);
}

// Two owners calculating step by step in turn - one's entry between the
// other's entry and its follow-up operations - get what each gets alone.
TEST(PlanRegistry, TwoOwnersInTurnGetWhatEachGetsAlone)
{
    struct Lauf {
        LohnsteuerEingaben e;
        Currency sonstb, jre4;
        std::vector<Currency> r;

        std::vector<std::function<Currency(LxSteuernPlan&)>> schritte()
        {
            return {
                [this](LxSteuernPlan& p) { return p.LohnsteuerLzz(e); },
                [](LxSteuernPlan& p) { return p.SolzLzz(); },
                [](LxSteuernPlan& p) { return p.KirchensteuerLzz(1, 7, 2, 1, 0_cur, 0_cur); },
                [](LxSteuernPlan& p) { return p.KirchensteuerLzz(1, 7, 2, 0, 0_cur, 0_cur); },
                [this](LxSteuernPlan& p) { return p.LohnsteuerSonst(sonstb, jre4, 0_cur, 0_cur); },
                [](LxSteuernPlan& p) { return p.SolzSonst(); },
                [](LxSteuernPlan& p) { return p.KirchensteuerSonst(1, 7, 2, 1, 0, 0_cur, 0_cur); },
                [this](LxSteuernPlan& p) { return p.LohnsteuerVmt(sonstb, jre4); },
                [](LxSteuernPlan& p) { return p.SolzVmt(); },
                [](LxSteuernPlan& p) { return p.KirchensteuerSonst(1, 7, 2, 0, 1, 0_cur, 0_cur); },
                [](LxSteuernPlan& p) { return Currency::fromUnits(p.VmtBegrenzt()); },
            };
        }
    };
    auto lauf = [](Currency re4, int stkl, int lzz, Currency vmt, Currency sonstb, Currency jre4) {
        Lauf l;
        l.e.RE4 = re4;
        l.e.STKL = stkl;
        l.e.LZZ = lzz;
        l.e.KVZ = 1.70_cur;
        l.e.VMT = vmt;
        l.sonstb = sonstb;
        l.jre4 = jre4;
        return l;
    };
    struct Paar {
        int jahr, monat;
        Lauf a, b;
    };
    std::vector<Paar> paare = {
        {2024, 12, lauf(3000_cur, 1, 2, 0_cur, 0_cur, 0_cur), lauf(5000_cur, 3, 2, 0_cur, 0_cur, 0_cur)},
        {2024, 12, lauf(4200_cur, 1, 2, 9000_cur, 2500_cur, 50400_cur), lauf(900_cur, 5, 3, 0_cur, 0_cur, 0_cur)},
        {2015, 12, lauf(1450_cur, 1, 2, 0_cur, 0_cur, 0_cur), lauf(6000_cur, 2, 2, 12000_cur, 4000_cur, 72000_cur)},
        {2019, 5, lauf(2000_cur, 1, 2, 30000_cur, 0_cur, 18000_cur), lauf(8000_cur, 4, 2, 0_cur, 1000_cur, 96000_cur)},
    };
    for (auto& [jahr, monat, a, b] : paare) {
        for (Lauf* l : {&a, &b}) {
            PlanSatz allein;
            for (auto& schritt : l->schritte()) l->r.push_back(schritt(*allein.fuer(jahr, monat)));
        }
        ASSERT_NE(a.r, b.r) << jahr << "/" << monat << ": two calculations that differ";

        PlanSatz satzA;
        PlanSatz satzB;
        std::vector<Currency> ra, rb;
        auto schritteA = a.schritte();
        auto schritteB = b.schritte();
        for (std::size_t i = 0; i < schritteA.size(); ++i) {
            ra.push_back(schritteA[i](*satzA.fuer(jahr, monat)));
            rb.push_back(schritteB[i](*satzB.fuer(jahr, monat)));
        }
        EXPECT_EQ(ra, a.r) << jahr << "/" << monat;
        EXPECT_EQ(rb, b.r) << jahr << "/" << monat;
    }
}
