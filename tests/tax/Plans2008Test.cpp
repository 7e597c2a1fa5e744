// The plans 2008 to 2010: each plan's tariff and tax classes 5/6 at their
// borders, the provision allowance with the prior deduction of 2008 and 2009,
// the built-in allowances where these plans differ, 2008's pay for several
// years, the old minimum church tax and tax class 0. The official results
// (tax_vectors) cover the rest.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "LxSteuern2008.h"
#include "LxSteuern2009.h"
#include "LxSteuern2010.h"
#include "LxSteuern2011.h"
#include "PlanPruefling.h"
#include "PlanRegistry.h"

using namespace lx;
namespace {

const char* const kPlaene[] = {"2008", "2009", "2010"};

// Opens the plan routines of any table for tests.
class Pruefling : public test::PlanPruefling {
public:
    using PlanPruefling::PlanPruefling;
    // The provision allowance of MLSTJAHR for an annual wage ZRE4VP.
    const PlanZustand& vorsorge(Currency ZRE4VP, int stkl, int krv)
    {
        z_ = PlanZustand{};
        z_.STKL = stkl;
        z_.KRV = krv;
        z_.LZZ = 1;
        MPARA();
        z_.KZTAB = stkl == 3 ? 2 : 1;
        z_.ZRE4VP = ZRE4VP;
        MLSTJAHR();
        return z_;
    }
    // The old-age relief of MRE4ALTE for annual wage and pension.
    Currency alte(Currency ZRE4J, Currency ZVBEZJ, int AJAHR)
    {
        z_ = PlanZustand{};
        z_.ALTER1 = 1;
        z_.AJAHR = AJAHR;
        z_.ZRE4J = ZRE4J;
        z_.ZVBEZJ = ZVBEZJ;
        MRE4ALTE();
        return z_.ALTE;
    }
};

LohnsteuerEingaben lohn(Currency re4, int stkl, int lzz = 2)
{
    LohnsteuerEingaben e;
    e.RE4 = re4;
    e.STKL = stkl;
    e.LZZ = lzz;
    return e;
}

struct Ergebnis {
    Currency lst, solz, kistEv, kistRk, sts, solzs, kistEvS, kistRkS, stv, solzv, kistEvV, kistRkV;
    bool operator==(const Ergebnis&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ergebnis& r)
{
    return os << "LSt " << r.lst << " SolZ " << r.solz << " KiSt " << r.kistEv << "/" << r.kistRk << " STS " << r.sts
              << "/" << r.solzs << " KiSt " << r.kistEvS << "/" << r.kistRkS << " STV " << r.stv << "/" << r.solzv
              << " KiSt " << r.kistEvV << "/" << r.kistRkV;
}

// A whole calculation as the engine runs it, in Baden-Wuerttemberg (area 1)
// with the given confession.
Ergebnis rechne(LxSteuernPlan& plan, const LohnsteuerEingaben& e, Currency sonstb, Currency jre4, int konfession)
{
    Ergebnis r;
    r.lst = plan.LohnsteuerLzz(e);
    r.solz = plan.SolzLzz();
    r.kistEv = plan.KirchensteuerLzz(1, 1, konfession, 1, 0_cur, 0_cur);
    r.kistRk = plan.KirchensteuerLzz(1, 1, konfession, 0, 0_cur, 0_cur);
    if (sonstb > 0_cur) {
        r.sts = plan.LohnsteuerSonst(sonstb, jre4, 0_cur, 0_cur);
        r.solzs = plan.SolzSonst();
        r.kistEvS = plan.KirchensteuerSonst(1, 1, konfession, 1, 0, 0_cur, 0_cur);
        r.kistRkS = plan.KirchensteuerSonst(1, 1, konfession, 0, 0, 0_cur, 0_cur);
    }
    if (e.VMT > 0_cur) {
        r.stv = plan.LohnsteuerVmt(sonstb, jre4);
        r.solzv = plan.SolzVmt();
        r.kistEvV = plan.KirchensteuerSonst(1, 1, konfession, 1, 1, 0_cur, 0_cur);
        r.kistRkV = plan.KirchensteuerSonst(1, 1, konfession, 0, 1, 0_cur, 0_cur);
    }
    return r;
}

}  // namespace

TEST(Plans2008, TariffAndTaxClassesFiveAndSixPerPlan)
{
    struct Fall {
        int X;  // taxable income; for tax class 3 the couple's, halved by the tariff
        int stkl;
        int ST;
    };
    struct Werte {
        const PlanParameter* plan;
        std::vector<Fall> faelle;
    };
    // Tariff: GFB, the last euro without tax and the first with, each zone's
    // last and first euro, a couple in tax class 3; tax class 5: around
    // W1STKL5, W2STKL5 and W3STKL5 (above it ST(W2STKL5) + 73158.96, 73098.48
    // and 73140.06, and 45 %), with 2008's minimum tax of 15 %.
    const Werte werte[] = {
        {&kPlan2008,
         {{7664, 1, 0},       {7665, 1, 0},       {7670, 1, 0},       {7671, 1, 1},        {10000, 1, 398},
          {12739, 1, 988},    {12740, 1, 989},    {30000, 1, 5807},   {52151, 1, 13989},   {52152, 1, 13989},
          {100000, 1, 34086}, {250000, 1, 97086}, {250001, 1, 97086}, {300000, 1, 119586}, {60000, 3, 11614},
          {9143, 5, 1378},    {9144, 5, 1380},    {9145, 5, 1380},    {9244, 5, 1422},     {15000, 5, 3722},
          {25811, 5, 7732},   {25812, 5, 7730},   {25813, 5, 7730},   {200000, 5, 80888},  {200001, 5, 80888},
          {300000, 5, 125888}}},
        {&kPlan2009,
         {{7834, 1, 0},       {7835, 1, 0},       {7841, 1, 0},       {7842, 1, 1},        {10000, 1, 347},
          {13139, 1, 1007},   {13140, 1, 1007},   {30000, 1, 5698},   {52551, 1, 14007},   {52552, 1, 14007},
          {100000, 1, 33936}, {250400, 1, 97104}, {250401, 1, 97104}, {300000, 1, 119424}, {60000, 3, 11396},
          {9224, 5, 1291},    {9225, 5, 1292},    {9226, 5, 1292},    {9325, 5, 1334},     {15000, 5, 3672},
          {26275, 5, 7878},   {26276, 5, 7876},   {26277, 5, 7876},   {200320, 5, 80974},  {200321, 5, 80974},
          {300000, 5, 125830}}},
        {&kPlan2010,
         {{8004, 1, 0},       {8005, 1, 0},       {8011, 1, 0},       {8012, 1, 1},        {10000, 1, 315},
          {13469, 1, 1037},   {13470, 1, 1038},   {30000, 1, 5625},   {52881, 1, 14038},   {52882, 1, 14038},
          {100000, 1, 33828}, {250730, 1, 97134}, {250731, 1, 97134}, {300000, 1, 119306}, {60000, 3, 11250},
          {9428, 5, 1319},    {9429, 5, 1320},    {9430, 5, 1320},    {9529, 5, 1362},     {15000, 5, 3634},
          {26440, 5, 7906},   {26441, 5, 7908},   {26442, 5, 7908},   {200584, 5, 81048},  {200585, 5, 81048},
          {300000, 5, 125785}}},
    };
    for (const auto& w : werte) {
        Pruefling m(*w.plan);
        for (const auto& f : w.faelle) {
            const Currency X = Currency::fromUnits(f.X);
            EXPECT_EQ(m.st(X, f.stkl), Currency::fromUnits(f.ST))
                << "plan " << w.plan->name << " X " << f.X << " class " << f.stkl;
            if (f.stkl == 5) {
                EXPECT_EQ(m.st(X, 6), Currency::fromUnits(f.ST)) << w.plan->name << " X " << f.X << " class 6";
            }
        }
    }
}

TEST(Plans2008, ProvisionAllowanceWithThePriorDeduction)
{
    struct Fall {
        const PlanParameter* plan;
        Currency ZRE4VP;
        int stkl;
        int krv;  // 0 pension-insured, 1 not
        Currency VSPN;
        Currency VSP;
    };
    const Fall faelle[] = {
        // 20 % of the wage within the prior deduction 3068 - 16 % of the wage, cut to whole
        // euros as in every branch: VSPO 1000.11 <= 2267.92; VSPN = 159.21 + 550.06 up to 710.
        {&kPlan2008, 5000.55_cur, 1, 0, 710_cur, 1000_cur},
        // VSPVOR 1467.92, VSPREST 532.19 within 1334: 2000.11 cut to 2000; VSPN 318.41 + 1100.06 up to 1419.
        {&kPlan2008, 10000.55_cur, 1, 0, 1419_cur, 2000_cur},
        // VSPVOR 668, VSPREST 2332: 668 + 1334 + (2332 - 1334) / 2 = 2501 above VSPN 1978.
        {&kPlan2008, 15000_cur, 1, 0, 1978_cur, 2501_cur},
        // No prior deduction left: 1334 + 667 = 2001, below VSPN 1273.60 + 1500 up to 2774.
        {&kPlan2008, 40000_cur, 1, 0, 2774_cur, 2774_cur},
        // Not pension-insured: no VSP1; VSPO 6000 above VSPKURZ 1134; VSP2 limited to 1500.
        {&kPlan2008, 30000_cur, 1, 1, 1500_cur, 1500_cur},
        // VSPO 1000.11 within VSPKURZ, cut to whole euros.
        {&kPlan2008, 5000.55_cur, 1, 1, 551_cur, 1000_cur},
        // 2009 takes 36 % of the pension contribution: 10800 * 0.0995 = 1074.60; a couple
        // doubles the amounts: VSPVOR 6136 - 4800, VSPREST 4664 - 2668 halved to 998.
        {&kPlan2009, 30000_cur, 3, 0, 4075_cur, 5002_cur},
        {&kPlan2009, 30000_cur, 1, 0, 2575_cur, 2575_cur},
        // The pension ceiling 64800 caps the wage for both parts: 23328 * 0.0995 = 2321.13.
        {&kPlan2009, 80000_cur, 1, 0, 3822_cur, 3822_cur},
        {&kPlan2009, 80000_cur, 4, 1, 1500_cur, 1500_cur},
        // Tax classes 5 and 6 have no allowance.
        {&kPlan2008, 30000_cur, 5, 0, 0_cur, 0_cur},
        {&kPlan2009, 30000_cur, 6, 0, 0_cur, 0_cur},
    };
    for (const auto& f : faelle) {
        Pruefling m(*f.plan);
        const PlanZustand& z = m.vorsorge(f.ZRE4VP, f.stkl, f.krv);
        EXPECT_EQ(z.VSPN, f.VSPN) << f.plan->name << " ZRE4VP " << f.ZRE4VP << " class " << f.stkl << " KRV " << f.krv;
        EXPECT_EQ(z.VSP, f.VSP) << f.plan->name << " ZRE4VP " << f.ZRE4VP << " class " << f.stkl << " KRV " << f.krv;
    }

    // From 2010 the allowance follows the insurance rates, in tax classes 5 and 6 too.
    Pruefling m2010(kPlan2010);
    EXPECT_GT(m2010.vorsorge(30000_cur, 5, 0).VSP, 0_cur);
}

TEST(Plans2008, BuiltInAllowancesOfTheOlderPlans)
{
    struct Fall {
        const char* plan;
        LohnsteuerEingaben e;
        Currency SAP, ANP, ZRE4VP;
    };
    auto jahr = [](Currency re4, int stkl) { return lohn(re4, stkl, 1); };
    auto mitVersorgung = [](Currency re4, Currency vbez, int stkl) {
        LohnsteuerEingaben e = lohn(re4, stkl, 1);
        e.VBEZ = vbez;
        return e;
    };
    const Fall faelle[] = {
        // SAP: 72 for a couple and none in tax class 5 up to 2009.
        {"2008", jahr(30000_cur, 3), 72_cur, 920_cur, 30000_cur},
        {"2009", jahr(30000_cur, 5), 0_cur, 920_cur, 30000_cur},
        {"2010", jahr(30000_cur, 3), 36_cur, 920_cur, 30000_cur},
        {"2010", jahr(30000_cur, 5), 36_cur, 920_cur, 30000_cur},
        {"2008", jahr(30000_cur, 6), 0_cur, 0_cur, 30000_cur},
        // The employee lump sum below 920: cut to euros in 2008, up to euros after.
        {"2008", jahr(500.50_cur, 1), 36_cur, 500_cur, 500.50_cur},
        {"2009", jahr(500.50_cur, 1), 36_cur, 501_cur, 500.50_cur},
        {"2010", jahr(500.50_cur, 1), 36_cur, 501_cur, 500.50_cur},
        // Its pension part (at most 102): up to euros only in 2010.
        {"2008", mitVersorgung(50.55_cur, 50.55_cur, 1), 36_cur, 50.55_cur, 50.55_cur},
        {"2009", mitVersorgung(50.55_cur, 50.55_cur, 1), 36_cur, 50.55_cur, 50.55_cur},
        {"2010", mitVersorgung(50.55_cur, 50.55_cur, 1), 36_cur, 51_cur, 50.55_cur},
        // Both parts: 50.55 + 549.65 is 600.20, cut to 600 in 2008, up to 601 in 2009 and 2010.
        {"2008", mitVersorgung(600.20_cur, 50.55_cur, 1), 36_cur, 600_cur, 600.20_cur},
        {"2009", mitVersorgung(600.20_cur, 50.55_cur, 1), 36_cur, 601_cur, 600.20_cur},
        {"2010", mitVersorgung(600.20_cur, 50.55_cur, 1), 36_cur, 601_cur, 600.20_cur},
    };
    for (const auto& f : faelle) {
        auto plan = createPlan(f.plan);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        m.LohnsteuerLzz(f.e);
        EXPECT_EQ(m.zustand().SAP, f.SAP) << f.plan << " RE4 " << f.e.RE4 << " class " << f.e.STKL;
        EXPECT_EQ(m.zustand().ANP, f.ANP) << f.plan << " RE4 " << f.e.RE4 << " class " << f.e.STKL;
        EXPECT_EQ(m.zustand().ZRE4VP, f.ZRE4VP) << f.plan << " RE4 " << f.e.RE4 << " class " << f.e.STKL;
    }
}

TEST(Plans2008, PensionAllowancesAndOldAgeRelief)
{
    // 2000 a month with a pension of 500 in it (first full month 500), old-age
    // relief: up to 2009 the base of the provision allowance is the wage less
    // both allowances (2008: 24000 - 2112 - 1672; 2009: 24000 - 2016 - 1596).
    struct Fall {
        const char* plan;
        int jahr;  // VJAHR and AJAHR
        Currency FVB, ALTE, ZRE4VP;
    };
    const Fall faelle[] = {
        {"2008", 2008, 2112_cur, 1672_cur, 20216_cur},
        {"2009", 2009, 2016_cur, 1596_cur, 20388_cur},
        {"2010", 2010, 1920_cur, 1520_cur, 24000_cur},
    };
    for (const auto& f : faelle) {
        auto plan = createPlan(f.plan);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        LohnsteuerEingaben e = lohn(2000_cur, 1);
        e.VBEZ = 500_cur;
        e.VBEZM = 500_cur;
        e.VJAHR = f.jahr;
        e.ALTER1 = 1;
        e.AJAHR = f.jahr;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().FVB, f.FVB) << f.plan;
        EXPECT_EQ(m.zustand().ALTE, f.ALTE) << f.plan;
        EXPECT_EQ(m.zustand().ZRE4VP, f.ZRE4VP) << f.plan;
    }

