// Master-data records in the windows' state: loading, saving, the record list
// and the start-up steps, with files in a fresh folder and the recording Dialoge.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "RecordKeys.h"
#include "TempDir.h"
#include "hauptfenster/Programmstart.h"
#include "optionen/TeilmonatTeilzeit.h"
#include "stammdaten/Stammdaten.h"

namespace lx {
namespace {

namespace fs = std::filesystem;

const fs::path kAltform = fs::path(LX_TEST_DATA_DIR) / "stamm" / "Altform.abr";
const fs::path kAltformUtf8 = fs::path(LX_TEST_DATA_DIR) / "stamm" / "Altform-utf8.abr";

std::string lies(const fs::path& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void schreibe(const fs::path& datei, const std::string& bytes)
{
    std::ofstream(datei, std::ios::binary) << bytes;
}

// Written by hand in Windows-1252 ("\xe4" is "ä"): a payment, a deduction and
// a benefit in kind, a stale partial-retirement row of an older save.
const std::string kMax =
    "[HauptForm]\r\nSteuerklasse=3\r\n"
    "[OptPfd]\r\nMethode=Bruttomethode\r\nPersonen=2\r\n"
    "[OptATZ]\r\nJaNein=ja\r\n"
    "[DetailAbr]\r\nName=Max M\xfcller\r\n"
    "[Betr\xe4ge]\r\nAnzahl=3\r\n"
    "Betrag0=Gehalt;2.000,00;x;x;;;;;;0\r\n"
    "Betrag1=VL-Abzug;-40,00;;;;;;;;2\r\n"
    "Betrag2=Dienstwagen;350,00;x;x;;;;;;1\r\n"
    "[ATZBetr\xe4ge]\r\n"
    "ATZBetrag0=Gehalt;ja;2.000,00;4.000,00;0\r\n"
    "ATZBetrag1=Dienstwagen;nein;350,00;0,00;1\r\n"
    "ATZBetrag2=Alt;ja;1,00;2,00;0\r\n"
    "[PfdBetr\xe4ge]\r\n"
    "PfdBetrag0=Gehalt;2.000,00;x;0\r\n"
    "PfdBetrag1=VL-Abzug;-40,00;VL-Abzug;2\r\n"
    "PfdBetrag2=Dienstwagen;350,00;x;1\r\n";

class StammdatenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        wurzel = tmp.path();
        ordner = wurzel / "Stamm";
        fs::create_directories(ordner);
        p.programmOrdner = wurzel.string();
        p.haupt.text(Haupt::ComboMonat) = "Februar";
        p.haupt.text(Haupt::ComboJahr) = "2024";
        p.opt.text(Opt::JVEdiPfad) = ordner.string();
    }

    // What a reset or a load would change, set to values no record holds.
    void Merken()
    {
        p.erfass.zeilen = {Lohnart{.name = "Vorher", .betrag = Currency::fromUnits(1)}};
        p.opt.text(Opt::PfdComboMethode) = "vorher";
        p.opt[Opt::AllgLiBoDatenStamm].items = {"vorher"};
    }
    void ErwarteUnveraendert()
    {
        ASSERT_EQ(p.erfass.zeilen.size(), 1u);
        EXPECT_EQ(p.erfass.zeilen[0].name, "Vorher");
        EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "vorher");
        EXPECT_EQ(p.opt[Opt::AllgLiBoDatenStamm].items, std::vector<std::string>{"vorher"});
    }
    void Waehle(const std::string& name)
    {
        p.haupt.text(Haupt::ComboStamm) = name;
        ComboStammChange(p);
    }

    test::TempDir tmp;
    fs::path wurzel;
    fs::path ordner;
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 2, 10};
    ProgrammZustand p{dialoge, uhr};
};

std::vector<std::string> zellen(const std::vector<Zeile>& zeilen, std::size_t spalte)
{
    std::vector<std::string> out;
    for (const Zeile& z : zeilen) out.push_back(spalte < z.cells.size() ? z.cells[spalte] : "<fehlt>");
    return out;
}

TEST_F(StammdatenTest, MissingOrUnsafeRecordIsReportedOnceAndResetsNothing)
{
    schreibe(wurzel / "x.abr", kMax);
    for (const std::string name : {"Nix", "../x", "Stamm/../../x", ""}) {
        Merken();
        dialoge.leeren();
        Waehle(name);
        EXPECT_EQ(dialoge.protokoll(), std::vector<std::string>{"Fehler: " + name + ".abr nicht gefunden!"}) << name;
        ErwarteUnveraendert();
        // Leaving the field with the same text asks nothing again.
        ComboStammEingabe(p);
        EXPECT_EQ(dialoge.aufrufe.size(), 1u) << name;
    }
    EXPECT_EQ(lies(wurzel / "x.abr"), kMax);
}

