#include <gtest/gtest.h>

#include "AmountText.h"
#include "DatumUnit.h"

using namespace lx;

TEST(DatumUnit, TageZwischenCountsBothEnds)
{
    struct Fall {
        const char* von;
        const char* bis;
        int tage;
    };
    const Fall faelle[] = {
        {"01.01.2024", "31.01.2024", 31}, {"15.03.2024", "15.03.2024", 1}, {"01.02.2024", "29.02.2024", 29},
        {"01.02.2023", "28.02.2023", 28}, {"31.12.2023", "01.01.2024", 2}, {"10.05.2024", "01.05.2024", -8},
        {"01.01.1905", "01.01.2005", 1},  // years before 1990 count 100 years later
        {"01.06.1989", "01.06.2089", 1},
    };
    for (const auto& f : faelle) EXPECT_EQ(TageZwischen(f.von, f.bis), f.tage) << f.von << " - " << f.bis;
}

TEST(DatumUnit, ArbeitstageZwischenSkipsWeekends)
{
    struct Fall {
        const char* von;
        const char* bis;
        int tage;
    };
    const Fall faelle[] = {
        {"01.07.2024", "07.07.2024", 5},  // Monday to Sunday
        {"06.07.2024", "06.07.2024", 0},  // Saturday
        {"05.07.2024", "05.07.2024", 1},  // Friday
        {"01.07.2024", "31.07.2024", 23}, {"01.01.2024", "31.12.2024", 262},
        {"10.07.2024", "01.07.2024", 1},  // from after to: the from-day alone (a Wednesday)
        {"13.07.2024", "01.07.2024", 0},  // ... a Saturday
        {"27.12.2023", "02.01.2024", 5},
    };
    for (const auto& f : faelle) EXPECT_EQ(ArbeitstageZwischen(f.von, f.bis), f.tage) << f.von << " - " << f.bis;
}

TEST(DatumUnit, MalformedDatesRaiseTheConversionError)
{
    for (const char* text : {"", "1.7.2024", "01.07.24", "31.04.2024", "29.02.2023", "00.01.2024", "01.13.2024",
                             "01-07-2024", "01.07.2024 ", "aa.bb.cccc", "01.07.0000"}) {
        try {
            TageZwischen(text, "01.07.2024");
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' ist kein gültiges Datum");
        }
    }
    EXPECT_THROW(ArbeitstageZwischen("01.07.2024", "32.07.2024"), ConversionError);
}

TEST(DatumUnit, MonthLengthsAndNames)
{
    const int tage[][3] = {{2, 2024, 29}, {2, 2023, 28},  {2, 2000, 29}, {2, 1900, 28}, {1, 2024, 31},
                           {4, 2024, 30}, {12, 2024, 31}, {0, 2024, 0},  {13, 2024, 0}};
    for (const auto& t : tage) EXPECT_EQ(TageImMonat(t[0], t[1]), t[2]) << t[0] << "/" << t[1];

    EXPECT_EQ(MonatNr("Januar"), 1);
    EXPECT_EQ(MonatNr("März"), 3);
    EXPECT_EQ(MonatNr("Mai"), 5);
    EXPECT_EQ(MonatNr("Dezember"), 12);
    EXPECT_EQ(MonatNr("mai"), 0);
    EXPECT_EQ(MonatNr("Maerz"), 0);
    EXPECT_EQ(MonatNr(""), 0);

    EXPECT_EQ(MonatsLetzter("Februar", "2024"), "29.02.2024");
    EXPECT_EQ(MonatsLetzter("Dezember", "2023"), "31.12.2023");
    EXPECT_EQ(MonatsLetzter("Januar", "2024"), "31.01.2024");
    EXPECT_EQ(MonatsLetzter("Juni", "2024"), "30.06.2024");
    EXPECT_THROW(MonatsLetzter("Juni", "x"), ConversionError);
    EXPECT_EQ(MonatsLetzter("Sommer", "2024"), "");
}
