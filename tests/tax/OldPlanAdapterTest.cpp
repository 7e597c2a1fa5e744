// The plans 2004 to 2007 as the engine sees them: through the registry and the
// common plan interface. Units at the interface, the church tax's split by
// confession, the 2005 special payment, the operations these plans lack, and
// tax class 0.

#include <gtest/gtest.h>

#include <string>

#include "LxSteuern2004.h"
#include "LxSteuern2005.h"
#include "OldPlanAdapter.h"
#include "PlanRegistry.h"

using namespace lx;

namespace {

const char* const kJahre[] = {"2004", "2005", "2006", "2007"};

LohnsteuerEingaben monat(Currency re4, int stkl = 1)
{
    LohnsteuerEingaben e;
    e.RE4 = re4;
    e.STKL = stkl;
    e.LZZ = 2;
    e.VJAHR = 2005;
    return e;
}

std::unique_ptr<LxSteuernPlan> plan(const std::string& name)
{
    auto p = createPlan(name);
    EXPECT_NE(p, nullptr) << name;
    return p;
}

struct Teile {
    Currency ev, rk;
};
Teile kirchensteuer(LxSteuernPlan& p, int bundesland, int konfession)
{
    return {p.KirchensteuerLzz(1, bundesland, konfession, 1, {}, {}),
            p.KirchensteuerLzz(1, bundesland, konfession, 0, {}, {})};
}

}  // namespace

TEST(OldPlanAdapter, RegisteredForTheirYears)
{
    PlanSatz plaene;
    for (int jahr = 2004; jahr <= 2007; ++jahr) {
        const std::string name = std::to_string(jahr);
        LxSteuernPlan* p = plaene.fuer(jahr, 1);
        ASSERT_NE(p, nullptr) << jahr;
        EXPECT_EQ(p->name(), name);
        EXPECT_EQ(plaene.fuer(jahr, 12), p) << "one module for the months of a plan";
        EXPECT_EQ(plaene.nachName(name), p);
        EXPECT_EQ(p->bietet(PlanOperation::LohnsteuerSonst), jahr == 2005) << jahr;
        EXPECT_FALSE(p->bietet(PlanOperation::LohnsteuerVmt)) << jahr;
        EXPECT_FALSE(p->bietet(PlanOperation::VmtBegrenzt)) << jahr;
        EXPECT_NE(createPlan(name).get(), p) << "a module with a state of its own";
    }
}

// LZZFREIB arrives in euros and reaches the plans in cents; the surcharge
// leaves in euros. 2004 worked by hand: ZRE4J 24000, ZTABFB 956, VSP 2001,
// X 21043, ST 3196; with 200 euros allowance ZRE4J 21600, ST 2528.
TEST(OldPlanAdapter, AllowanceInCentsAndSurchargeInEuros)
{
    struct Fall {
        Currency freibetrag;
        Currency lst, solz;
    };
    const Fall faelle[] = {
        {0_cur, 266.33_cur, 14.64_cur},
        {200_cur, 210.66_cur, 11.58_cur},
        {-200_cur, 324.50_cur, 17.84_cur},  // an addition amount
    };
    auto p = plan("2004");
    LxSteuern2004 modul;
    for (const auto& f : faelle) {
        LohnsteuerEingaben e = monat(2000_cur);
        e.LZZFREIB = f.freibetrag;
        EXPECT_EQ(p->LohnsteuerLzz(e), f.lst) << "allowance " << f.freibetrag;
        EXPECT_EQ(p->SolzLzz(), f.solz) << "allowance " << f.freibetrag;
        EXPECT_EQ(modul.LohnsteuerLzz(2, 0, 2000_cur, {}, f.freibetrag * 100, 0, 1, {}), f.lst);
        EXPECT_EQ(modul.SolzLzz(), f.solz * 100) << "the module counts the surcharge in cents";
    }
}

// Every input of a plan's argument list reaches its place: the adapter gives
// what the module gives when called directly.
TEST(OldPlanAdapter, InputsReachTheModulesArguments)
{
    LohnsteuerEingaben e;
    e.LZZ = 3;
    e.ZMVB = 7;
    e.ALTER1 = 1;
    e.RE4 = 1500_cur;
    e.VBEZ = 100_cur;
    e.VBEZM = 300_cur;
    e.VBEZS = 500_cur;
    e.LZZFREIB = 35_cur;
    e.KRV = 1;
    e.STKL = 3;
    e.ZKF = 1.5_cur;

    auto p2004 = plan("2004");
    LxSteuern2004 m2004;
    const Currency lst2004 = m2004.LohnsteuerLzz(3, 1, 1500_cur, 100_cur, 3500_cur, 1, 3, 1.5_cur);
    ASSERT_GT(lst2004, 0_cur);
    EXPECT_EQ(p2004->LohnsteuerLzz(e), lst2004);
    EXPECT_EQ(p2004->SolzLzz() * 100, m2004.SolzLzz());

    auto p2005 = plan("2005");
    LxSteuern2005 m2005;
    const Currency lst2005 = m2005.LohnsteuerLzz(3, 7, 1, 1500_cur, 100_cur, 300_cur, 500_cur, 3500_cur, 1, 3, 1.5_cur);
    ASSERT_GT(lst2005, 0_cur);
    EXPECT_EQ(p2005->LohnsteuerLzz(e), lst2005);
    EXPECT_EQ(p2005->SolzLzz() * 100, m2005.SolzLzz());
    // The pension supplement counts the months only in a yearly calculation.
    e.LZZ = 1;
    e.RE4 = 30000_cur;
    e.VBEZ = 2600_cur;
    const Currency jahr = p2005->LohnsteuerLzz(e);
    EXPECT_EQ(jahr, m2005.LohnsteuerLzz(1, 7, 1, 30000_cur, 2600_cur, 300_cur, 500_cur, 3500_cur, 1, 3, 1.5_cur));
    e.ZMVB = 12;
    EXPECT_NE(p2005->LohnsteuerLzz(e), jahr) << "ZMVB reaches the plan";
}