TEST_F(StammdatenTest, MalformedRecordNamesItsKeyAndResetsNothing)
{
    struct Fall {
        std::string inhalt;
        const char* schluessel;
    };
    const std::string kopf = "[Betr\xe4ge]\r\n";
    for (const Fall& f :
         {Fall{kopf + "Anzahl=2\r\nBetrag0=Gehalt;1,00;x;x;;;;;;0\r\nBetrag1=\r\n", "Betrag1"},
          Fall{kopf + "Anzahl=1\r\nBetrag0=Gehalt;viel;x;x;;;;;;0\r\n", "Betrag0"},
          Fall{kopf + "Anzahl=1\r\nBetrag0=Gehalt;1,00;x;x;;;;;;3\r\n", "Betrag0"},
          Fall{kopf + "Anzahl=256\r\n", "Anzahl"},
          Fall{kopf + "Anzahl=1\r\n[ATZBetr\xe4ge]\r\nATZBetrag0=Gehalt;ja;1,00;0\r\n", "ATZBetrag0"},
          // Texts their controls cannot hold: beyond the range, too many
          // decimals or characters, not digits, off the mask.
          Fall{"[HauptForm]\r\nGeburtsjahr=2147483647\r\n", "Geburtsjahr"},
          // Refused before an older form would be written back.
          Fall{"[OptAV]\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\n[HauptForm]\r\nGeburtsjahr=12345\r\n", "Geburtsjahr"},
          Fall{"[HauptForm]\r\nSteuerfreibetrag=800000000000\r\n", "Steuerfreibetrag"},
          Fall{"[HauptForm]\r\nSteuerfreibetrag=-1.000.000,01\r\n", "Steuerfreibetrag"},
          Fall{"[HauptForm]\r\nSteuerklasse=7\r\n", "Steuerklasse"}, Fall{"[HauptForm]\r\nFaktor=0,9995\r\n", "Faktor"},
          Fall{"[HauptForm]\r\nGeburtsjahr=19a0\r\n", "Geburtsjahr"},
          Fall{"[HauptForm]\r\nBeitragsgruppe=11111\r\n", "Beitragsgruppe"},
          Fall{"[HauptForm]\r\nKVSatz=146%\r\n", "KVSatz"},
          Fall{"[HauptForm]\r\nKVZusatzbeitrag=+ 12,00%\r\n", "KVZusatzbeitrag"},
          Fall{"[OptEBZ]\r\nTageBisVormonat=2147483647\r\n", "TageBisVormonat"},
          Fall{"[OptLSt]\r\nSteuertage=3,0\r\n", "Steuertage"}, Fall{"[OptSV]\r\nU1Satz=1,555\r\n", "U1Satz"},
          Fall{"[OptSV]\r\nKrankenkasse=" + std::string(23, 'K') + "\r\n", "Krankenkasse"},
          Fall{"[OptPfd]\r\nPersonen=-1\r\n", "Personen"}, Fall{"[OptVB]\r\nStartJahr=2004\r\n", "StartJahr"},
          Fall{"[OptATZ]\r\nNeuAufstockungProz=viel\r\n", "NeuAufstockungProz"},
          Fall{"[OptZV]\r\nZVindivName=ind.ZV7\r\n", "ZVindivName"},
          Fall{"[DetailAbr]\r\nName=" + std::string(31, 'n') + "\r\n", "Name"},
          // Texts their lists do not hold: no church tax, no state, no method would follow.
          Fall{"[HauptForm]\r\nKirchensteuer=foo\r\n", "Kirchensteuer"},
          Fall{"[OptSV]\r\nRechtskreis=Mitte\r\n", "Rechtskreis"},
          Fall{"[OptLSt]\r\nKiStBundesland=Atlantis\r\n", "KiStBundesland"},
          Fall{"[OptPfd]\r\nMethode=Quatsch\r\n", "Methode"}, Fall{"[OptSV]\r\nPVKinder=21\r\n", "PVKinder"},
          Fall{"[OptZV]\r\nSteuerfreiheit=4 Prozent der RV-BBG\r\n", "Steuerfreiheit"},
          Fall{"[HauptForm]\r\nZusatzversicherung=\r\n", "Zusatzversicherung"}}) {
        schreibe(ordner / "Kaputt.abr", f.inhalt);
        Merken();
        dialoge.leeren();
        Waehle("Kaputt");
        EXPECT_EQ(dialoge.texte(test::Art::Fehler),
                  std::vector<std::string>{"Die Stammdaten-Datei " + (ordner / "Kaputt.abr").string() +
                                           " ist fehlerhaft (" + f.schluessel + ")."});
        ErwarteUnveraendert();
        EXPECT_EQ(lies(ordner / "Kaputt.abr"), f.inhalt);
        // No record is loaded, so the list names none.
        EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "") << f.schluessel;
    }
    // After a loaded record the list names that one again.
    schreibe(ordner / "Gut.abr", kMax);
    Waehle("Gut");
    Waehle("Kaputt");
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "Gut");
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");
}

