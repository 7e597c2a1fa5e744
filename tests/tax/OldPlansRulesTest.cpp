// The plans 2004 to 2007 where no official rows exist (2004, 2005) or where
// the years differ: allowances, annualising, rounding habits, tariff zones,
// surcharge, special payment, church tax and the tax class 0 of a mini-job.

#include <gtest/gtest.h>

#include "LxSteuern2004.h"
#include "LxSteuern2005.h"
#include "LxSteuern2006.h"
#include "LxSteuern2007.h"
#include "OldPlan.h"
#include "OldPlanTables.h"

using namespace lx;

namespace {

Currency neg(Currency c)
{
    return -c;
}

// The plan variables after one calculation of the shared computation.
OldPlanValues valuesAfter(const OldPlanRules& rules, const OldPlanInput& in)
{
    OldPlan plan(rules);
    plan.LohnsteuerLzz(in);
    return plan.values();
}

}  // namespace

TEST(OldPlans, TaxClassZeroGivesNoTaxSurchargeOrChurchTax)
{
    const OldChurchTaxArgs hamburg{.Pflichtig = true, .Bundesland = 7, .Konfession = 0, .Kappung = {}, .Satz = {}};
    const Currency re4 = 5000_cur;

    LxSteuern2004 m2004;
    ASSERT_GT(m2004.LohnsteuerLzz(2, 0, re4, {}, {}, 0, 1, {}), 0_cur);
    EXPECT_EQ(m2004.LohnsteuerLzz(2, 0, re4, {}, {}, 0, 0, {}), 0_cur);
    EXPECT_EQ(m2004.SolzLzz(), 0_cur);
    EXPECT_EQ(m2004.KirchensteuerLzz(hamburg), 0_cur) << "not even the minimum";

    LxSteuern2005 m2005;
    ASSERT_GT(m2005.LohnsteuerLzz(2, 0, 0, re4, {}, {}, {}, {}, 0, 1, {}), 0_cur);
    ASSERT_GT(m2005.LohnsteuerSonst(0, 5000_cur, {}, 65000_cur, {}, {}), 0_cur);
    EXPECT_EQ(m2005.LohnsteuerLzz(2, 0, 0, re4, {}, {}, {}, {}, 0, 0, {}), 0_cur);
    EXPECT_EQ(m2005.SolzLzz(), 0_cur);
    EXPECT_EQ(m2005.KirchensteuerLzz(hamburg), 0_cur);
    EXPECT_EQ(m2005.LohnsteuerSonst(0, 5000_cur, {}, 65000_cur, {}, {}), 0_cur);
    EXPECT_EQ(m2005.SolzSonst(), 0_cur);
    EXPECT_EQ(m2005.KirchensteuerSonst(hamburg), 0_cur);

    LxSteuern2006 m2006;
    LxSteuern2007 m2007;
    for (int stkl : {1, 0}) {
        const Currency lst6 = m2006.LohnsteuerLzz(2005, 0, 2, re4, {}, {}, {}, {}, {}, {}, 0, stkl, 0, {}, 0);
        const Currency lst7 = m2007.LohnsteuerLzz(2005, 0, 2, re4, {}, {}, {}, {}, {}, {}, 0, stkl, 0, {}, 0);
        if (stkl == 1) {
            ASSERT_GT(lst6, 0_cur);
            ASSERT_GT(lst7, 0_cur);
            continue;
        }
        EXPECT_EQ(lst6, 0_cur);
        EXPECT_EQ(lst7, 0_cur);
        EXPECT_EQ(m2006.SolzLzz(), 0_cur);
        EXPECT_EQ(m2007.SolzLzz(), 0_cur);
        EXPECT_EQ(m2006.KirchensteuerLzz(hamburg), 0_cur);
        EXPECT_EQ(m2007.KirchensteuerLzz(hamburg), 0_cur);
    }
}

