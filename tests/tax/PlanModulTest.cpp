// The 2024 plan's tariff and tax classes 5/6 at their borders, the storing of
// the entry's inputs, and the state rules between calculations; December 2024's
// raised tariff and its combination of the two years. The official results
// (tax_vectors) cover the rest.

#include <gtest/gtest.h>

#include <vector>

#include "LxSteuern1224.h"
#include "LxSteuern2024.h"
#include "PlanPruefling.h"

using namespace lx;
namespace {

// Opens the plan routines for tests.
class Pruefling : public test::PlanPruefling {
public:
    Pruefling() : PlanPruefling(kPlan2024) {}
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

LohnsteuerEingaben monat(Currency re4, int stkl)
{
    LohnsteuerEingaben e;
    e.RE4 = re4;
    e.STKL = stkl;
    e.LZZ = 2;
    e.KVZ = 1.70_cur;
    return e;
}

struct Ergebnis {
    Currency lst, solz, kistEv, kistRk;
    bool operator==(const Ergebnis&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ergebnis& r)
{
    return os << "LSt " << r.lst << " SolZ " << r.solz << " KiSt " << r.kistEv << "/" << r.kistRk;
}

// A plain calculation as the engine runs it, Hamburg (area 7) with the given confession.
Ergebnis periode(LxSteuernPlan& plan, const LohnsteuerEingaben& e, int konfession)
{
    Ergebnis r;
    r.lst = plan.LohnsteuerLzz(e);
    r.solz = plan.SolzLzz();
    r.kistEv = plan.KirchensteuerLzz(1, 7, konfession, 1, 0_cur, 0_cur);
    r.kistRk = plan.KirchensteuerLzz(1, 7, konfession, 0, 0_cur, 0_cur);
    return r;
}

}  // namespace

TEST(LxSteuern2024, TariffZoneBorders)
{
    struct Fall {
        int X;
        int stkl;
        int ST;
    };
    const Fall faelle[] = {
        {11604, 1, 0},       {11611, 1, 0},       {11612, 1, 1},       {12000, 1, 56},    {17005, 1, 1025},
        {17006, 1, 1025},    {30000, 1, 4446},    {66760, 1, 17437},   {66761, 1, 17437}, {100000, 1, 31397},
        {277825, 1, 106084}, {277826, 1, 106084}, {300000, 1, 116063}, {30000, 3, 8892},  // tax class 3: X is half the
                                                                                          // income, ST doubled
    };
    Pruefling m;
    for (const auto& f : faelle) {
        EXPECT_EQ(m.tarif(Currency::fromUnits(f.X), f.stkl), Currency::fromUnits(f.ST))
            << "X " << f.X << " class " << f.stkl;
    }
}

TEST(LxSteuern2024, TaxClassFiveAroundItsLimits)
{
    struct Fall {
        int X;
        int ST;
    };
    // W1STKL5 13279, W2STKL5 33380, W3STKL5 222260
    const Fall faelle[] = {
        {10000, 1400},   {13278, 1858},   {13279, 1859},    {13280, 1859},  {20000, 4681},
        {33379, 9982},   {33380, 9980},   {33381, 9980},    {50000, 16960}, {222259, 89309},
        {222260, 89309}, {222261, 89309}, {250000, 101792},
    };
    Pruefling m;
    for (const auto& f : faelle) {
        EXPECT_EQ(m.tarif(Currency::fromUnits(f.X), 5), Currency::fromUnits(f.ST)) << "X " << f.X;
        EXPECT_EQ(m.tarif(Currency::fromUnits(f.X), 6), Currency::fromUnits(f.ST)) << "X " << f.X << " class 6";
    }
}

TEST(LxSteuern2024, OldAgeReliefRoundsUpToWholeEurosAwayFromZero)
{
    Pruefling m;
    // 2024: index 20, 12.8 % up to 608 euros
    EXPECT_EQ(m.alte(1000.01_cur, 0_cur, 2024), 129_cur);  // 128.00128
    EXPECT_EQ(m.alte(1000_cur, 0_cur, 2024), 128_cur);
    EXPECT_EQ(m.alte(10000_cur, 0_cur, 2024), 608_cur);          // capped by TAB5
    EXPECT_EQ(m.alte(1000_cur, 2000.50_cur, 2024), -(129_cur));  // special payment with JRE4 < JVBEZ
    EXPECT_EQ(m.alte(10000_cur, 0_cur, 2005), 1900_cur);         // index 1: 40 % up to 1900
}

TEST(LxSteuern2024, EntryStoresItsInputs)
{
    LxSteuern2024 m;
    auto e = monat(100_cur, 1);
    e.LZZ = 3;
    m.LohnsteuerLzz(e);
    EXPECT_EQ(m.zustand().ZRE4J, 5142.85_cur) << "week: cut, not rounded";
    e.LZZ = 4;
    m.LohnsteuerLzz(e);
    EXPECT_EQ(m.zustand().ZRE4J, 36000_cur);

    struct Kinder {
        int anzahl;
        int pvz;
        Currency pvsatzan;
    };
    const Kinder kinder[] = {
        {0, 0, 0.017_cur}, {1, 0, 0.017_cur}, {2, 0, 0.0145_cur}, {4, 0, 0.0095_cur},
        {5, 0, 0.007_cur}, {9, 0, 0.007_cur}, {3, 1, 0.023_cur},  // the surcharge replaces the reduction
    };
    for (const auto& k : kinder) {
        e = monat(3000_cur, 1);
        e.AnzKinderPV = k.anzahl;
        e.PVZ = k.pvz;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().PVSATZAN, dez(k.pvsatzan)) << k.anzahl << " children, PVZ " << k.pvz;
    }