TEST(OldPlanAdapter, TaxClassZeroGivesNothing)
{
    for (const char* name : kJahre) {
        auto p = plan(name);
        ASSERT_GT(p->LohnsteuerLzz(monat(5000_cur)), 0_cur) << name;
        ASSERT_GT(p->SolzLzz(), 0_cur) << name;
        p->LohnsteuerSonst(5000_cur, 65000_cur, {}, {});

        EXPECT_EQ(p->LohnsteuerLzz(monat(5000_cur, 0)), 0_cur) << name;
        EXPECT_EQ(p->SolzLzz(), 0_cur) << name;
        // Hamburg's minimum would give 0.30 to a liable employee with any tax class.
        for (int anteil : {1, 0}) {
            EXPECT_EQ(p->KirchensteuerLzz(1, 7, 1, anteil, {}, {}), 0_cur) << name;
            EXPECT_EQ(p->KirchensteuerSonst(1, 7, 1, anteil, 0, {}, {}), 0_cur) << name;
        }
        EXPECT_EQ(p->LohnsteuerSonst(5000_cur, 65000_cur, {}, {}), 0_cur) << name;
        EXPECT_EQ(p->SolzSonst(), 0_cur) << name;
    }
}

// 2006, a month's wage of 3000.00 in tax class 1: wage tax 557.08, the church
// tax's base 55708 cents. Bavaria 8 %: 44.56, of which 30 % Protestant;
// North Rhine-Westphalia 9 %: 50.13, shared half and half.
TEST(OldPlanAdapter, ChurchTaxByConfession)
{
    struct Fall {
        int bundesland;
        int konfession;
        Currency ev, rk;
    };
    const Fall faelle[] = {
        {2, 0, 44.56_cur, 0_cur},      {2, 1, 0_cur, 44.56_cur},     {2, 2, 44.56_cur, 0_cur},  // Bavaria: own church
        {2, 3, 0_cur, 44.56_cur},      {12, 0, 50.13_cur, 0_cur},    {12, 2, 25.07_cur, 25.06_cur},
        {15, 3, 25.07_cur, 25.06_cur}, {0, 2, 25.07_cur, 25.06_cur},  // no area: 9 %, half and half
    };
    auto p = plan("2006");
    ASSERT_EQ(p->LohnsteuerLzz(monat(3000_cur)), 557.08_cur);
    for (const auto& f : faelle) {
        const Teile t = kirchensteuer(*p, f.bundesland, f.konfession);
        EXPECT_EQ(t.ev, f.ev) << "area " << f.bundesland << " Konfession " << f.konfession;
        EXPECT_EQ(t.rk, f.rk) << "area " << f.bundesland << " Konfession " << f.konfession;
    }
    EXPECT_EQ(p->KirchensteuerLzz(0, 12, 0, 1, {}, {}), 0_cur) << "not liable";
}

// The minimums come before the split, each only with wage tax: Saxony's (not
// for a Catholic employee alone), Hamburg's, and the 0.30 that these years
// have in Baden-Württemberg and Lower Saxony; twelve times for a year. A wage
// of 900.00 a month has a wage tax of 0.16, of 10800.00 a year one of 2.00.
TEST(OldPlanAdapter, ChurchTaxMinimumsAreSplitToo)
{
    struct Fall {
        int lzz;
        Currency re4;
        int bundesland;
        int konfession;
        Currency ev, rk;
    };
    const Fall faelle[] = {
        {2, 900_cur, 15, 2, 0.15_cur, 0.15_cur},  // 0.01 raised to 0.30, half each
        {2, 900_cur, 15, 0, 0.30_cur, 0_cur},     {2, 900_cur, 15, 1, 0_cur, 0.01_cur},
        {2, 500_cur, 15, 2, 0_cur, 0_cur},  // no wage tax, no minimum
        {2, 900_cur, 7, 1, 0_cur, 0.30_cur},      {2, 900_cur, 7, 2, 0.15_cur, 0.15_cur},
        {1, 10800_cur, 7, 2, 1.80_cur, 1.80_cur}, {2, 900_cur, 1, 2, 0.15_cur, 0.15_cur},
        {2, 900_cur, 10, 0, 0.30_cur, 0_cur},     {1, 10800_cur, 10, 3, 0_cur, 3.60_cur},
        {2, 500_cur, 7, 1, 0_cur, 0_cur},         {2, 500_cur, 1, 2, 0_cur, 0_cur},
        {1, 6000_cur, 10, 3, 0_cur, 0_cur},
    };
    for (const char* name : {"2005", "2006"}) {
        auto p = plan(name);
        for (const auto& f : faelle) {
            LohnsteuerEingaben e = monat(f.re4);
            e.LZZ = f.lzz;
            p->LohnsteuerLzz(e);
            const Teile t = kirchensteuer(*p, f.bundesland, f.konfession);
            EXPECT_EQ(t.ev, f.ev) << name << " RE4 " << f.re4 << " area " << f.bundesland << " Konfession "
                                  << f.konfession;
            EXPECT_EQ(t.rk, f.rk) << name << " RE4 " << f.re4 << " area " << f.bundesland << " Konfession "
                                  << f.konfession;
        }
    }
}

