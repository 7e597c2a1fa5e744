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
    Currency ev;  // Anteil 1
    Currency rk;  // Anteil 0
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
    return k;
}

}  // namespace

TEST(Kirchensteuer, AreaRules)
{
    const Fall faelle[] = {
        {"NRW, Protestant", 12, 0, 20000_cur, 20000_cur, 2, 0_cur, 18_cur, 0_cur},
        {"NRW, Catholic", 12, 1, 20000_cur, 20000_cur, 2, 0_cur, 0_cur, 18_cur},
        {"Bavaria 8 %, mixed 30/70", 2, 2, 10000_cur, 10000_cur, 2, 0_cur, 2.40_cur, 5.60_cur},
        {"rk/ev splits like ev/rk", 2, 3, 10000_cur, 10000_cur, 2, 0_cur, 2.40_cur, 5.60_cur},
        {"Hamburg minimum without tax", 7, 1, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0.30_cur},
        {"Hamburg minimum, yearly", 7, 1, 0_cur, 0_cur, 1, 0_cur, 0_cur, 3.60_cur},
        {"Hessen minimum", 8, 0, 0_cur, 0_cur, 2, 0_cur, 0.15_cur, 0_cur},
        {"Saxony minimum with tax", 15, 0, 100_cur, 100_cur, 2, 0_cur, 0.30_cur, 0_cur},
        {"Saxony, Catholic keeps 9 %", 15, 1, 100_cur, 100_cur, 2, 0_cur, 0_cur, 0.09_cur},
        {"Saxony without wage tax", 15, 0, 0_cur, 0_cur, 2, 0_cur, 0_cur, 0_cur},
        {"Saxony minimum, mixed", 15, 2, 100_cur, 100_cur, 2, 0_cur, 0.26_cur, 0.04_cur},
        {"Saxony, Satz 99: no tax minimum, no split", 15, 2, 100_cur, 100_cur, 2, 99_cur, 0.09_cur, 0.09_cur},
        {"own rate 8 %: not split", 15, 2, 100_cur, 100_cur, 2, 8_cur, 0.08_cur, 0.08_cur},
        {"own rate: 20.995 cents round to 21.00 first", 12, 0, 247_cur, 247_cur, 2, 8.5_cur, 0.21_cur, 0.21_cur},
        {"negative Satz acts as 0", 12, 0, 20000_cur, 20000_cur, 2, -(5_cur), 18_cur, 0_cur},
        {"Satz above 99 acts as 0", 2, 2, 10000_cur, 10000_cur, 2, 100_cur, 2.40_cur, 5.60_cur},
        {"area 0 as NRW", 0, 2, 10001_cur, 10001_cur, 2, 0_cur, 4.50_cur, 4.50_cur},
        {"area 19 as NRW", 19, 0, 20000_cur, 20000_cur, 2, 0_cur, 18_cur, 0_cur},
        {"cents cut after the rate", 12, 0, 111_cur, 111_cur, 2, 0_cur, 0.09_cur, 0_cur},
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

    KirchensteuerFall alt;
    for (int gebiet : {1, 10}) {
        alt.Bundesland = gebiet;
        alt.mindestAlt = false;
        EXPECT_EQ(Kirchensteuer(alt), 0_cur) << "area " << gebiet;
        alt.mindestAlt = true;
        EXPECT_EQ(Kirchensteuer(alt), 0.30_cur) << "area " << gebiet << ", plans 2004 to 2009";
    }
    alt.Bundesland = 12;
    EXPECT_EQ(Kirchensteuer(alt), 0_cur);
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

    EXPECT_EQ(m.KirchensteuerLzz(0, 7, 1, 0, 0_cur, 0_cur), 0_cur) << "not liable: no minimum either";
    EXPECT_EQ(m.zustand().BK, 0_cur);
}
