// The main window's create and first-show steps on the program state alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "TempDir.h"
#include "gemeinsam/Hilfesystem.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

class ProgrammstartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ordner = test::uniqueTempDir("lx-start");
        fs::create_directories(ordner);
        p.programmOrdner = ordner.string();
    }
    void TearDown() override { fs::remove_all(ordner); }

    void HilfeDateiAnlegen() { std::ofstream(ordner / kHilfeDateiName) << "x"; }

    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
};

TEST_F(ProgrammstartTest, MonthPresetFollowsTheClockUnlessTheYearListIsAhead)
{
    struct Fall {
        int jahr, monat, tag;
        const char* erwartet;
    };
    for (const Fall& f : {Fall{2023, 5, 10, "Januar"}, Fall{2024, 5, 10, "Mai"}, Fall{2024, 12, 31, "Dezember"},
                          Fall{2025, 3, 1, "März"}}) {
        test::FesteUhr u(f.jahr, f.monat, f.tag);
        test::FakeDialoge d;
        ProgrammZustand zustand(d, u);
        zustand.programmOrdner = ordner.string();
        FormCreate(zustand);
        EXPECT_EQ(zustand.haupt.text(Haupt::ComboMonat), f.erwartet) << f.jahr << "-" << f.monat << "-" << f.tag;
    }
}

TEST_F(ProgrammstartTest, MissingHelpFileIsReportedOnceWithItsPathAndTheStartGoesOn)
{
    FormCreate(p);
    const std::string pfad = (ordner / "LxRarivizezoderizu.chm").string();
    EXPECT_EQ(p.hilfeDatei, pfad);
    ASSERT_EQ(dialoge.protokoll(), (std::vector<std::string>{"Fehler: Hilfe-Datei nicht gefunden\r" + pfad}));
    EXPECT_EQ(p.haupt[Haupt::LVAbz].rows.size(), 7u) << "the steps after the message still ran";
}

TEST_F(ProgrammstartTest, PresentHelpFileShowsNoBox)
{
    HilfeDateiAnlegen();
    FormCreate(p);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
}

TEST_F(ProgrammstartTest, EnginesAreZeroUntilTheFirstShowSetsYearAndMonth)
{
    HilfeDateiAnlegen();
    FormCreate(p);
    EXPECT_EQ(p.LohnGehalt.FJahr, 0);
    EXPECT_EQ(p.LohnGehalt2.FJahr, 0);
    EXPECT_EQ(p.NTSummeLfd, Currency());
    EXPECT_EQ(p.FNTHochrechnung, 0);

    FormShow(p);
    EXPECT_EQ(p.LohnGehalt.FJahr, 2024);
    EXPECT_EQ(p.LohnGehalt.FMonat, 5);
    EXPECT_EQ(p.LohnGehalt2.FJahr, 0) << "the second engine gets its year from its own users";
}

// The extra health rate at start is the year's, as "Neue Abrechnung" sets it;
// a record "Standard" sets its own.
TEST_F(ProgrammstartTest, ExtraHealthRateOfTheYearUnlessStandardSetsIt)
{
    HilfeDateiAnlegen();
    FormCreate(p);
    EXPECT_EQ(p.haupt.text(Haupt::MEdiKVZus), "+ 1,70%");
    EXPECT_EQ(p.opt.text(Opt::PnlZaehne), "+ 1,70%");

    std::ofstream(ordner / "Standard.abr", std::ios::binary) << "[HauptForm]\r\nKVZusatzbeitrag=+ 1,50%\r\n";
    FormShow(p);
    EXPECT_EQ(p.haupt.text(Haupt::MEdiKVZus), "+ 1,50%");
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
}

TEST_F(ProgrammstartTest, FormShowRunsItsStepsOnlyOnce)
{
    FormCreate(p);
    FormShow(p);
    p.haupt.text(Haupt::ComboMonat) = "August";
    p.haupt.text(Haupt::ComboJahr) = "2019";
    FormShow(p);
    EXPECT_EQ(p.LohnGehalt.FJahr, 2024);
    EXPECT_EQ(p.LohnGehalt.FMonat, 5);
}

