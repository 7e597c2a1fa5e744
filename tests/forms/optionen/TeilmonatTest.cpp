#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "optionen/Teilmonat.h"

using namespace lx;

namespace {

TeilmonatTage tage(std::string von, std::string bis, std::string ub1Von = "0", std::string ub1Bis = "0",
                   std::string ub2Von = "0", std::string ub2Bis = "0")
{
    return {std::move(von), std::move(bis), std::move(ub1Von), std::move(ub1Bis), std::move(ub2Von), std::move(ub2Bis)};
}

std::string alle(const std::vector<std::string>& m)
{
    std::string s;
    for (const auto& t : m) s += "[" + t + "]";
    return s;
}

}  // namespace

TEST(Teilmonat, CaptionsOfTheMonth)
{
    struct Fall {
        const char* name;
        int monat, jahr;
        const char* kalArb;
    } faelle[] = {
        {"Januar", 1, 2024, "31 Kalendertage / 23 Arbeitstage"},
        {"Februar", 2, 2024, "29 Kalendertage / 21 Arbeitstage"},
        {"Februar", 2, 2023, "28 Kalendertage / 20 Arbeitstage"},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(TeilmonatKalArb(f.monat, f.jahr), f.kalArb) << f.name << " " << f.jahr;
    }
    EXPECT_EQ(TeilmonatCaption("Januar", 2024), "Januar 2024 = ");
    EXPECT_EQ(TeilmonatDatum(5, 1, 2024), "05.01.2024");
}

TEST(Teilmonat, ReductionsByTheFourRules)
{
    struct Fall {
        const char* was;
        Currency voll;
        int monat;
        TeilmonatTage t;
        int D, W;
        Currency regel[4];
        const char* eintritt;
    } faelle[] = {
        {"entry 16",
         3100.00_cur,
         1,
         tage("16", "31"),
         16,
         12,
         {1653.33_cur, 1600.00_cur, 1550.00_cur, 1617.39_cur},
         "Eintritt 16.01.2024"},
        {"interruption 1-10",
         1000.00_cur,
         4,
         tage("1", "30", "1", "10"),
         20,
         14,
         {666.67_cur, 666.67_cur, 666.67_cur, 636.36_cur},
         ""},
        {"interruption removed",
         1000.00_cur,
         4,
         tage("1", "30"),
         30,
         22,
         {1000.00_cur, 1000.00_cur, 1000.00_cur, 1000.00_cur},
         ""},
    };
    for (const auto& f : faelle) {
        TeilmonatPruefung p = PruefeTeilmonat(f.t, f.monat, 2024);
        ASSERT_TRUE(p.gueltig()) << f.was << ": " << alle(p.meldungen);
        EXPECT_EQ(p.D, f.D) << f.was;
        EXPECT_EQ(p.W, f.W) << f.was;
        EXPECT_EQ(p.eintritt, f.eintritt) << f.was;
        EXPECT_EQ(p.austritt, "") << f.was;
        for (int r = 1; r <= 4; ++r) {
            EXPECT_EQ(TeilmonatBetrag(p, r, f.voll, true), f.regel[r - 1]) << f.was << ", rule " << r;
            EXPECT_EQ(TeilmonatBetrag(p, r, f.voll, false), f.voll) << f.was << ", unmarked, rule " << r;
        }
    }
}

TEST(Teilmonat, NoRuleChosenIsRuleThree)
{
    EXPECT_EQ(TeilmonatRegel(0), 3);
    EXPECT_EQ(TeilmonatRegel(-1), 3);
    EXPECT_EQ(TeilmonatRegel(4), 4);
    EXPECT_EQ(TeilmonatKuerzung(0, 3100.00_cur, 16, 12, 31, 23), 1550.00_cur);
}

TEST(Teilmonat, RuleOneCountsAtMostThirtyDays)
{
    // A full amount that is not a multiple of 30: the quotient is kept at four
    // decimals before the cent rounding (1.000,01 / 30 × 31 would be 1.033,34).
    EXPECT_EQ(TeilmonatKuerzung(1, 1000.01_cur, 31, 23, 31, 23), 1000.01_cur);
    EXPECT_EQ(TeilmonatKuerzung(1, 1000.01_cur, 29, 21, 31, 23), 966.68_cur);
}

TEST(Teilmonat, LeavingAndTheDaysApplied)
{
    struct Fall {
        const char* was;
        int monat;
        TeilmonatTage t;
        bool teilmonat;
        int steuertage, svTage;
        const char* austritt;
    } faelle[] = {
        {"January entry 16", 1, tage("16", "31"), true, 16, 16, ""},
        {"April interruption 1-10", 4, tage("1", "30", "1", "10"), true, 30, 20, ""},
        {"whole January", 1, tage("1", "31"), false, 30, 30, ""},
        // 29 days, but the SV field holds at most 30 and the month is whole.
        {"whole February", 2, tage("1", "29"), false, 30, 30, ""},
        {"January leaving 20", 1, tage("1", "20"), true, 20, 20, "Austritt 20.01.2024"},
    };
    for (const auto& f : faelle) {
        TeilmonatPruefung p = PruefeTeilmonat(f.t, f.monat, 2024);
        ASSERT_TRUE(p.gueltig()) << f.was << ": " << alle(p.meldungen);
        EXPECT_EQ(p.teilmonat, f.teilmonat) << f.was;
        EXPECT_EQ(p.austritt, f.austritt) << f.was;
        SteuerSVTage st = TeilmonatSteuerSVTage(p);
        EXPECT_EQ(st.steuertage, f.steuertage) << f.was;
        EXPECT_EQ(st.svTage, f.svTage) << f.was;
    }
}

