// Church tax by area, confession and part, and how a module feeds it.

#include <gtest/gtest.h>

#include "Kirchensteuer.h"
#include "LxSteuern2024.h"
#include "PlanRundung.h"

using namespace lx;

namespace {

struct Fall {
    const char* was;
    int bundesland;
    int konfession;
    Currency basisCent;
    Currency lstlzzCent;
    int lzz;
    Currency satz;
    Currency ev;   // Anteil 1
    Currency rk;   // Anteil 0
    int jahr = 0;  // plan year; 0: today's rules
};

KirchensteuerFall fall(const Fall& f, int anteil)
{
    KirchensteuerFall k;
    k.Bundesland = f.bundesland;
    k.Konfession = f.konfession;
    k.Anteil = anteil;
    k.Satz = f.satz;
    k.basisCent = f.basisCent;
    k.LSTLZZCent = f.lstlzzCent;
    k.LZZ = f.lzz;
    k.Jahr = f.jahr;
    return k;
}

}  // namespace

TEST(Kirchensteuer, AreaRules)
{
    // Wage tax 0, small (the rate stays below a minimum) and normal; "base 0,
    // wage tax" is a month whose child allowances take the whole base away.
    const Fall faelle[] = {
        {"NRW, Protestant", 12, 0, 20000_cur, 20000_cur, 2, 0_cur, 18_cur, 0_cur},
        {"NRW, Catholic", 12, 1, 20000_cur, 20000_cur, 2, 0_cur, 0_cur, 18_cur},
        {"NRW, ev/rk: half each", 12, 2, 20000_cur, 20000_cur, 2, 0_cur, 9_cur, 9_cur},
        {"NRW, rk/ev: half each", 12, 3, 20000_cur, 20000_cur, 2, 0_cur, 9_cur, 9_cur},
        {"NRW, odd cent to the Protestant half", 12, 3, 100_cur, 100_cur, 2, 0_cur, 0.05_cur, 0.04_cur},
        {"Bavaria 8 %, ev/rk: all to the employee's church", 2, 2, 12500_cur, 12500_cur, 2, 0_cur, 10_cur, 0_cur},
        {"Bavaria, rk/ev: all Catholic", 2, 3, 12500_cur, 12500_cur, 2, 0_cur, 0_cur, 10_cur},
        {"Lower Saxony, rk/ev: all Catholic", 10, 3, 11112_cur, 11112_cur, 2, 0_cur, 0_cur, 10_cur},
        {"Bremen, ev/rk: all Protestant", 5, 2, 11112_cur, 11112_cur, 2, 0_cur, 10_cur, 0_cur},
        {"Bremerhaven, rk/ev: all Catholic", 6, 3, 11112_cur, 11112_cur, 2, 0_cur, 0_cur, 10_cur},
        {"Bremen Protestant church, ev/rk", 11, 2, 11112_cur, 11112_cur, 2, 0_cur, 10_cur, 0_cur},
        {"Schleswig-Holstein, rk/ev: half each", 17, 3, 11112_cur, 11112_cur, 2, 0_cur, 5_cur, 5_cur},
        {"Saarland, ev/rk: half each", 14, 2, 11112_cur, 11112_cur, 2, 0_cur, 5_cur, 5_cur},
        {"Berlin, rk/ev: half each", 3, 3, 11112_cur, 11112_cur, 2, 0_cur, 5_cur, 5_cur},

        {"Hamburg, no wage tax: no minimum", 7, 1, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Hamburg, no wage tax, a year", 7, 1, 0_cur, 0_cur, 1, 0_cur, 0_cur, 0_cur},
        {"Hamburg, class III, wage tax 2.00: 0.18 raised", 7, 0, 200_cur, 200_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Hamburg, Catholic, small wage tax", 7, 1, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0.30_cur},
        {"Hamburg, base 0, wage tax: no minimum", 7, 1, 0_cur, 500_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Hamburg, small wage tax, a year", 7, 1, 100_cur, 100_cur, 1, 0_cur, 0_cur, 3.60_cur},
        {"Hamburg, normal wage tax", 7, 0, 20000_cur, 20000_cur, 2, 0_cur, 18_cur, 0_cur},
        {"Hamburg, ev/rk minimum: half each", 7, 2, 100_cur, 100_cur, 2, 0_cur, 0.15_cur, 0.15_cur},
        {"Hessen, no wage tax: no minimum", 8, 0, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Hessen, small wage tax", 8, 1, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0.15_cur},
        {"Hessen, base 0, wage tax: no minimum", 8, 0, 0_cur, 300_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Hessen, a week", 8, 0, 10_cur, 10_cur, 3, 0_cur, 0.04_cur, 0_cur},
        {"Hessen, a day", 8, 0, 10_cur, 10_cur, 4, 0_cur, 0.01_cur, 0_cur},
        {"Schleswig-Holstein, no wage tax", 17, 0, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Schleswig-Holstein, small wage tax", 17, 0, 150_cur, 150_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Schleswig-Holstein, a day: none", 17, 0, 10_cur, 10_cur, 4, 0_cur, 0_cur, 0_cur},
        {"Schleswig-Holstein, base 0, wage tax: no minimum", 17, 2, 0_cur, 400_cur, 2, 0_cur, 0_cur, 0_cur},

        {"Mecklenburg-Vorpommern, ev, wage tax 1.50", 9, 0, 150_cur, 150_cur, 2, 0_cur, 0.13_cur, 0_cur, 2017},
        {"Mecklenburg-Vorpommern, rk, wage tax 1.50", 9, 1, 150_cur, 150_cur, 2, 0_cur, 0_cur, 0.30_cur, 2017},
        {"Mecklenburg-Vorpommern, rk/ev: minimum halved", 9, 3, 150_cur, 150_cur, 2, 0_cur, 0.15_cur, 0.15_cur, 2017},
        {"Mecklenburg-Vorpommern, rk, no wage tax", 9, 1, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur, 2017},
        {"Mecklenburg-Vorpommern, ev, today", 9, 0, 150_cur, 150_cur, 2, 0_cur, 0.13_cur, 0_cur},
        {"Mecklenburg-Vorpommern, ev, 2013", 9, 0, 150_cur, 150_cur, 2, 0_cur, 0.30_cur, 0_cur, 2013},
        {"Mecklenburg-Vorpommern, ev, 2014", 9, 0, 150_cur, 150_cur, 2, 0_cur, 0.13_cur, 0_cur, 2014},
        {"Mecklenburg-Vorpommern, ev, base 0, 2008", 9, 0, 0_cur, 500_cur, 2, 0_cur, 0_cur, 0_cur, 2008},
        {"Mecklenburg-Vorpommern, ev, base 0, 2013", 9, 0, 0_cur, 8200_cur, 2, 0_cur, 0_cur, 0_cur, 2013},
        {"Mecklenburg-Vorpommern, rk, base 0, wage tax", 9, 1, 0_cur, 500_cur, 2, 0_cur, 0_cur, 0_cur, 2017},
        {"Mecklenburg-Vorpommern, rk, a day", 9, 1, 10_cur, 10_cur, 4, 0_cur, 0_cur, 0_cur, 2017},
        {"Mecklenburg-Vorpommern, Satz 99: no church's own minimum", 9, 1, 150_cur, 150_cur, 2, 99_cur, 0.13_cur,
         0.13_cur, 2017},
        {"Saxony minimum with tax", 15, 0, 100_cur, 100_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Saxony, Catholic keeps 9 %", 15, 1, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0.09_cur},
        {"Saxony without wage tax", 15, 0, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Saxony, base 0, wage tax: no minimum", 15, 0, 0_cur, 2000_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Saxony, Catholic, base 0, wage tax", 15, 1, 0_cur, 2000_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Saxony minimum, ev/rk: half each", 15, 2, 100_cur, 100_cur, 2, 0_cur, 0.15_cur, 0.15_cur},
        {"Saxony minimum, rk/ev: half each", 15, 3, 100_cur, 100_cur, 2, 0_cur, 0.15_cur, 0.15_cur},
        {"Saxony, a day", 15, 0, 10_cur, 10_cur, 4, 0_cur, 0.01_cur, 0_cur},
        {"Saxony-Anhalt, ev", 16, 0, 100_cur, 100_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Saxony-Anhalt, ev, base 0, wage tax", 16, 0, 0_cur, 2000_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Thuringia, ev, small wage tax", 18, 0, 100_cur, 100_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Thuringia, ev, base 0, wage tax", 18, 0, 0_cur, 2000_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Thuringia, rk keeps 9 %", 18, 1, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0.09_cur},
        {"Saxony, Satz 99: no tax minimum, no split", 15, 2, 100_cur, 100_cur, 2, 99_cur, 0.09_cur, 0.09_cur},
        {"Hamburg, Satz 99: the minimum of both churches", 7, 2, 100_cur, 100_cur, 2, 99_cur, 0.30_cur, 0.30_cur},
        {"Hamburg, Satz 99, no wage tax", 7, 2, 0_cur, 0_cur, 2, 99_cur, 0_cur, 0_cur},
        {"own rate 8 %: not split", 15, 2, 100_cur, 100_cur, 2, 8_cur, 0.08_cur, 0.08_cur},
        {"own rate: 20.995 cents round to 21.00 first", 12, 0, 247_cur, 247_cur, 2, 8.5_cur, 0.21_cur, 0.21_cur},
        {"negative Satz acts as 0", 12, 0, 20000_cur, 20000_cur, 2, -(5_cur), 18_cur, 0_cur},
        {"Satz above 99 acts as 0", 2, 2, 12500_cur, 12500_cur, 2, 100_cur, 10_cur, 0_cur},
        {"area 0 as NRW", 0, 2, 10001_cur, 10001_cur, 2, 0_cur, 4.50_cur, 4.50_cur},
        {"area 19 as NRW", 19, 0, 20000_cur, 20000_cur, 2, 0_cur, 18_cur, 0_cur},
        {"cents cut after the rate", 12, 0, 111_cur, 111_cur, 2, 0_cur, 0.09_cur, 0_cur},
        {"not liable (code 4)", 7, 4, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0_cur},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(Kirchensteuer(fall(f, 1)), f.ev) << f.was << ", Protestant part";
        EXPECT_EQ(Kirchensteuer(fall(f, 0)), f.rk) << f.was << ", Catholic part";
    }
}

TEST(Kirchensteuer, CapAndOldMinimum)
{
    KirchensteuerFall k;
    k.Bundesland = 3;  // Berlin, cap 3 %
    k.basisCent = 50000_cur;
    k.RE4Cent = 100000_cur;
    EXPECT_EQ(Kirchensteuer(k), 45_cur) << "cap off";
    k.Kappung = 1_cur;
    EXPECT_EQ(Kirchensteuer(k), 30_cur) << "3 % of 1000.00";
    k.Bundesland = 12;  // no cap
    EXPECT_EQ(Kirchensteuer(k), 45_cur);

    // The older plans' minimum of both churches in Baden-Wuerttemberg and Lower
    // Saxony, like every minimum only with wage tax.
    struct Alt {
        int gebiet;
        int jahr;
        Currency lstlzzCent;
        Currency kist;
    };
    const Alt alte[] = {
        {1, 2004, 100_cur, 0.30_cur}, {1, 2008, 100_cur, 0.30_cur},  {1, 2009, 100_cur, 0.08_cur},
        {1, 2008, 0_cur, 0_cur},      {10, 2009, 100_cur, 0.30_cur}, {10, 2010, 100_cur, 0.09_cur},
        {10, 0, 100_cur, 0.09_cur},   {12, 2008, 100_cur, 0.09_cur},
    };
    for (int gebiet : {1, 10}) {
        KirchensteuerFall ohneBasis;
        ohneBasis.Bundesland = gebiet;
        ohneBasis.Jahr = 2008;
        ohneBasis.LSTLZZCent = 500_cur;
        EXPECT_EQ(Kirchensteuer(ohneBasis), 0_cur) << "area " << gebiet << ", base 0 after the child allowances";
    }
    for (const auto& a : alte) {
        KirchensteuerFall alt;
        alt.Bundesland = a.gebiet;
        alt.Jahr = a.jahr;
        alt.basisCent = a.lstlzzCent;
        alt.LSTLZZCent = a.lstlzzCent;
        EXPECT_EQ(Kirchensteuer(alt), a.kist) << "area " << a.gebiet << ", plan year " << a.jahr;
    }
}

TEST(Kirchensteuer, YearOfAPlan)
{
    EXPECT_EQ(kirchensteuerJahr("2009"), 2009);
    EXPECT_EQ(kirchensteuerJahr("1211"), 2011);
    EXPECT_EQ(kirchensteuerJahr("0723"), 2023);
    EXPECT_EQ(kirchensteuerJahr("1224"), 2024);
    EXPECT_EQ(kirchensteuerJahr(""), 0);
    EXPECT_EQ(kirchensteuerJahr("20x9"), 0);
    EXPECT_EQ(kirchensteuerJahr("20091"), 0);
}

TEST(Kirchensteuer, ModuleLeviesOnTheBaseWithChildAllowances)
{
    LxSteuern2024 m;
    LohnsteuerEingaben e;
    e.RE4 = 4000_cur;
    e.STKL = 1;
    e.LZZ = 2;
    e.KVZ = 1.70_cur;
    const Currency lst = m.LohnsteuerLzz(e);
    const Currency kist = m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur);
    EXPECT_EQ(kist, AbrundenCentExakt(dez(lst) * 0.09_d)) << "without children: 9 % of the wage tax";

    e.ZKF = 1_cur;
    EXPECT_EQ(m.LohnsteuerLzz(e), lst) << "child allowances do not change the wage tax";
    EXPECT_LT(m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur), kist) << "but lower the church-tax base";

    // A small wage whose child allowance takes the whole base: wage tax is
    // withheld, but no tax arises after the allowances, so no minimum either.
    e.RE4 = 1600_cur;
    ASSERT_GT(m.LohnsteuerLzz(e), 0_cur);
    EXPECT_EQ(m.KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur), 0_cur) << "NRW: 9 % of nothing";
    EXPECT_EQ(m.KirchensteuerLzz(1, 7, 0, 1, 0_cur, 0_cur), 0_cur) << "Hamburg";
    EXPECT_EQ(m.KirchensteuerLzz(1, 15, 1, 0, 0_cur, 0_cur), 0_cur) << "Saxony, Catholic";
    EXPECT_EQ(m.KirchensteuerLzz(1, 9, 0, 1, 0_cur, 0_cur), 0_cur) << "Mecklenburg-Vorpommern, Protestant";
    EXPECT_EQ(m.KirchensteuerLzz(1, 9, 1, 0, 0_cur, 0_cur), 0_cur) << "Mecklenburg-Vorpommern, Catholic";
    EXPECT_EQ(m.zustand().BK, 0_cur);

    e.RE4 = 800_cur;
    ASSERT_EQ(m.LohnsteuerLzz(e), 0_cur);
    EXPECT_EQ(m.KirchensteuerLzz(1, 7, 0, 1, 0_cur, 0_cur), 0_cur) << "no wage tax: no minimum";

    EXPECT_EQ(m.KirchensteuerLzz(0, 7, 1, 0, 0_cur, 0_cur), 0_cur) << "not liable: no minimum either";
    EXPECT_EQ(m.zustand().BK, 0_cur);
}