    // The old-age relief rounds up to cents in 2008 and 2009: 1000.01 * 33.6 % =
    // 336.00336 gives 336.01, and 337 from 2010 on.
    LohnsteuerEingaben alt = lohn(1000.01_cur, 1, 1);
    alt.ALTER1 = 1;
    alt.AJAHR = 2009;
    for (const char* name : {"2008", "2009", "2010", "2011"}) {
        auto plan = createPlan(name);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        m.LohnsteuerLzz(alt);
        EXPECT_EQ(m.zustand().ALTE, std::string_view(name) < "2010" ? 336.01_cur : 337_cur) << name;
    }

    // Up to cents (2008, 2009) or whole euros (2010) means away from zero, for a
    // pension above the wage (a negative base) as well: 38.4 % of -34734.52
    // is -13338.0557; 1000.0001 * 38.4 % (any remainder rounds up).
    struct Relief {
        const PlanParameter* plan;
        Currency ZRE4J, ZVBEZJ, ALTE;
    };
    const Relief reliefs[] = {
        {&kPlan2008, 18769.04_cur, 53503.56_cur, -13338.06_cur},
        {&kPlan2009, 18769.04_cur, 53503.56_cur, -13338.06_cur},
        {&kPlan2010, 18769.04_cur, 53503.56_cur, -13339_cur},
        {&kPlan2008, 1000.0001_cur, 0_cur, 384.01_cur},
        {&kPlan2010, 1000.0001_cur, 0_cur, 385_cur},
    };
    for (const auto& r : reliefs) {
        Pruefling m(*r.plan);
        EXPECT_EQ(m.alte(r.ZRE4J, r.ZVBEZJ, 2006), r.ALTE) << r.plan->name << " " << r.ZRE4J << " - " << r.ZVBEZJ;
    }