TEST(OldPlans, PensionAllowance2004IsLimitedToThePeriodShare)
{
    struct Case {
        int lzz;
        Currency vbez;
        Currency vfbCents;
    };
    const Case cases[] = {
        {2, 1000_cur, 25600_cur},  // 400 limited to 3072 / 12
        {2, 640_cur, 25600_cur},   // exactly the limit
        {2, 600_cur, 24000_cur},
        {2, 600.02_cur, 24000_cur},  // 240.008: the plan's rounding up needs a cent over the euro
        {2, 600.03_cur, 24100_cur},  // 240.012
        {3, 1000_cur, 5974_cur},     // 307200 * 7 / 360 = 5973.33 cents, rounded up
        {4, 100_cur, 854_cur},
        {1, 10000_cur, 307200_cur},
    };
    for (const auto& c : cases) {
        const auto v = valuesAfter(kRules2004, {.LZZ = c.lzz, .RE4 = c.vbez, .VBEZ = c.vbez, .STKL = 1});
        EXPECT_EQ(v.VFB, c.vfbCents) << "LZZ " << c.lzz << " VBEZ " << c.vbez;
    }
}

TEST(OldPlans, OldAgeReliefIsLimitedToThePeriodShare)
{
    struct Case {
        const OldPlanRules* rules;
        int lzz;
        Currency re4;
        Currency alteCents;
    };
    const Case cases[] = {
        {&kRules2004, 2, 1000_cur, 15900_cur},    // 1908 / 12
        {&kRules2004, 2, 300.03_cur, 12100_cur},  // 120.012 rounded up to whole euros
        {&kRules2005, 2, 1000_cur, 15834_cur},    // 190000 / 12 rounded up to whole cents
        {&kRules2005, 2, 300.01_cur, 12001_cur},  // 12000.4 cents rounded up
        {&kRules2005, 1, 10000_cur, 190000_cur},
    };
    for (const auto& c : cases) {
        const auto v = valuesAfter(*c.rules, {.LZZ = c.lzz, .ALTER1 = 1, .RE4 = c.re4, .STKL = 1});
        EXPECT_EQ(v.ALTE, c.alteCents) << c.rules->name << " LZZ " << c.lzz << " RE4 " << c.re4;
    }
}

TEST(OldPlans, AnnualWageIsCutToEurosIn2004AndToCentsLater)
{
    struct Case {
        const OldPlanRules* rules;
        int lzz;
        Currency re4;
        Currency zre4j;
    };
    const Case cases[] = {
        {&kRules2004, 2, 2000_cur, 24000_cur},        {&kRules2005, 2, 2000_cur, 24000.08_cur},
        {&kRules2007, 2, 2000_cur, 24000.08_cur},     {&kRules2004, 3, 100_cur, 5143_cur},
        {&kRules2005, 3, 100_cur, 5143.31_cur},       {&kRules2004, 4, 100_cur, 36002_cur},
        {&kRules2006, 4, 100_cur, 36002.01_cur},      {&kRules2004, 1, 5000.50_cur, 5000.50_cur},
        {&kRules2005, 1, 5000.5050_cur, 5000.50_cur},
    };
    for (const auto& c : cases) {
        const auto v = valuesAfter(*c.rules, {.LZZ = c.lzz, .RE4 = c.re4, .STKL = 1});
        EXPECT_EQ(v.ZRE4J, c.zre4j) << c.rules->name << " LZZ " << c.lzz << " RE4 " << c.re4;
    }
}

TEST(OldPlans, AllowanceAndAdditionAmountOfThePeriod)
{
    struct Case {
        Currency lzzfreibCents;
        Currency zre4j;
    };
    const Case cases[] = {{0_cur, 36000.08_cur}, {10000_cur, 34800.08_cur}, {neg(10000_cur), 37200.08_cur}};
    for (const auto& c : cases) {
        const auto v = valuesAfter(kRules2006, {.LZZ = 2, .RE4 = 3000_cur, .LZZFREIB = c.lzzfreibCents, .STKL = 1});
        EXPECT_EQ(v.ZRE4J, c.zre4j) << "LZZFREIB " << c.lzzfreibCents;
        EXPECT_EQ(v.ZRE4VP, 36000.08_cur) << "the allowance does not reduce the contribution base";
    }
}

TEST(OldPlans, ContributionAllowanceRoundsUpIn2005And2006AndDownIn2004And2007)
{
    // VSPO = 1000.10 lies below the pre-deduction and above the pension part VSPN.
    struct Case {
        const OldPlanRules* rules;
        Currency vsp;
    };
    const Case cases[] = {
        {&kRules2004, 1000_cur}, {&kRules2005, 1001_cur}, {&kRules2006, 1001_cur}, {&kRules2007, 1000_cur}};
    for (const auto& c : cases) {
        const auto v = valuesAfter(*c.rules, {.LZZ = 1, .RE4 = 5000.50_cur, .STKL = 1});
        EXPECT_EQ(v.VSP, c.vsp) << c.rules->name;
    }
    // Tax classes 5 and 6 get none.
    EXPECT_EQ(valuesAfter(kRules2005, {.LZZ = 1, .RE4 = 5000.50_cur, .STKL = 5}).VSP, 0_cur);
}

