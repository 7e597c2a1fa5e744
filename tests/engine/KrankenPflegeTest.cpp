#include <gtest/gtest.h>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

TEST(KrankenPflege, StatutoryHealthSharesByYear)
{
    struct Fall {
        int jahr;
        const char* bgr;
        Currency zusatz;
        Currency an;
        Currency ag;
    };
    const Fall faelle[] = {
        {2024, "1111", 1.70_cur, 244.50_cur, 244.50_cur},  // 3000 x (7.30 + 0.85) %
        {2018, "1111", 1.00_cur, 249.00_cur, 219.00_cur},  // 219.00 + 30.00; the employer pays no additional rate
        {2012, "1111", 0.90_cur, 246.00_cur, 219.00_cur},  // 3000 x (7.30 + 0.90) %
        {2024, "3111", 1.70_cur, 235.50_cur, 235.50_cur},  // reduced rate 14.00
        {2024, "6500", 1.70_cur, 0_cur, 390.00_cur},       // mini-job: 13 % employer only
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(f.jahr, 1, f.bgr, 3000_cur);
        lg.SetKVZusatz(f.zusatz);
        lg.Berechnen();
        EXPECT_EQ(lg.FKVAN, f.an) << f.jahr << " " << f.bgr;
        EXPECT_EQ(lg.FKVAG, f.ag) << f.jahr << " " << f.bgr;
    }
}

TEST(KrankenPflege, CareRatesWithSurchargeDiscountAndSaxony)
{
    struct Fall {
        int jahr;
        int monat;
        Byte zuschlag;
        Byte kinder;
        Byte sachsen;
        Currency an;  // on a base of 3000.00
        Currency ag;
    };
    const Fall faelle[] = {
        {2023, 3, 1, 0, 0, 56.25_cur, 45.75_cur},  // 1.525 % + 0.35 %
        {2023, 6, 0, 3, 0, 45.75_cur, 45.75_cur},  // no discount before July 2023
        {2023, 7, 0, 3, 0, 36.00_cur, 51.00_cur},  // (3.40 - 0.50) - 1.70 = 1.20 %
        {2023, 7, 1, 0, 0, 69.00_cur, 51.00_cur},  // 1.70 % + 0.60 %
        {2024, 1, 0, 5, 0, 21.00_cur, 51.00_cur},  // 1.70 % - 1.00 %
        {2024, 1, 0, 0, 1, 66.00_cur, 36.00_cur},  // Saxony: 2.20 % / 1.20 %
        {2024, 1, 1, 0, 1, 84.00_cur, 36.00_cur},  // Saxony with surcharge
        {2024, 1, 0, 3, 1, 51.00_cur, 36.00_cur},  // Saxony with the child discount: 2.20 % - 0.50 %
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(f.jahr, f.monat, "1111", 3000_cur);
        lg.SetPVZuschlag(f.zuschlag);
        lg.SetPVKinder(f.kinder);
        lg.SetSachsen(f.sachsen);
        lg.Berechnen();
        EXPECT_EQ(lg.FPVAN, f.an) << f.jahr << "/" << f.monat << " children " << int(f.kinder) << " Saxony "
                                  << int(f.sachsen);
        EXPECT_EQ(lg.FPVAG, f.ag) << f.jahr << "/" << f.monat << " children " << int(f.kinder) << " Saxony "
                                  << int(f.sachsen);
    }
    TLohnGehalt lg = Monat(2023, 7, "1111", 3000_cur);
    lg.SetPVKinder(3);
    lg.Berechnen();
    EXPECT_EQ(lg.FPVKinderAbschlag, 2.90_cur);
}

TEST(KrankenPflege, PrivateAndVoluntaryMembers)
{
    struct Fall {
        const char* bgr;
        Byte kvBes;
        Byte pvBes;
        Currency pkv;
        Currency ppv;
        Currency kvan, kvag, pvan, pvag;
        Byte sachsen = 0;
    };
    const Fall faelle[] = {
        {"0110", 3, 3, 700_cur, 150_cur, 350.00_cur, 350.00_cur, 75.00_cur, 75.00_cur},
        {"0110", 3, 3, 900_cur, 200_cur, 478.24_cur, 421.76_cur, 112.02_cur, 87.98_cur},
        {"0110", 4, 4, 900_cur, 200_cur, 0_cur, 421.76_cur, 0_cur, 87.98_cur},
        {"0110", 5, 5, 900_cur, 200_cur, 0_cur, 0_cur, 0_cur, 0_cur},
        // voluntary member: the full premium on the ceiling 5175.00 and half of it as subsidy
        {"9111", 0, 0, 0_cur, 0_cur, 843.53_cur, 421.76_cur, 175.95_cur, 87.98_cur},
        {"1111", 9, 9, 0_cur, 0_cur, 0_cur, 0_cur, 0_cur, 0_cur},
        // Saxony: the care subsidy at most 5175.00 x 1.20 %
        {"0110", 3, 3, 900_cur, 200_cur, 478.24_cur, 421.76_cur, 137.90_cur, 62.10_cur, 1},
        {"0110", 4, 4, 900_cur, 200_cur, 0_cur, 421.76_cur, 0_cur, 62.10_cur, 1},
        {"9111", 0, 0, 0_cur, 0_cur, 843.53_cur, 421.76_cur, 175.95_cur, 62.10_cur, 1},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(2024, 1, f.bgr, 3000_cur);
        lg.SetSachsen(f.sachsen);
        lg.SetKVBes(f.kvBes);
        lg.SetPVBes(f.pvBes);
        lg.SetPKVBeitrag(f.pkv);
        lg.SetPPVBeitrag(f.ppv);
        lg.Berechnen();
        EXPECT_EQ(lg.FKVAN, f.kvan) << f.bgr << " " << int(f.kvBes) << " " << f.pkv;
        EXPECT_EQ(lg.FKVAG, f.kvag) << f.bgr << " " << int(f.kvBes) << " " << f.pkv;
        EXPECT_EQ(lg.FPVAN, f.pvan) << f.bgr << " " << int(f.pvBes) << " " << f.ppv;
        EXPECT_EQ(lg.FPVAG, f.pvag) << f.bgr << " " << int(f.pvBes) << " " << f.ppv;
    }
}

