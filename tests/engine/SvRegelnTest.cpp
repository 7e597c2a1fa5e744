// One pay month per social-insurance rule, with the example that shows it;
// a failure names the rule. The full set of cases is sv_cases on
// tests/data/sv-cases.tsv.

#include <gtest/gtest.h>

#include <functional>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

namespace {

struct Regel {
    const char* regel;
    int jahr, monat;
    const char* bgr;
    Currency brutto;
    std::function<void(TLohnGehalt&)> dazu;  // further inputs; the contribution gross is set again after them
    std::function<Currency(const TLohnGehalt&)> wert;
    Currency erwartet;
};

Currency u1(const TLohnGehalt& lg)
{
    return lg.FU1;
}

}  // namespace

TEST(SvRegeln, EachRuleWithItsExample)
{
    const Regel regeln[] = {
        {"U1 in the zone on the actual pay", 2024, 5, "1111", 1000_cur,
         [](TLohnGehalt& lg) { lg.SetU1Satz(1.6_cur); }, u1, 16.00_cur},
    };
    for (const auto& r : regeln) {
        TLohnGehalt lg = Monat(r.jahr, r.monat, r.bgr, r.brutto);
        if (r.dazu) r.dazu(lg);
        lg.SetSVBrutto(r.brutto);
        lg.Berechnen();
        EXPECT_EQ(r.wert(lg), r.erwartet) << r.regel;
    }
}