TEST_F(ProgrammstartTest, DeductionRowsStayInOrderAndAreZeroAfterARefill)
{
    const std::vector<std::string> namen = {"Lohnsteuer",          "Solidaritätszuschlag", "Kirchensteuer",
                                            "Krankenversicherung", "Rentenversicherung",   "Arbeitslosenversicherung",
                                            "Pflegeversicherung"};
    FormCreate(p);
    auto& rows = p.haupt[Haupt::LVAbz].rows;
    for (auto& r : rows) r.cells[1] = "-123,45";
    rows.push_back(Zeile{.cells = {"extra", "1,00"}});
    ActLVGrundExecute(p);
    ASSERT_EQ(rows.size(), namen.size());
    for (std::size_t i = 0; i < namen.size(); ++i) {
        EXPECT_EQ(rows[i].cells, (std::vector<std::string>{namen[i], "0,00"})) << "row " << i;
    }
}

TEST_F(ProgrammstartTest, StatusBarHasEightEmptyPanelsOfTheirWidths)
{
    const auto& bar = p.haupt[Haupt::StatusBar];
    EXPECT_EQ(bar.items, std::vector<std::string>(8));
    std::vector<int> breiten;
    for (const Spalte& s : bar.columns) breiten.push_back(s.width);
    EXPECT_EQ(breiten, (std::vector<int>{100, 105, 20, 20, 80, 30, 30, 50}));
    p.haupt.panel(kPanelATZ) = "ATZ";
    EXPECT_EQ(bar.items[6], "ATZ");
}

TEST_F(ProgrammstartTest, ToolbarHandlersAskForTheirWindows)
{
    BtnBrErfassClick(p);
    BtnOptionenClick(p);
    BtnOptionenClick(p, 2);
    BtnDetailberechnungClick(p);
    BtnHilfeClick(p);
    BtnProgIntoClick(p);
    BtnSchliessenClick(p);
    EXPECT_EQ(dialoge.protokoll(),
              (std::vector<std::string>{"Zeigen: Erfass", "OptionenZeigen: 0", "OptionenZeigen: 2",
                                        "Zeigen: Abrechnung", "Hilfe: 1001", "Zeigen: About", "Verbergen: Haupt"}));
}

// The help as the start sees it: viewer there or not, hook made and freed.
class FakeHilfe : public Hilfesystem {
public:
    bool LaufzeitBereit() const override { return bereit; }
    void HookAnlegen(const std::string& datei) override { protokoll.push_back("Hook " + datei); }
    void HookFreigeben() override { protokoll.push_back("Freigeben"); }

    bool bereit = true;
    std::vector<std::string> protokoll;
};

TEST_F(ProgrammstartTest, HelpViewerCheckAndHook)
{
    HilfeDateiAnlegen();
    const std::string datei = (ordner / "LxRarivizezoderizu.chm").string();
    for (const bool bereit : {true, false}) {
        test::FakeDialoge d;
        ProgrammZustand zustand(d, uhr);
        zustand.programmOrdner = ordner.string();
        FakeHilfe hilfe;
        hilfe.bereit = bereit;
        zustand.hilfe = &hilfe;
        FormCreate(zustand);
        const std::vector<std::string> boxen =
            bereit ? std::vector<std::string>{} : std::vector<std::string>{kHilfeLaufzeitFehlt};
        EXPECT_EQ(d.texte(test::Art::Fehler), boxen) << bereit;
        // The start goes on: the hook on the help file, the month preset.
        EXPECT_EQ(hilfe.protokoll, std::vector<std::string>{"Hook " + datei});
        EXPECT_EQ(zustand.haupt.text(Haupt::ComboMonat), "Mai");
        FormDestroy(zustand);
        EXPECT_EQ(hilfe.protokoll, (std::vector<std::string>{"Hook " + datei, "Freigeben"}));
    }
}

TEST_F(ProgrammstartTest, WithoutHelpNoViewerCheck)
{
    HilfeDateiAnlegen();
    FormCreate(p);
    FormDestroy(p);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << ::testing::PrintToString(dialoge.protokoll());
}

}  // namespace
}  // namespace lx
