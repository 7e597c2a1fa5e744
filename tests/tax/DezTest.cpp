#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "Dez.h"
#include "PlanRundung.h"

using namespace lx;

namespace {

struct RundungsFall {
    std::int64_t mantisse;  // at three decimals
    Round mode;
    std::int64_t erwartet;  // at one decimal
};

const char* name(Round r)
{
    switch (r) {
        case Round::Cut:
            return "Cut";
        case Round::Up:
            return "Up";
        case Round::Floor:
            return "Floor";
        case Round::Ceiling:
            return "Ceiling";
        case Round::HalfUp:
            return "HalfUp";
    }
    return "?";
}

TEST(Dez, RescaleByEveryMode)
{
    const RundungsFall faelle[] = {
        // 1.250 and -1.250: a half
        {1250, Round::Cut, 12},
        {1250, Round::Up, 13},
        {1250, Round::Floor, 12},
        {1250, Round::Ceiling, 13},
        {1250, Round::HalfUp, 13},
        {-1250, Round::Cut, -12},
        {-1250, Round::Up, -13},
        {-1250, Round::Floor, -13},
        {-1250, Round::Ceiling, -12},
        {-1250, Round::HalfUp, -13},
        // 1.249 and -1.249: just below a half
        {1249, Round::HalfUp, 12},
        {-1249, Round::HalfUp, -12},
        {1249, Round::Up, 13},
        {-1249, Round::Floor, -13},
        {1201, Round::Ceiling, 13},
        {-1201, Round::Ceiling, -12},
        // exact values stay in every mode
        {1200, Round::Up, 12},
        {-1200, Round::Floor, -12},
        {1200, Round::HalfUp, 12},
        {0, Round::Up, 0},
        // below one step
        {1, Round::Up, 1},
        {-1, Round::Up, -1},
        {-1, Round::Cut, 0},
        {49, Round::HalfUp, 0},
        {50, Round::HalfUp, 1},
        {-50, Round::HalfUp, -1},
    };
    for (const auto& f : faelle) {
        const Dez<1> r = Dez<3>::fromMantissa(f.mantisse).rescale<1>(f.mode);
        EXPECT_EQ(r.mantissa(), f.erwartet) << f.mantisse << " " << name(f.mode);
    }
}

TEST(Dez, RescaleOfWideValuesByEveryMode)
{
    // 123456789012345678901.5 at one decimal (beyond 64 bits) and a small one in the same type
    const Int128 gross = Int128(1234567890123456789LL) * 100 + 15;
    struct Fall {
        Int128 mantisse;
        Round mode;
        Int128 erwartet;
    } const faelle[] = {
        {gross, Round::Cut, gross / 10},          {gross, Round::Up, gross / 10 + 1},
        {gross, Round::HalfUp, gross / 10 + 1},   {-gross, Round::Floor, -(gross / 10) - 1},
        {-gross, Round::Ceiling, -(gross / 10)},  {gross - 1, Round::HalfUp, gross / 10},
        {Int128(-15), Round::HalfUp, Int128(-2)}, {Int128(-14), Round::Ceiling, Int128(-1)},
    };
    for (const auto& f : faelle) {
        const auto r = DezBreit<1>::fromMantissa(f.mantisse).rescale<0, Int128>(f.mode);
        EXPECT_TRUE(r.mantissa() == f.erwartet)
            << toString(f.mantisse) << " " << name(f.mode) << ": " << toString(r.mantissa());
    }
}

TEST(Dez, LiteralsKeepTheirDecimals)
{
    constexpr auto a = 0.42_d;
    constexpr auto b = 0.016125_d;
    constexpr auto c = 36_d;
    static_assert(decltype(a)::kScale == 2 && a.mantissa() == 42);
    static_assert(decltype(b)::kScale == 6 && b.mantissa() == 16125);
    static_assert(decltype(c)::kScale == 0 && c.mantissa() == 36);
    static_assert((1.50_d).mantissa() == 150);
    EXPECT_EQ((0.10_d + 0.005_d).toString(), "0.105");
}

TEST(Dez, SumsAlignScalesAndProductsAddThem)
{
    const auto summe = 1.5_d + 0.25_d;  // Dez<1> + Dez<2>
    static_assert(decltype(summe)::kScale == 2);
    EXPECT_EQ(summe.mantissa(), 175);
    const auto differenz = 1.5_d - 2.125_d;
    static_assert(decltype(differenz)::kScale == 3);
    EXPECT_EQ(differenz.toString(), "-0.625");

    const auto produkt = dez(4987.50_cur) * 0.017_d;  // Dez<4> * Dez<3>
    static_assert(decltype(produkt)::kScale == 7);
    EXPECT_EQ(produkt.toString(), "84.7875000");
    EXPECT_EQ(produkt.toCurrency<kCents>(Round::HalfUp), 84.79_cur);
    EXPECT_EQ(produkt.toCurrency<kCents>(Round::Cut), 84.78_cur);
    EXPECT_EQ((dez(3.0_cur) * 3).toString(), "9.0000");
}

TEST(Dez, ProductsBeyondSixtyFourBitsStayExact)
{
    // 90 000 000.0000 cents times a rate with nine decimals: 21 digits
    const auto p = Dez<4>::from(90'000'000_cur) * Dez<9>::fromMantissa(93'123'456);
    EXPECT_EQ(p.toString(), "8381111.0400000000000");
    EXPECT_EQ(p.toCurrency<kCents>(Round::Cut), 8381111.04_cur);
    EXPECT_EQ((p + p).toString(), "16762222.0800000000000");
    EXPECT_THROW((void)(p * p), MoneyError);
}

TEST(Dez, ComparisonAcrossScalesWithoutRounding)
{
    struct Fall {
        const char* text;
        std::strong_ordering ergebnis;
        std::strong_ordering erwartet;
    } const faelle[] = {
        {"1.5 vs 1.50", 1.5_d <=> 1.50_d, std::strong_ordering::equal},
        {"1.5 vs 1.499999", 1.5_d <=> 1.499999_d, std::strong_ordering::greater},
        {"1.000001 vs 1", 1.000001_d <=> 1_d, std::strong_ordering::greater},
        {"-0.01 vs 0", -(0.01_d) <=> 0_d, std::strong_ordering::less},
        {"-1.20 vs -1.2", -(1.20_d) <=> -(1.2_d), std::strong_ordering::equal},
        {"Currency 0.0001 vs 0.00009", dez(0.0001_cur) <=> 0.00009_d, std::strong_ordering::greater},
        {"wide vs narrow", dez(1_cur) * dez(1_cur) <=> 0.99999999_d, std::strong_ordering::greater},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ergebnis, f.erwartet) << f.text;
    EXPECT_TRUE(1.5_d == 1.500_d);
    EXPECT_FALSE(1.5_d == 1.501_d);
    // a scale of 18 against 0: aligned in 128 bits, no overflow
    EXPECT_TRUE(Dez<18>::fromMantissa(INT64_MAX) > 9_d);
    EXPECT_TRUE(Dez<18>::fromMantissa(INT64_MAX) < 10_d);
}

TEST(Dez, DivisionNamesScaleAndRounding)
{
    struct Fall {
        const char* text;
        Currency ist;
        Currency erwartet;
    } const faelle[] = {
        {"1000 / 7 cut to cents", dez(1000_cur).divide<2>(7, Round::Cut).toCurrency(Round::Cut), 142.85_cur},
        {"1000 / 7 half up to cents", dez(1000_cur).divide<2>(7, Round::HalfUp).toCurrency(Round::Cut), 142.86_cur},
        {"-1000 / 7 floor", dez(-1000_cur).divide<2>(7, Round::Floor).toCurrency(Round::Cut), -142.86_cur},
        {"1000 / -7 cut", dez(1000_cur).divide<2>(-7, Round::Cut).toCurrency(Round::Cut), -142.85_cur},
        {"1 / 3 at four", dez(1_cur).divide<4>(3, Round::Up).toCurrency(Round::Cut), 0.3334_cur},
        {"2.5 / 0.7 at two", dez(2.5_cur).divide<2>(0.7_d, Round::HalfUp).toCurrency(Round::Cut), 3.57_cur},
        {"30 / 12 at zero, up", dez(30_cur).divide<0>(12, Round::Up).toCurrency(Round::Cut), 3_cur},
        {"wide / 360", (dez(45000_cur) * 7_d).divide<0>(360, Round::Cut).toCurrency(Round::Cut), 875_cur},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ist, f.erwartet) << f.text;
    EXPECT_THROW((void)dez(1_cur).divide<2>(0, Round::Cut), MoneyError);
    EXPECT_THROW((void)dez(1_cur).divide<2>(0_d, Round::Cut), MoneyError);
}

TEST(Dez, OverflowIsAnError)
{
    const auto gross = Dez<0>::fromMantissa(INT64_MAX);
    EXPECT_THROW((void)(gross + 1_d), MoneyError);
    EXPECT_THROW((void)(-gross - 2_d), MoneyError);
    EXPECT_THROW((void)(gross * 2), MoneyError);
    EXPECT_THROW((void)gross.rescale<1>(Round::Cut), MoneyError);  // more decimals than 64 bits hold
    EXPECT_THROW((void)(gross * gross).narrow(), MoneyError);
    EXPECT_THROW((void)(gross * gross * gross), MoneyError);
    EXPECT_THROW((void)(Dez<4>::fromMantissa(INT64_MAX) * 1_d).toCurrency<kCents>(Round::Up), MoneyError);
    EXPECT_THROW((void)Dez<9>::from(Currency::fromRaw(INT64_MAX / 1000)), MoneyError);
    const auto quadrat = gross * gross;
    const auto gerundet = quadrat.rescale<0, Int128>(Round::Up);
    EXPECT_EQ(gerundet.toString(), quadrat.toString());
}

TEST(Dez, CurrencyComesBackThroughANamedRounding)
{
    const auto x = 1234.56789_d;
    EXPECT_EQ(x.toCurrency(Round::Cut), 1234.5678_cur);
    EXPECT_EQ(x.toCurrency(Round::HalfUp), 1234.5679_cur);
    EXPECT_EQ(x.toCurrency<kEuros>(Round::Up), 1235_cur);
    EXPECT_EQ((-x).toCurrency<kCents>(Round::Floor), -(1234.57_cur));
    EXPECT_EQ(x.toInteger(Round::Cut), 1234);
    EXPECT_EQ(Dez<6>::from(12.3456_cur).mantissa(), 12345600);
    EXPECT_EQ(dez(12.3456_cur).div10<2>().toString(), "0.123456");
    std::ostringstream s;
    s << -(0.05_d);
    EXPECT_EQ(s.str(), "-0.05");
}

}  // namespace

