// One pay month per social-insurance rule, with the example that shows it;
// a failure names the rule. The full set of cases is sv_cases on
// tests/data/sv-cases.tsv.

#include <gtest/gtest.h>

#include <functional>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

namespace {

struct Regel {
    const char* regel;
    int jahr, monat;
    const char* bgr;
    Currency brutto;
    std::function<void(TLohnGehalt&)> dazu;  // further inputs; the contribution gross is set again after them
    std::function<Currency(const TLohnGehalt&)> wert;
    Currency erwartet;
};

Currency u1(const TLohnGehalt& lg)
{
    return lg.FU1;
}

Currency kvan(const TLohnGehalt& lg)
{
    return lg.FKVAN;
}
Currency kvag(const TLohnGehalt& lg)
{
    return lg.FKVAG;
}

Currency rvag(const TLohnGehalt& lg)
{
    return lg.FRVAG;
}

Currency pvan(const TLohnGehalt& lg)
{
    return lg.FPVAN;
}

Currency rvan(const TLohnGehalt& lg)
{
    return lg.FRVAN;
}

Currency rvanMitEinmalzahlung(const TLohnGehalt& lg)
{
    return lg.FRVAN + lg.FRVANEB;
}

Currency rvaneb(const TLohnGehalt& lg)
{
    return lg.FRVANEB;
}

}  // namespace

TEST(SvRegeln, EachRuleWithItsExample)
{
    const Regel regeln[] = {
        {"U1 in the zone on the actual pay", 2024, 5, "1111", 1000_cur, [](TLohnGehalt& lg) { lg.SetU1Satz(1.6_cur); },
         u1, 16.00_cur},
        // 377.78 + 43.99, not 5175 x 8.15 % = 421.76
        {"health from 2019: general and additional contribution rounded each", 2024, 5, "1111", 6000_cur,
         [](TLohnGehalt& lg) { lg.SetKVZusatz(1.7_cur); }, kvan, 421.77_cur},
        {"health from 2019: the employer's share too", 2024, 5, "1111", 6000_cur,
         [](TLohnGehalt& lg) { lg.SetKVZusatz(1.7_cur); }, kvag, 421.77_cur},
        // 70.24 + 7.70, not 962.14 x 8.1 % = 77.93
        {"health from 2019 in the zone before 10/2022", 2020, 5, "1111", 962.14_cur,
         [](TLohnGehalt& lg) { lg.SetKVZusatz(1.6_cur); }, kvag, 77.94_cur},
        // total 2 x 82.21 = 164.42 less the employee's 58.78, not 883.94 x 18.6 % = 164.41 less it
        {"zone from 10/2022: the total is the half rate rounded and doubled", 2024, 5, "1111", 1000_cur, nullptr, rvag,
         105.64_cur},
        // 13.10 + 1027.99 x 0.35 %, not the surcharge on the employee's base
        {"zone from 10/2022: the childless surcharge on the zone base", 2022, 10, "1111", 1100_cur,
         [](TLohnGehalt& lg) { lg.SetPVZuschlag(1); }, pvan, 16.70_cur},
        // 1200.00 for a month: zone base and employee base scaled back to 15 days
        {"partial month in the zone scaled to a month: employee", 2024, 5, "1111", 600_cur,
         [](TLohnGehalt& lg) { lg.SetSVTage(15); }, rvan, 42.11_cur},
        {"partial month in the zone scaled to a month: employer", 2024, 5, "1111", 600_cur,
         [](TLohnGehalt& lg) { lg.SetSVTage(15); }, rvag, 60.85_cur},
        // 3000.00 for a month lies above the zone: equal shares of 1500 x 9.3 %
        {"partial month above the zone when scaled: employee", 2024, 5, "1111", 1500_cur,
         [](TLohnGehalt& lg) { lg.SetSVTage(15); }, rvan, 139.50_cur},
        {"partial month above the zone when scaled: employer", 2024, 5, "1111", 1500_cur,
         [](TLohnGehalt& lg) { lg.SetSVTage(15); }, rvag, 139.50_cur},
        // 5197.50 for a month lies above the zone: 405.00 (4050 x 3 / 30) x 7.3 %, not 519.75 x 7.3 %
        {"partial month: the employer's base capped by the pro-rated ceiling", 2014, 1, "1311", 519.75_cur,
         [](TLohnGehalt& lg) {
             lg.SetRechtskreis(0);
             lg.SetJahr(2014);
             lg.SetBGR("1311");
             lg.SetMonat(1);
             lg.SetSVTage(3);
         },
         kvag, 29.57_cur},
        // 2400.00 with the one-off payment lies above the zone: 1200 x 9.3 %
        {"one-off payment: above the zone both are ordinary", 2024, 11, "1111", 1200_cur,
         [](TLohnGehalt& lg) { lg.SetSVBruttoEB(1200_cur); }, rvan, 111.60_cur},
        // 1500.00 in the zone: employee base 2000 / 1462 x 962 = 1316.01, x 9.3 %
        {"one-off payment: within the zone the zone applies to the sum", 2024, 6, "1111", 1000_cur,
         [](TLohnGehalt& lg) { lg.SetSVBruttoEB(500_cur); }, rvanMitEinmalzahlung, 122.39_cur},
        // ceiling share 7550 x 10 / 30 less the month's 2000.00 leaves 516.67 for the payment
        {"one-off payment in a partial month without earlier days", 2024, 5, "1111", 2000_cur,
         [](TLohnGehalt& lg) {
             lg.SetSVTage(10);
             lg.SetSVBruttoEB(4000_cur);
         },
         rvaneb, 48.05_cur},
        // 100.00 lies below 122.50, one twentieth of the monthly reference value 2006
        {"pension benefits below the floor pay no health contribution", 2006, 3, "1111", 100_cur,
         [](TLohnGehalt& lg) { lg.SetVB(2); }, kvan, 0_cur},
        // 300.00 in all is above the minimum base 175.00: 3.6 % of it, not 32.55 - 15.00 + 7.20
        {"mini-job with pension insurance: the minimum base on the month's whole pay", 2024, 12, "6100", 100_cur,
         [](TLohnGehalt& lg) {
             lg.SetMiniRVPflicht(1);
             lg.SetSVBruttoEB(200_cur);
         },
         rvanMitEinmalzahlung, 10.80_cur},
        // 130.87 in all is below the minimum 155.00: 155 x 19.9 % less the employer's 15 % of it
        {"mini-job with pension insurance: topped up to the minimum in all", 2010, 10, "6100", 20.43_cur,
         [](TLohnGehalt& lg) {
             lg.SetMiniRVPflicht(1);
             lg.SetSVBruttoEB(110.44_cur);
         },
         rvanMitEinmalzahlung, 11.22_cur},
    };
    for (const auto& r : regeln) {
        TLohnGehalt lg = Monat(r.jahr, r.monat, r.bgr, r.brutto);
        if (r.dazu) r.dazu(lg);
        lg.SetSVBrutto(r.brutto);
        lg.Berechnen();
        EXPECT_EQ(r.wert(lg), r.erwartet) << r.regel;
    }
}