TEST_F(StammdatenTest, TextsAtTheirControlsLimitsLoad)
{
    struct Fall {
        const char* abschnitt;
        const char* wert;  // Windows-1252
        Opt optionen;      // the options' control, or kAnzahl for the main window's
        Haupt haupt;
        std::string gezeigt;
    };
    constexpr Opt kHaupt = Opt::kAnzahl;
    for (const Fall& f : {
             Fall{"HauptForm", "Steuerfreibetrag=-1.000.000,00", kHaupt, Haupt::LEdiStFB, "-1.000.000,00"},
             Fall{"HauptForm", "Steuerfreibetrag=", kHaupt, Haupt::LEdiStFB, ""},
             Fall{"HauptForm", "Faktor=1,000", kHaupt, Haupt::LEdiFaktor, "1,000"},
             Fall{"HauptForm", "Geburtsjahr=", kHaupt, Haupt::LEdiGebJahr, ""},
             Fall{"HauptForm", "KVSatz=", kHaupt, Haupt::MEdiKV, ""},
             Fall{"HauptForm", "KVSatz=14,6%", kHaupt, Haupt::MEdiKV, "14,6%"},
             Fall{"HauptForm", "KVZusatzbeitrag=+ ,%", kHaupt, Haupt::MEdiKVZus, "+ ,%"},
             // The yearly allowance is twelve times a monthly one, which may be negative.
             Fall{"OptLSt", "StFBJahr=-12.000.000,00", Opt::LSTVEdiFBJahr, Haupt::kAnzahl, "-12.000.000,00"},
             Fall{"OptLSt", "Steuertage=30", Opt::LSTVEdiStTage, Haupt::kAnzahl, "30"},
             Fall{"OptEBZ", "TageBisVormonat=330", Opt::EBVEdiTgVor, Haupt::kAnzahl, "330"},
             Fall{"OptSV", "U1Satz=20", Opt::SVVEdiU1Satz, Haupt::kAnzahl, "20"},
             Fall{"OptVB", "StartJahr=2023", Opt::VBVEdiJahr, Haupt::kAnzahl, "2023"},
             Fall{"OptVB", "StartJahr=2024", Opt::VBVEdiJahr, Haupt::kAnzahl, "2024"},
             Fall{"OptZV", "ZVindivName=\xc4\xd6\xdc\xe4\xf6\xfc", Opt::ZVEdiNameIndZV, Haupt::kAnzahl, "ÄÖÜäöü"},
             // The list's text of another year.
             Fall{"OptZV", "Steuerfreiheit=1 Prozent der RV-BBG", Opt::ZVComboStFrei, Haupt::kAnzahl,
                  "1 Prozent der RV-BBG"},
             Fall{"OptSV", "PVKinder=5 oder mehr Kinder", Opt::SVComboPVKi, Haupt::kAnzahl, "5 oder mehr Kinder"},
             Fall{"OptSV", "PVKinder=4", Opt::SVComboPVKi, Haupt::kAnzahl, "4 Kinder"},
             Fall{"OptSV", "PVKinder=7", Opt::SVComboPVKi, Haupt::kAnzahl, "5 oder mehr Kinder"},
             Fall{"HauptForm", "Kirchensteuer=ev/rk", kHaupt, Haupt::ComboKiJaNein, "ev/rk"},
         }) {
        schreibe(ordner / "Grenze.abr", std::string("[") + f.abschnitt + "]\r\n" + f.wert + "\r\n");
        dialoge.leeren();
        Waehle("Grenze");
        EXPECT_TRUE(dialoge.aufrufe.empty()) << f.wert << ": " << dialoge.protokoll().front();
        const std::string& text = f.optionen == kHaupt ? p.haupt.text(f.haupt) : p.opt.text(f.optionen);
        EXPECT_EQ(text, f.gezeigt) << f.wert;
    }
    // Thirty characters, umlauts counting once.
    schreibe(ordner / "Name.abr", "[DetailAbr]\r\nName=" + std::string(30, '\xfc') + "\r\n");
    Waehle("Name");
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(StammdatenTest, LoadFillsControlsRowsAndMirroredLists)
{
    schreibe(ordner / "Max.abr", kMax);
    p.opt[Opt::AllgLiBoNameStamm].items = {"Anna", "Max"};
    Merken();
    p.erfass.tzStatus = Status::Uebernommen;
    p.haupt[Haupt::LVAbz].rows.clear();
    Waehle("Max");
    // The reset of "Neue Abrechnung" ran first.
    EXPECT_EQ(p.erfass.tzStatus, Status::Aus);
    EXPECT_EQ(p.haupt[Haupt::LVAbz].rows.size(), 7u);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();

    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");
    EXPECT_EQ(p.opt.text(Opt::PfdVEdiUntPers), "2");
    EXPECT_EQ(p.opt.text(Opt::ATZComboJaNein), "ja");
    EXPECT_EQ(p.opt[Opt::ATZComboJaNein].colour, Farbe::Green);
    EXPECT_EQ(p.haupt.panel(kPanelATZ), "ATZ");
    EXPECT_TRUE(dialoge.aufrufe.empty());                // part time stays as the record has it
    EXPECT_EQ(p.opt.text(Opt::PfdComboJaNein), "nein");  // missing key: its fallback
    EXPECT_EQ(p.abr.text(Abr::LEdiDruckName), "Max Müller");
    EXPECT_EQ(p.opt.text(Opt::JVEdiPfad), ordner.string());  // not stored

    ASSERT_EQ(p.erfass.zeilen.size(), 3u);
    EXPECT_EQ(p.erfass.zeilen[0],
              (Lohnart{.name = "Gehalt", .betrag = 2000_cur, .flags = {true, true}, .typ = kBezug}));
    EXPECT_EQ(p.erfass.zeilen[1], (Lohnart{.name = "VL-Abzug", .betrag = -(40_cur), .typ = kAbzug}));
    EXPECT_EQ(p.erfass.zeilen[2].typ, kSachbezug);

    // One partial-retirement row per pay item that is not a deduction: the
    // stale third row of the file is not read.
    const auto& atz = p.opt[Opt::ATZLView].rows;
    EXPECT_EQ(zellen(atz, 0), (std::vector<std::string>{"Gehalt", "Dienstwagen"}));
    EXPECT_EQ(zellen(atz, 1), (std::vector<std::string>{"ja", "nein"}));
    ASSERT_EQ(atz.size(), 2u);
    EXPECT_FALSE(atz[0].strikeOut);
    EXPECT_TRUE(atz[1].strikeOut);
    EXPECT_EQ(atz[1].colour, Farbe::Red);
    // 20 % of the regular pay, without the stale row's 1,00 (and a deduction's).
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "2.000,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "400,00");
    EXPECT_EQ(zellen(p.opt[Opt::PfdLView].rows, 2), (std::vector<std::string>{"x", "VL-Abzug", "x"}));

    // Part time and partial month can be applied to the loaded items.
    EXPECT_EQ(zellen(p.opt[Opt::TZLView].rows, 0), (std::vector<std::string>{"Gehalt", "Dienstwagen"}));
    EXPECT_EQ(zellen(p.opt[Opt::TZLView].rows, 3), (std::vector<std::string>{"2.000,00", "350,00"}));
    EXPECT_EQ(zellen(p.opt[Opt::TALView].rows, 2), (std::vector<std::string>{"2.000,00", "350,00"}));
    EXPECT_EQ(p.opt[Opt::TZLiBo].items, (std::vector<std::string>{"0", "2"}));

    const auto& zeilen = p.opt[Opt::AllgLiBoDatenStamm].items;
    ASSERT_FALSE(zeilen.empty());
    EXPECT_EQ(zeilen.front(), "[HauptForm]");
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].selected, 1);
}

