#include <gtest/gtest.h>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

TEST(Beitragsbasis, MonthBasesAgainstTheCeilings)
{
    TLohnGehalt lg = Monat(2024, 3, "1111", 5000_cur);
    lg.SetSVTage(15);
    lg.Berechnen();
    EXPECT_EQ(lg.FRVBasis, 3775.00_cur) << "pro-rata pension ceiling";
    EXPECT_EQ(lg.FKVBasis, 2587.50_cur);

    TLohnGehalt null = Monat(2024, 3, "1111", 5000_cur);
    null.SetSVTage(0);
    null.Berechnen();
    EXPECT_EQ(null.FRVBasis, 0_cur) << "no contribution days, no base";
    EXPECT_EQ(null.FRVAN, 0_cur);

    TLohnGehalt mehrfach = Monat(2024, 3, "1111", 6000_cur);
    mehrfach.SetMehrfach(1);
    mehrfach.SetBruttoAnderer(9000_cur);
    mehrfach.SetSVBrutto(6000_cur);
    mehrfach.Berechnen();
    EXPECT_EQ(mehrfach.FRVBasis, 3343.17_cur) << "7550 x 6000 / (6000 + 7550)";
}

TEST(Beitragsbasis, OneOffPaymentAgainstTheProRataAnnualCeiling)
{
    TLohnGehalt lg = Monat(2024, 5, "1111", 4000_cur);
    lg.SetSVAuto(1);
    lg.SetSVTageVorher(120);
    lg.SetSVBruttoEB(30000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FRVBruttoVor, 16000_cur);
    EXPECT_EQ(lg.FKVBruttoVor, 16000_cur);
    EXPECT_EQ(lg.FBBGRVAnteil, 37750_cur);
    EXPECT_EQ(lg.FBBGKVAnteil, 25875_cur);
    EXPECT_EQ(lg.FRVBasisEB, 17750_cur) << "37750 - 16000 - 4000";
    EXPECT_EQ(lg.FKVBasisEB, 5875_cur) << "25875 - 16000 - 4000";
    EXPECT_EQ(lg.FRVANEB, 1650.75_cur);

    TLohnGehalt ohne = Monat(2024, 5, "1111", 4000_cur);
    ohne.Berechnen();
    EXPECT_EQ(ohne.FRVBasisEB, 0_cur);
    EXPECT_EQ(ohne.FRVANEB + ohne.FRVAGEB + ohne.FKVANEB + ohne.FPVAGEB, 0_cur);
}

TEST(RentenArbeitslosen, OrdinaryAndMiniJobShares)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FRVAN, 279.00_cur);
    EXPECT_EQ(lg.FRVAG, 279.00_cur);
    EXPECT_EQ(lg.FAVAN, 39.00_cur);
    EXPECT_EQ(lg.FAVAG, 39.00_cur);

    TLohnGehalt mini = Monat(2024, 1, "6100", 100_cur);
    mini.SetMiniRVPflicht(1);
    mini.Berechnen();
    EXPECT_EQ(mini.FRVAN, 17.55_cur) << "175 x 18.6 % - 100 x 15 %";
    EXPECT_EQ(mini.FRVAG, 15.00_cur);
    EXPECT_EQ(mini.FAVAN + mini.FAVAG, 0_cur);

    TLohnGehalt mini2006 = Monat(2006, 3, "6100", 100_cur);
    mini2006.SetMiniRVPflicht(1);
    mini2006.Berechnen();
    EXPECT_EQ(mini2006.FRVAG, 12.00_cur) << "flat rate 12 % before July 2006";
    EXPECT_EQ(mini2006.FKVAG, 11.00_cur) << "flat rate 11 % before July 2006";

    // the mini-job option left set on a regular employment changes nothing
    TLohnGehalt regulaer = Monat(2024, 1, "1111", 3000_cur);
    regulaer.SetMiniRVPflicht(1);
    regulaer.Berechnen();
    EXPECT_EQ(regulaer.FRVAN, 279.00_cur);
    EXPECT_EQ(regulaer.FRVAG, 279.00_cur);
}

TEST(RentenArbeitslosen, TransitionZoneBeforeOctober2022)
{
    TLohnGehalt lg = Monat(2021, 6, "1111", 1000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FRVBasis, 960.44_cur);
    EXPECT_EQ(lg.FRVAN, 85.64_cur) << "2 x (960.44 x 9.3 %) - 1000 x 9.3 %";
    EXPECT_EQ(lg.FRVAG, 93.00_cur) << "on the actual gross";
    EXPECT_EQ(lg.FAVAN, 11.06_cur);
    EXPECT_EQ(lg.FAVAG, 12.00_cur);

    lg.SetRVVoll(1);
    lg.Berechnen();
    EXPECT_EQ(lg.FRVAN, 93.00_cur) << "full share on the actual gross";
}

TEST(RentenArbeitslosen, TransitionZoneFromOctober2022)
{
    struct Fall {
        int jahr;
        int monat;
        Currency brutto;
        Currency rvan, rvag, avan, avag;
    };
    const Fall faelle[] = {
        // 2024: BE 883.94, employee base 2000 / 1462 x 462 = 632.01; the employer pays the
        // total 2 x 82.21 (2 x 11.49) less the employee's share
        {2024, 1, 1000_cur, 58.78_cur, 105.64_cur, 8.22_cur, 14.76_cur},
        // October 2022: G 520, OG 1600, F 0.7009: BE 913.59, employee base 1600 / 1080 x 480 = 711.11;
        // totals 2 x 84.96 and 2 x 10.96
        {2022, 10, 1000_cur, 66.13_cur, 103.79_cur, 8.53_cur, 13.39_cur},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(f.jahr, f.monat, "1111", f.brutto);
        lg.Berechnen();
        EXPECT_EQ(lg.FRVAN, f.rvan) << f.jahr << "/" << f.monat;
        EXPECT_EQ(lg.FRVAG, f.rvag) << f.jahr << "/" << f.monat;
        EXPECT_EQ(lg.FAVAN, f.avan) << f.jahr << "/" << f.monat;
        EXPECT_EQ(lg.FAVAG, f.avag) << f.jahr << "/" << f.monat;
    }

    TLohnGehalt voll = Monat(2024, 1, "1111", 1000_cur);
    voll.SetRVVoll(1);
    voll.Berechnen();
    EXPECT_EQ(voll.FRVAN, 93.00_cur);
    EXPECT_EQ(voll.FRVAG, 93.00_cur);

    // with pension benefits the zone base does not apply, so neither does the employee base
    TLohnGehalt versorgung = Monat(2024, 1, "1111", 1000_cur);
    versorgung.SetVB(1);
    versorgung.SetSVBrutto(1000_cur);
    versorgung.Berechnen();
    EXPECT_EQ(versorgung.FRVAN, 93.00_cur);
    EXPECT_EQ(versorgung.FRVAG, 93.00_cur);

    TLohnGehalt mehrfach = Monat(2024, 1, "1111", 1000_cur);
    mehrfach.SetMehrfach(1);
    mehrfach.SetBruttoAnderer(500_cur);
    mehrfach.SetSVBrutto(1000_cur);
    mehrfach.Berechnen();
    // employee base of the total 1500: 2000 / 1462 x 962 = 1316.0055, apportioned x 1000 / 1500 = 877.34
    EXPECT_EQ(mehrfach.FRVAN, 81.59_cur);
    EXPECT_EQ(mehrfach.FRVAG, 97.21_cur) << "total 961.31 x 18.6 % = 178.80 less the employee share";
}
