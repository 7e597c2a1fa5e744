#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "Dez.h"
#include "Gehaltsroutinen.h"
#include "LxMath.h"
#include "berechnung/NettoIteration.h"

using namespace lx;

namespace {

// A fake computation that records every trial gross.
struct Fake {
    std::function<Currency(Currency)> netz;
    std::vector<Currency> versuche;

    std::function<Currency(Currency)> rechnung()
    {
        return [this](Currency G) {
            versuche.push_back(G);
            return netz(G);
        };
    }
    bool keinerDoppelt() const
    {
        return std::set<Currency>(versuche.begin(), versuche.end()).size() == versuche.size();
    }
};

// Net = 70 % of the gross, in cents; (G − 0,01 nets the same as G often).
Currency siebzigProzent(Currency G)
{
    return RundeCent((dez(G) * 0.7_d).toCurrency(Round::HalfUp));
}

// The working engine of a plain case (West, "1111", church tax "ev" in
// Nordrhein-Westfalen, childless surcharge) and its net for a trial gross.
TLohnGehalt engine(int jahr, int monat, int stkl)
{
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(jahr);
    lg.SetBGR("1111");
    lg.SetMonat(monat);
    lg.SetGleitzone(1);
    lg.SetPVZuschlag(1);
    lg.SetKVZusatz(jahr >= 2024 ? 1.70_cur : 1.30_cur);
    lg.SetStKl(Byte(stkl));
    lg.SetKonfession(0);
    lg.SetBundesland(12);
    lg.SetKammer(2);
    lg.SetZVArt("keine");
    lg.SetGebJahr(1990);
    return lg;
}

Currency engineNetto(TLohnGehalt& lg, Currency G)
{
    lg.SetStBrutto(G);
    lg.SetSVBrutto(G);
    lg.SetGesamtbrutto(G);
    lg.Berechnen();
    return G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN) - lg.FKVAN - lg.FPVAN;
}

}  // namespace

TEST(NettoIteration, RoundTripOnTheEngine)
{
    struct Jahr {
        int jahr, monat;
    } jahre[] = {{2013, 1}, {2019, 1}, {2023, 7}, {2024, 3}};
    const Currency bruttos[] = {600.00_cur, 1999.99_cur, 3456.78_cur, 8123.45_cur};
    for (auto [jahr, monat] : jahre) {
        for (int stkl = 1; stkl <= 6; ++stkl) {
            TLohnGehalt lg = engine(jahr, monat, stkl);
            NettoIterationRegeln regeln;
            regeln.steuerklasse6 = stkl == 6;
            for (Currency brutto : bruttos) {
                const Currency N = engineNetto(lg, brutto);
                Fake f{[&](Currency G) { return engineNetto(lg, G); }, {}};
                NettoIterationErgebnis e = NettoIteration(N, N, f.rechnung(), regeln);
                EXPECT_FALSE(e.abgebrochen) << jahr << " class " << stkl << " " << brutto;
                EXPECT_EQ(engineNetto(lg, e.brutto), N) << jahr << " class " << stkl << " " << brutto;
                EXPECT_TRUE(f.keinerDoppelt()) << jahr << " class " << stkl << " " << brutto;
            }
        }
    }
}

TEST(NettoIteration, RoundTripsWhereHalvingAloneStalls)
{
    // Halving alone ends at a gross one cent too high for these nets (March
    // 2024, class 1) and steps to itself until computation 300.
    TLohnGehalt lg = engine(2024, 3, 1);
    for (Currency brutto : {1970.95_cur, 2989.37_cur, 4086.13_cur}) {
        const Currency N = engineNetto(lg, brutto);
        NettoIterationErgebnis e = NettoIteration(N, N, [&](Currency G) { return engineNetto(lg, G); });
        EXPECT_FALSE(e.abgebrochen) << brutto;
        EXPECT_EQ(e.netto, N) << brutto;
        EXPECT_LT(e.berechnungen, 100) << brutto;
    }
}