// 2005, a month's wage of 3000.00 and a special payment of 5000.00 with an
// annual wage of 36000.00, which the plan takes with the current month as
// 39000.00; worked by hand: annual tax 7747 without and 9531 with the payment.
TEST(OldPlanAdapter, SpecialPayment2005)
{
    auto p = plan("2005");
    ASSERT_EQ(p->LohnsteuerLzz(monat(3000_cur)), 561.00_cur);
    EXPECT_EQ(p->LohnsteuerSonst(5000_cur, 36000_cur, {}, {}), 1784_cur);
    EXPECT_EQ(p->SolzSonst(), 98.12_cur);
    EXPECT_EQ(p->KirchensteuerSonst(1, 12, 0, 1, 0, {}, {}), 160.56_cur);
    EXPECT_EQ(p->KirchensteuerSonst(1, 12, 0, 0, 0, {}, {}), 0_cur);
    EXPECT_EQ(p->KirchensteuerSonst(1, 12, 3, 1, 0, {}, {}), 80.28_cur);
    EXPECT_EQ(p->KirchensteuerSonst(1, 12, 3, 0, 0, {}, {}), 80.28_cur);
    EXPECT_EQ(p->KirchensteuerSonst(1, 12, 0, 1, 1, {}, {}), 0_cur) << "no multi-year pay in this plan";
    EXPECT_EQ(p->KirchensteuerSonst(0, 12, 0, 1, 0, {}, {}), 0_cur) << "not liable";
    EXPECT_EQ(p->SolzLzz(), 30.85_cur) << "the period's surcharge stays";

    // ALTER1 and the annual allowance of the entry reach the one-off payment.
    LohnsteuerEingaben alt = monat(3000_cur);
    alt.ALTER1 = 1;
    p->LohnsteuerLzz(alt);
    EXPECT_EQ(p->LohnsteuerSonst(5000_cur, 36000_cur, {}, {}), 1741_cur);
    LohnsteuerEingaben freibetrag = monat(3000_cur);
    freibetrag.FBJahr = 3000_cur;
    p->LohnsteuerLzz(freibetrag);
    EXPECT_EQ(p->LohnsteuerSonst(5000_cur, 36000_cur, {}, {}), 1715_cur);

    EXPECT_EQ(p->LohnsteuerSonst(0_cur, 36000_cur, {}, {}), 0_cur);
    EXPECT_EQ(p->SolzSonst(), 0_cur);
}

// What a plan lacks gives 0 and leaves the calculation as it was.
TEST(OldPlanAdapter, MissingOperationsGiveZero)
{
    for (const char* name : kJahre) {
        auto p = plan(name);
        LohnsteuerEingaben e = monat(4000_cur);
        e.VMT = 10000_cur;
        const Currency lst = p->LohnsteuerLzz(e);
        const Currency solz = p->SolzLzz();
        const Teile kist = kirchensteuer(*p, 7, 0);
        if (std::string(name) != "2005") {
            EXPECT_EQ(p->LohnsteuerSonst(5000_cur, 48000_cur, {}, {}), 0_cur) << name;
            EXPECT_EQ(p->SolzSonst(), 0_cur) << name;
            EXPECT_EQ(p->KirchensteuerSonst(1, 7, 0, 1, 0, {}, {}), 0_cur) << name << ": not even Hamburg's minimum";
        }
        EXPECT_EQ(p->LohnsteuerVmt(5000_cur, 48000_cur), 0_cur) << name;
        EXPECT_EQ(p->SolzVmt(), 0_cur) << name;
        EXPECT_EQ(p->KirchensteuerSonst(1, 7, 0, 1, 1, {}, {}), 0_cur) << name;
        EXPECT_EQ(p->VmtBegrenzt(), 0) << name;
        EXPECT_EQ(p->SolzLzz(), solz) << name;
        const Teile danach = kirchensteuer(*p, 7, 0);
        EXPECT_EQ(danach.ev, kist.ev) << name;
        EXPECT_GT(lst, 0_cur) << name;
    }
}