TEST(Teilmonat, WholeMonthKeepsTheFullAmount)
{
    // Not partial: "gekürzt" is "voll" even for a marked row, the panels are empty.
    TeilmonatPruefung p = PruefeTeilmonat(tage("1", "31"), 1, 2024);
    ASSERT_TRUE(p.gueltig());
    EXPECT_EQ(p.D, 31);
    EXPECT_EQ(p.eintritt, "");
    EXPECT_EQ(p.austritt, "");
    for (int r = 1; r <= 4; ++r) EXPECT_EQ(TeilmonatBetrag(p, r, 3100.00_cur, true), 3100.00_cur) << "rule " << r;
}

TEST(Teilmonat, EmptyEmploymentDaysAreFirstAndLast)
{
    TeilmonatPruefung leer = PruefeTeilmonat(tage("", ""), 2, 2024);
    ASSERT_TRUE(leer.gueltig()) << alle(leer.meldungen);
    EXPECT_EQ(leer.D, 29);
    EXPECT_FALSE(leer.teilmonat);
    EXPECT_EQ(leer.eintritt, "") << "never \"Eintritt 999\"";

    TeilmonatPruefung nurBis = PruefeTeilmonat(tage("", "10"), 1, 2024);
    ASSERT_TRUE(nurBis.gueltig());
    EXPECT_EQ(nurBis.D, 10);
    EXPECT_EQ(nurBis.austritt, "Austritt 10.01.2024");
}

TEST(Teilmonat, PeriodChecks)
{
    struct Fall {
        const char* was;
        int monat;
        TeilmonatTage t;
        std::vector<std::string> meldungen;
    } faelle[] = {
        {"1: 5-0", 1, tage("1", "31", "5", "0"), {"Unterbrechung 1 Bis-Datum falsch"}},
        {"1: 0-5, 2: 7-0",
         1,
         tage("1", "31", "0", "5", "7", "0"),
         {"Unterbrechung 1 Von-Datum falsch", "Unterbrechung 2 Bis-Datum falsch"}},
        {"entry 10, 1: 3-12", 1, tage("10", "31", "3", "12"), {"Unterbrechung 1 muß im Beschäftigungszeitraum sein"}},
        {"leaving 20, 2: 18-25",
         1,
         tage("1", "20", "0", "0", "18", "25"),
         {"Unterbrechung 2 muß im Beschäftigungszeitraum sein"}},
        {"both outside",
         1,
         tage("10", "20", "3", "12", "18", "25"),
         {"Unterbrechung 1 muß im Beschäftigungszeitraum sein", "Unterbrechung 2 muß im Beschäftigungszeitraum sein"}},
        {"entry 20, leaving 10", 1, tage("20", "10"), {"Falsche Zeiträume in Teilmonatsabrechnung"}},
        {"1: 20-10", 1, tage("1", "31", "20", "10"), {"Unterbrechung 1 Von-Datum nach Bis-Datum"}},
        {"2: 20-10", 1, tage("1", "31", "0", "0", "20", "10"), {"Unterbrechung 2 Von-Datum nach Bis-Datum"}},
        {"1: 5-10, 2: 8-12", 1, tage("1", "31", "5", "10", "8", "12"), {"Unterbrechungen 1 und 2 überschneiden sich"}},
        {"1: 8-12, 2: 12-15",
         1,
         tage("1", "31", "8", "12", "12", "15"),
         {"Unterbrechungen 1 und 2 überschneiden sich"}},
        {"1: 25-31 in February", 2, tage("1", "29", "25", "31"), {"Unterbrechung 1 Bis-Datum falsch"}},
        {"1: 30-31 in February",
         2,
         tage("1", "29", "30", "31"),
         {"Unterbrechung 1 Von-Datum falsch", "Unterbrechung 1 Bis-Datum falsch"}},
        {"entry 31 in February", 2, tage("31", "29"), {"Falsche Zeiträume in Teilmonatsabrechnung"}},
        {"leaving 0", 1, tage("1", "0"), {"Falsche Zeiträume in Teilmonatsabrechnung"}},
        {"whole month interrupted", 1, tage("1", "31", "1", "31"), {"Falsche Zeiträume in Teilmonatsabrechnung"}},
    };
    for (const auto& f : faelle) {
        TeilmonatPruefung p = PruefeTeilmonat(f.t, f.monat, 2024);
        EXPECT_EQ(alle(p.meldungen), alle(f.meldungen)) << f.was;
        EXPECT_EQ(TeilmonatBetrag(p, 2, 3000.00_cur, true), 3000.00_cur) << f.was << ": nothing reduced";
    }
}

TEST(Teilmonat, AdjacentInterruptionsBothCount)
{
    TeilmonatPruefung p = PruefeTeilmonat(tage("1", "31", "5", "10", "11", "12"), 1, 2024);
    ASSERT_TRUE(p.gueltig()) << alle(p.meldungen);
    EXPECT_EQ(p.D, 31 - 6 - 2);
    // 5.-10.1.2024 is Friday to Wednesday: 4 working days; 11./12. Thursday, Friday.
    EXPECT_EQ(p.W, 23 - 4 - 2);
}