TEST(NettoIteration, ConvergingPath)
{
    Fake f{siebzigProzent, {}};
    NettoIterationErgebnis e = NettoIteration(700.00_cur, 700.00_cur, f.rechnung());
    EXPECT_FALSE(e.abgebrochen);
    EXPECT_EQ(e.netto, 700.00_cur);
    EXPECT_EQ(siebzigProzent(e.brutto), 700.00_cur);
    EXPECT_EQ(e.berechnungen, int(f.versuche.size()));
    EXPECT_LT(e.berechnungen, 40);
    EXPECT_TRUE(f.keinerDoppelt());
    EXPECT_EQ(f.versuche.front(), 700.00_cur) << "computation 1 is the start";
    // Halving: 700,00 nets 490,00, 210,00 short, so 805,00 next.
    ASSERT_GE(f.versuche.size(), 2u);
    EXPECT_EQ(f.versuche[1], 805.00_cur);
}

TEST(NettoIteration, AfterTheCallersFirstComputation)
{
    // The caller computed 700,00 itself: the helper goes on from its net and
    // counts it as computation 1.
    Fake f{siebzigProzent, {}};
    NettoIterationErgebnis e = NettoIterationNachErster(700.00_cur, 490.00_cur, 700.00_cur, f.rechnung());
    EXPECT_FALSE(e.abgebrochen);
    ASSERT_FALSE(f.versuche.empty());
    EXPECT_EQ(f.versuche.front(), 805.00_cur);
    EXPECT_EQ(e.berechnungen, int(f.versuche.size()) + 1);
    EXPECT_TRUE(f.keinerDoppelt());
    EXPECT_EQ(std::count(f.versuche.begin(), f.versuche.end(), 700.00_cur), 0) << "the start is never computed again";
}

TEST(NettoIteration, StartAlreadyRightComputesOnce)
{
    Fake f{[](Currency G) { return G; }, {}};
    NettoIterationErgebnis e = NettoIteration(100.00_cur, 100.00_cur, f.rechnung());
    EXPECT_EQ(e.berechnungen, 1);
    EXPECT_FALSE(e.abgebrochen);
    EXPECT_EQ(e.brutto, 100.00_cur);
}

TEST(NettoIteration, TrialComputedAgainIsReplacedByTheNearestNewOne)
{
    // One cent above the target the halving step gives the same gross again:
    // RundeCent(1.677,90 − 0,005) is 1.677,90. The gross one cent below nets the
    // target.
    auto netz = [](Currency G) {
        if (G >= 1677.90_cur) return 1298.39_cur + (G - 1677.90_cur);
        if (G == 1677.89_cur) return 1298.38_cur;
        return 1298.37_cur - (1677.88_cur - G);
    };
    Fake f{netz, {}};
    NettoIterationErgebnis e = NettoIteration(1677.91_cur, 1298.38_cur, f.rechnung());
    // 1.677,91 nets 1.298,40: the halving step gives 1.677,90 (1.298,39), which
    // steps to itself; the nearest new gross around it: 1.677,91 was computed,
    // so 1.677,89, found at the next computation.
    ASSERT_EQ(f.versuche, (std::vector<Currency>{1677.91_cur, 1677.90_cur, 1677.89_cur}));
    EXPECT_FALSE(e.abgebrochen);
    EXPECT_EQ(e.brutto, 1677.89_cur);
    EXPECT_EQ(e.netto, 1298.38_cur);
}

