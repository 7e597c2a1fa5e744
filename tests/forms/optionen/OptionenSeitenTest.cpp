// The options pages "Altersteilzeit", "Pfändung" and "Stammdaten" on the
// program state, with files in a fresh folder and the recording Dialoge.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "TempDir.h"
#include "optionen/OptionenDialog.h"
#include "optionen/OptionenListen.h"
#include "stammdaten/OptionenStammdaten.h"
#include "stammdaten/Stammdaten.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

std::string lies(const fs::path& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void schreibe(const fs::path& datei, const std::string& bytes)
{
    std::ofstream(datei, std::ios::binary) << bytes;
}

class OptionenSeitenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wurzel = test::uniqueTempDir("lx-seiten");
        fs::remove_all(wurzel);
        ordner = wurzel / "Stamm";
        fs::create_directories(ordner);
        p.programmOrdner = wurzel.string();
        p.haupt.text(Haupt::ComboJahr) = "2024";
        p.opt.text(Opt::JVEdiPfad) = ordner.string();
    }
    void TearDown() override { fs::remove_all(wurzel); }

    void Liste(std::vector<std::string> namen)
    {
        p.haupt[Haupt::ComboStamm].items = namen;
        p.opt[Opt::AllgLiBoNameStamm].items = std::move(namen);
    }
    void Waehle(int zeile)
    {
        p.opt[Opt::AllgLiBoNameStamm].selected = zeile;
        optionen::AllgLiBoNameStammClick(p);
    }
    const std::vector<std::string>& Ansicht() { return p.opt[Opt::AllgLiBoDatenStamm].items; }

    fs::path wurzel;
    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 3, 1};
    ProgrammZustand p{dialoge, uhr};
};

TEST_F(OptionenSeitenTest, PartialRetirementOnAsksForPartTimeFirst)
{
    p.opt.text(Opt::ATZComboJaNein) = "ja";
    optionen::ATZComboJaNeinChange(p);
    EXPECT_EQ(p.haupt.panel(kPanelATZ), "ATZ");
    EXPECT_EQ(p.opt[Opt::ATZComboJaNein].colour, Farbe::Green);
    EXPECT_EQ(dialoge.protokoll(),
              (std::vector<std::string>{"OptionenZeigen: 10 TZVEdiWoStd",
                                        "Information: Bitte erst Teilzeit-\rsteuerung aktualisieren"}));
    EXPECT_EQ(p.opt.text(Opt::TZComboJaNein), "ja");  // part time switched on

    dialoge.leeren();
    optionen::ATZComboJaNeinChange(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());

    p.opt.text(Opt::ATZComboJaNein) = "nein";
    optionen::ATZComboJaNeinChange(p);
    EXPECT_EQ(p.haupt.panel(kPanelATZ), "");
    EXPECT_EQ(p.opt[Opt::ATZComboJaNein].colour, Farbe::Red);
}

TEST_F(OptionenSeitenTest, ResetSetsTheSwitchesOfBothPages)
{
    p.opt.text(Opt::ATZComboJaNein) = "ja";
    p.opt[Opt::ATZComboJaNein].colour = Farbe::Green;
    p.opt.text(Opt::ATZLxVEdiAufst) = "50";
    p.opt.text(Opt::PfdComboJaNein) = "ja";
    p.opt[Opt::PfdComboJaNein].tag = 1;
    p.opt.text(Opt::PfdComboEntUmw) = "ja";
    p.opt.text(Opt::JVEdiPfad) = "/anderswo";
    optionen::ActGrundstellung(p);
    EXPECT_EQ(p.opt.text(Opt::ATZComboJaNein), "nein");
    EXPECT_EQ(p.opt[Opt::ATZComboJaNein].colour, Farbe::Red);
    EXPECT_EQ(p.opt.text(Opt::ATZLxVEdiAufst), "20");
    EXPECT_EQ(p.opt.text(Opt::PfdComboJaNein), "nein");
    EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 0);
    EXPECT_EQ(p.opt.text(Opt::PfdComboEntUmw), "ja");  // left as it is
    EXPECT_EQ(p.opt.text(Opt::JVEdiPfad), "/anderswo");
}

TEST_F(OptionenSeitenTest, PartialRetirementPopUpMarksTheSelectedRow)
{
    auto& liste = p.opt[Opt::ATZLView];
    liste.rows = {Zeile{.cells = {"Gehalt", "ja", "1.000,00", "2.000,00"}},
                  Zeile{.cells = {"Bonus", "ja", "200,00", "400,00"}}};
    optionen::ATZAufstocken(p, false);  // no row selected
    EXPECT_EQ(liste.rows[1].cells[1], "ja");

    liste.selected = 1;
    optionen::ATZAufstocken(p, false);
    EXPECT_EQ(liste.rows[1].cells[1], "nein");
    EXPECT_TRUE(liste.rows[1].strikeOut);
    EXPECT_EQ(liste.rows[1].colour, Farbe::Red);
    EXPECT_FALSE(liste.rows[0].strikeOut);
    // The figures follow the new mark.
    EXPECT_EQ(liste.rows[1].cells[3], "0,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "1.000,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "200,00");
    optionen::ATZAufstocken(p, true);
    EXPECT_EQ(liste.rows[1].cells[1], "ja");
    EXPECT_FALSE(liste.rows[1].strikeOut);
    EXPECT_EQ(liste.rows[1].colour, Farbe::Standard);
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "1.200,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "240,00");
}

