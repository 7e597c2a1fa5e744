#include <gtest/gtest.h>

#include <utility>

#include "Dez.h"
#include "PlanRegistry.h"
#include "Rechengroessen.h"

using namespace lx;

namespace {

// ceiling x rate in percent / 2, to cents with halves up
Currency halberBeitrag(Currency bbg, Currency satz)
{
    return (dez(bbg) * dez(satz)).divide<kCents>(200, Round::HalfUp).toCurrency(Round::Cut);
}

}  // namespace

TEST(Rechengroessen, SubsidyMaximaFollowCeilingTimesRateHalf)
{
    for (int jahr = 2006; jahr <= 2024; ++jahr) {
        for (int monat = 1; monat <= 12; ++monat) {
            const MonatsWerte* z = MonatsWerteFuer(jahr, monat);
            auto bbg = BBGFuer(jahr);
            ASSERT_NE(z, nullptr) << jahr << "/" << monat;
            ASSERT_TRUE(bbg && z->kvSatzZuschuss) << jahr << "/" << monat;
            EXPECT_EQ(z->pkvZuschussMax, halberBeitrag(bbg->kvpv, *z->kvSatzZuschuss)) << jahr << "/" << monat;
            // from 2019 the subsidy takes the general rate plus the year's average additional rate
            if (jahr >= 2019) {
                EXPECT_EQ(*z->kvSatzZuschuss, *z->kvSatz + KVZusatzVorgabeFuer(jahr)) << jahr << "/" << monat;
            }
            EXPECT_EQ(z->ppvZuschussMax, halberBeitrag(bbg->kvpv, z->pvSatz)) << jahr << "/" << monat;
        }
    }
}

TEST(Rechengroessen, OneTwentiethOfTheReferenceValue)
{
    const std::pair<int, Currency> werte[] = {{2004, 120.75_cur}, {2005, 120.75_cur}, {2006, 122.50_cur},
                                              {2007, 122.50_cur}, {2008, 124.25_cur}, {2024, 176.75_cur}};
    for (const auto& [jahr, wert] : werte) EXPECT_EQ(VBGrenzeFuer(jahr), wert) << jahr;
    EXPECT_FALSE(VBGrenzeFuer(2003));
}

TEST(Rechengroessen, TheCalculationYearsAreTheYearsWithAWageTaxPlan)
{
    for (int jahr = kErstesRechenjahr - 1; jahr <= kLetztesRechenjahr + 1; ++jahr) {
        const bool rechenjahr = jahr >= kErstesRechenjahr && jahr <= kLetztesRechenjahr;
        for (int monat = 1; monat <= 12; ++monat) {
            EXPECT_EQ(!planName(jahr, monat).empty(), rechenjahr) << jahr << "/" << monat;
            EXPECT_EQ(MonatsWerteFuer(jahr, monat) != nullptr, rechenjahr) << jahr << "/" << monat;
        }
        EXPECT_EQ(bool(BBGFuer(jahr)), rechenjahr) << jahr;
    }
    EXPECT_LE(kErstesRechenjahr, kErstesListenjahr);
}

TEST(Rechengroessen, EveryYearOfTheYearListHasEveryValue)
{
    for (int jahr = 2008; jahr <= 2024; ++jahr) {
        EXPECT_TRUE(BBGFuer(jahr)) << jahr;
        EXPECT_TRUE(VBGrenzeFuer(jahr)) << jahr;
        for (int monat = 1; monat <= 12; ++monat) {
            const MonatsWerte* z = MonatsWerteFuer(jahr, monat);
            ASSERT_NE(z, nullptr) << jahr << "/" << monat;
            EXPECT_TRUE(z->kvSatzZuschuss) << jahr << "/" << monat;
            EXPECT_EQ(bool(z->kvSatz), jahr >= 2009) << jahr << "/" << monat;
            EXPECT_EQ(bool(z->kvSatzErm), jahr >= 2009) << jahr << "/" << monat;
            EXPECT_TRUE(GleitzoneUntergrenze(jahr, monat)) << jahr << "/" << monat;
            EXPECT_TRUE(ZVZusatzumlageGrenze(jahr, monat)) << jahr << "/" << monat;
            EXPECT_GT(PVZuschlagFuer(jahr, monat), 0_cur) << jahr << "/" << monat;
            EXPECT_LT(*GleitzoneUntergrenze(jahr, monat), z->gleitzoneOG) << jahr << "/" << monat;
        }
    }
    for (int jahr : {2003, 2025, 2030}) {
        EXPECT_FALSE(BBGFuer(jahr)) << jahr;
        EXPECT_EQ(MonatsWerteFuer(jahr, 1), nullptr) << jahr;
        EXPECT_FALSE(GleitzoneUntergrenze(jahr, 1)) << jahr;
        EXPECT_FALSE(ZVZusatzumlageGrenze(jahr, 1)) << jahr;
    }
}