TEST_F(StammdatenTest, OldRecordLoadsMigratedAndIsRewritten)
{
    // The record as the older program wrote it, and the same converted to UTF-8
    // as an editor on Linux saves it: everything loads, and the rewrite keeps
    // the file's own encoding.
    struct Fall {
        fs::path datei;
        const char* paragraf;  // "§"
    };
    for (const Fall& f : {Fall{kAltform, "\xa7"}, Fall{kAltformUtf8, "\xc2\xa7"}}) {
        fs::remove(ordner / "Alt.abr");
        fs::copy_file(f.datei, ordner / "Alt.abr");
        dialoge.leeren();
        Waehle("Alt");
        EXPECT_TRUE(dialoge.aufrufe.empty()) << f.datei << ": " << dialoge.protokoll().front();
        std::string erwartet = lies(f.datei);
        for (const auto& [vorher, nachher] :
             {std::pair<std::string, std::string>{
                  "Steuerfreiheit=4 Prozent der RV-BBG",
                  std::string("Steuerfreiheit=stfrei nach ") + f.paragraf + " 3 Nr. 63 EStG"},
              {"Zusatzversicherung=VBL-West", "Zusatzversicherung=VBL"},
              {"PVKinder=2\r", "PVKinder=2 Kinder\r"}}) {
            ASSERT_NE(erwartet.find(vorher), std::string::npos) << vorher;
            erwartet.replace(erwartet.find(vorher), vorher.size(), nachher);
        }
        EXPECT_EQ(lies(ordner / "Alt.abr"), erwartet) << f.datei;
        // Four rows in the file, one of them a deduction.
        EXPECT_EQ(p.erfass.zeilen.size(), 3u) << f.datei;
        EXPECT_EQ(p.opt[Opt::ATZLView].rows.size(), 2u) << f.datei;
        EXPECT_EQ(zellen(p.opt[Opt::PfdLView].rows, 2), (std::vector<std::string>{"x", "VL-Abzug", "ÜbStd."}));
        EXPECT_EQ(p.abr.text(Abr::LEdiDruckName), " Jürgen Müller") << f.datei;
        EXPECT_EQ(p.opt.text(Opt::ZVEdiNameIndZV), "ZVK §1") << f.datei;
        EXPECT_EQ(p.opt.text(Opt::ZVComboArt), "VBL") << f.datei;
        EXPECT_EQ(p.opt.text(Opt::SVComboPVKi), "2 Kinder") << f.datei;
    }
}