    // FVBZSO of a special payment in a year with six months of pension: 2008
    // takes the whole TAB3 792 when the pension leaves room for it; 2009 the
    // six months' FVBZ, 756 / 12 * 6.
    struct Sonst {
        const char* plan;
        int VJAHR;
        Currency FVBZ, FVBZSO;
    };
    const Sonst sonst[] = {{"2008", 2008, 396_cur, 792_cur}, {"2009", 2009, 378_cur, 378_cur}};
    for (const auto& f : sonst) {
        auto plan = createPlan(f.plan);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        LohnsteuerEingaben e = lohn(6000_cur, 1, 1);
        e.VBEZ = 6000_cur;
        e.VBEZM = 1000_cur;
        e.ZMVB = 6;
        e.VJAHR = f.VJAHR;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().FVBZ, f.FVBZ) << f.plan;
        EXPECT_EQ(m.zustand().FVBZSO, f.FVBZSO) << f.plan;
    }
}

TEST(Plans2008, PayForSeveralYearsOnTheSavedBase)
{
    // 30000 a year in tax class 1 with 10000 for several years. Without it:
    // ZVE 30000 - 956 - 2456 = 26588, ST 4747. With it in full: ZVE 40000 - 956
    // - 2774 = 36270, ST 7895. One fifth on the saved base, with the allowance
    // of the whole pay: 30000 - 956 + 2000 - 2774 = 28270, ST 5263; STV five
    // times 516.
    LohnsteuerEingaben e = lohn(30000_cur, 1, 1);
    e.VMT = 10000_cur;
    LxSteuern2008 m;
    EXPECT_EQ(m.LohnsteuerLzz(e), 4747_cur) << "pay for several years stays out of the period";
    EXPECT_EQ(m.SolzLzz(), 261.08_cur);
    EXPECT_EQ(m.LohnsteuerVmt(0_cur, 30000_cur), 2580_cur);
    EXPECT_EQ(m.SolzVmt(), 141.90_cur);
    EXPECT_EQ(m.zustand().KENNVMT, 1);
    EXPECT_EQ(m.zustand().VMTA, 2000_cur);
    EXPECT_EQ(m.zustand().vmtBegrenzt, 0);

    // The plan's own list takes VMT in LohnsteuerVmt: the entry carries it
    // there, and an entry without it leaves nothing to tax.
    LxSteuern2008 liste;
    EXPECT_EQ(liste.LohnsteuerLzz(LohnsteuerEingaben{.RE4 = 30000_cur, .STKL = 1, .LZZ = 1}), 4747_cur);
    EXPECT_EQ(liste.LohnsteuerVmt(0_cur, 30000_cur), 0_cur);
    liste.LohnsteuerLzz(LohnsteuerEingaben{.RE4 = 30000_cur, .VMT = 10000_cur, .STKL = 1, .LZZ = 1});
    EXPECT_EQ(liste.LohnsteuerVmt(0_cur, 30000_cur), 2580_cur);

    // An annual allowance above the annual wage (1000 - 5000 < 0): KENNVMT 2
    // taxes one fifth of the whole: (96000 - 956) / 5 - 3526 = 15482.80, ST
    // 1663, STV five times that, below normal taxation (30523).
    LohnsteuerEingaben frei = lohn(1000_cur, 1, 1);
    frei.LZZFREIB = 5000_cur;
    frei.JFREIB = 5000_cur;
    frei.VMT = 100000_cur;
    EXPECT_EQ(m.LohnsteuerLzz(frei), 0_cur);
    EXPECT_EQ(m.LohnsteuerVmt(0_cur, 1000_cur), 8315_cur);
    EXPECT_EQ(m.zustand().KENNVMT, 2);

    // The next calculation starts clean: the same period tax as alone.
    LxSteuern2008 allein;
    EXPECT_EQ(m.LohnsteuerLzz(lohn(2500_cur, 1)), allein.LohnsteuerLzz(lohn(2500_cur, 1)));
    EXPECT_EQ(m.zustand().KENNVMT, 0);
    EXPECT_EQ(m.LohnsteuerVmt(0_cur, 30000_cur), 0_cur);
}

