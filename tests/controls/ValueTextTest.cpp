#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AmountText.h"
#include "ValueText.h"

using namespace lx::literals;

TEST(ValueText, RemovesAtMostFourDotsFromTheLeft)
{
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"1.234,56", "1234,56"}, {"1.000.000,00", "1000000,00"}, {"1.2.3.4.5.6", "12345.6"}, {"...", ""}, {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(lx::removeDots(c.in), c.out) << c.in;
}

TEST(ValueText, ReadsFieldTextsAsFourDecimalAmounts)
{
    struct Case {
        const char* in;
        std::optional<lx::Currency> out;
    };
    const Case cases[] = {
        {"12", 12_cur},
        {"12,5", 12.5_cur},
        {"-2500000", -(2500000_cur)},
        {",25", 0.25_cur},
        {"7,", 7_cur},
        {"1,23456", 1.2346_cur},  // beyond four decimals: rounded into the fourth
        {"1,23454", 1.2345_cur},
        {"-1,00005", -(1.0001_cur)},  // halves away from zero
        {"1,2345x", std::nullopt},
        {"1,23456x", std::nullopt},
        {"-", std::nullopt},
        {",", std::nullopt},
        {"-,", std::nullopt},
        {"12-3", std::nullopt},
        {"99999999999999999999", std::nullopt},  // beyond Currency's range
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(lx::readFieldAmount(c.in), c.out) << c.in;
}

TEST(ValueText, FieldAmountRaisesTheRuntimeConversionError)
{
    try {
        lx::fieldAmount("-,");
        FAIL() << "no ConversionError";
    } catch (const lx::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'-,' ist kein gültiger Gleitkommawert");
    }
    EXPECT_EQ(lx::fieldAmount("0,00005"), 0.0001_cur);
}
