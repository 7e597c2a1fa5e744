// The plans 2016 to 2023 and July to December 2023: tariff and tax classes 5/6
// at their borders per plan, the care-insurance rate of July to December 2023 by
// pay period, the surcharge rules of the two groups of years, the plans' own
// argument lists, and that each plan keeps a state of its own. The official
// results (tax_vectors) cover the rest.

#include <gtest/gtest.h>

#include <vector>

#include "LxSteuern0723.h"
#include "LxSteuern2016.h"
#include "LxSteuern2017.h"
#include "LxSteuern2018.h"
#include "LxSteuern2019.h"
#include "LxSteuern2020.h"
#include "LxSteuern2021.h"
#include "LxSteuern2022.h"
#include "LxSteuern2023.h"
#include "PlanPruefling.h"
#include "PlanRegistry.h"

using namespace lx;
namespace {

const char* const kPlaene[] = {"2016", "2017", "2018", "2019", "2020", "2021", "2022", "2023", "0723"};

// Opens the plan routines of any table for tests.
class Pruefling : public test::PlanPruefling {
public:
    using PlanPruefling::PlanPruefling;

    // Annual surcharge (LZZ 1) on an annual base JBMG.
    Currency solz(Currency JBMG, int KZTAB)
    {
        z_ = PlanZustand{};
        z_.LZZ = 1;
        z_.KZTAB = KZTAB;
        z_.JBMG = JBMG;
        MSOLZ();
        return dez(z_.SOLZLZZ).div10<2>().toCurrency(Round::Cut);
    }
    // The pension-insurance allowance of tax class 1, West.
    const PlanZustand& vorsorge(Currency ZRE4VP)
    {
        z_ = PlanZustand{};
        z_.STKL = 1;
        MPARA();
        z_.ZRE4VP = ZRE4VP;
        UPEVP();
        return z_;
    }
};

LohnsteuerEingaben monat(Currency re4, int stkl)
{
    LohnsteuerEingaben e;
    e.RE4 = re4;
    e.STKL = stkl;
    e.LZZ = 2;
    e.KVZ = 1.10_cur;
    return e;
}

struct Punkt {
    int X;
    int ST;
};
struct TarifTabelle {
    const PlanParameter* plan;
    std::vector<Punkt> klasse1;  // zone borders, the first euro of tax and one X in each zone
    std::vector<Punkt> klasse5;  // around W1STKL5, W2STKL5 and W3STKL5, and between them
};

}  // namespace