TEST(Rechengroessen, MonthTableCoversEachMonthOnce)
{
    for (int jahr = 2004; jahr <= 2024; ++jahr) {
        for (int monat = 1; monat <= 12; ++monat)
            EXPECT_NE(MonatsWerteFuer(jahr, monat), nullptr) << jahr << "/" << monat;
        EXPECT_EQ(MonatsWerteFuer(jahr, 0), nullptr);
        EXPECT_EQ(MonatsWerteFuer(jahr, 13), nullptr);
    }
}

TEST(Rechengroessen, ValuesSwitchExactlyAtTheMonthBoundaries)
{
    struct Wechsel {
        int jahr;
        int ersterNeuerMonat;
        const char* was;
        Currency (*wert)(int jahr, int monat);
        Currency alt;
        Currency neu;
    };
    const Wechsel faelle[] = {
        {2008, 7, "PV", [](int j, int m) { return MonatsWerteFuer(j, m)->pvSatz; }, 1.70_cur, 1.95_cur},
        {2008, 7, "PPV max", [](int j, int m) { return MonatsWerteFuer(j, m)->ppvZuschussMax; }, 30.60_cur, 35.10_cur},
        {2009, 7, "KV", [](int j, int m) { return *MonatsWerteFuer(j, m)->kvSatz; }, 14.60_cur, 14.00_cur},
        {2009, 7, "KV reduced", [](int j, int m) { return *MonatsWerteFuer(j, m)->kvSatzErm; }, 14.00_cur, 13.40_cur},
        {2009, 7, "PKV max", [](int j, int m) { return MonatsWerteFuer(j, m)->pkvZuschussMax; }, 268.28_cur,
         257.25_cur},
        {2019, 7, "zone OG", [](int j, int m) { return MonatsWerteFuer(j, m)->gleitzoneOG; }, 850_cur, 1300_cur},
        {2022, 10, "zone OG", [](int j, int m) { return MonatsWerteFuer(j, m)->gleitzoneOG; }, 1300_cur, 1600_cur},
        {2022, 10, "F", [](int j, int m) { return MonatsWerteFuer(j, m)->faktorF; }, 0.7509_cur, 0.7009_cur},
        {2022, 10, "zone G", [](int j, int m) { return *GleitzoneUntergrenze(j, m); }, 450_cur, 520_cur},
        {2023, 7, "PV", [](int j, int m) { return MonatsWerteFuer(j, m)->pvSatz; }, 3.05_cur, 3.40_cur},
        {2023, 7, "PPV max", [](int j, int m) { return MonatsWerteFuer(j, m)->ppvZuschussMax; }, 76.06_cur, 84.79_cur},
        {2023, 7, "surcharge", [](int j, int m) { return PVZuschlagFuer(j, m); }, 0.35_cur, 0.60_cur},
        {2023, 7, "child discount for 3",
         [](int j, int m) { return PVKinderAbschlagGilt(j, m) ? PVKinderAbschlagFuer(3) : 0_cur; }, 0_cur, 0.50_cur},
        {2023, 7, "child discount of the month for 3", [](int j, int m) { return PVKinderAbschlag(j, m, 3); }, 0_cur,
         0.50_cur},
        {2009, 7, "KV of the month", [](int j, int m) { return *KVSatzFuer(j, m, 1); }, 14.60_cur, 14.00_cur},
        {2009, 7, "KV reduced of the month", [](int j, int m) { return *KVSatzFuer(j, m, 3); }, 14.00_cur, 13.40_cur},
        {2009, 7, "KV set by law", [](int j, int m) { return *KVSatzVorgeschrieben(j, m, 1); }, 14.60_cur, 14.00_cur},
        {2019, 7, "full pension share choosable", [](int j, int m) { return RVVollWaehlbar(j, m) ? 1_cur : 0_cur; },
         1_cur, 0_cur},
    };
    for (const auto& f : faelle) {
        for (int monat = 1; monat <= 12; ++monat) {
            EXPECT_EQ(f.wert(f.jahr, monat), monat < f.ersterNeuerMonat ? f.alt : f.neu)
                << f.was << " " << f.jahr << "/" << monat;
        }
    }
}

TEST(Rechengroessen, InsolvencyLevyWasZeroIn2011)
{
    for (int monat = 1; monat <= 12; ++monat) EXPECT_EQ(MonatsWerteFuer(2011, monat)->insolvenzSatz, 0_cur);
    EXPECT_EQ(MonatsWerteFuer(2009, 1)->insolvenzSatz, 0.10_cur);
    EXPECT_EQ(MonatsWerteFuer(2010, 1)->insolvenzSatz, 0.41_cur);
}

