#include <gtest/gtest.h>

#include "AmountText.h"
#include "berechnung/HochrechnungAnteile.h"

using namespace lx;

namespace {

NTZeile zeile(std::string betrag, std::string nt, std::string eb = "", std::string lmj = "", int art = 0)
{
    return {std::move(betrag), std::move(nt), std::move(eb), std::move(lmj), art};
}

}  // namespace

TEST(NTBetraege, SumsOfNetMarkedPayments)
{
    const std::vector<NTZeile> zeilen = {
        zeile("2.000,00", ""),            // not net-marked
        zeile("150,00", "x"),             // regular
        zeile("1.234.567,89", "x", "x"),  // one-off, thousands points
        zeile("1.000,00", "x", "", "x"),  // multi-year
        zeile("300,00", "x", "x", "x"),   // "EB" before "LMJ"
        zeile("50,00", "x", "", "", 1),   // benefit in kind: never summed
        zeile("-40,00", "x", "", "", 2),  // deduction: never summed
    };
    EXPECT_EQ(SummeNTBetraege(0_cur, zeilen), 150.00_cur + 1234567.89_cur + 1000.00_cur + 300.00_cur);
    EXPECT_EQ(SummeNTBetraege(1482.09_cur, {zeile("150,00", "x")}), 1632.09_cur);
    EXPECT_EQ(SummeNTBetraege(10.00_cur, {}), 10.00_cur);

    NTSummen s = NTSummenNachArt(zeilen);
    EXPECT_EQ(s.lfd, 150.00_cur);
    EXPECT_EQ(s.ebz, 1234567.89_cur + 300.00_cur);
    EXPECT_EQ(s.lmj, 1000.00_cur);
}

TEST(NTBetraege, AmountThatIsNoNumber)
{
    EXPECT_THROW(SummeNTBetraege(0_cur, {zeile("abc", "x")}), ConversionError);
    EXPECT_EQ(SummeNTBetraege(0_cur, {zeile("abc", "")}), 0_cur) << "unmarked rows are not read";
}

TEST(NTBetraege, SharesOfAStep)
{
    struct Fall {
        const char* was;
        Currency schritt;
        NTSummen summen;
        NTSummen anteile;
    } faelle[] = {
        {"one kind takes the whole step", 123.45_cur, {0_cur, 500.00_cur, 0_cur}, {0_cur, 123.45_cur, 0_cur}},
        {"regular and one-off 1:3", 100.00_cur, {100.00_cur, 300.00_cur, 0_cur}, {25.00_cur, 75.00_cur, 0_cur}},
        {"the last moving kind takes the rest",
         100.00_cur,
         {100.00_cur, 100.00_cur, 100.00_cur},
         {33.33_cur, 33.33_cur, 33.34_cur}},
        {"one-off and multi-year", 0.01_cur, {0_cur, 100.00_cur, 100.00_cur}, {0_cur, 0.01_cur, 0_cur}},
        {"negative step",
         -(100.00_cur),
         {100.00_cur, 100.00_cur, 100.00_cur},
         {-(33.33_cur), -(33.33_cur), -(33.34_cur)}},
        {"nothing net-marked", 50.00_cur, {0_cur, 0_cur, 0_cur}, {0_cur, 0_cur, 0_cur}},
    };
    for (const auto& f : faelle) {
        NTSummen a = HochrechnungAnteile(f.schritt, f.summen);
        EXPECT_EQ(a.lfd, f.anteile.lfd) << f.was;
        EXPECT_EQ(a.ebz, f.anteile.ebz) << f.was;
        EXPECT_EQ(a.lmj, f.anteile.lmj) << f.was;
    }
}

TEST(NTBetraege, SharesAlwaysAddUpToTheStep)
{
    const NTSummen summen{100.00_cur, 300.00_cur, 77.77_cur};
    for (std::int64_t cent = -2000; cent <= 2000; cent += 7) {
        const Currency schritt = Currency::fromCents(cent);
        NTSummen a = HochrechnungAnteile(schritt, summen);
        ASSERT_EQ(a.lfd + a.ebz + a.lmj, schritt) << schritt;
    }
}