TEST(Plans2008, OldMinimumChurchTaxUpTo2009)
{
    // Baden-Wuerttemberg up to 2008 and Lower Saxony up to 2009 take 0.30 a
    // month, 3.60 a year, when wage tax arises after the child allowances: here
    // on small wages whose 8 or 9 % stay below it; two child allowances that
    // take the whole base leave no minimum.
    struct Fall {
        const char* plan;
        int land;
        int lzz;
        Currency monat;  // 905,00 / 920,00 / 895,00 a month: a few euros of wage tax a year
        Currency zkf;
        Currency kist;
    };
    const Fall faelle[] = {
        {"2008", 1, 2, 905_cur, 0_cur, 0.30_cur},  {"2009", 10, 2, 920_cur, 0_cur, 0.30_cur},
        {"2009", 10, 1, 920_cur, 0_cur, 3.60_cur}, {"2008", 1, 1, 905_cur, 0_cur, 3.60_cur},
        {"2009", 1, 2, 920_cur, 0_cur, 0.03_cur},  {"2010", 10, 2, 895_cur, 0_cur, 0.05_cur},
        {"2008", 12, 2, 905_cur, 0_cur, 0.07_cur}, {"2008", 1, 2, 1500_cur, 2_cur, 0_cur},
        {"2009", 10, 2, 1500_cur, 2_cur, 0_cur},   {"2008", 1, 2, 500_cur, 0_cur, 0_cur},
    };
    for (const auto& f : faelle) {
        auto plan = createPlan(f.plan);
        LohnsteuerEingaben e = lohn(f.lzz == 1 ? f.monat * 12 : f.monat, 1, f.lzz);
        e.ZKF = f.zkf;
        const Currency lst = plan->LohnsteuerLzz(e);
        ASSERT_EQ(lst > 0_cur, f.monat > 500_cur) << f.plan << ": " << lst;
        EXPECT_EQ(plan->KirchensteuerLzz(1, f.land, 0, 1, 0_cur, 0_cur), f.kist)
            << f.plan << " area " << f.land << " LZZ " << f.lzz << " ZKF " << f.zkf;
    }
}

