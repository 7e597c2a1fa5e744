// The plans 2011 to 2015, December 2011 and December 2015: each plan's tariff
// and tax classes 5/6 at their borders, the steps where these plans differ from
// the shared routines' defaults, the two-year combination of December 2015, and
// the state rules between calculations and between modules. The official
// results (tax_vectors) cover the rest.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "LxSteuern1211.h"
#include "LxSteuern1215.h"
#include "LxSteuern2011.h"
#include "LxSteuern2012.h"
#include "LxSteuern2013.h"
#include "LxSteuern2014.h"
#include "LxSteuern2015.h"
#include "PlanPruefling.h"
#include "PlanRegistry.h"

using namespace lx;
namespace {

const char* const kPlaene[] = {"2011", "1211", "2012", "2013", "2014", "2015", "1215"};

using TarifPruefling = test::PlanPruefling;

// Opens December 2015's combination for tests.
class DezemberPruefling : public LxSteuern1215 {
public:
    Currency kombiniert(std::int64_t altCent, std::int64_t neuCent, int lzz)
    {
        z_.LZZ = lzz;
        return dezember(Currency::fromUnits(altCent), Currency::fromUnits(neuCent));
    }
};

LohnsteuerEingaben lohn(Currency re4, int stkl, int lzz = 2)
{
    LohnsteuerEingaben e;
    e.RE4 = re4;
    e.STKL = stkl;
    e.LZZ = lzz;
    e.KVZ = 0.9_cur;
    return e;
}

struct Ergebnis {
    Currency lst, solz, kistEv, kistRk, sts, solzs, stv, solzv;
    int begrenzt = 0;
    bool operator==(const Ergebnis&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ergebnis& r)
{
    return os << "LSt " << r.lst << " SolZ " << r.solz << " KiSt " << r.kistEv << "/" << r.kistRk << " STS " << r.sts
              << "/" << r.solzs << " STV " << r.stv << "/" << r.solzv << " capped " << r.begrenzt;
}

// A whole calculation as the engine runs it; Hamburg (area 7), Konfession as given.
Ergebnis rechne(LxSteuernPlan& plan, const LohnsteuerEingaben& e, Currency sonstb, Currency jre4, int konfession = 0)
{
    Ergebnis r;
    r.lst = plan.LohnsteuerLzz(e);
    r.solz = plan.SolzLzz();
    r.kistEv = plan.KirchensteuerLzz(1, 7, konfession, 1, 0_cur, 0_cur);
    r.kistRk = plan.KirchensteuerLzz(1, 7, konfession, 0, 0_cur, 0_cur);
    if (sonstb > 0_cur) {
        r.sts = plan.LohnsteuerSonst(sonstb, jre4, 0_cur, 0_cur);
        r.solzs = plan.SolzSonst();
    }
    if (e.VMT > 0_cur) {
        r.stv = plan.LohnsteuerVmt(sonstb, jre4);
        r.solzv = plan.SolzVmt();
    }
    r.begrenzt = plan.VmtBegrenzt();
    return r;
}

}  // namespace

TEST(Plans2011, TariffAndTaxClassesFiveAndSixPerPlan)
{
    struct Fall {
        int X;  // taxable income; for tax class 3 the couple's, halved by the tariff
        int stkl;
        int ST;
    };
    struct Werte {
        std::vector<const PlanParameter*> plaene;
        std::vector<Fall> faelle;
    };
    // Tariff: GFB, the first euro of tax, the zone borders 13470, 52882 and
    // 250731; tax class 5: around W1STKL5, W2STKL5 26441 and W3STKL5 200584.
    const Werte werte[] = {
        {{&kPlan2011, &kPlan1211, &kPlan2012},
         {{8004, 1, 0},       {8011, 1, 0},        {8012, 1, 1},       {10000, 1, 315},    {13469, 1, 1037},
          {13470, 1, 1038},   {30000, 1, 5625},    {52882, 1, 14038},  {100000, 1, 33828}, {250730, 1, 97134},
          {250731, 1, 97134}, {300000, 1, 119306}, {60000, 3, 11250},  {9428, 5, 1319},    {9429, 5, 1320},
          {9430, 5, 1320},    {9529, 5, 1362},     {15000, 5, 3634},   {26440, 5, 7906},   {26441, 5, 7908},
          {26442, 5, 7908},   {200584, 5, 81048},  {200585, 5, 81048}, {300000, 5, 125785}}},
        {{&kPlan2013},
         {{8130, 1, 0},       {8137, 1, 0},        {8138, 1, 1},       {10000, 1, 294},    {13469, 1, 1013},
          {13470, 1, 1014},   {30000, 1, 5601},    {52882, 1, 14014},  {100000, 1, 33804}, {250730, 1, 97110},
          {250731, 1, 97110}, {300000, 1, 119282}, {60000, 3, 11202},  {9549, 5, 1336},    {9550, 5, 1337},
          {9551, 5, 1337},    {9650, 5, 1379},     {15000, 5, 3626},   {26440, 5, 7906},   {26441, 5, 7908},
          {26442, 5, 7908},   {200584, 5, 81048},  {200585, 5, 81048}, {300000, 5, 125785}}},
        {{&kPlan2014, &kPlan2015},
         {{8354, 1, 0},       {8361, 1, 0},        {8362, 1, 1},       {10000, 1, 256},    {13469, 1, 971},
          {13470, 1, 971},    {30000, 1, 5558},    {52882, 1, 13971},  {100000, 1, 33761}, {250730, 1, 97067},
          {250731, 1, 97067}, {300000, 1, 119239}, {60000, 3, 11116},  {9762, 5, 1366},    {9763, 5, 1366},
          {9764, 5, 1366},    {9863, 5, 1408},     {15000, 5, 3565},   {26440, 5, 7906},   {26441, 5, 7908},
          {26442, 5, 7908},   {200584, 5, 81048},  {200585, 5, 81048}, {300000, 5, 125785}}},
        // December 2015's new values (its first pass runs kPlan2015 above).
        {{&kPlan1215},
         {{8472, 1, 0},       {8479, 1, 0},        {8480, 1, 1},       {10000, 1, 237},    {13469, 1, 948},
          {13470, 1, 948},    {30000, 1, 5536},    {52882, 1, 13949},  {100000, 1, 33738}, {250730, 1, 97045},
          {250731, 1, 97045}, {300000, 1, 119216}, {60000, 3, 11072},  {9872, 5, 1382},    {9873, 5, 1382},
          {9874, 5, 1382},    {9973, 5, 1424},     {15000, 5, 3535},   {26440, 5, 7908},   {26441, 5, 7906},
          {26442, 5, 7906},   {200584, 5, 81046},  {200585, 5, 81046}, {300000, 5, 125783}}},
    };
    for (const auto& w : werte) {
        for (const PlanParameter* plan : w.plaene) {
            TarifPruefling m(*plan);
            for (const auto& f : w.faelle) {
                const Currency X = Currency::fromUnits(f.X);
                EXPECT_EQ(m.st(X, f.stkl), Currency::fromUnits(f.ST))
                    << "plan " << plan->name << " X " << f.X << " class " << f.stkl;
                if (f.stkl == 5) {
                    EXPECT_EQ(m.st(X, 6), Currency::fromUnits(f.ST)) << plan->name << " X " << f.X << " class 6";
                }
            }
        }
    }
}

TEST(Plans2011, HealthRateAndPensionAllowance)
{
    struct Fall {
        const char* plan;
        Currency KVZ;
        Currency KVSATZAN;
    };
    // From 2015 the additional rate counts in full; before, the rate is fixed.
    const Fall faelle[] = {
        {"2011", 1.70_cur, 0.079_cur}, {"2014", 0_cur, 0.079_cur},   {"2015", 0.9_cur, 0.079_cur},
        {"2015", 0_cur, 0.07_cur},     {"1215", 1.1_cur, 0.081_cur},
    };
    for (const auto& f : faelle) {
        auto plan = createPlan(f.plan);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        auto e = lohn(3000_cur, 1);
        e.KVZ = f.KVZ;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().KVSATZAN, dez(f.KVSATZAN)) << f.plan << " KVZ " << f.KVZ;
    }

