#include <gtest/gtest.h>

#include <cstdint>

#include "Currency.h"
#include "Int128.h"

using namespace lx;

TEST(Currency, LiteralsAreExactTenThousandths)
{
    struct Case {
        Currency value;
        std::int64_t raw;
    };
    const Case cases[] = {
        {14.60_cur, 146000},  {0.0001_cur, 1},     {4987.50_cur, 49875000},
        {1000_cur, 10000000}, {-(0.01_cur), -100}, {1'000.5_cur, 10005000},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.raw(), c.raw) << c.value;
}

TEST(Currency, SumsAndDifferencesStayExact)
{
    EXPECT_EQ(0.1_cur + 0.2_cur, 0.3_cur);
    EXPECT_EQ(1_cur - 0.0001_cur, 0.9999_cur);
    EXPECT_EQ(-(2.5_cur), Currency::fromCents(-250));
    EXPECT_EQ(3.5_cur * 360, 1260_cur);
    EXPECT_EQ(Currency::fromUnits(7), 7_cur);
}

TEST(Currency, OverflowIsAnErrorNotAWrapAround)
{
    const Currency max = Currency::fromRaw(INT64_MAX);
    const Currency min = Currency::fromRaw(INT64_MIN);
    EXPECT_THROW(max + 0.0001_cur, MoneyError);
    EXPECT_THROW(min - 0.0001_cur, MoneyError);
    EXPECT_THROW(-min, MoneyError);
    EXPECT_THROW(max * 2, MoneyError);
    EXPECT_THROW(Currency::fromUnits(INT64_MAX / 1000), MoneyError);
}

TEST(Currency, DiagnosticTextShowsFourDecimals)
{
    EXPECT_EQ((-(12.34_cur)).toString(), "-12.3400");
    EXPECT_EQ((0.0005_cur).toString(), "0.0005");
}