TEST(Plans2016To2023, TariffZoneBordersAndTaxClassFiveLimits)
{
    // clang-format off
    const TarifTabelle tabellen[] = {
    {&kPlan2016,
     {{8652, 0}, {8659, 0}, {8660, 1}, {13669, 952}, {13670, 952}, {53665, 14145}, {53666, 14145}, {254446, 98473}, {254447, 98473}, {12000, 580}, {30000, 5468}, {100000, 33605}, {300000, 118972}},
     {{10069, 1409}, {10070, 1409}, {10071, 1409}, {20000, 5364}, {26831, 8024}, {26832, 8024}, {26833, 8024}, {50000, 17754}, {203556, 82248}, {203557, 82248}, {203558, 82248}}},
    {&kPlan2017,
     {{8820, 0}, {8827, 0}, {8828, 1}, {13769, 939}, {13770, 939}, {54057, 14228}, {54058, 14228}, {256303, 99171}, {256304, 99172}, {12000, 547}, {30000, 5419}, {100000, 33524}, {300000, 118835}},
     {{10239, 1433}, {10240, 1433}, {10241, 1433}, {20000, 5350}, {27028, 8082}, {27029, 8084}, {27030, 8084}, {50000, 17731}, {205042, 82849}, {205043, 82849}, {205044, 82849}}},
    {&kPlan2018,
     {{9000, 0}, {9007, 0}, {9008, 1}, {13996, 948}, {13997, 948}, {54949, 14456}, {54950, 14457}, {260532, 100801}, {260533, 100802}, {12000, 509}, {30000, 5348}, {100000, 33378}, {300000, 118562}},
     {{10439, 1461}, {10440, 1461}, {10441, 1461}, {20000, 5322}, {27474, 8216}, {27475, 8216}, {27476, 8216}, {50000, 17676}, {208425, 84215}, {208426, 84215}, {208427, 84215}}},
    {&kPlan2019,
     {{9168, 0}, {9175, 0}, {9176, 1}, {14254, 965}, {14255, 965}, {55960, 14722}, {55961, 14722}, {265326, 102656}, {265327, 102656}, {12000, 475}, {30000, 5275}, {100000, 33219}, {300000, 118259}},
     {{10634, 1488}, {10635, 1488}, {10636, 1488}, {20000, 5292}, {27979, 8368}, {27980, 8368}, {27981, 8368}, {50000, 17616}, {212260, 85765}, {212261, 85766}, {212262, 85766}}},
    {&kPlan2020,
     {{9408, 0}, {9415, 0}, {9416, 1}, {14532, 972}, {14533, 973}, {57051, 14997}, {57052, 14998}, {270500, 104646}, {270501, 104646}, {12000, 428}, {30000, 5187}, {100000, 33036}, {300000, 117921}},
     {{10897, 1525}, {10898, 1525}, {10899, 1525}, {20000, 5258}, {28525, 8530}, {28526, 8530}, {28527, 8530}, {50000, 17549}, {216399, 87436}, {216400, 87437}, {216401, 87437}}},
    {&kPlan2021,
     {{9744, 0}, {9751, 0}, {9752, 1}, {14753, 950}, {14754, 951}, {57918, 15188}, {57919, 15189}, {274612, 106200}, {274613, 106200}, {12000, 366}, {30000, 5091}, {100000, 32863}, {300000, 117625}},
     {{11236, 1573}, {11237, 1573}, {11238, 1573}, {20000, 5232}, {28958, 8660}, {28959, 8660}, {28960, 8660}, {50000, 17497}, {219689, 88766}, {219690, 88767}, {219691, 88767}}},
    {&kPlan2022,
     {{10347, 0}, {10354, 0}, {10355, 1}, {14926, 869}, {14927, 869}, {58596, 15273}, {58597, 15274}, {277825, 107350}, {277826, 107350}, {12000, 261}, {30000, 4951}, {100000, 32663}, {300000, 117328}},
     {{11792, 1650}, {11793, 1651}, {11794, 1651}, {20000, 5097}, {29297, 8762}, {29298, 8760}, {29299, 8760}, {50000, 17454}, {222259, 89803}, {222260, 89804}, {222261, 89804}}},
    {&kPlan2023,
     {{10908, 0}, {10915, 0}, {10916, 1}, {15999, 966}, {16000, 966}, {62809, 16406}, {62810, 16407}, {277825, 106713}, {277826, 106713}, {12000, 164}, {30000, 4700}, {100000, 32027}, {300000, 116692}},
     {{12484, 1747}, {12485, 1747}, {12486, 1747}, {20000, 4903}, {31403, 9392}, {31404, 9390}, {31405, 9390}, {50000, 17200}, {222259, 89549}, {222260, 89549}, {222261, 89549}}},
    {&kPlan0723,
     {{10908, 0}, {10915, 0}, {10916, 1}, {15999, 966}, {16000, 966}, {62809, 16406}, {62810, 16407}, {277825, 106713}, {277826, 106713}, {12000, 164}, {30000, 4700}, {100000, 32027}, {300000, 116692}},
     {{12484, 1747}, {12485, 1747}, {12486, 1747}, {20000, 4903}, {31403, 9392}, {31404, 9390}, {31405, 9390}, {50000, 17200}, {222259, 89549}, {222260, 89549}, {222261, 89549}}},
    };
    // clang-format on
    for (const auto& t : tabellen) {
        Pruefling m(*t.plan);
        for (const auto& p : t.klasse1) {
            EXPECT_EQ(m.tarif(Currency::fromUnits(p.X), 1), Currency::fromUnits(p.ST))
                << "plan " << t.plan->name << " X " << p.X;
        }
        for (const auto& p : t.klasse5) {
            EXPECT_EQ(m.tarif(Currency::fromUnits(p.X), 5), Currency::fromUnits(p.ST))
                << "plan " << t.plan->name << " class 5, X " << p.X;
            EXPECT_EQ(m.tarif(Currency::fromUnits(p.X), 6), Currency::fromUnits(p.ST))
                << "plan " << t.plan->name << " class 6, X " << p.X;
        }
        // Tax class 3: X is already half the income, the tax is doubled.
        EXPECT_EQ(m.tarif(30000_cur, 3), m.tarif(30000_cur, 1) * 2) << "plan " << t.plan->name;
    }
}

