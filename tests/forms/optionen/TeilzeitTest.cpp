#include <gtest/gtest.h>

#include "optionen/Teilzeit.h"

using namespace lx;

TEST(Teilzeit, AmountByRoundingCode)
{
    struct Fall {
        const char* code;
        Currency voll;
        Currency teilzeit;
    } faelle[] = {
        {"kfm", 3000.00_cur, 1621.62_cur},
        {"0,10", 3000.00_cur, 1621.70_cur},
        {"0,50", 3000.00_cur, 1622.00_cur},
        {"1,00", 3000.00_cur, 1622.00_cur},
        {"", 3000.00_cur, 1621.62_cur},
        {"1,0", 3000.00_cur, 1621.62_cur},
        // Already on the step: no rounding up.
        {"0,50", 3700.00_cur, 2000.00_cur},
        {"1,00", 37.00_cur, 20.00_cur},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(TeilzeitBetrag(f.voll, 20.00_cur, 37.00_cur, f.code), f.teilzeit) << f.code << " " << f.voll;
    }
}

TEST(Teilzeit, HoursWithDecimals)
{
    // 2.500,00 / 38,50 × 19,25 is exactly half.
    EXPECT_EQ(TeilzeitBetrag(2500.00_cur, 19.25_cur, 38.50_cur, "kfm"), 1250.00_cur);
    // 1.000,00 / 39 × 20 = 512,8205... kept at four decimals, then to cents.
    EXPECT_EQ(TeilzeitBetrag(1000.00_cur, 20.00_cur, 39.00_cur, "kfm"), 512.82_cur);
}

TEST(Teilzeit, ShareIsRoundedOnceFromTheExactQuotient)
{
    // A quotient rounded to four decimals before the product would lose a cent:
    // 1.000,00 / 35 = 28,5714 × 32 = 914,2848 -> 914,28, but exactly 914,2857... -> 914,29.
    struct Fall {
        Currency voll, teil, vollzeit, erwartet;
    } faelle[] = {
        {1000.00_cur, 32.00_cur, 35.00_cur, 914.29_cur},
        {1000.00_cur, 21.00_cur, 41.00_cur, 512.20_cur},
        {1234.56_cur, 8.00_cur, 35.00_cur, 282.19_cur},
        {-(1000.00_cur), 32.00_cur, 35.00_cur, -(914.28_cur)},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(TeilzeitBetrag(f.voll, f.teil, f.vollzeit, "kfm"), f.erwartet)
            << f.voll << " " << f.teil << "/" << f.vollzeit;
    }
}

TEST(Teilzeit, FullTimeHoursMustBeAboveZero)
{
    EXPECT_EQ(PruefeTeilzeitStunden(0.00_cur), "Vollzeit-Wochenstunden müssen größer als 0 sein");
    EXPECT_EQ(PruefeTeilzeitStunden(-(1.00_cur)), "Vollzeit-Wochenstunden müssen größer als 0 sein");
    EXPECT_EQ(PruefeTeilzeitStunden(0.01_cur), std::nullopt);
}