    // A pension of 100 a month whose first full month was 1000 (2011: 30.4 %,
    // at most 2280): the allowance is not limited to the 1200 paid in the year.
    for (const char* name : kPlaene) {
        auto plan = createPlan(name);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        auto e = lohn(100_cur, 1);
        e.VBEZ = 100_cur;
        e.VBEZM = 1000_cur;
        e.VJAHR = 2011;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().ZVBEZJ, 1200_cur) << name;
        EXPECT_EQ(m.zustand().FVB, 2280_cur) << name;
    }
}

TEST(December2011, EmployeeLumpSumByPayPeriod)
{
    struct Fall {
        const char* plan;
        int LZZ;
        Currency RE4;
        Currency ANP;
    };
    const Fall faelle[] = {
        {"1211", 2, 125_cur, 1500_cur},                                      // 1500 a year: the wage itself
        {"1211", 2, 150.01_cur, 1801_cur},                                   // 1800.12 rounded up to whole euros
        {"1211", 2, 200_cur, 1880_cur},    {"1211", 3, 50_cur, 1880_cur},    // 2571.42 a year
        {"1211", 4, 5_cur, 1800_cur},      {"1211", 1, 1500_cur, 1000_cur},  // a yearly pay period keeps 1000
        {"1211", 1, 900.01_cur, 901_cur},  {"2011", 2, 200_cur, 920_cur},
        {"2011", 1, 2400_cur, 920_cur},    {"2012", 2, 200_cur, 1000_cur},
    };
    for (const auto& f : faelle) {
        auto plan = createPlan(f.plan);
        auto& m = dynamic_cast<PlanModul&>(*plan);
        m.LohnsteuerLzz(lohn(f.RE4, 1, f.LZZ));
        EXPECT_EQ(m.zustand().ANP, f.ANP) << f.plan << " LZZ " << f.LZZ << " RE4 " << f.RE4;
    }
}