TEST(Rechengroessen, SmallLookupTables)
{
    const std::pair<int, Currency> abschlag[] = {{0, 0_cur},     {1, 0_cur},    {2, 0.25_cur},
                                                 {3, 0.50_cur},  {4, 0.75_cur}, {5, 1.00_cur},
                                                 {20, 1.00_cur}, {21, 0_cur},   {-1, 0_cur}};
    for (auto [kinder, punkte] : abschlag) EXPECT_EQ(PVKinderAbschlagFuer(kinder), punkte) << kinder;

    EXPECT_EQ(*ZVZusatzumlageGrenze(2024, 2), 8094.46_cur);
    EXPECT_EQ(*ZVZusatzumlageGrenze(2024, 3), 8778.71_cur);
    EXPECT_EQ(*ZVZusatzumlageGrenze(2011, 7), 6210.46_cur);
    EXPECT_EQ(*ZVZusatzumlageGrenze(2011, 8), 6241.52_cur);

    EXPECT_EQ(ZVUmlageSatzFuer("VBL", 6.45_cur), 6.45_cur);
    EXPECT_EQ(ZVUmlageSatzFuer("individuell", 3_cur), 3_cur);
    EXPECT_EQ(ZVUmlageSatzFuer("kvw", 6.45_cur), 4.50_cur);
    EXPECT_EQ(ZVUmlageSatzFuer("RZVK", 6.45_cur), 4.25_cur);
    EXPECT_EQ(ZVUmlageSatzFuer("Meine Kasse", 6.45_cur), 4.25_cur);

    EXPECT_EQ(SanierungsgeldSatzFuer("RZVK", 2009, 1_cur), 2.50_cur);
    EXPECT_EQ(SanierungsgeldSatzFuer("RZVK", 2010, 1_cur), 3.50_cur);
    EXPECT_EQ(SanierungsgeldSatzFuer("kvw", 2008, 9_cur), 1.00_cur);
    EXPECT_EQ(SanierungsgeldSatzFuer("kvw", 2009, 9_cur), 3.00_cur);
    EXPECT_EQ(SanierungsgeldSatzFuer("kvw", 2015, 9_cur), 3.25_cur);
    EXPECT_EQ(SanierungsgeldSatzFuer("VBL", 2024, 1.23_cur), 1.23_cur);

    const ZVVorgabe vorgaben[] = {
        ZVVorgabeFuer("RZVK", 2009),        ZVVorgabeFuer("RZVK", 2010), ZVVorgabeFuer("kvw", 2008),
        ZVVorgabeFuer("kvw", 2015),         ZVVorgabeFuer("VBL", 2022),  ZVVorgabeFuer("VBL", 2023),
        ZVVorgabeFuer("individuell", 2024),
    };
    const Currency erwartet[][3] = {
        {4.25_cur, 0_cur, 2.50_cur}, {4.25_cur, 0_cur, 3.50_cur},    {4.50_cur, 0_cur, 1.00_cur},
        {4.50_cur, 0_cur, 3.25_cur}, {6.45_cur, 1.41_cur, 1.00_cur}, {5.49_cur, 1.41_cur, 1.00_cur},
        {0_cur, 0_cur, 1.00_cur},
    };
    for (std::size_t i = 0; i < std::size(vorgaben); ++i) {
        EXPECT_EQ(vorgaben[i].ag, erwartet[i][0]) << "scheme preset " << i;
        EXPECT_EQ(vorgaben[i].an, erwartet[i][1]) << "scheme preset " << i;
        EXPECT_EQ(vorgaben[i].sanierung, erwartet[i][2]) << "scheme preset " << i;
    }

    // year rules: value the year before the change, value in the year of it
    struct Jahresregel {
        const char* was;
        int jahr;
        bool (*gilt)(int jahr);
        bool vorher;
    };
    const Jahresregel regeln[] = {
        {"insolvency levy with the contributions", 2009, InsolvenzgeldumlageMitBeitraegen, false},
        {"provision rules of 2010", 2010, VorsorgepauschaleAb2010, false},
        {"funds' own additional rate", 2015, KVZusatzJeKasse, false},
        {"additional 1800 euros", 2018, BAVZusatzMoeglich, true},
        {"employer's half of the additional rate", 2019, KVZusatzParitaetisch, false},
        {"pension allowance in health", 2020, VBFreibetragKV, false},
    };
    for (const auto& r : regeln) {
        EXPECT_EQ(r.gilt(r.jahr - 1), r.vorher) << r.was << " " << r.jahr - 1;
        EXPECT_EQ(r.gilt(r.jahr), !r.vorher) << r.was << " " << r.jahr;
    }
    const std::pair<int, Currency> kvZusatz[] = {{2004, 0.90_cur}, {2014, 0.90_cur}, {2015, 0.90_cur}, {2016, 1.10_cur},
                                                 {2017, 1.10_cur}, {2018, 1.00_cur}, {2019, 0.90_cur}, {2020, 1.10_cur},
                                                 {2021, 1.30_cur}, {2022, 1.30_cur}, {2023, 1.60_cur}, {2024, 1.70_cur},
                                                 {2030, 1.70_cur}};
    for (auto [jahr, satz] : kvZusatz) EXPECT_EQ(KVZusatzVorgabeFuer(jahr), satz) << jahr;
    EXPECT_FALSE(KVSatzFuer(2008, 12, 1));
    EXPECT_FALSE(KVSatzVorgeschrieben(2010, 1, 1));

    EXPECT_EQ(BAVGrenzeProzFuer(2017), 4);
    EXPECT_EQ(BAVGrenzeProzFuer(2018), 8);
    EXPECT_EQ(KammerbeitragSatz(5), 0.15_cur);
    EXPECT_EQ(KammerbeitragSatz(14), 0.15_cur);
    EXPECT_EQ(KammerbeitragSatz(6), 0_cur);
}