    e = monat(3000_cur, 1);
    e.ZKF = 0.5_cur;
    m.LohnsteuerLzz(e);
    EXPECT_EQ(m.zustand().KFB, 4656_cur);
    e.STKL = 4;
    m.LohnsteuerLzz(e);
    EXPECT_EQ(m.zustand().KFB, 2328_cur);
}

TEST(LxSteuern2024, PlanArgumentListGivesTheSameAsTheNamedInputs)
{
    LxSteuern2024 a;
    LxSteuern2024 b;
    auto e = monat(4321.09_cur, 4);
    e.ZKF = 1.5_cur;
    e.af = 1;
    e.f = 0.917_cur;
    e.AnzKinderPV = 3;
    e.LZZFREIB = -(50_cur);
    const Currency positional = a.LohnsteuerLzz(LohnsteuerEingaben{.RE4 = e.RE4,
                                                                   .LZZFREIB = e.LZZFREIB,
                                                                   .f = e.f,
                                                                   .KVZ = e.KVZ,
                                                                   .ZKF = e.ZKF,
                                                                   .STKL = e.STKL,
                                                                   .LZZ = e.LZZ,
                                                                   .AnzKinderPV = e.AnzKinderPV,
                                                                   .af = e.af});
    EXPECT_EQ(positional, b.LohnsteuerLzz(e));
    EXPECT_GT(positional, 0_cur);
}

TEST(LxSteuern2024, AllowanceThenAdditionAmount)
{
    LxSteuern2024 m;
    m.LohnsteuerLzz(monat(3000_cur, 1));
    const Currency ohne = m.zustand().ZRE4;

    auto freibetrag = monat(3000_cur, 1);
    freibetrag.LZZFREIB = 100_cur;
    m.LohnsteuerLzz(freibetrag);
    EXPECT_EQ(m.zustand().ZRE4, ohne - 1200_cur);

    auto hinzu = monat(3000_cur, 1);
    hinzu.LZZFREIB = -(100_cur);
    const Currency lst = m.LohnsteuerLzz(hinzu);
    EXPECT_EQ(m.zustand().ZRE4, ohne + 1200_cur) << "no allowance left from the calculation before";
    EXPECT_EQ(m.zustand().LZZFREIB, 0_cur);

    LxSteuern2024 frisch;
    EXPECT_EQ(lst, frisch.LohnsteuerLzz(hinzu));
}

TEST(LxSteuern2024, SpecialPaymentDoesNotReachTheNextCalculation)
{
    // A child allowance takes the whole church-tax base: not even Hamburg's
    // minimum church tax, as no tax arises after the allowance.
    auto plain = monat(1600_cur, 1);
    plain.ZKF = 1_cur;
    LxSteuern2024 frisch;
    const Ergebnis allein = periode(frisch, plain, 1);
    EXPECT_EQ(allein.kistRk, 0_cur);

    LxSteuern2024 m;
    auto mitSonst = plain;
    mitSonst.VMT = 20000_cur;
    periode(m, mitSonst, 1);
    EXPECT_GT(m.LohnsteuerSonst(20000_cur, 9600_cur, 0_cur, 0_cur), 0_cur);  // sets the pay period to a year
    m.SolzSonst();
    EXPECT_GT(m.LohnsteuerVmt(20000_cur, 9600_cur), 0_cur);
    EXPECT_GT(m.KirchensteuerSonst(1, 7, 1, 0, 1, 0_cur, 0_cur), 0_cur);

    EXPECT_EQ(periode(m, plain, 1), allein);
    EXPECT_EQ(m.KirchensteuerSonst(1, 7, 1, 0, 1, 0_cur, 0_cur), 0_cur) << "base STV cleared: no minimum on it";
    EXPECT_EQ(m.VmtBegrenzt(), 0);
}

TEST(LxSteuern2024, TaxClassZeroAfterACappedMultiYearCalculation)
{
    LxSteuern2024 m;
    auto capped = monat(2000_cur, 6);
    capped.VMT = 10000_cur;
    m.LohnsteuerLzz(capped);
    m.SolzLzz();
    ASSERT_GT(m.LohnsteuerVmt(0_cur, 24000_cur), 0_cur);
    ASSERT_EQ(m.VmtBegrenzt(), 1) << "normal taxation is cheaper here";

    auto minijob = monat(2000_cur, 0);
    minijob.VMT = 10000_cur;
    EXPECT_EQ(m.LohnsteuerLzz(minijob), 0_cur);
    EXPECT_EQ(m.SolzLzz(), 0_cur);
    EXPECT_EQ(m.KirchensteuerLzz(1, 7, 1, 0, 0_cur, 0_cur), 0_cur) << "no minimum in a mini-job month";
    EXPECT_EQ(m.LohnsteuerSonst(1000_cur, 24000_cur, 0_cur, 0_cur), 0_cur);
    EXPECT_EQ(m.SolzSonst(), 0_cur);
    EXPECT_EQ(m.LohnsteuerVmt(1000_cur, 24000_cur), 0_cur);
    EXPECT_EQ(m.SolzVmt(), 0_cur);
    EXPECT_EQ(m.KirchensteuerSonst(1, 7, 1, 0, 1, 0_cur, 0_cur), 0_cur);
    EXPECT_EQ(m.VmtBegrenzt(), 0);
}

TEST(LxSteuern2024, SurchargeOfThePeriodCanBeAskedTwice)
{
    LxSteuern2024 m;
    auto e = monat(20000_cur, 3);
    const Currency lst = m.LohnsteuerLzz(e);
    ASSERT_GT(lst, 0_cur);
    const Currency solz = m.SolzLzz();
    EXPECT_GT(solz, 0_cur);
    EXPECT_EQ(m.SolzLzz(), solz) << "the exemption limit must not be doubled again";
}

TEST(PlanModul, PensionMonthsTakeTwelfthsOfTheYearExactly)
{
    // HFVB = TAB2 / 12 x ZMVB cut to euros and FVBZ = TAB3 / 12 x ZMVB up to
    // euros (LZZ 1): the twelfths of TAB3 end in halves for these years.
    struct Fall {
        int VJAHR;
        int ZMVB;
        Currency HFVB, FVBZ;
    } const faelle[] = {
        {2021, 5, 475_cur, 143_cur},                                // TAB2 1140, TAB3 342: 142.50 up to 143
        {2021, 7, 665_cur, 200_cur},                                // 199.50
        {2023, 3, 255_cur, 77_cur},                                 // TAB2 1020, TAB3 306: 76.50
        {2023, 12, 1020_cur, 306_cur}, {2005, 1, 250_cur, 75_cur},  // TAB2 3000, TAB3 900
    };
    for (const auto& f : faelle) {
        Pruefling m;
        LohnsteuerEingaben e;
        e.STKL = 1;
        e.LZZ = 1;
        e.RE4 = 40000_cur;
        e.VBEZ = 15000_cur;
        e.VBEZM = 3000_cur;
        e.ZMVB = f.ZMVB;
        e.VJAHR = f.VJAHR;
        e.KVZ = 1.70_cur;
        m.LohnsteuerLzz(e);
        EXPECT_EQ(m.zustand().HFVB, f.HFVB) << f.VJAHR << " ZMVB " << f.ZMVB;
        EXPECT_EQ(m.zustand().FVBZ, f.FVBZ) << f.VJAHR << " ZMVB " << f.ZMVB;
    }
}

TEST(LxSteuern1224, TariffOfTheRaisedValues)
{
    struct Fall {
        int X;
        int stkl;
        int ST;
    };
    // GFB 11784, zone 2 factor 954.80, zone 3 constant 991.21, 42 % less
    // 10636.31, 45 % less 18971.06; tax class 5 with W1STKL5 13432 (42 % above
    // it only where that is less than the tariff's doubled difference).
    const Fall faelle[] = {
        {11784, 1, 0},       {11791, 1, 0},       {11792, 1, 1},       {12000, 1, 30},    {17005, 1, 991},
        {17006, 1, 991},     {30000, 1, 4412},    {66760, 1, 17402},   {66761, 1, 17403}, {100000, 1, 31363},
        {277825, 1, 106050}, {277826, 1, 106050}, {300000, 1, 116028}, {30000, 3, 8824},  {10000, 5, 1400},
        {13279, 5, 1859},    {13280, 5, 1859},    {13431, 5, 1880},    {13432, 5, 1880},  {13433, 5, 1880},
        {20000, 5, 4638},    {33379, 5, 9982},    {33380, 5, 9982},    {33381, 5, 9982},  {50000, 5, 16962},
        {222260, 5, 89311},  {222261, 5, 89311},  {250000, 5, 101794},
    };
    test::PlanPruefling m(kPlan1224);
    for (const auto& f : faelle) {
        EXPECT_EQ(m.tarif(Currency::fromUnits(f.X), f.stkl), Currency::fromUnits(f.ST))
            << "X " << f.X << " class " << f.stkl;
    }
    EXPECT_EQ(kPlan1224.name, "1224");
    EXPECT_EQ(kPlan1224.KFB, 9540_cur);
    EXPECT_EQ(kPlan1224.KFBKlasse4, 4770_cur);
    EXPECT_EQ(kPlan1224.W2STKL5, kPlan2024.W2STKL5);
    EXPECT_EQ(kPlan1224.SOLZFREI, kPlan2024.SOLZFREI);
}

TEST(LxSteuern1224, DecemberTakesWhatTheNewYearLeavesAfterElevenMonths)
{
    struct Fall {
        Currency RE4;
        int stkl;
        Currency KVZ;
        Currency lst2024, lstDezember, kistDezember;
    };
    // With 1.60 % worked by hand: annual tax 3810 before, 3775 after; December
    // 3775 - 11 * 35 = 3390 a year, 282.50 a month; church tax 9 % of it.
    const Fall faelle[] = {
        {3000_cur, 1, 1.70_cur, 317.08_cur, 282.08_cur, 25.38_cur},
        {3000_cur, 1, 1.60_cur, 317.50_cur, 282.50_cur, 25.42_cur},
        {5000_cur, 3, 1.70_cur, 444.50_cur, 374.50_cur, 33.70_cur},
    };
    for (const auto& f : faelle) {
        auto e = monat(f.RE4, f.stkl);
        e.KVZ = f.KVZ;
        e.PVZ = 1;
        LxSteuern2024 jahr;
        LxSteuern1224 dezember;
        EXPECT_EQ(jahr.LohnsteuerLzz(e), f.lst2024) << f.RE4 << " class " << f.stkl;
        EXPECT_EQ(dezember.LohnsteuerLzz(e), f.lstDezember) << f.RE4 << " class " << f.stkl;
        EXPECT_EQ(dezember.SolzLzz(), 0_cur);
        EXPECT_EQ(dezember.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur), f.kistDezember) << f.RE4;
        EXPECT_EQ(dezember.KirchensteuerLzz(1, 12, 0, 0, 0_cur, 0_cur), 0_cur);
        EXPECT_EQ(dezember.name(), "1224");
    }
}