TEST_F(OptionenSeitenTest, GarnishmentPopUpOnDeductionRowsOffersOnlyTheDeductionMarks)
{
    auto& liste = p.opt[Opt::PfdLView];
    for (std::size_t i = 0; i < optionen::kPfdMarken.size(); ++i) EXPECT_FALSE(optionen::PfdMarkeMoeglich(p, i));
    liste.rows = {Zeile{.cells = {"Gehalt", "2.000,00", "x"}},
                  Zeile{.cells = {"VL-Abzug", "-40,00", "VL-Abzug"}, .image = 2}};
    optionen::PfdMarkeSetzen(p, 2);  // no row selected: nothing
    EXPECT_EQ(liste.rows[0].cells[2], "x");

    liste.selected = 1;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(optionen::PfdMarkeMoeglich(p, i)) << i;
        optionen::PfdMarkeSetzen(p, i);
        EXPECT_EQ(liste.rows[1].cells[2], "VL-Abzug") << i;
    }
    optionen::PfdMarkeSetzen(p, 5);
    EXPECT_EQ(liste.rows[1].cells[2], "Abzug");

    liste.selected = 0;
    for (std::size_t i = 0; i < optionen::kPfdMarken.size(); ++i) {
        optionen::PfdMarkeSetzen(p, i);
        EXPECT_EQ(liste.rows[0].cells[2], optionen::kPfdMarken[i].mark) << i;
    }
}

TEST_F(OptionenSeitenTest, ChosenNameShowsItsLinesOrItsMissingPath)
{
    schreibe(ordner / "Max.abr", "[HauptForm]\r\nSteuerklasse=3\r\n");
    Liste({"Max", "Weg"});
    Waehle(0);
    EXPECT_EQ(Ansicht(), (std::vector<std::string>{"[HauptForm]", "Steuerklasse=3"}));
    Waehle(1);
    EXPECT_TRUE(Ansicht().empty());
    EXPECT_EQ(dialoge.texte(test::Art::Fehler),
              std::vector<std::string>{(ordner / "Weg.abr").string() + " nicht gefunden"});
}

TEST_F(OptionenSeitenTest, DeleteAsksAndDropsTheNameOnlyWhenTheFileWent)
{
    schreibe(ordner / "Max.abr", "[HauptForm]\r\n");
    schreibe(ordner / "Anna.abr", "[HauptForm]\r\n");
    Liste({"Anna", "Max", "Weg"});
    setzeStammText(p, "Max");
    Waehle(0);

    dialoge.jaNein = {false};
    optionen::AllgDateiLoeschen(p);
    EXPECT_TRUE(fs::exists(ordner / "Anna.abr"));
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items.size(), 3u);

    dialoge.jaNein = {true};
    optionen::AllgDateiLoeschen(p);
    EXPECT_EQ(dialoge.texte(test::Art::JaNein),
              (std::vector<std::string>{"Anna wirklich löschen?", "Anna wirklich löschen?"}));
    EXPECT_FALSE(fs::exists(ordner / "Anna.abr"));
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, (std::vector<std::string>{"Max", "Weg"}));
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, (std::vector<std::string>{"Max", "Weg"}));
    EXPECT_TRUE(Ansicht().empty());
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "Max");

    // The record the main window shows: its text goes and a new calculation starts.
    Waehle(0);
    p.haupt.text(Haupt::LEdiBrutto) = "3.000,00";
    dialoge.jaNein = {true};
    optionen::AllgDateiLoeschen(p);
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "");
    EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), "0,00");
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, std::vector<std::string>{"Weg"});

    // A file that is not there: the name stays.
    dialoge.leeren();
    p.opt[Opt::AllgLiBoNameStamm].selected = 0;
    dialoge.jaNein = {true};
    optionen::AllgDateiLoeschen(p);
    EXPECT_EQ(dialoge.texte(test::Art::Fehler),
              std::vector<std::string>{(ordner / "Weg.abr").string() + " nicht gefunden!"});
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, std::vector<std::string>{"Weg"});

    // Nothing selected: no question.
    dialoge.leeren();
    p.opt[Opt::AllgLiBoNameStamm].selected = -1;
    optionen::AllgDateiLoeschen(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(OptionenSeitenTest, RefreshListsAnewMigratesAndShowsTheRememberedRecord)
{
    const std::string alt = "[OptAV]\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\nAVArt=x\r\n";
    schreibe(ordner / "Alt.abr", alt);
    schreibe(ordner / "Max.abr", "[HauptForm]\r\n");
    Liste({"Verschwunden"});
    setzeStammText(p, "Alt");
    optionen::AllgAktualisieren(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    EXPECT_EQ(lies(ordner / "Alt.abr"), "[OptAV]\r\nSteuerfreiheit=stfrei nach \xa7 3 Nr. 63 EStG\r\nAVArt=x\r\n");
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, (std::vector<std::string>{"Alt", "Max"}));
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, (std::vector<std::string>{"Alt", "Max"}));
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].selected, 0);
    EXPECT_EQ(Ansicht(),
              (std::vector<std::string>{"[OptAV]", "Steuerfreiheit=stfrei nach § 3 Nr. 63 EStG", "AVArt=x"}));
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "");  // as the dialog always did; the record stays loaded

    // The remembered record has no file any more: the view stays empty.
    fs::remove(ordner / "Max.abr");
    setzeStammText(p, "Max");
    optionen::AllgAktualisieren(p);
    EXPECT_TRUE(Ansicht().empty());
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].selected, -1);
    EXPECT_TRUE(dialoge.aufrufe.empty());

    // A folder that is not there: said, the list empty; made on "Ja".
    const fs::path fehlt = wurzel / "Fehlt";
    p.opt.text(Opt::JVEdiPfad) = fehlt.string();
    dialoge.jaNein = {false, true};
    optionen::AllgAktualisieren(p);
    EXPECT_TRUE(p.haupt[Haupt::ComboStamm].items.empty());
    EXPECT_FALSE(fs::exists(fehlt));
    optionen::AllgAktualisieren(p);
    EXPECT_TRUE(fs::is_directory(fehlt));
    EXPECT_EQ(dialoge.texte(test::Art::JaNein).size(), 2u);
}