TEST(KrankenPflege, PensionBenefitsPayTheFullRate)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetVB(1);
    lg.SetSVBrutto(3000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FKVAN, 489.00_cur) << "3000 x 14.6 % + 3000 x 1.7 %";
    EXPECT_EQ(lg.FKVAG, 0_cur);
    EXPECT_EQ(lg.FPVAN, 102.00_cur);
    EXPECT_EQ(lg.FPVAG, 0_cur);
    EXPECT_EQ(lg.FU1 + lg.FU2, 0_cur);

    lg.SetVB(2);
    lg.Berechnen();
    EXPECT_EQ(lg.FKVAN, 460.19_cur) << "412.19 + 48.00 on 3000.00 - 176.75";
}

TEST(KrankenPflege, TransitionZoneBeforeOctober2022)
{
    TLohnGehalt lg = Monat(2021, 6, "1111", 1000_cur);
    lg.SetKVZusatz(1.30_cur);
    lg.SetPVZuschlag(1);
    lg.Berechnen();
    EXPECT_EQ(lg.FKVAN, 73.20_cur);
    EXPECT_EQ(lg.FKVAG, 79.50_cur);
    EXPECT_EQ(lg.FPVAN, 16.45_cur);
    EXPECT_EQ(lg.FPVAG, 15.25_cur);
}

TEST(KrankenPflege, TransitionZoneFromOctober2022)
{
    struct Fall {
        Byte zuschlag;
        Byte kinder;
        Byte sachsen;
        Currency pvan;
        Currency pvag;
    };
    // 2024, gross 1000.00: BE 883.94, employee base 632.01; care total 2 x 15.03 (883.94 x 1.7 %)
    const Fall faelle[] = {
        {1, 0, 0, 16.04_cur, 19.32_cur},  // 10.74 + surcharge on the zone base 883.94 x 0.6 % = 5.30
        {0, 0, 0, 10.74_cur, 19.32_cur},
        {0, 3, 0, 7.58_cur, 19.32_cur},   // 10.74 - discount 3.16
        {0, 0, 1, 13.90_cur, 16.16_cur},  // Saxony: 632.01 x 2.2 %
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(2024, 1, "1111", 1000_cur);
        lg.SetPVZuschlag(f.zuschlag);
        lg.SetPVKinder(f.kinder);
        lg.SetSachsen(f.sachsen);
        lg.Berechnen();
        EXPECT_EQ(lg.FKVAN, 51.51_cur);
        EXPECT_EQ(lg.FKVAG, 92.57_cur) << "totals 2 x 64.53 + 2 x 7.51 less 46.14 + 5.37";
        EXPECT_EQ(lg.FPVAN, f.pvan) << int(f.zuschlag) << int(f.kinder) << int(f.sachsen);
        EXPECT_EQ(lg.FPVAG, f.pvag) << int(f.zuschlag) << int(f.kinder) << int(f.sachsen);
    }
}

TEST(KrankenPflege, OneOffSharesFollowTheMonthsRates)
{
    TLohnGehalt lg = Monat(2024, 5, "1111", 3000_cur);
    lg.SetPVKinder(3);
    lg.SetSVAuto(1);
    lg.SetSVTageVorher(120);
    lg.SetSVBruttoEB(1000_cur);
    lg.Berechnen();
    ASSERT_EQ(lg.FKVBasisEB, 1000_cur);
    EXPECT_EQ(lg.FKVANEB, 81.50_cur);
    EXPECT_EQ(lg.FKVAGEB, 81.50_cur);
    EXPECT_EQ(lg.FPVANEB, 12.00_cur) << "the child discount applies to the one-off payment too";
    EXPECT_EQ(lg.FPVAGEB, 17.00_cur);

    TLohnGehalt mini = Monat(2024, 5, "6500", 500_cur);
    mini.SetSVAuto(1);
    mini.SetSVTageVorher(120);
    mini.SetSVBruttoEB(100_cur);
    mini.Berechnen();
    EXPECT_EQ(mini.FKVAGEB, 13.00_cur) << "the employer's flat rate";
    EXPECT_EQ(mini.FRVAGEB, 15.00_cur);
    EXPECT_EQ(mini.FKVANEB + mini.FRVANEB + mini.FAVANEB + mini.FPVANEB + mini.FAVAGEB + mini.FPVAGEB, 0_cur);
}