TEST_F(StammdatenTest, TypedTextLoadsOnlyWhenChangedSinceLastHandled)
{
    schreibe(ordner / "Max.abr", kMax);
    p.haupt.text(Haupt::ComboStamm) = "Max";
    ComboStammEingabe(p);
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");
    p.opt.text(Opt::PfdComboMethode) = "geändert";
    ComboStammEingabe(p);  // leaving again: unchanged text
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "geändert");
    setzeStammText(p, "Nix");  // set by the program
    ComboStammEingabe(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    ComboStammChange(p);  // chosen from the list: always
    EXPECT_EQ(dialoge.texte(test::Art::Fehler), std::vector<std::string>{"Nix.abr nicht gefunden!"});
}

class StammSpeichernTest : public StammdatenTest {
protected:
    void Eingaben()
    {
        p.erfass.zeilen = {
            Lohnart{.name = "Gehalt", .betrag = 2000_cur, .flags = {true, true}},
            Lohnart{.name = "VL-Abzug", .betrag = -(40_cur), .typ = kAbzug},
            Lohnart{
                .name = "Essen", .betrag = 50_cur, .flags = {true, true, false, false, false, false, true}, .typ = 1},
        };
        p.opt[Opt::ATZLView].rows = {Zeile{.cells = {"Gehalt", "ja", "2.000,00", "4.000,00"}},
                                     Zeile{.cells = {"Essen", "nein", "50,00", "0,00"}, .image = 1}};
        p.opt[Opt::PfdLView].rows = {Zeile{.cells = {"Gehalt", "2.000,00", "x"}},
                                     Zeile{.cells = {"VL-Abzug", "-40,00", "VL-Abzug"}, .image = 2},
                                     Zeile{.cells = {"Essen", "50,00", ""}, .image = 1}};
        p.opt.text(Opt::PfdVEdiVerbleib) = "1.234,56";
        p.opt.text(Opt::TZComboJaNein) = "ja";
        p.abr.text(Abr::LEdiDruckName) = " Jürgen € Müller";
    }
};

TEST_F(StammSpeichernTest, SaveWritesTheRecordAndListsANewNameOnce)
{
    Eingaben();
    setzeStammText(p, "Max");
    dialoge.dateien.push_back((ordner / "Max.abr").string());
    ActStammSaveExecute(p);
    ASSERT_EQ(dialoge.aufrufe.size(), 1u);
    const DateiAuswahl& a = dialoge.aufrufe[0].auswahl;
    EXPECT_EQ(a.titel, "Stammdaten speichern");
    EXPECT_EQ(a.ordner, ordner.string());
    EXPECT_EQ(a.dateiname, "Max.abr");
    EXPECT_EQ(a.filter, "Stammdaten|*.abr|Alle Dateien|*.*");
    EXPECT_EQ(a.endung, "abr");

    const std::string datei = lies(ordner / "Max.abr");
    for (const char* zeile :
         {"Anzahl=3\r\n", "Betrag0=Gehalt;2.000,00;x;x;;;;;;0\r\n", "Betrag1=VL-Abzug;-40,00;;;;;;;;2\r\n",
          "Betrag2=Essen;50,00;x;x;;;;;x;1\r\n", "ATZBetrag1=Essen;nein;50,00;0,00;1\r\n",
          "PfdBetrag2=Essen;50,00;;1\r\n", "VerbleibNetto=1.234,56\r\n", "Name=\" J\xfcrgen \x80 M\xfcller\"\r\n"}) {
        EXPECT_NE(datei.find(zeile), std::string::npos) << zeile;
    }
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, std::vector<std::string>{"Max"});
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, std::vector<std::string>{"Max"});
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].selected, 0);
    EXPECT_FALSE(p.opt[Opt::AllgLiBoDatenStamm].items.empty());

    // Saved again under the same name: listed once, the same bytes.
    dialoge.dateien.push_back((ordner / "Max.abr").string());
    ActStammSaveExecute(p);
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, std::vector<std::string>{"Max"});
    EXPECT_EQ(lies(ordner / "Max.abr"), datei);

    // Loaded back into changed inputs, everything returns.
    const Record gespeichert = stammSatz(p);
    p.erfass.zeilen.clear();
    p.opt[Opt::ATZLView].rows.clear();
    p.opt.text(Opt::PfdVEdiVerbleib) = "0,00";
    p.abr.text(Abr::LEdiDruckName).clear();
    Waehle("Max");
    EXPECT_EQ(stammSatz(p), gespeichert);
    EXPECT_EQ(p.opt[Opt::ATZLView].rows[1].strikeOut, true);
}

