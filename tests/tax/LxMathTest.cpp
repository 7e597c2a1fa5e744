#include <gtest/gtest.h>

#include "LxMath.h"

using namespace lx;

namespace {
Currency neg(Currency c)
{
    return -c;
}
}  // namespace

TEST(LxMath, CentAndEuroRulesCutAfterTheOffset)
{
    struct Case {
        Currency (*rule)(Currency);
        const char* name;
        Currency in;
        Currency out;
    };
    const Case cases[] = {
        {RundeCent, "RundeCent", 1.2349_cur, 1.23_cur},
        {RundeCent, "RundeCent", 1.2350_cur, 1.24_cur},
        {RundeCent, "RundeCent", neg(1.2340_cur), neg(1.22_cur)},
        {RundeCent, "RundeCent", neg(1.2300_cur), neg(1.22_cur)},
        {RundeCent, "RundeCent", neg(0.0150_cur), neg(0.01_cur)},
        {RundeCent, "RundeCent", neg(0.0050_cur), 0_cur},
        {AufrundenCent, "AufrundenCent", 1.2309_cur, 1.23_cur},
        {AufrundenCent, "AufrundenCent", 1.2310_cur, 1.24_cur},
        {AufrundenCent, "AufrundenCent", 1.2300_cur, 1.23_cur},
        {AbrundenCent, "AbrundenCent", 1.2399_cur, 1.23_cur},
        {AbrundenCent, "AbrundenCent", neg(1.2399_cur), neg(1.23_cur)},
        {AufrundenEuro, "AufrundenEuro", 5.0099_cur, 5_cur},
        {AufrundenEuro, "AufrundenEuro", 5.01_cur, 6_cur},
        {AufrundenEuro, "AufrundenEuro", 5_cur, 5_cur},
        {AufrundenEuro, "AufrundenEuro", 0.0050_cur, 0_cur},
        {AufrundenEuro, "AufrundenEuro", 0.0100_cur, 1_cur},
        {AbrundenEuro, "AbrundenEuro", 5.9999_cur, 5_cur},
        {AbrundenEuro, "AbrundenEuro", neg(5.9999_cur), neg(5_cur)},
    };
    for (const auto& c : cases) EXPECT_EQ(c.rule(c.in), c.out) << c.name << "(" << c.in << ")";
}

TEST(LxMath, RundeModusByMode)
{
    struct Case {
        int mode;
        Currency in;
        Currency out;
    };
    const Case cases[] = {
        {2, 5.30_cur, 5.30_cur},   {2, 5.31_cur, 5.40_cur},   {2, 5.95_cur, 6.00_cur},  {2, 5.00_cur, 5.00_cur},
        {2, 5.89_cur, 5.90_cur},   {2, 5.91_cur, 6.00_cur},   {3, 5.60_cur, 6.00_cur},  {3, 5.50_cur, 5.50_cur},
        {3, 5.01_cur, 5.50_cur},   {3, 5.00_cur, 5.00_cur},   {3, 5.51_cur, 6.00_cur},  {4, 5.00_cur, 5.00_cur},
        {4, 5.0049_cur, 5.00_cur}, {4, 5.0050_cur, 6.00_cur}, {1, 5.005_cur, 5.01_cur}, {7, 5.005_cur, 5.01_cur},
        {0, 5.004_cur, 5.00_cur},
    };
    for (const auto& c : cases) EXPECT_EQ(RundeModus(c.mode, c.in), c.out) << "mode " << c.mode << " of " << c.in;
}

TEST(LxMath, AbschneidenKeepsExactDecimals)
{
    struct Case {
        int mode;
        Dez<7> in;
        Dez<7> out;
    };
    const Case cases[] = {
        {3, Dez<7>::fromMantissa(5300000), Dez<7>::fromMantissa(5300000)},      // 0.53
        {3, Dez<7>::fromMantissa(29990000), Dez<7>::fromMantissa(29900000)},    // 2.999 -> 2.99
        {3, Dez<7>::fromMantissa(-29990000), Dez<7>::fromMantissa(-29900000)},  // toward zero
        {1, Dez<7>::fromMantissa(-78000000), Dez<7>::fromMantissa(-70000000)},  // -7.8 -> -7
        {9, Dez<7>::fromMantissa(-78000000), Dez<7>::fromMantissa(-78000000)},  // mode 9: unchanged
        {0, Dez<7>::fromMantissa(3333333), Dez<7>::fromMantissa(3333333)},      // mode 0: unchanged
        {7, Dez<7>::fromMantissa(3333333), Dez<7>::fromMantissa(3333330)},      // six decimals
        {2, Dez<7>::fromMantissa(19900000), Dez<7>::fromMantissa(19000000)},    // 1.99 -> 1.9
    };
    for (const auto& c : cases) EXPECT_EQ(Abschneiden(c.mode, c.in), c.out) << "mode " << c.mode << " of " << c.in;
    EXPECT_EQ(Abschneiden(3, 0.53_cur), 0.53_cur);
    EXPECT_EQ(Abschneiden(4, 2.9999_cur), 2.999_cur);
    EXPECT_EQ(Abschneiden(7, 2.9999_cur), 2.9999_cur);
}

TEST(LxMath, TextPredicatesAndPadding)
{
    EXPECT_EQ(OhnePunkte("1.234.567,89"), "1234567,89");
    EXPECT_EQ(OhnePunkte("1.000.000.000,00"), "1000000000,00");
    EXPECT_EQ(OhnePunkte("1.000.000.000.000,00"), "1000000000.000,00");  // a fourth point stays
    EXPECT_EQ(OhnePunkte("12,5"), "12,5");
    EXPECT_TRUE(IstJa("ja"));
    EXPECT_FALSE(IstJa("Ja"));
    EXPECT_FALSE(IstJa("ja "));
    EXPECT_TRUE(IstNullText(""));
    EXPECT_TRUE(IstNullText("0"));
    EXPECT_TRUE(IstNullText("0,00"));
    EXPECT_FALSE(IstNullText(" 0"));
    EXPECT_FALSE(IstNullText("0,0"));

    EXPECT_EQ(AuffuellenLeer("ab", 5, true), "   ab");
    EXPECT_EQ(AuffuellenLeer("ab", 5, false), "ab   ");
    EXPECT_EQ(AuffuellenLeer("", 3, false), "   ");
    EXPECT_EQ(AuffuellenLeer("abcdef", 3, true), "abcdef");
    // umlauts count as one column each
    EXPECT_EQ(AuffuellenLeer("Zuschüsse", 12, false), "Zuschüsse   ");
    EXPECT_EQ(AuffuellenLeer("Ü", 2, true), " Ü");
}