TEST_F(OptionenSeitenTest, FolderIsChosenAndSavedIntoTheSettingsFile)
{
    dialoge.ordner = {std::nullopt, (wurzel / "Neu/").string()};
    optionen::JVOrdnerWaehlen(p);
    EXPECT_EQ(p.opt.text(Opt::JVEdiPfad), ordner.string());
    optionen::JVOrdnerWaehlen(p);
    EXPECT_EQ(p.opt.text(Opt::JVEdiPfad), (wurzel / "Neu").string());

    // A folder that is not there: said before anything is saved; made when the user wants it.
    const std::string neu = (wurzel / "Łódź").string();
    p.opt.text(Opt::JVEdiPfad) = neu;
    dialoge.jaNein = {false, true};
    optionen::AllgPfadSpeichern(p);
    EXPECT_FALSE(fs::exists(wurzel / "Stammpfad.ini"));
    optionen::AllgPfadSpeichern(p);
    EXPECT_EQ(dialoge.texte(test::Art::JaNein),
              std::vector<std::string>(2, "Der Ordner " + neu + " existiert nicht.\rSoll er angelegt werden?"));
    EXPECT_TRUE(fs::is_directory(wurzel / "Łódź"));
    EXPECT_EQ(dialoge.texte(test::Art::Information), std::vector<std::string>{"Der Pfad wurde gespeichert"});
    EXPECT_EQ(lies(wurzel / "Stammpfad.ini"), "\xef\xbb\xbf[StammPfad]\r\nPfad=" + neu + "\r\n");

    // A file in the folder's place, an empty field: said, nothing saved.
    for (const std::string& pfad : {(wurzel / "Datei").string(), std::string()}) {
        dialoge.leeren();
        schreibe(wurzel / "Datei", "x");
        p.opt.text(Opt::JVEdiPfad) = pfad;
        optionen::AllgPfadSpeichern(p);
        EXPECT_EQ(dialoge.texte(test::Art::Fehler).size(), 1u) << pfad;
        EXPECT_TRUE(dialoge.texte(test::Art::Information).empty()) << pfad;
    }
    EXPECT_EQ(lies(wurzel / "Stammpfad.ini"), "\xef\xbb\xbf[StammPfad]\r\nPfad=" + neu + "\r\n");
    p.opt.text(Opt::JVEdiPfad) = neu;

    // Beneath a regular file the settings cannot be written: the reason, no success.
    dialoge.leeren();
    schreibe(wurzel / "Datei", "x");
    p.einstellungsDatei = (wurzel / "Datei" / "Stammpfad.ini").string();
    optionen::AllgPfadSpeichern(p);
    EXPECT_TRUE(dialoge.texte(test::Art::Information).empty());
    ASSERT_EQ(dialoge.texte(test::Art::Fehler).size(), 1u);
    EXPECT_NE(dialoge.texte(test::Art::Fehler)[0].find(p.einstellungsDatei), std::string::npos);
}

}  // namespace
}  // namespace lx
