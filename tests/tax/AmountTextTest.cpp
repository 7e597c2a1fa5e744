#include <gtest/gtest.h>

#include <optional>

#include "AmountText.h"

using namespace lx;

TEST(AmountText, ParsesGermanAmounts)
{
    struct Case {
        const char* text;
        std::optional<Currency> expected;
    };
    const Case cases[] = {
        {"12", 12_cur},
        {"1234,56", 1234.56_cur},
        {"-3,5", -(3.5_cur)},
        {"+3,5", 3.5_cur},
        {",25", 0.25_cur},
        {"7,", 7_cur},
        {" 0,00 ", 0_cur},
        {"0,0001", 0.0001_cur},
        {"922337203685477,5807", Currency::fromRaw(INT64_MAX)},
        {"922337203685477,5808", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"1,23456", std::nullopt},
        {"1.234,56", std::nullopt},  // thousands separators are removed by the caller
        {"12.5", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {",", std::nullopt},
        {"-,", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1-", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(parseAmount(c.text), c.expected) << '"' << c.text << '"';
}

TEST(AmountText, FormatsWithCommaAndThousands)
{
    struct Case {
        Currency value;
        int decimals;
        bool thousands;
        const char* expected;
    };
    const Case cases[] = {
        {1234567.89_cur, 2, true, "1.234.567,89"},
        {1234567.89_cur, 2, false, "1234567,89"},
        {-(1234.5_cur), 2, true, "-1.234,50"},
        {0_cur, 2, true, "0,00"},
        {0.005_cur, 2, true, "0,01"},
        {-(0.005_cur), 2, true, "-0,01"},
        {-(0.004_cur), 2, true, "0,00"},
        {999.995_cur, 2, true, "1.000,00"},
        {100_cur, 0, true, "100"},
        {1.5_cur, 1, true, "1,5"},
        {0.1235_cur, 3, true, "0,124"},
        {0.1234_cur, 3, true, "0,123"},
        {123_cur, 2, true, "123,00"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatAmount(c.value, c.decimals, c.thousands), c.expected) << c.value;
}

TEST(AmountText, ConversionErrorsCarryTheUserMessage)
{
    try {
        StrToCurr("-,");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'-,' ist kein gültiger Gleitkommawert");
    }
    try {
        StrToInt("a");
        FAIL() << "no error";
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "'a' ist kein gültiger Integerwert");
    }
    EXPECT_THROW(StrToInt(""), ConversionError);
    EXPECT_THROW(StrToInt("99999999999"), ConversionError);
    EXPECT_EQ(StrToInt(" -42"), -42);
    EXPECT_EQ(StrToCurr("3,75"), 3.75_cur);
}

TEST(AmountText, ShortestTextDropsTrailingZerosAndSeparators)
{
    EXPECT_EQ(lx::shortestText(350_cur), "350");
    EXPECT_EQ(lx::shortestText(1.5_cur), "1,5");
    EXPECT_EQ(lx::shortestText(-(1000000_cur)), "-1000000");
    EXPECT_EQ(lx::shortestText(0.0001_cur), "0,0001");
    EXPECT_EQ(lx::shortestText(-(0.25_cur)), "-0,25");
    EXPECT_EQ(lx::shortestText(0_cur), "0");
}