TEST(December2011, PayForSeveralYearsIsTaxedWithTheAnnualLumpSum)
{
    // Whether or not a special payment is taxed first, the multi-year step
    // computes the year with the limit 1000, not the monthly plan's 1880.
    auto e = lohn(1500_cur, 1);
    e.VMT = 20000_cur;
    LxSteuern1211 allein;
    allein.LohnsteuerLzz(e);
    const Currency stv = allein.LohnsteuerVmt(0_cur, 18000_cur);
    EXPECT_EQ(allein.zustand().ANP, 1000_cur);
    EXPECT_EQ(allein.zustand().LZZ, 2) << "the church tax on STV keeps the monthly minimum";

    LxSteuern1211 mitSonst;
    mitSonst.LohnsteuerLzz(e);
    EXPECT_EQ(mitSonst.LohnsteuerSonst(0_cur, 18000_cur, 0_cur, 0_cur), 0_cur);
    EXPECT_EQ(mitSonst.LohnsteuerVmt(0_cur, 18000_cur), stv);
    EXPECT_GT(stv, 0_cur);

    // No multi-year pay left, and the child allowance takes the whole base:
    // wage tax is withheld, but Hamburg's minimum needs tax after the allowances.
    auto kleinMitKind = lohn(1500_cur, 1);
    kleinMitKind.ZKF = 1_cur;
    kleinMitKind.VMT = 1_cur;
    ASSERT_GT(allein.LohnsteuerLzz(kleinMitKind), 0_cur);
    EXPECT_EQ(allein.LohnsteuerVmt(0_cur, 18000_cur), 0_cur);
    EXPECT_EQ(allein.KirchensteuerSonst(1, 7, 1, 0, 1, 0_cur, 0_cur), 0_cur);
}

TEST(December2015, CombinationOfTheOldAndTheNewYear)
{
    struct Fall {
        std::int64_t alt, neu;  // annual amounts in cents
        int LZZ;
        std::int64_t dezember;  // cents
    };
    const Fall faelle[] = {
        {120000, 118800, 2, 8800},   // 1188.00 - 11 * 12.00 = 1056.00, a twelfth of it
        {120000, 120000, 2, 10000},  // unchanged: a twelfth of the year as in any month
        {120000, 110000, 2, 0},      // D exactly 0
        {120000, 109999, 2, 0},      // D negative: floored at 0
        {120000, 110001, 2, 1},      // D 12 cents
        {120000, 118800, 3, 2053},   // a week: 105600 * 7 / 360 = 2053.33
        {120000, 118800, 4, 293},    // a day: 105600 / 360 = 293.33
        {0, 5000, 2, 5000},          // the months before paid nothing: December takes the whole 50.00
    };
    DezemberPruefling m;
    for (const auto& f : faelle) {
        EXPECT_EQ(m.kombiniert(f.alt, f.neu, f.LZZ), Currency::fromUnits(f.dezember))
            << "old " << f.alt << " new " << f.neu << " LZZ " << f.LZZ;
    }
}