TEST(OldPlans, BuiltInAllowancesByTaxClass)
{
    struct Case {
        const OldPlanRules* rules;
        int stkl;
        Currency ztabfb;
        int kztab;
        Currency kfb;  // with two child allowances
    };
    const Case cases[] = {
        {&kRules2004, 1, 956_cur, 1, 11616_cur},  {&kRules2004, 2, 2264_cur, 1, 11616_cur},
        {&kRules2004, 3, 992_cur, 2, 11616_cur},  {&kRules2004, 4, 956_cur, 1, 5808_cur},
        {&kRules2004, 5, 920_cur, 1, 0_cur},      {&kRules2004, 6, 0_cur, 1, 0_cur},
        {&kRules2005, 2, 2264_cur, 1, 11616_cur},  // ANP 920 + SAP 36 + EFA 1308
        {&kRules2005, 3, 992_cur, 2, 11616_cur},   // SAP 72
        {&kRules2005, 5, 920_cur, 1, 0_cur},       // no SAP, no KFB
        {&kRules2007, 6, 0_cur, 1, 0_cur},
    };
    for (const auto& c : cases) {
        const auto v = valuesAfter(*c.rules, {.LZZ = 2, .RE4 = 3000_cur, .STKL = c.stkl, .ZKF = 2_cur});
        EXPECT_EQ(v.ZTABFB, c.ztabfb) << c.rules->name << " class " << c.stkl;
        EXPECT_EQ(v.KZTAB, c.kztab) << c.rules->name << " class " << c.stkl;
        EXPECT_EQ(v.KFB, c.kfb) << c.rules->name << " class " << c.stkl;
    }
}

TEST(OldPlans, TariffZones)
{
    struct Case {
        const OldPlanRules* rules;
        Currency x;
        Currency st;
    };
    const Case cases[] = {
        {&kRules2004, 7664_cur, 0_cur},        {&kRules2004, 12739_cur, 1016_cur},
        {&kRules2004, 12740_cur, 1016_cur},    {&kRules2004, 52151_cur, 14622_cur},
        {&kRules2004, 52152_cur, 14623_cur},   {&kRules2005, 7665_cur, 0_cur},
        {&kRules2005, 12739_cur, 988_cur},     {&kRules2005, 12740_cur, 989_cur},
        {&kRules2005, 52152_cur, 13989_cur},   {&kRules2006, 260000_cur, 101286_cur},
        {&kRules2007, 250000_cur, 97086_cur},  // still the 42 % zone
        {&kRules2007, 250001_cur, 97086_cur},  // 45 % zone
        {&kRules2007, 260000_cur, 101586_cur},
    };
    for (const auto& c : cases) EXPECT_EQ(OldPlanTariff(*c.rules, c.x), c.st) << c.rules->name << " X " << c.x;
}

TEST(OldPlans, ClassFiveAndSix)
{
    struct Case {
        const OldPlanRules* rules;
        Currency zzx;
        Currency st;
    };
    const Case cases[] = {
        {&kRules2004, 9228_cur, 1476_cur},
        {&kRules2004, 26072_cur, 8118_cur},
        {&kRules2004, 30000_cur, 9885_cur},  // 8118 + 3928 * 0.45 cut
        {&kRules2005, 30000_cur, 9488_cur},
        {&kRules2006, 200000_cur, 80888_cur},
        {&kRules2006, 200001_cur, 80889_cur},
        {&kRules2006, 210000_cur, 85088_cur},
        // 2007 cuts to whole euros at 200000 and again after adding 45 % of the rest.
        {&kRules2007, 200000_cur, 80888_cur},
        {&kRules2007, 200001_cur, 80888_cur},
        {&kRules2007, 210000_cur, 85388_cur},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OldPlanClassFiveSix(*c.rules, c.zzx), c.st) << c.rules->name << " ZZX " << c.zzx;
}

