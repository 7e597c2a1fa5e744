#include <gtest/gtest.h>

#include "Exact.h"

using namespace lx;

TEST(Exact, ProductsAndQuotientsKeepEveryDigit)
{
    // amount x rate stays exact until it is rounded
    Exact pension = 883.94_cur * 18.6_cur / 100_cur;
    EXPECT_EQ(pension.toString(), "164.41284");
    // the plans' x 360 / 7: no digit is lost before the named rounding
    Exact weekly = 100_cur * 360 / 7;
    EXPECT_EQ(weekly * 7, Exact(36000_cur));
    EXPECT_EQ(weekly.toCurrency(Round::Cut, kCents), 5142.85_cur);
    EXPECT_EQ(weekly.toCurrency(Round::HalfUp, kFull), 5142.8571_cur);
}

TEST(Exact, RoundingModesByTable)
{
    struct Case {
        Exact value;
        Round mode;
        int decimals;
        Exact expected;
    };
    const Case cases[] = {
        {Exact::decimal(12345, 3), Round::Cut, 2, Exact::decimal(1234, 2)},
        {Exact::decimal(-12345, 3), Round::Cut, 2, Exact::decimal(-1234, 2)},
        {Exact::decimal(12341, 3), Round::Up, 2, Exact::decimal(1235, 2)},
        {Exact::decimal(-12341, 3), Round::Up, 2, Exact::decimal(-1235, 2)},
        {Exact::decimal(-12341, 3), Round::Floor, 2, Exact::decimal(-1235, 2)},
        {Exact::decimal(12341, 3), Round::Floor, 2, Exact::decimal(1234, 2)},
        {Exact::decimal(-12349, 3), Round::Ceiling, 2, Exact::decimal(-1234, 2)},
        {Exact::decimal(12345, 3), Round::HalfUp, 2, Exact::decimal(1235, 2)},
        {Exact::decimal(-12345, 3), Round::HalfUp, 2, Exact::decimal(-1235, 2)},
        {Exact::decimal(12344, 3), Round::HalfUp, 2, Exact::decimal(1234, 2)},
        {Exact::ratio(2, 3), Round::Cut, 6, Exact::decimal(666666, 6)},
        {Exact::ratio(2, 3), Round::HalfUp, 6, Exact::decimal(666667, 6)},
        {Exact::decimal(53, 2), Round::Cut, 2, Exact::decimal(53, 2)},
        {Exact::integer(7), Round::Up, 0, Exact::integer(7)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.round(c.mode, c.decimals), c.expected)
            << c.value << " mode " << int(c.mode) << " to " << c.decimals;
    }
}

TEST(Exact, ComparesExactly)
{
    EXPECT_LT(Exact::ratio(1, 3), Exact::decimal(3334, 4));
    EXPECT_GT(Exact::ratio(1, 3), Exact::decimal(3333, 4));
    EXPECT_EQ(Exact::ratio(2, 4), Exact::decimal(5, 1));
    EXPECT_EQ(Exact(0.5_cur), Exact::ratio(1, 2));
}

TEST(Exact, ErrorsAreThrownNotWrapped)
{
    EXPECT_THROW(Exact(1_cur) / Exact(), MoneyError);
    EXPECT_THROW(1_cur / 0, MoneyError);
    const Exact huge = Exact::decimal(Int128(1) << 120, 0);
    EXPECT_THROW(huge * huge, MoneyError);
    EXPECT_THROW(huge.toCurrency(Round::Cut, kCents), MoneyError);
    EXPECT_THROW(Exact(1_cur).toCurrency(Round::Cut, 5), MoneyError);
}

TEST(Exact, ToIntegerByMode)
{
    EXPECT_EQ((7_cur / 2).toInteger(Round::Cut), 3);
    EXPECT_EQ((7_cur / 2).toInteger(Round::HalfUp), 4);
    EXPECT_EQ((-(7_cur) / 2).toInteger(Round::Floor), -4);
}

TEST(Exact, RoundingRulesOnFractions)
{
    EXPECT_EQ(RundeCentExakt(Exact::ratio(-1234, 1000)), -(1.22_cur));
    EXPECT_EQ(RundeCentExakt(Exact::ratio(1, 200)), 0.01_cur);
    EXPECT_EQ(AufrundenCentExakt(Exact::decimal(1231, 3)), 1.24_cur);
    EXPECT_EQ(AbrundenCentExakt(Exact::ratio(-1, 3)), -(0.33_cur));
    EXPECT_EQ(AbrundenEuroExakt(Exact::ratio(1999, 10)), 199_cur);
    EXPECT_EQ(Abschneiden(7, Exact::ratio(1, 3)), Exact::decimal(333333, 6));
    EXPECT_EQ(Abschneiden(1, Exact::decimal(-78, 1)), Exact::integer(-7));
    EXPECT_EQ(Abschneiden(0, Exact::ratio(1, 3)), Exact::ratio(1, 3));
}