TEST_F(StammSpeichernTest, WholeNumbersBeyondTheirRangeAreNotSavedAndLeavingPullsThemIn)
{
    // "Steuertage" 45, "SV-Tage" 45, 12 dependants, 400 days, a year after the last:
    // every field without decimals, one past its maximum.
    Eingaben();
    int felder = 0;
    for (const RecordKey& k : recordKeys()) {
        StammFeld f = stammFeld(p, k.control);
        if (f.element == nullptr || f.element->decimals != 0 ||
            (f.element->kind != SteuerArt::ValueEdit && f.element->kind != SteuerArt::ValueLabEdit)) {
            continue;
        }
        ++felder;
        const std::string vorher = f.zustand->text;
        const std::string zuViel = shortestText(f.element->max + 1_cur);
        f.zustand->text = zuViel;
        dialoge.leeren();
        fs::remove(ordner / "Ganz.abr");
        dialoge.dateien.push_back((ordner / "Ganz.abr").string());
        ActStammSaveExecute(p);
        const auto fehler = dialoge.texte(test::Art::Fehler);
        ASSERT_EQ(fehler.size(), 1u) << k.control;
        EXPECT_NE(fehler[0].find("\"" + zuViel + "\" ist kein gültiger Wert für"), std::string::npos) << fehler[0];
        if (k.control == "LSTVEdiStTage") {
            EXPECT_EQ(fehler[0],
                      "Die Stammdaten wurden nicht gespeichert: \"31\" ist kein gültiger Wert für \"Steuertage\".");
        }
        EXPECT_FALSE(fs::exists(ordner / "Ganz.abr")) << k.control;

        // Left, the field holds its maximum; saved and loaded, it comes back.
        BereichAnwenden(*f.zustand, *f.element);
        const std::string grenze = shortestText(f.zustand->max);
        EXPECT_EQ(f.zustand->text, grenze) << k.control;
        dialoge.leeren();
        ActStammSaveExecute(p);
        ASSERT_TRUE(dialoge.texte(test::Art::Fehler).empty()) << k.control << ": " << dialoge.protokoll().front();
        f.zustand->text = vorher;
        Waehle("Ganz");
        EXPECT_TRUE(dialoge.texte(test::Art::Fehler).empty()) << k.control << ": " << dialoge.protokoll().back();
        EXPECT_EQ(stammFeld(p, k.control).zustand->text, grenze) << k.control;
        f.zustand->text = vorher;
    }
    EXPECT_GE(felder, 10);
}

TEST_F(StammSpeichernTest, FailedOrForeignSavesAreNotListed)
{
    Eingaben();
    schreibe(wurzel / "Datei", "x");
    struct Fall {
        fs::path ziel;
        bool geschrieben;
    };
    for (const Fall& f : {Fall{wurzel / "Datei" / "Max.abr", false}, Fall{wurzel / "Anderswo.abr", true},
                          Fall{ordner / "Ohne.txt", true}, Fall{ordner / ".versteckt.abr", true}}) {
        dialoge.leeren();
        dialoge.dateien.push_back(f.ziel.string());
        ActStammSaveExecute(p);
        EXPECT_EQ(fs::exists(f.ziel), f.geschrieben) << f.ziel;
        EXPECT_EQ(dialoge.texte(test::Art::Fehler).size(), f.geschrieben ? 0u : 1u) << f.ziel;
        EXPECT_TRUE(p.haupt[Haupt::ComboStamm].items.empty()) << f.ziel;
        EXPECT_TRUE(p.opt[Opt::AllgLiBoNameStamm].items.empty()) << f.ziel;
    }

    // A ";" in a row's field would load back as another field.
    p.erfass.zeilen[0].name = "A;B";
    dialoge.leeren();
    dialoge.dateien.push_back((ordner / "Semi.abr").string());
    ActStammSaveExecute(p);
    EXPECT_FALSE(fs::exists(ordner / "Semi.abr"));
    ASSERT_EQ(dialoge.texte(test::Art::Fehler).size(), 1u);
    EXPECT_NE(dialoge.texte(test::Art::Fehler)[0].find("\"A;B\""), std::string::npos);
    EXPECT_TRUE(p.haupt[Haupt::ComboStamm].items.empty());

    // Cancelled: nothing.
    dialoge.leeren();
    dialoge.dateien.push_back(std::nullopt);
    ActStammSaveExecute(p);
    EXPECT_EQ(dialoge.aufrufe.size(), 1u);
}