TEST(OldPlans, SurchargeTaper)
{
    struct Case {
        Currency jbmg;
        int kztab;
        Currency solzj;
    };
    const Case cases[] = {
        {972_cur, 1, 0_cur},      {1000_cur, 1, 5.60_cur},  // 20 % of 28 rather than 55.00
        {1100_cur, 1, 25.60_cur}, {2000_cur, 1, 110_cur},   // 5.5 %
        {1944_cur, 2, 0_cur},     {2000_cur, 2, 11.20_cur},
    };
    for (const auto* rules : {&kRules2004, &kRules2007}) {
        for (const auto& c : cases) {
            EXPECT_EQ(OldPlanSurchargeYear(*rules, c.jbmg, c.kztab), c.solzj)
                << rules->name << " JBMG " << c.jbmg << " KZTAB " << c.kztab;
        }
    }
}

TEST(OldPlans, WorkedExamples2004And2005)
{
    LxSteuern2004 m2004;
    EXPECT_EQ(m2004.LohnsteuerLzz(2, 0, 3000_cur, {}, {}, 0, 1, {}), 582.83_cur);
    EXPECT_EQ(m2004.SolzLzz(), 3205_cur);
    // Pension 1000 of 3000 with old-age relief: VFB 256, ALTE 159.
    EXPECT_EQ(m2004.LohnsteuerLzz(2, 1, 3000_cur, 1000_cur, {}, 0, 1, {}), 443.75_cur);
    EXPECT_EQ(m2004.SolzLzz(), 2440_cur);

    LxSteuern2005 m2005;
    EXPECT_EQ(m2005.LohnsteuerLzz(2, 0, 0, 4000_cur, {}, {}, {}, {}, 0, 3, 2_cur), 544.16_cur);
    EXPECT_EQ(m2005.SolzLzz(), 1573_cur);
    EXPECT_EQ(m2005.LohnsteuerLzz(2, 12, 0, 2000_cur, 800_cur, 800_cur, {}, {}, 0, 1, {}), 171.83_cur);
    EXPECT_EQ(m2005.SolzLzz(), 945_cur);
}

TEST(OldPlans, SpecialPayment2005)
{
    const OldChurchTaxArgs nrw{.Pflichtig = true, .Bundesland = 12, .Konfession = 0, .Kappung = {}, .Satz = {}};
    LxSteuern2005 m;
    struct Case {
        int alter1;
        Currency jfreib;
        Currency sts;
    };
    const Case cases[] = {{0, 0_cur, 1784_cur}, {1, 0_cur, 1741_cur}, {0, 3000_cur, 1715_cur}};
    for (const auto& c : cases) {
        m.LohnsteuerLzz(2, 0, c.alter1, 3000_cur, {}, {}, {}, {}, 0, 1, {});
        EXPECT_EQ(m.LohnsteuerSonst(c.alter1, 5000_cur, {}, 39000_cur, {}, c.jfreib), c.sts)
            << "ALTER1 " << c.alter1 << " JFREIB " << c.jfreib;
    }
    m.LohnsteuerLzz(2, 0, 0, 3000_cur, {}, {}, {}, {}, 0, 1, {});
    ASSERT_EQ(m.LohnsteuerSonst(0, 5000_cur, {}, 39000_cur, {}, {}), 1784_cur);
    EXPECT_EQ(m.SolzSonst(), 98.12_cur);
    EXPECT_EQ(m.KirchensteuerSonst(nrw), 160.56_cur);
    OldChurchTaxArgs ownRate = nrw;
    ownRate.Satz = 8_cur;
    EXPECT_EQ(m.KirchensteuerSonst(ownRate), 160.56_cur) << "the special payment's church tax has no own rate";
    EXPECT_EQ(m.SolzLzz(), 3085_cur) << "the period's surcharge stays";

    // No payment, and a new calculation forgets the last payment.
    EXPECT_EQ(m.LohnsteuerSonst(0, 0_cur, {}, 39000_cur, {}, {}), 0_cur);
    EXPECT_EQ(m.SolzSonst(), 0_cur);
    ASSERT_EQ(m.LohnsteuerSonst(0, 5000_cur, {}, 39000_cur, {}, {}), 1784_cur);
    m.LohnsteuerLzz(2, 0, 0, 3000_cur, {}, {}, {}, {}, 0, 1, {});
    EXPECT_EQ(m.SolzSonst(), 0_cur);
}