TEST(Plans2016To2023, SurchargeOfThePeriodByYearGroup)
{
    struct Fall {
        const PlanParameter* plan;
        int KZTAB;
        Currency JBMG;
        Currency SOLZJ;
    };
    const Fall faelle[] = {
        {&kPlan2016, 1, 972_cur, 0_cur},    {&kPlan2016, 1, 1000_cur, 5.60_cur},  // 20 % of 28, below 55.00
        {&kPlan2020, 1, 973_cur, 0.20_cur}, {&kPlan2020, 2, 1944_cur, 0_cur},     {&kPlan2020, 1, 50000_cur, 2750_cur},
        {&kPlan2021, 1, 16956_cur, 0_cur},  {&kPlan2021, 1, 17000_cur, 5.23_cur},  // 11.9 % of 44 is 5.236
        {&kPlan2021, 2, 33912_cur, 0_cur},  {&kPlan2021, 2, 33913_cur, 0.11_cur}, {&kPlan2022, 1, 16957_cur, 0.11_cur},
        {&kPlan2023, 1, 17543_cur, 0_cur},  {&kPlan0723, 1, 17544_cur, 0.11_cur}, {&kPlan0723, 1, 100000_cur, 5500_cur},
    };
    for (const auto& f : faelle) {
        Pruefling m(*f.plan);
        EXPECT_EQ(m.solz(f.JBMG, f.KZTAB), f.SOLZJ)
            << "plan " << f.plan->name << " JBMG " << f.JBMG << " KZTAB " << f.KZTAB;
    }
}

TEST(Plans2016To2023, PensionInsuranceAllowanceCutToCents)
{
    struct Fall {
        const PlanParameter* plan;
        Currency ZRE4VP;
        Currency VSP1;
        Currency VSP2;
    };
    // The share TBSVORV and the rate are two steps, each cut to cents; the
    // official results cut in 2021 to 2023 as well (10001.99: 781.35 and
    // 1200.23, not the rounded 781.36 and 1200.24).
    const Fall faelle[] = {
        {&kPlan2016, 10001.99_cur, 598.51_cur, 1200.23_cur},  // 6401.27 x 0.0935 = 598.518...
        {&kPlan2021, 10001.99_cur, 781.35_cur, 1200.23_cur},  // 8401.67 x 0.093 = 781.355...
        {&kPlan2022, 50000_cur, 4092_cur, 1900_cur},          // 44000 x 0.093; VSP2 at its limit
        {&kPlan2023, 10001.99_cur, 930.18_cur, 1200.23_cur},  // the whole contribution counts
        {&kPlan2016, 100000_cur, 4452.09_cur, 1900_cur},      // 47616 (of BBGRV 74400) x 0.0935
    };
    for (const auto& f : faelle) {
        Pruefling m(*f.plan);
        const PlanZustand& z = m.vorsorge(f.ZRE4VP);
        EXPECT_EQ(z.VSP1, f.VSP1) << "plan " << f.plan->name << " ZRE4VP " << f.ZRE4VP;
        EXPECT_EQ(z.VSP2, f.VSP2) << "plan " << f.plan->name << " ZRE4VP " << f.ZRE4VP;
    }
}