TEST(December2015, MonthlyPayFromTheTwoAnnualCalculations)
{
    struct Fall {
        Currency RE4;
        int stkl;
        Currency ZKF;
    };
    const Fall faelle[] = {
        {1450_cur, 1, 0_cur}, {972_cur, 1, 0_cur},    {5000_cur, 1, 1_cur}, {4000_cur, 3, 2_cur},
        {3000_cur, 5, 0_cur}, {2500_cur, 2, 0.5_cur}, {9000_cur, 4, 1_cur},
    };
    for (const auto& f : faelle) {
        auto jahr = lohn(f.RE4 * 12, f.stkl, 1);
        jahr.ZKF = f.ZKF;
        PlanModul alt(kPlan2015);
        PlanModul neu(kPlan1215);
        const Currency lstAlt = alt.LohnsteuerLzz(jahr) * 100;
        const Currency solzAlt = alt.SolzLzz() * 100;
        const Currency lstNeu = neu.LohnsteuerLzz(jahr) * 100;
        const Currency solzNeu = neu.SolzLzz() * 100;
        auto dezember = [](Currency a, Currency n) {
            const Currency D = n - (a - n) * 11;
            return D.isNegative() ? 0_cur : dez(D).divide<kEuros>(12, Round::Cut).toCurrency(Round::Cut);
        };
        const Currency BK = dezember(alt.zustand().JBMG * 100, neu.zustand().JBMG * 100);

        auto e = lohn(f.RE4, f.stkl);
        e.ZKF = f.ZKF;
        LxSteuern1215 m;
        EXPECT_EQ(m.LohnsteuerLzz(e) * 100, dezember(lstAlt, lstNeu)) << "RE4 " << f.RE4 << " class " << f.stkl;
        EXPECT_EQ(m.SolzLzz() * 100, dezember(solzAlt, solzNeu)) << "RE4 " << f.RE4;
        EXPECT_EQ(m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur),
                  (dez(BK) * 9).div10<4>().toCurrency<kCents>(Round::Cut))
            << "church tax on the combined base, RE4 " << f.RE4;
        EXPECT_EQ(m.zustand().BK, BK) << "RE4 " << f.RE4;
    }

    // Old 975 with a surcharge of 0.60, new 952 without: 952 - 11 * 23 = 699
    // for the wage tax and the church-tax base, the surcharge floored on its own.
    LxSteuern1215 m;
    EXPECT_EQ(m.LohnsteuerLzz(lohn(1450_cur, 1)), 58.25_cur);
    EXPECT_EQ(m.SolzLzz(), 0_cur);
    EXPECT_EQ(m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur), 5.24_cur);
    // Old 31, new 14: 14 - 11 * 17 is negative.
    EXPECT_EQ(m.LohnsteuerLzz(lohn(972_cur, 1)), 0_cur);
    EXPECT_EQ(m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur), 0_cur);
}

TEST(December2015, YearlyPayPeriodAndSpecialPaymentsTakeTheNewValues)
{
    auto jahr = lohn(40000_cur, 2, 1);
    jahr.ZKF = 1_cur;
    jahr.VMT = 15000_cur;
    PlanModul neu(kPlan1215);
    PlanModul alt(kPlan2015);
    LxSteuern1215 m;
    const Ergebnis dezember = rechne(m, jahr, 5000_cur, 40000_cur, 2);
    EXPECT_EQ(dezember, rechne(neu, jahr, 5000_cur, 40000_cur, 2));
    EXPECT_NE(dezember, rechne(alt, jahr, 5000_cur, 40000_cur, 2));

    // A monthly December: the period differs, while a special payment and pay
    // for several years are taxed with the new year alone.
    auto monat = lohn(3000_cur, 2);
    monat.VMT = 15000_cur;
    const Ergebnis m1 = rechne(m, monat, 5000_cur, 36000_cur);
    const Ergebnis n1 = rechne(neu, monat, 5000_cur, 36000_cur);
    EXPECT_GT(m1.sts, 0_cur);
    EXPECT_EQ(m1.sts, n1.sts);
    EXPECT_EQ(m1.solzs, n1.solzs);
    EXPECT_EQ(m1.stv, n1.stv);
    EXPECT_EQ(m1.solzv, n1.solzv);
    EXPECT_NE(m1.sts, rechne(alt, monat, 5000_cur, 36000_cur).sts);
}

