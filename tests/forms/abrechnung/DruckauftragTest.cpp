#include <gtest/gtest.h>

#include "abrechnung/Druckauftrag.h"

namespace lx {
namespace {

DruckAngaben angaben(std::string druckName = "")
{
    DruckAngaben a;
    a.pfdMethode = "Nettomethode";
    a.druckName = std::move(druckName);
    a.monat = "Januar";
    a.jahr = "2024";
    a.datum = "09.12.2026";
    a.programm = "RiVodozazavudidavaz";
    a.version = "1.1.1.1";
    return a;
}

TEST(DruckTitel, FromTheFirstLine)
{
    struct Fall {
        std::string ersteZeile;
        std::string druckName;
        std::string titel;
    };
    const std::string kopf = "Zudezivudirodeded" + std::string(67, ' ') + "Januar 2024";
    for (const Fall& f : std::vector<Fall>{
             {kopf, "", "Zudezivudirodeded Januar 2024"},
             {kopf, "Erika Muster", "Zudezivudirodeded Erika Muster Januar 2024"},
             // the method chosen in the options, whatever the report's own head says
             {"Pfändungsberechnung (Bruttomethode)      Januar 2024", "",
              "Pfändungsberechnung (Nettomethode) Januar 2024"},
             {"  Altersteilzeitberechnung", "Max", "Altersteilzeitberechnung Max Januar 2024"},
             // the last word found decides
             {"Zudezivudirodeded mit Altersteilzeitberechnung", "", "Altersteilzeitberechnung Januar 2024"},
             // any other first line stays whole, the month joined as it is
             {"Meine Notizen  ", "Max", "Meine Notizen  Max Januar 2024"},
             {"Notizen", "", "NotizenJanuar 2024"},
             {"", "", "Januar 2024"},
         }) {
        EXPECT_EQ(DruckTitel(f.ersteZeile, angaben(f.druckName)), f.titel) << f.ersteZeile;
    }
}

TEST(DruckAuftrag, FiveLinesPrintNothingSixPrintTitleAndBody)
{
    std::vector<std::string> zeilen = {"Zudezivudirodeded  Januar 2024", "b1", "b2", "b3", "b4"};
    EXPECT_TRUE(DruckAuftragErstellen(zeilen, angaben()).empty());
    zeilen.push_back("b5");
    const std::vector<DruckZeile> erwartet = {
        {"", 9},
        {"", 9},
        {"", 9},
        {"", 9},
        {"      Zudezivudirodeded Januar 2024", 12},
        {"       b1", 9},
        {"       b2", 9},
        {"       b3", 9},
        {"       b4", 9},
        {"       b5", 9},
        {"", 9},
        {"        Erstellt am 09.12.2026 mit Programm RiVodozazavudidavaz 1.1.1.1", 8},
    };
    EXPECT_EQ(DruckAuftragErstellen(zeilen, angaben()), erwartet);
}

int hoehe(int punkt)
{
    return punkt == 12 ? 20 : punkt == 9 ? 15 : 13;
}

TEST(DruckLayout, ShortJobOnOnePage)
{
    EXPECT_TRUE(DruckLayout({}, hoehe, 100).empty());
    std::vector<DruckZeile> job = {{"", 9}, {"T", 12}, {"a", 9}, {"f", 8}};
    const std::vector<DruckSeite> erwartet = {{{0, 0}, {1, 15}, {2, 35}, {3, 50}}};
    EXPECT_EQ(DruckLayout(job, hoehe, 63), erwartet);
    // one unit less and the footer goes to a page of its own
    const std::vector<DruckSeite> geteilt = {{{0, 0}, {1, 15}, {2, 35}}, {{3, 0}}};
    EXPECT_EQ(DruckLayout(job, hoehe, 62), geteilt);
    // a line taller than the page still gets placed, once
    EXPECT_EQ(DruckLayout(job, hoehe, 10).size(), 4u);
}

// An opened file of 300 lines prints all 299 body lines.
TEST(DruckLayout, EveryLineOfALongTextOnce)
{
    std::vector<std::string> zeilen = {"Notizen"};
    for (int i = 1; i < 300; ++i) zeilen.push_back("Zeile " + std::to_string(i));
    auto job = DruckAuftragErstellen(zeilen, angaben());
    ASSERT_EQ(job.size(), 4u + 1u + 299u + 2u);
    const int seitenHoehe = 700;  // 46 lines of 9 pt after the title
    auto seiten = DruckLayout(job, hoehe, seitenHoehe);
    ASSERT_EQ(seiten.size(), 7u);
    std::size_t naechste = 0;
    for (std::size_t s = 0; s < seiten.size(); ++s) {
        ASSERT_FALSE(seiten[s].empty());
        EXPECT_EQ(seiten[s].front().oben, 0);
        for (const DruckPlatz& p : seiten[s]) {
            ASSERT_EQ(p.zeile, naechste++) << "page " << s;
            EXPECT_LE(p.oben + hoehe(job[p.zeile].punkt), seitenHoehe);
        }
    }
    EXPECT_EQ(naechste, job.size());
    EXPECT_EQ(job[4].text, "      NotizenJanuar 2024");
    EXPECT_EQ(seiten.front()[4].zeile, 4u);
    EXPECT_EQ(job[job.size() - 3].text, "       Zeile 299");
    EXPECT_EQ(seiten.back().back().zeile, job.size() - 1);
    EXPECT_EQ(job.back().punkt, 8);
}

}  // namespace
}  // namespace lx