TEST(LxSteuern1224, YearlyPayPeriodAndSpecialPaymentsTakeTheNewValues)
{
    auto alles = [](LxSteuernPlan& p, const LohnsteuerEingaben& e, Currency SONSTB, Currency JRE4) {
        std::vector<Currency> r{p.LohnsteuerLzz(e), p.SolzLzz(), p.KirchensteuerLzz(1, 12, 2, 1, 0_cur, 0_cur)};
        r.push_back(p.LohnsteuerSonst(SONSTB, JRE4, 0_cur, 0_cur));
        r.push_back(p.SolzSonst());
        r.push_back(p.LohnsteuerVmt(SONSTB, JRE4));
        r.push_back(p.SolzVmt());
        return r;
    };
    LxSteuern1224 m;
    PlanModul neu(kPlan1224);
    LxSteuern2024 alt;

    auto jahr = monat(60000_cur, 2);
    jahr.LZZ = 1;
    jahr.ZKF = 1_cur;
    jahr.VMT = 15000_cur;
    const std::vector<Currency> dezember = alles(m, jahr, 5000_cur, 60000_cur);
    EXPECT_EQ(dezember, alles(neu, jahr, 5000_cur, 60000_cur)) << "a yearly pay period: the new values alone";
    EXPECT_NE(dezember, alles(alt, jahr, 5000_cur, 60000_cur));

    // A monthly December: the period is combined, while the special payment and
    // the pay for several years are taxed with the new year alone (a small wage,
    // where the raised basic allowance changes the difference of two annual taxes).
    auto monatlich = monat(1500_cur, 1);
    monatlich.VMT = 3000_cur;
    const std::vector<Currency> m1 = alles(m, monatlich, 2000_cur, 18000_cur);
    const std::vector<Currency> n1 = alles(neu, monatlich, 2000_cur, 18000_cur);
    const std::vector<Currency> a1 = alles(alt, monatlich, 2000_cur, 18000_cur);
    EXPECT_NE(m1[0], n1[0]);
    EXPECT_GT(m1[3], 0_cur);
    EXPECT_EQ(std::vector(m1.begin() + 3, m1.end()), std::vector(n1.begin() + 3, n1.end()));
    EXPECT_NE(m1[3], a1[3]) << "special payment";
    EXPECT_NE(m1[5], a1[5]) << "pay for several years";
}