TEST_F(StammdatenTest, StartUpReadsTheFolderListsTheRecordsAndLoadsStandard)
{
    struct Fall {
        bool einstellung;
        bool vorgabe;
        fs::path erwartet;
    };
    for (const Fall& f :
         {Fall{true, true, ordner}, Fall{false, true, wurzel / "Vorgabe"}, Fall{false, false, wurzel}}) {
        test::FakeDialoge d;
        ProgrammZustand z(d, uhr);
        z.programmOrdner = wurzel.string();
        z.haupt.text(Haupt::ComboMonat) = "Februar";
        fs::remove(wurzel / "Stammpfad.ini");
        if (f.einstellung)
            schreibe(wurzel / "Stammpfad.ini", "\xef\xbb\xbf[StammPfad]\r\nPfad=" + ordner.string() + "\r\n");
        if (f.vorgabe) z.stammOrdnerVorgabe = (wurzel / "Vorgabe").string();
        StammPfadLesen(z);
        EXPECT_EQ(z.opt.text(Opt::JVEdiPfad), f.erwartet.string());
    }

    schreibe(ordner / "Standard.abr", "[OptPfd]\r\nMethode=Bruttomethode\r\n[OptTA]\r\nJaNein=nein\r\n");
    schreibe(ordner / "anna.ABR", "");
    fs::create_directory(ordner / "Ordner.abr");
    schreibe(wurzel / "Stammpfad.ini", "[StammPfad]\r\nPfad=" + ordner.string() + "\r\n");
    StammPfadLesen(p);
    StammdatenAuflisten(p);
    StammlistenKopieren(p);
    StandardLaden(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    EXPECT_EQ(p.haupt[Haupt::ComboStamm].items, (std::vector<std::string>{"anna", "Standard"}));
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, p.haupt[Haupt::ComboStamm].items);
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "Standard");
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].selected, 1);
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");

    // "Neue Abrechnung" ends with Standard, else an empty record text.
    p.opt.text(Opt::PfdComboMethode) = "Nettomethode";
    LadeStandard(p);
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");
    fs::remove(ordner / "Standard.abr");
    LadeStandard(p);
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "");
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(StammdatenTest, PartTimeAppliesToLoadedItems)
{
    schreibe(ordner / "Teil.abr",
             "[OptTZ]\r\nJaNein=nein\r\nTZWoStd=20\r\nVZWoStd=40\r\n"
             "[Betr\xe4ge]\r\nAnzahl=1\r\nBetrag0=Gehalt;2.000,00;x;x;;;;;;0\r\n");
    Waehle("Teil");
    ASSERT_TRUE(dialoge.aufrufe.empty());
    p.opt.text(Opt::TZComboJaNein) = "ja";
    optionen::TZComboJaNeinChange(p);
    optionen::ActTZUebernehmen(p);
    ASSERT_EQ(p.erfass.zeilen.size(), 1u);
    EXPECT_EQ(p.erfass.zeilen[0].betrag, 1000_cur);
    EXPECT_EQ(p.erfass.brutto[kGesamtbrutto], 1000_cur);
}

