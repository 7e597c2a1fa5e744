#include <gtest/gtest.h>

#include "abrechnung/AbrAnsicht.h"

namespace lx {
namespace {

const std::vector<std::string> kAbr = {"Zudezivudirodeded  Januar 2024", "Gehalt", ""};
const std::vector<std::string> kPfd = {"Pfändungsberechnung", "pfändbar 100,00"};
const std::vector<std::string> kAtz = {"Altersteilzeitberechnung", "Aufstockung"};

AbrTexte mitBerichten()
{
    AbrTexte t;
    t.pfd = kPfd;
    t.atz = kAtz;
    AbrechnungZeigen(t, kAbr);
    return t;
}

std::vector<int> tags(const AbrTexte& t)
{
    return {AnsichtTag(t, AbrAnsicht::Abrechnung), AnsichtTag(t, AbrAnsicht::Pfaendung),
            AnsichtTag(t, AbrAnsicht::Altersteilzeit)};
}

TEST(AbrAnsicht, AnySequenceShowsTheThreeTextsUnchanged)
{
    AbrTexte t = mitBerichten();
    EXPECT_EQ(tags(t), (std::vector<int>{1, 0, 0}));
    struct Schritt {
        AbrAnsicht knopf;
        std::vector<std::string> gezeigt;
        std::vector<int> tags;
    };
    for (const Schritt& s : std::vector<Schritt>{
             {AbrAnsicht::Abrechnung, kAbr, {1, 0, 0}},  // the view shown changes nothing
             {AbrAnsicht::Pfaendung, kPfd, {0, 1, 0}},
             {AbrAnsicht::Altersteilzeit, kAtz, {0, 0, 1}},
             {AbrAnsicht::Altersteilzeit, kAtz, {0, 0, 1}},
             {AbrAnsicht::Abrechnung, kAbr, {1, 0, 0}},
             {AbrAnsicht::Altersteilzeit, kAtz, {0, 0, 1}},
             {AbrAnsicht::Pfaendung, kPfd, {0, 1, 0}},
             {AbrAnsicht::Abrechnung, kAbr, {1, 0, 0}},
         }) {
        AnsichtZeigen(t, s.knopf);
        EXPECT_EQ(t.memo, s.gezeigt);
        EXPECT_EQ(tags(t), s.tags);
        EXPECT_EQ(t.pfd, kPfd);
        EXPECT_EQ(t.atz, kAtz);
    }
}

TEST(AbrAnsicht, NewPayslipWhileAReportIsShown)
{
    AbrTexte t = mitBerichten();
    AnsichtZeigen(t, AbrAnsicht::Pfaendung);
    const std::vector<std::string> neu = {"Zudezivudirodeded  Februar 2024", "Lohn"};
    AbrechnungZeigen(t, neu);
    EXPECT_EQ(t.memo, neu);
    EXPECT_EQ(tags(t), (std::vector<int>{1, 0, 0}));
    EXPECT_TRUE(t.printAbr.empty());
    AnsichtZeigen(t, AbrAnsicht::Altersteilzeit);
    AnsichtZeigen(t, AbrAnsicht::Abrechnung);
    EXPECT_EQ(t.memo, neu);
}

TEST(AbrAnsicht, OpenedFileSurvivesATripToAReport)
{
    AbrTexte t = mitBerichten();
    const std::vector<std::string> datei = {"Notizen", "aus einer Datei"};
    t.memo = datei;
    AnsichtZeigen(t, AbrAnsicht::Pfaendung);
    AnsichtZeigen(t, AbrAnsicht::Abrechnung);
    EXPECT_EQ(t.memo, datei);
}

TEST(AbrAnsicht, MemoTextAndLines)
{
    struct Fall {
        std::string text;
        std::vector<std::string> zeilen;
    };
    for (const Fall& f : std::vector<Fall>{
             {"", {}},
             {"a", {"a"}},
             {"a\n", {"a", ""}},
             {"\n\nb", {"", "", "b"}},
             {"ä \nü ", {"ä ", "ü "}},
         }) {
        EXPECT_EQ(MemoZeilen(f.text), f.zeilen) << testing::PrintToString(f.text);
        EXPECT_EQ(MemoText(f.zeilen), f.text);
    }
}

}  // namespace
}  // namespace lx