TEST(NettoIteration, NearestNewTrialOneCentAboveBeforeBelow)
{
    // The net steps by two cents per cent of gross around 500,00 and never hits
    // an odd target; the search walks outward from the best trial.
    auto netz = [](Currency G) { return G * 2 - 500.00_cur; };
    Fake f{netz, {}};
    NettoIterationRegeln regeln;
    regeln.grenze = 6;
    NettoIterationErgebnis e = NettoIteration(500.00_cur, 500.01_cur, f.rechnung(), regeln);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(e.berechnungen, 6);
    // 500,00 nets 500,00 (one cent short): halving gives RundeCent(500,005) =
    // 500,01, which nets 500,02; halving gives 500,00 again, so the trials walk
    // out around the best (500,00, the lower of two equally near): 500,01 is
    // computed, 499,99; then 500,02, 499,98, 500,03. Having given up, the
    // search computes the nearest trial once more for the engine to hold.
    EXPECT_EQ(f.versuche, (std::vector<Currency>{500.00_cur, 500.01_cur, 499.99_cur, 500.02_cur, 499.98_cur, 500.03_cur,
                                                 500.00_cur}));
    EXPECT_EQ(e.brutto, 500.00_cur);
    EXPECT_EQ(e.netto, 500.00_cur);
}

TEST(NettoIteration, NetOneEuroAboveStopsAtTheLimit)
{
    // The net is always 1,00 above the gross's target, whatever the gross.
    const Currency ziel = 1000.00_cur;
    Fake f{[](Currency) { return 1001.00_cur; }, {}};
    NettoIterationRegeln klasse6;
    klasse6.steuerklasse6 = true;
    NettoIterationErgebnis e = NettoIteration(1000.00_cur, ziel, f.rechnung(), klasse6);
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_EQ(e.berechnungen, 300);
    ASSERT_EQ(f.versuche.size(), 300u);
    EXPECT_TRUE(f.keinerDoppelt());
    EXPECT_EQ(e.brutto, f.versuche.back()) << "the result is the last trial";
    EXPECT_EQ(e.netto, 1001.00_cur);
    // Halving steps of 0,50 down from 1.000,00 ...
    EXPECT_EQ(f.versuche[1], 999.50_cur);
    EXPECT_EQ(f.versuche[100], 1000.00_cur - 0.50_cur * 100);
    // ... then after computations 101 to 119 one cent up each ...
    for (int k = 101; k <= 119; ++k) {
        EXPECT_EQ(f.versuche[k] - f.versuche[k - 1], 0.01_cur) << "after computation " << k;
    }
    // ... and halving again from computation 120.
    EXPECT_EQ(f.versuche[120] - f.versuche[119], -(0.50_cur));
}

TEST(NettoIteration, WithoutClassSixAlwaysHalving)
{
    Fake f{[](Currency) { return 1001.00_cur; }, {}};
    NettoIterationErgebnis e = NettoIteration(1000.00_cur, 1000.00_cur, f.rechnung());
    EXPECT_TRUE(e.abgebrochen);
    for (std::size_t k = 1; k < f.versuche.size(); ++k) {
        ASSERT_EQ(f.versuche[k] - f.versuche[k - 1], -(0.50_cur)) << "computation " << k + 1;
    }
}

TEST(NettoIteration, GrossUpRulesAddACentAfter200AndTakeOneAfter250)
{
    Fake f{[](Currency) { return 1001.00_cur; }, {}};
    NettoIterationRegeln regeln{.steuerklasse6 = true, .zuschlag = HochrechnungZuschlag};
    NettoIterationErgebnis e = NettoIteration(1000.00_cur, 1000.00_cur, f.rechnung(), regeln);
    EXPECT_TRUE(e.abgebrochen);
    ASSERT_EQ(f.versuche.size(), 300u);
    auto schritt = [&](int k) { return f.versuche[k] - f.versuche[k - 1]; };  // after computation k
    EXPECT_EQ(schritt(199), -(0.50_cur));
    EXPECT_EQ(schritt(200), -(0.49_cur));
    EXPECT_EQ(schritt(201), -(0.50_cur));
    EXPECT_EQ(schritt(250), -(0.51_cur));
    EXPECT_EQ(schritt(110), 0.01_cur);
    EXPECT_TRUE(f.keinerDoppelt());
    EXPECT_EQ(HochrechnungZuschlag(199), 0_cur);
}
