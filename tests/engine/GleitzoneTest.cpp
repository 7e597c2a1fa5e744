#include <gtest/gtest.h>

#include "Gleitzone.h"

using namespace lx;

TEST(Gleitzone, MiniJobByHealthSixOrPensionFive)
{
    EXPECT_TRUE(IstMinijob(6, 1));
    EXPECT_TRUE(IstMinijob(0, 5));
    EXPECT_TRUE(IstMinijob(6, 5));
    EXPECT_FALSE(IstMinijob(1, 1));
    EXPECT_FALSE(IstMinijob(0, 0));
}

TEST(Gleitzone, AssessmentBaseByTheFormulaOfTheYear)
{
    struct Fall {
        int jahr;
        int monat;
        Currency og;
        Currency f;
        Currency brutto;
        Currency basis;
    };
    const Fall faelle[] = {
        {2012, 1, 800_cur, 0.7491_cur, 600_cur, 549.82_cur},      // F x G + (2 - F) x (AE - G)
        {2012, 1, 800_cur, 0.7491_cur, 400_cur, 299.64_cur},      // at G: AE x F
        {2024, 1, 2000_cur, 0.6846_cur, 1000_cur, 883.94_cur},    // from 2013
        {2024, 1, 2000_cur, 0.6846_cur, 500_cur, 342.30_cur},     // below G
        {2024, 1, 2000_cur, 0.6846_cur, 538.01_cur, 368.33_cur},  // just above G
        {2024, 1, 2000_cur, 0.6846_cur, 1999.99_cur, 1999.99_cur},
        {2022, 10, 1600_cur, 0.7009_cur, 1000_cur, 913.59_cur},  // G = 520 from October 2022
        {2022, 9, 1300_cur, 0.7509_cur, 1000_cur, 960.44_cur},   // G = 450 before
    };
    for (const auto& f : faelle) {
        GleitzoneParameter p{f.jahr, f.monat, f.og, f.f, false, 0_cur};
        EXPECT_EQ(GleitzoneBemessung(f.brutto, p), f.basis) << f.jahr << "/" << f.monat << " " << f.brutto;
    }
}

TEST(Gleitzone, MultipleEmploymentApportionsTheBaseOfTheTotal)
{
    // total 1500: BE(1500) = 368.3148 + 1631.6852 / 1462 x 962, times 1000 / 1500
    GleitzoneParameter p{2024, 1, 2000_cur, 0.6846_cur, true, 500_cur};
    EXPECT_EQ(GleitzoneBemessung(1000_cur, p), 961.31_cur);
    // total at or above the upper bound: the single value stays
    p.bruttoAnderer = 1000_cur;
    EXPECT_EQ(GleitzoneBemessung(1000_cur, p), 883.94_cur);
    // nothing at all: no division by zero
    p.bruttoAnderer = 0_cur;
    EXPECT_EQ(GleitzoneBemessung(0_cur, p), 0_cur);
}

TEST(Gleitzone, PeriodWithoutZoneLeavesTheGross)
{
    EXPECT_EQ(GleitzoneBemessung(700_cur, {2030, 1, 2000_cur, 0.6846_cur, false, 0_cur}), 700_cur);
    EXPECT_EQ(GleitzoneBemessung(300_cur, {2024, 1, 0_cur, 0_cur, false, 0_cur}), 300_cur);
}

TEST(Gleitzone, EmployeeBaseFromOctober2022)
{
    GleitzoneParameter p{2024, 1, 2000_cur, 0.6846_cur, false, 0_cur};
    EXPECT_EQ(GleitzoneBemessungAN(1000_cur, p), 632.01_cur) << "2000 / 1462 x 462";
    EXPECT_EQ(GleitzoneBemessungAN(538_cur, p), 0_cur);
    EXPECT_EQ(GleitzoneBemessungAN(500_cur, p), 0_cur) << "never below 0";
    EXPECT_EQ(GleitzoneBemessungAN(2000_cur, p), 2000_cur);
    p.mehrfach = true;
    p.bruttoAnderer = 500_cur;
    EXPECT_EQ(GleitzoneBemessungAN(1000_cur, p), 877.34_cur) << "2000 / 1462 x 962, times 1000 / 1500";

    EXPECT_FALSE(GleitzoneMitANBasis(2022, 9));
    EXPECT_TRUE(GleitzoneMitANBasis(2022, 10));
    EXPECT_TRUE(GleitzoneMitANBasis(2023, 1));
    EXPECT_FALSE(GleitzoneMitANBasis(2021, 12));
}