TEST_F(StammdatenTest, EveryStoredControlHasOneOfItsKind)
{
    EXPECT_EQ(stammFelderOhneFenster(p), std::vector<std::string_view>{});
    for (const RecordKey& k : recordKeys()) {
        StammFeld f = stammFeld(p, k.control);
        if (f.element == nullptr) continue;
        const bool check = f.element->kind == SteuerArt::Check;
        EXPECT_EQ(check, k.kind == RecordValueKind::CheckBox) << k.control;
    }
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

TEST_F(StammdatenTest, UnwritableOldRecordLoadsMigratedAndSaysSo)
{
    // Root may write anywhere; a path just short of the limit leaves no room
    // for the temporary file beside it.
    fs::path tief = ordner;
    while (tief.string().size() < 4096 - 260) tief /= std::string(200, 'd');
    tief /= std::string(4079 - tief.string().size(), 'e');
    fs::create_directories(tief);
    fs::copy_file(kAltform, tief / "Alt.abr");
    p.opt.text(Opt::JVEdiPfad) = tief.string();
    Waehle("Alt");
    const auto fehler = dialoge.texte(test::Art::Fehler);
    ASSERT_EQ(fehler.size(), 1u);
    const std::string erwartet =
        "Die Stammdaten-Datei " + (tief / "Alt.abr").string() + " konnte nicht aktualisiert werden.\r";
    EXPECT_EQ(fehler[0].substr(0, erwartet.size()), erwartet);
    EXPECT_EQ(lies(tief / "Alt.abr"), lies(kAltform));
    EXPECT_EQ(p.erfass.zeilen.size(), 3u);  // loaded all the same
}

TEST_F(StammdatenTest, PartialRetirementAmountThatIsNoNumberIsReportedAfterTheLoad)
{
    schreibe(ordner / "Prozent.abr",
             "[Betr\xe4ge]\r\nAnzahl=1\r\nBetrag0=Gehalt;1.000,00;x;x;;;;;;0\r\n"
             "[ATZBetr\xe4ge]\r\nATZBetrag0=Gehalt;ja;viel;0,00;0\r\n");
    Waehle("Prozent");
    EXPECT_EQ(dialoge.texte(test::Art::Fehler), std::vector<std::string>{"'viel' ist kein gültiger Gleitkommawert"});
    EXPECT_EQ(zellen(p.opt[Opt::ATZLView].rows, 2), std::vector<std::string>{"viel"});
    ASSERT_EQ(p.erfass.zeilen.size(), 1u);
    EXPECT_EQ(p.erfass.brutto[kGesamtbrutto], 1000_cur);
    EXPECT_FALSE(p.opt[Opt::AllgLiBoDatenStamm].items.empty());
}

TEST_F(StammdatenTest, FirstShowLoadsStandardFromTheStoredFolder)
{
    schreibe(ordner / "Standard.abr", "[OptPfd]\r\nMethode=Bruttomethode\r\n");
    schreibe(wurzel / "Stammpfad.ini", "[StammPfad]\r\nPfad=" + ordner.string() + "\r\n");
    FormShow(p);
    EXPECT_EQ(p.opt.text(Opt::JVEdiPfad), ordner.string());
    EXPECT_EQ(p.haupt.text(Haupt::ComboStamm), "Standard");
    EXPECT_EQ(p.opt.text(Opt::PfdComboMethode), "Bruttomethode");
    EXPECT_EQ(p.opt[Opt::AllgLiBoNameStamm].items, std::vector<std::string>{"Standard"});
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

// A text off the default that the control can hold, different per key.
std::string passenderText(const Steuerelement& e, std::size_t i)
{
    switch (e.kind) {
        case SteuerArt::ValueEdit:
        case SteuerArt::ValueLabEdit: {
            // Between the limits, a step in from the lower one.
            const Currency spanne = e.max - e.min;
            const Currency wert = e.min + Currency::fromRaw(spanne.raw() / 3 / 10000 * 10000) +
                                  (e.decimals > 0 ? Currency::fromRaw(5000) : Currency());
            return formatAmount(wert, e.decimals, e.decimals > 0);
        }
        case SteuerArt::MaskEdit: {
            std::string text;
            for (char c : e.mask.substr(0, e.mask.find(';'))) text += c == '9' || c == '0' ? char('0' + i % 10) : c;
            return text;
        }
        case SteuerArt::Combo:
            if (!e.items.empty()) return e.items[i % e.items.size()];
            [[fallthrough]];
        default: {
            if (e.digitsOnly) return std::string(static_cast<std::size_t>(e.length), char('0' + i % 10));
            const std::string text = "Wert " + std::to_string(i) + " äöü €";
            return e.length > 0 ? text.substr(0, static_cast<std::size_t>(e.length)) : text;
        }
    }
}

TEST_F(StammSpeichernTest, EveryMappedFieldOffItsDefaultComesBack)
{
    Eingaben();
    auto keys = recordKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        StammFeld f = stammFeld(p, keys[i].control);
        if (f.zustand == nullptr) continue;
        if (keys[i].kind == RecordValueKind::CheckBox) {
            f.zustand->checked = false;
        } else {
            f.zustand->text = passenderText(*f.element, i);
            ASSERT_TRUE(passtInSteuerelement(*f.element, f.zustand->text)) << keys[i].control << " " << f.zustand->text;
        }
    }
    const Record vorher = stammSatz(p);
    dialoge.dateien.push_back((ordner / "Alles.abr").string());
    ActStammSaveExecute(p);
    ASSERT_TRUE(dialoge.texte(test::Art::Fehler).empty()) << dialoge.texte(test::Art::Fehler).front();

    for (std::size_t i = 0; i < keys.size(); ++i) {
        StammFeld f = stammFeld(p, keys[i].control);
        if (f.zustand == nullptr) continue;
        f.zustand->checked = true;
        f.zustand->text.clear();
    }
    Waehle("Alles");
    const Record nachher = stammSatz(p);
    for (std::size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(nachher.values[i], vorher.values[i]) << keys[i].control;
    EXPECT_EQ(nachher.items, vorher.items);
    EXPECT_EQ(nachher.pfdRows, vorher.pfdRows);
}

}  // namespace
}  // namespace lx