TEST(Plans2011, TaxClassZeroClearsEveryFollowUp)
{
    for (const char* name : kPlaene) {
        auto plan = createPlan(name);
        auto e = lohn(3000_cur, 6);
        e.VMT = 10000_cur;
        const Ergebnis vorher = rechne(*plan, e, 5000_cur, 36000_cur, 1);
        ASSERT_GT(vorher.lst, 0_cur) << name;
        ASSERT_GT(vorher.stv, 0_cur) << name;

        auto minijob = lohn(3000_cur, 0);
        minijob.VMT = 10000_cur;
        EXPECT_EQ(rechne(*plan, minijob, 5000_cur, 36000_cur, 1), Ergebnis{})
            << name << ": nothing of the calculation before, no minimum church tax";
        EXPECT_EQ(plan->KirchensteuerSonst(1, 7, 1, 0, 0, 0_cur, 0_cur), 0_cur) << name;
    }
}

TEST(Plans2011, EachModuleKeepsItsOwnState)
{
    // Calculations in other modules between the entry and the follow-up
    // operations of one module change nothing of its results.
    auto e = lohn(4500_cur, 1, 3);
    e.VMT = 12000_cur;
    auto anders = lohn(900_cur, 3);
    anders.ZKF = 2_cur;
    for (const char* name : kPlaene) {
        const Ergebnis allein = rechne(*createPlan(name), e, 3000_cur, 60000_cur, 2);

        auto plan = createPlan(name);
        std::vector<std::unique_ptr<LxSteuernPlan>> andere;
        for (const char* other : kPlaene) andere.push_back(createPlan(other));
        Ergebnis r;
        r.lst = plan->LohnsteuerLzz(e);
        for (auto& o : andere) rechne(*o, anders, 800_cur, 10800_cur, 1);
        r.solz = plan->SolzLzz();
        r.kistEv = plan->KirchensteuerLzz(1, 7, 2, 1, 0_cur, 0_cur);
        r.kistRk = plan->KirchensteuerLzz(1, 7, 2, 0, 0_cur, 0_cur);
        for (auto& o : andere) rechne(*o, anders, 800_cur, 10800_cur, 1);
        r.sts = plan->LohnsteuerSonst(3000_cur, 60000_cur, 0_cur, 0_cur);
        r.solzs = plan->SolzSonst();
        r.stv = plan->LohnsteuerVmt(3000_cur, 60000_cur);
        r.solzv = plan->SolzVmt();
        r.begrenzt = plan->VmtBegrenzt();
        EXPECT_EQ(r, allein) << name;

        // And the same module gives the same again after another calculation.
        rechne(*plan, anders, 800_cur, 10800_cur, 1);
        EXPECT_EQ(rechne(*plan, e, 3000_cur, 60000_cur, 2), allein) << name << " repeated";
    }
    PlanSatz plaene;
    EXPECT_EQ(plaene.fuer(2015, 11)->name(), "2015");
    EXPECT_EQ(plaene.fuer(2015, 12)->name(), "1215");
}

TEST(Plans2011, ArgumentListsAAndB)
{
    auto e = lohn(3456.78_cur, 4);
    e.ZKF = 1.5_cur;
    e.af = 1;
    e.f = 0.917_cur;
    e.KVZ = 1.1_cur;
    e.PVZ = 1;
    e.LZZFREIB = -(50_cur);

    // List A has no KVZ; list B takes it after f.
    const LohnsteuerEingaben nurListeA{.RE4 = e.RE4,
                                       .LZZFREIB = e.LZZFREIB,
                                       .f = e.f,
                                       .ZKF = e.ZKF,
                                       .STKL = e.STKL,
                                       .LZZ = e.LZZ,
                                       .af = e.af,
                                       .PVZ = e.PVZ};
    LxSteuern2013 a;
    const Currency listeA = a.LohnsteuerLzz(nurListeA);
    EXPECT_EQ(listeA, LxSteuern2013().LohnsteuerLzz(e));
    EXPECT_GT(listeA, 0_cur);

    LohnsteuerEingaben nurListeB = nurListeA;
    nurListeB.KVZ = e.KVZ;
    LxSteuern1215 b;  // the December entry with its two passes
    const Currency listeB = b.LohnsteuerLzz(nurListeB);
    EXPECT_EQ(listeB, LxSteuern1215().LohnsteuerLzz(e));
    EXPECT_NE(listeB, PlanModul(kPlan1215).LohnsteuerLzz(e));
}