namespace {

TEST(PlanRundung, RulesOnDecimalsAndQuotients)
{
    struct Fall {
        const char* text;
        Currency ist;
        Currency erwartet;
    } const faelle[] = {
        // Int(100x + 0.5) / 100 cuts toward zero after the offset, also below zero
        {"RundeCent 1.235", RundeCentExakt(1.235_d), 1.24_cur},
        {"RundeCent 1.2349999", RundeCentExakt(1.2349999_d), 1.23_cur},
        {"RundeCent -1.234", RundeCentExakt(-(1.234_d)), -(1.22_cur)},
        {"RundeCent -0.03", RundeCentExakt(-(0.03_d)), -(0.02_cur)},
        {"RundeCent of a 128-bit product", RundeCentExakt(dez(1234.5678_cur) * 0.0935_d), 115.43_cur},
        {"AufrundenCent 1.2311", AufrundenCentExakt(1.2311_d), 1.24_cur},
        {"AufrundenCent 1.231", AufrundenCentExakt(1.231_d), 1.24_cur},
        {"AufrundenCent 1.2309", AufrundenCentExakt(1.2309_d), 1.23_cur},
        {"AbrundenCent -1.239", AbrundenCentExakt(-(1.239_d)), -(1.23_cur)},
        {"AbrundenEuro 99.999999", AbrundenEuroExakt(99.999999_d), 99_cur},
        {"RundeModus 4 of 142.5", RundeModusExakt(4, 142.5_d), 143_cur},
        // RundeCent of n / d in one division
        {"1000 / 7", RundeCentQuotient(dez(1000_cur), 7), 142.86_cur},
        {"-1000 / 7", RundeCentQuotient(dez(-1000_cur), 7), -(142.85_cur)},
        {"1000 / -7", RundeCentQuotient(dez(1000_cur), -7), -(142.85_cur)},
        {"1 / 200: a half cent", RundeCentQuotient(dez(1_cur), 200), 0.01_cur},
        {"-1 / 200", RundeCentQuotient(dez(-1_cur), 200), 0_cur},
        {"by a Currency", RundeCentQuotient(dez(100_cur) * dez(3_cur), 7.5_cur), 40_cur},
        {"by a product", RundeCentQuotient(dez(2_cur) * dez(3_cur), dez(3_cur) * dez(7_cur)), 0.29_cur},
    };
    for (const auto& f : faelle) EXPECT_EQ(f.ist, f.erwartet) << f.text;
    EXPECT_THROW((void)RundeCentQuotient(dez(1_cur), 0), MoneyError);
    EXPECT_EQ(Fuenftel(dez(1_cur)).toString(), "0.20000");
    EXPECT_EQ(Haelfte(dez(-(0.0001_cur))).toString(), "-0.00005");
}

}  // namespace