TEST(Plans2016To2023, CareRateOfJulyToDecember2023ByPayPeriod)
{
    struct Fall {
        const char* plan;
        int LZZ;
        int PVS;
        int PVZ;
        Dezimal PVSATZAN;
        Dezimal PVSATZAG;
    };
    const Fall faelle[] = {
        // an annual calculation takes the rates averaged over 2023
        {"0723", 1, 0, 0, 0.016125_dez, 0.016125_dez},
        {"0723", 1, 0, 1, 0.020875_dez, 0.016125_dez},
        {"0723", 1, 1, 0, 0.021125_dez, 0.011125_dez},
        {"0723", 1, 1, 1, 0.025875_dez, 0.011125_dez},
        // month, week and day the rates from July
        {"0723", 2, 0, 0, 0.017_dez, 0.017_dez},
        {"0723", 2, 1, 1, 0.028_dez, 0.012_dez},
        {"0723", 3, 0, 1, 0.023_dez, 0.017_dez},
        {"0723", 4, 1, 0, 0.022_dez, 0.012_dez},
        // January to June: one set for every pay period
        {"2023", 1, 0, 1, 0.01875_dez, 0.01525_dez},
        {"2023", 2, 0, 1, 0.01875_dez, 0.01525_dez},
        {"2023", 4, 1, 0, 0.02025_dez, 0.01025_dez},
    };
    for (const auto& f : faelle) {
        auto m = createPlan(f.plan);
        ASSERT_NE(m, nullptr);
        auto e = monat(3000_cur, 1);
        e.LZZ = f.LZZ;
        e.PVS = f.PVS;
        e.PVZ = f.PVZ;
        m->LohnsteuerLzz(e);
        const PlanZustand& z = static_cast<const PlanModul&>(*m).zustand();
        EXPECT_EQ(z.PVSATZAN, f.PVSATZAN) << f.plan << " LZZ " << f.LZZ << " PVS " << f.PVS << " PVZ " << f.PVZ;
        EXPECT_EQ(z.PVSATZAG, f.PVSATZAG) << f.plan << " LZZ " << f.LZZ << " PVS " << f.PVS << " PVZ " << f.PVZ;

        // A special payment is taxed on annual amounts but keeps the rates of the pay period.
        m->LohnsteuerSonst(5000_cur, 36000_cur, 0_cur, 0_cur);
        EXPECT_EQ(z.LZZ, 1);
        EXPECT_EQ(z.PVSATZAN, f.PVSATZAN) << f.plan << " after a special payment, LZZ " << f.LZZ;
    }
}