TEST(Plans2008, TaxClassZeroGivesZeroEverywhere)
{
    for (const char* name : kPlaene) {
        auto plan = createPlan(name);
        auto e = lohn(3000_cur, 6);
        e.VMT = 10000_cur;
        const Ergebnis vorher = rechne(*plan, e, 5000_cur, 36000_cur, 0);
        ASSERT_GT(vorher.lst, 0_cur) << name;
        ASSERT_GT(vorher.sts, 0_cur) << name;
        ASSERT_GT(vorher.stv, 0_cur) << name;

        auto minijob = lohn(3000_cur, 0);
        minijob.VMT = 10000_cur;
        EXPECT_EQ(rechne(*plan, minijob, 5000_cur, 36000_cur, 0), Ergebnis{})
            << name << ": nothing of the calculation before, no minimum church tax";
    }
    LxSteuern2008 m;
    auto minijob = lohn(3000_cur, 0);
    minijob.VMT = 10000_cur;
    m.LohnsteuerLzz(minijob);
    EXPECT_EQ(m.LohnsteuerVmt(0_cur, 36000_cur), 0_cur);
    EXPECT_EQ(m.SolzVmt(), 0_cur);
}

TEST(Plans2008, ArgumentListsGiveTheSameAsTheNamedInputs)
{
    LohnsteuerEingaben e = lohn(3456.78_cur, 4);
    e.ZKF = 1.5_cur;
    e.LZZFREIB = -(50_cur);
    e.VBEZ = 300_cur;
    e.VBEZM = 300_cur;
    e.VJAHR = 2007;
    e.VMT = 2000_cur;

    // Each plan given only the inputs of its own list computes as with all of them.
    const LohnsteuerEingaben liste2008{.VJAHR = 2007,
                                       .RE4 = e.RE4,
                                       .LZZFREIB = e.LZZFREIB,
                                       .VBEZ = e.VBEZ,
                                       .VBEZM = e.VBEZM,
                                       .ZKF = e.ZKF,
                                       .STKL = 4,
                                       .LZZ = 2};
    LxSteuern2008 a;
    EXPECT_EQ(a.LohnsteuerLzz(liste2008), LxSteuern2008().LohnsteuerLzz(e));
    LohnsteuerEingaben liste2009 = liste2008;
    liste2009.VMT = e.VMT;
    LxSteuern2009 b;
    EXPECT_EQ(b.LohnsteuerLzz(liste2009), LxSteuern2009().LohnsteuerLzz(e));

    e.af = 1;
    e.f = 0.95_cur;
    e.PKV = 1;
    e.PKPV = 400_cur;
    e.PVZ = 1;
    LxSteuern2010 c;
    LohnsteuerEingaben liste2010 = liste2009;
    liste2010.PKPV = e.PKPV;
    liste2010.f = e.f;
    liste2010.PKV = e.PKV;
    liste2010.af = e.af;
    liste2010.PVZ = e.PVZ;
    const Currency liste = c.LohnsteuerLzz(liste2010);
    EXPECT_EQ(liste, LxSteuern2010().LohnsteuerLzz(e));
    e.af = 0;
    EXPECT_GT(LxSteuern2010().LohnsteuerLzz(e), liste) << "the factor counts only with af 1";
}