namespace {

struct Ergebnisse {
    Currency lst, solz, kistEv, kistRk, sts, solzS, stv, solzV;
    int begrenzt = 0;
    bool operator==(const Ergebnisse&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Ergebnisse& r)
{
    return os << "LSt " << r.lst << " SolZ " << r.solz << " KiSt " << r.kistEv << "/" << r.kistRk << " STS " << r.sts
              << " SolZ " << r.solzS << " STV " << r.stv << " SolZ " << r.solzV << " capped " << r.begrenzt;
}

// The follow-up operations in the engine's order after an entry, Hamburg (area 7), Catholic.
Ergebnisse folge(LxSteuernPlan& plan, Currency lst, Currency SONSTB, Currency JRE4)
{
    Ergebnisse r;
    r.lst = lst;
    r.solz = plan.SolzLzz();
    r.kistEv = plan.KirchensteuerLzz(1, 7, 1, 1, 0_cur, 0_cur);
    r.kistRk = plan.KirchensteuerLzz(1, 7, 1, 0, 0_cur, 0_cur);
    r.sts = plan.LohnsteuerSonst(SONSTB, JRE4, 0_cur, 0_cur);
    r.solzS = plan.SolzSonst();
    r.stv = plan.LohnsteuerVmt(SONSTB, JRE4);
    r.solzV = plan.SolzVmt();
    r.begrenzt = plan.VmtBegrenzt();
    return r;
}

Ergebnisse rechne(LxSteuernPlan& plan, const LohnsteuerEingaben& e, Currency SONSTB, Currency JRE4)
{
    return folge(plan, plan.LohnsteuerLzz(e), SONSTB, JRE4);
}

// Pay for several years where normal taxation is cheaper than the one-fifth rule.
LohnsteuerEingaben gekappt()
{
    auto e = monat(1500_cur, 6);
    e.VMT = 10000_cur;
    return e;
}

// Two input sets that between them give the entry's arguments a say (VBS is
// replaced by that of a special payment).
std::vector<LohnsteuerEingaben> argumentFaelle()
{
    LohnsteuerEingaben a = monat(4321.09_cur, 4);
    a.AJAHR = 2015;
    a.ALTER1 = 1;
    a.VJAHR = 2012;
    a.ZMVB = 7;
    a.VBEZ = 400_cur;
    a.VBEZM = 400_cur;
    a.VBEZS = 150_cur;
    a.JVBEZ = 2800_cur;
    a.LZZFREIB = -(50_cur);
    a.JFREIB = 700_cur;
    a.VMT = 9000_cur;
    a.ENTSCH = 1000_cur;
    a.JRE4ENT = 300_cur;
    a.SONSTENT = 200_cur;
    a.af = 1;
    a.f = 0.917_cur;
    a.ZKF = 1.5_cur;
    a.KRV = 1;
    a.PVS = 1;
    a.KVZ = 1.30_cur;

    LohnsteuerEingaben b = monat(6543.21_cur, 1);
    b.PKV = 2;
    b.PKPV = 650_cur;
    b.MBV = 1500_cur;
    b.KRV = 2;
    b.LZZ = 3;
    b.VMT = 5000_cur;
    b.PVZ = 1;
    return {a, b};
}

}  // namespace

TEST(Plans2016To2023, PlanArgumentListsGiveTheSameAsTheNamedInputs)
{
    for (const auto& e : argumentFaelle()) {
        LxSteuern2018 a;
        LxSteuern2018 b;
        // The 27 inputs of 2016 to 2021: no MBV, no care-insurance children.
        LohnsteuerEingaben liste27 = e;
        liste27.MBV = 0_cur;
        liste27.AnzKinderPV = 0;
        const Currency lst27 = a.LohnsteuerLzz(liste27);
        EXPECT_GT(lst27, 0_cur);
        EXPECT_EQ(folge(a, lst27, 3000_cur, 40000_cur), rechne(b, e, 3000_cur, 40000_cur)) << "2018, LZZ " << e.LZZ;

        LxSteuern0723 c;
        LxSteuern0723 d;
        // The 28 inputs of 2022 and 2023: with MBV, no care-insurance children.
        LohnsteuerEingaben liste28 = e;
        liste28.AnzKinderPV = 0;
        const Currency lst28 = c.LohnsteuerLzz(liste28);
        EXPECT_GT(lst28, 0_cur);
        EXPECT_EQ(folge(c, lst28, 3000_cur, 40000_cur), rechne(d, e, 3000_cur, 40000_cur)) << "0723, LZZ " << e.LZZ;
    }
}

TEST(Plans2016To2023, SurchargeOnSpecialPaymentsByYearGroup)
{
    // A small wage: the annual tax stays below even the exemption limit of 2016 to 2020.
    auto e = monat(1000_cur, 1);
    e.VMT = 2500_cur;
    for (const char* name : kPlaene) {
        auto plan = createPlan(name);
        const Ergebnisse r = rechne(*plan, e, 4000_cur, 12000_cur);
        ASSERT_GT(r.sts, 0_cur) << name;
        ASSERT_GT(r.stv, 0_cur) << name;
        const bool ohneFreigrenze = std::string_view(name) < "2021" && std::string_view(name) != "0723";
        if (ohneFreigrenze) {
            // 5.5 % of the tax, cut to cents, whatever the income
            EXPECT_EQ(r.solzS, (dez(r.sts) * 0.055_d).toCurrency<kCents>(Round::Cut)) << name;
            EXPECT_EQ(r.solzV, (dez(r.stv) * 0.055_d).toCurrency<kCents>(Round::Cut)) << name;
        } else {
            EXPECT_EQ(r.solzS, 0_cur) << name;
            EXPECT_EQ(r.solzV, 0_cur) << name;
        }
    }
}

TEST(Plans2016To2023, TaxClassZeroClearsTheStateOfEveryPlan)
{
    for (const char* name : kPlaene) {
        auto plan = createPlan(name);
        ASSERT_NE(plan, nullptr) << name;
        const Ergebnisse vorher = rechne(*plan, gekappt(), 0_cur, 18000_cur);
        ASSERT_GT(vorher.stv, 0_cur) << name;
        ASSERT_EQ(vorher.begrenzt, 1) << name << ": normal taxation is cheaper here";

        auto minijob = gekappt();
        minijob.STKL = 0;
        const Ergebnisse minijobMonat = rechne(*plan, minijob, 3000_cur, 24000_cur);
        EXPECT_EQ(minijobMonat, Ergebnisse{}) << name << ": nothing of the calculation before, no church-tax minimum";
        EXPECT_EQ(plan->KirchensteuerSonst(1, 7, 1, 0, 1, 0_cur, 0_cur), 0_cur) << name;

        // Tax class 3 between the simple and the doubled exemption limit: asking for the
        // period's surcharge once more must not double the limit for special payments.
        auto klasse3 = monat(15000_cur, 3);
        klasse3.VMT = 30000_cur;
        const Ergebnisse erst = rechne(*plan, klasse3, 8000_cur, 180000_cur);
        ASSERT_GT(erst.solzS, 0_cur) << name;
        ASSERT_GT(erst.solzV, 0_cur) << name;
        const Currency lst = plan->LohnsteuerLzz(klasse3);
        plan->SolzLzz();
        EXPECT_EQ(folge(*plan, lst, 8000_cur, 180000_cur), erst) << name;
        EXPECT_EQ(rechne(*plan, minijob, 3000_cur, 24000_cur), Ergebnisse{}) << name;
    }
}

TEST(Plans2016To2023, EveryPlanKeepsAStateOfItsOwn)
{
    PlanSatz plaene;
    EXPECT_EQ(plaene.fuer(2023, 6)->name(), "2023");
    EXPECT_EQ(plaene.fuer(2023, 7)->name(), "0723");
    EXPECT_EQ(plaene.fuer(2019, 12)->name(), "2019");

    // The 2019 flag of a capped multi-year tax stays its own whatever 2018 computes, and back.
    const auto m2018 = createPlan("2018");
    const auto m2019 = createPlan("2019");
    LxSteuernPlan& p2018 = *m2018;
    LxSteuernPlan& p2019 = *m2019;
    ASSERT_EQ(rechne(p2019, gekappt(), 0_cur, 18000_cur).begrenzt, 1);
    EXPECT_EQ(rechne(p2018, monat(3000_cur, 1), 0_cur, 36000_cur).begrenzt, 0);
    EXPECT_EQ(p2019.VmtBegrenzt(), 1);
    ASSERT_EQ(rechne(p2018, gekappt(), 0_cur, 18000_cur).begrenzt, 1);
    EXPECT_EQ(rechne(p2019, monat(3000_cur, 1), 0_cur, 36000_cur).begrenzt, 0);
    EXPECT_EQ(p2018.VmtBegrenzt(), 1);

    // A special payment in July to December sets that plan's pay period to a year;
    // the January to June plan keeps its month. The child allowance takes the
    // whole base, so Hamburg levies no minimum on the period in either plan.
    const auto m2023 = createPlan("2023");
    const auto m0723 = createPlan("0723");
    LxSteuernPlan& januar = *m2023;
    LxSteuernPlan& juli = *m0723;
    auto kleinMitKind = monat(1600_cur, 1);
    kleinMitKind.ZKF = 1_cur;
    ASSERT_GT(januar.LohnsteuerLzz(kleinMitKind), 0_cur);
    EXPECT_EQ(januar.KirchensteuerLzz(1, 7, 1, 0, 0_cur, 0_cur), 0_cur);
    ASSERT_GT(juli.LohnsteuerLzz(kleinMitKind), 0_cur);
    juli.LohnsteuerSonst(20000_cur, 9600_cur, 0_cur, 0_cur);
    EXPECT_EQ(juli.KirchensteuerLzz(1, 7, 1, 0, 0_cur, 0_cur), 0_cur) << "no base, no minimum after the payment";
    EXPECT_EQ(januar.KirchensteuerLzz(1, 7, 1, 0, 0_cur, 0_cur), 0_cur);
    EXPECT_GT(juli.KirchensteuerSonst(1, 7, 1, 0, 0, 0_cur, 0_cur), 3.60_cur) << "church tax on the payment's tax";
    EXPECT_EQ(januar.KirchensteuerSonst(1, 7, 1, 0, 0, 0_cur, 0_cur), 0_cur) << "no payment in this plan";
}
