// Pages "Teilmonat" and "Teilzeit" on the program state: the lists, applying
// them to the entry rows with the days and the panels, switching on and off.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "erfassung/Erfassung.h"
#include "hauptfenster/Programmstart.h"
#include "optionen/OptionenDialog.h"
#include "optionen/TeilmonatTeilzeit.h"

namespace lx {
namespace {

using test::Art;

const char* const kRegeln[] = {
    "Anwesenheitsregel (zu bez. Kal.-Tage (max. 30) : 30 Tage)",
    "Kalendertageregel (zu bez. Kal.-Tage : tats. Kal.-Tage)",
    "Abwesenheitsregel ((30 - tats. Kal.-Tage + zu bez. Kal.-Tage) : 30 Tage)",
    "Arbeitstageregel (Montag bis Freitag bezahlen)",
};

class TeilmonatTeilzeitTest : public ::testing::Test {
protected:
    void SetUp() override { monat("Januar", "2024"); }

    void monat(const char* name, const char* jahr)
    {
        p.haupt.text(Haupt::ComboMonat) = name;
        p.haupt.text(Haupt::ComboJahr) = jahr;
        optionen::ActTeilmonatGrund(p);
    }

    // A row taken in the entry dialog: appended, totals, mirrored.
    void nehmen(const std::string& name, Currency betrag, int typ = kBezug)
    {
        p.erfass.zeilen.push_back({.name = name, .betrag = betrag, .flags = {true, true}, .typ = typ});
        erfass::ActBrutti(p);
        erfass::ActTZUebernehmen(p);
    }

    std::string& o(Opt id) { return p.opt.text(id); }
    std::string zelle(Opt id, std::size_t zeile, std::size_t spalte)
    {
        return p.opt[id].rows.at(zeile).cells.at(spalte);
    }
    std::string gekuerzt(std::size_t zeile) { return zelle(Opt::TALView, zeile, 3); }
    std::string teilzeit(std::size_t zeile) { return zelle(Opt::TZLView, zeile, 4); }
    std::string betrag(std::size_t zeile) { return formatAmount(p.erfass.zeilen.at(zeile).betrag); }
    std::vector<std::string> betraege()
    {
        std::vector<std::string> b;
        for (const Lohnart& z : p.erfass.zeilen) b.push_back(formatAmount(z.betrag));
        return b;
    }
    std::vector<std::string> spalte(Opt id, std::size_t s)
    {
        std::vector<std::string> b;
        for (const Zeile& z : p.opt[id].rows) b.push_back(z.cells.at(s));
        return b;
    }
    std::string erfassPanel(std::size_t n) { return p.erfass[Erfass::StatusBar1].items.at(n); }
    std::string tage() { return o(Opt::LSTVEdiStTage) + " / " + o(Opt::SVVEdiSVTage); }
    std::string gesamt() { return formatAmount(p.erfass.brutto[kGesamtbrutto]); }
    Farbe indikator(Erfass id)
    {
        ErfassAnzeigen(p.erfass);
        return p.erfass[id].colour;
    }
    std::vector<std::string> spaltenTitel()
    {
        ErfassAnzeigen(p.erfass);
        std::vector<std::string> t;
        for (const Spalte& s : p.erfass[Erfass::LView].columns) t.push_back(s.caption);
        return std::vector<std::string>(t.begin() + 9, t.end());
    }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 1, 15};
    ProgrammZustand p{dialoge, uhr};
};

using Liste = std::vector<std::string>;

TEST_F(TeilmonatTeilzeitTest, MonthSetUpGivesToDayMaximaAndCaptions)
{
    struct Fall {
        const char* monat;
        const char* jahr;
        const char* bis;
        const char* caption;
        const char* kalArb;
    } faelle[] = {
        {"Januar", "2024", "31", "Januar 2024 = ", "31 Kalendertage / 23 Arbeitstage"},
        {"Februar", "2024", "29", "Februar 2024 = ", "29 Kalendertage / 21 Arbeitstage"},
        {"Februar", "2023", "28", "Februar 2023 = ", "28 Kalendertage / 20 Arbeitstage"},
    };
    for (const Fall& f : faelle) {
        o(Opt::TBVEdiVon) = "16";
        p.opt.teilmonat.tage = 16;
        p.haupt.panel(kPanelEintritt) = "Eintritt 16.01.2024";
        monat(f.monat, f.jahr);
        EXPECT_EQ(o(Opt::TBVEdiVon), "1") << f.monat << f.jahr;
        EXPECT_EQ(o(Opt::TBVEdiBis), f.bis) << f.monat << f.jahr;
        EXPECT_EQ(o(Opt::TALabCapTage), f.caption);
        EXPECT_EQ(o(Opt::TALabKalArb), f.kalArb);
        EXPECT_EQ(p.opt.teilmonat.tage, 0);
        EXPECT_EQ(p.haupt.panel(kPanelEintritt), "") << "the month set-up empties the stale panel";
        for (Opt id : {Opt::TBVEdiVon, Opt::TBVEdiBis, Opt::TBVEdiUB1Von, Opt::TBVEdiUB1Bis, Opt::TBVEdiUB2Von,
                       Opt::TBVEdiUB2Bis}) {
            EXPECT_EQ(formatAmount(p.opt[id].max, 0), f.bis) << p.opt.name(id) << " " << f.monat << f.jahr;
        }
    }
}

TEST_F(TeilmonatTeilzeitTest, ReductionByRuleWithPanelsInBothStatusBars)
{
    struct Fall {
        const char* was;
        const char* monat;
        Currency voll;
        const char *von, *ub1Von, *ub1Bis;
        int D;
        const char* regel[4];
        const char* panel;
    } faelle[] = {
        {"entry 16",
         "Januar",
         3100.00_cur,
         "16",
         "0",
         "0",
         16,
         {"1.653,33", "1.600,00", "1.550,00", "1.617,39"},
         "Eintritt 16.01.2024"},
        {"interruption 1-10", "April", 1000.00_cur, "1", "1", "10", 20, {"666,67", "666,67", "666,67", "636,36"}, ""},
        {"interruption removed",
         "April",
         1000.00_cur,
         "1",
         "0",
         "0",
         30,
         {"1.000,00", "1.000,00", "1.000,00", "1.000,00"},
         ""},
    };
    for (const Fall& f : faelle) {
        for (int r = 0; r < 4; ++r) {
            test::FakeDialoge d;
            ProgrammZustand z(d, uhr);
            z.haupt.text(Haupt::ComboMonat) = f.monat;
            optionen::ActTeilmonatGrund(z);
            z.erfass.zeilen = {{.name = "Gehalt", .betrag = f.voll}, {.name = "Prämie", .betrag = 100.00_cur}};
            z.opt[Opt::TZLiBo].items = {"0", "1"};
            z.opt[Opt::TALView].rows = {{.cells = {"Gehalt", "", formatAmount(f.voll), ""}},
                                        {.cells = {"Prämie", "", "100,00", ""}}};
            // A stale panel of an earlier computation must not survive.
            z.haupt.panel(kPanelEintritt) = "Eintritt 20.01.2024";
            erfass::ActTBAktiv(z, true);
            z.opt[Opt::TALView].rows[1].cells[1] = "";  // unmarked: keeps "voll"
            z.opt.text(Opt::TBVEdiVon) = f.von;
            z.opt.text(Opt::TBVEdiUB1Von) = f.ub1Von;
            z.opt.text(Opt::TBVEdiUB1Bis) = f.ub1Bis;
            z.opt.text(Opt::TBComboRegel) = kRegeln[r];
            optionen::ActTAAktualis(z);
            EXPECT_EQ(z.opt[Opt::TALView].rows[0].cells[3], f.regel[r]) << f.was << ", rule " << r + 1;
            EXPECT_EQ(z.opt[Opt::TALView].rows[1].cells[3], "100,00") << f.was;
            EXPECT_EQ(z.opt.teilmonat.tage, f.D) << f.was;
            EXPECT_EQ(z.erfass[Erfass::StatusBar1].items[0], f.panel) << f.was;
            EXPECT_EQ(z.haupt.panel(kPanelEintritt), f.panel) << f.was;
            EXPECT_EQ(z.haupt.panel(kPanelAustritt), "") << f.was;
            EXPECT_TRUE(d.aufrufe.empty()) << f.was;
        }
    }
}

TEST_F(TeilmonatTeilzeitTest, NoRuleChosenCountsAsRuleThree)
{
    nehmen("Gehalt", 3100.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    o(Opt::TBComboRegel) = "";
    optionen::ActTAAktualis(p);
    EXPECT_EQ(gekuerzt(0), "1.550,00");
}

TEST_F(TeilmonatTeilzeitTest, LeavingSetsPanelOneAndAnEmptyToDayIsTheLastDay)
{
    nehmen("Gehalt", 3100.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiBis) = "15";
    o(Opt::TBComboRegel) = kRegeln[1];
    optionen::ActTAAktualis(p);
    EXPECT_EQ(gekuerzt(0), "1.500,00");
    EXPECT_EQ(erfassPanel(1), "Austritt 15.01.2024");
    EXPECT_EQ(p.haupt.panel(kPanelAustritt), "Austritt 15.01.2024");

    // Empty to-day: the whole month, no "Austritt 999".
    o(Opt::TBVEdiBis) = "";
    optionen::ActTAAktualis(p);
    EXPECT_EQ(gekuerzt(0), "3.100,00");
    EXPECT_EQ(p.haupt.panel(kPanelAustritt), "");
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(TeilmonatTeilzeitTest, PeriodCheckShowsItsBoxesInOrderAndReducesNothing)
{
    struct Fall {
        const char* was;
        const char *von, *bis, *ub1Von, *ub1Bis, *ub2Von, *ub2Bis;
        Liste boxen;
    } faelle[] = {
        {"1: 5-0", "1", "31", "5", "0", "0", "0", {"Unterbrechung 1 Bis-Datum falsch"}},
        {"1: 0-5, 2: 7-0",
         "1",
         "31",
         "0",
         "5",
         "7",
         "0",
         {"Unterbrechung 1 Von-Datum falsch", "Unterbrechung 2 Bis-Datum falsch"}},
        {"entry 10, 1: 3-12", "10", "31", "3", "12", "0", "0", {"Unterbrechung 1 muß im Beschäftigungszeitraum sein"}},
        {"leaving 20, 2: 18-25",
         "1",
         "20",
         "0",
         "0",
         "18",
         "25",
         {"Unterbrechung 2 muß im Beschäftigungszeitraum sein"}},
        {"entry 10, 1: 3-12; leaving 20, 2: 18-25",
         "10",
         "20",
         "3",
         "12",
         "18",
         "25",
         {"Unterbrechung 1 muß im Beschäftigungszeitraum sein", "Unterbrechung 2 muß im Beschäftigungszeitraum sein"}},
        {"entry 20, leaving 10", "20", "10", "0", "0", "0", "0", {"Falsche Zeiträume in Teilmonatsabrechnung"}},
        {"1: 20-10", "1", "31", "20", "10", "0", "0", {"Unterbrechung 1 Von-Datum nach Bis-Datum"}},
        {"1: 5-10, 2: 8-12", "1", "31", "5", "10", "8", "12", {"Unterbrechungen 1 und 2 überschneiden sich"}},
    };
    for (const Fall& f : faelle) {
        p.erfass.zeilen.clear();
        nehmen("Gehalt", 3100.00_cur);
        erfass::ActTBAktiv(p, false);
        erfass::ActTBAktiv(p, true);
        dialoge.leeren();
        o(Opt::TBVEdiVon) = f.von;
        o(Opt::TBVEdiBis) = f.bis;
        o(Opt::TBVEdiUB1Von) = f.ub1Von;
        o(Opt::TBVEdiUB1Bis) = f.ub1Bis;
        o(Opt::TBVEdiUB2Von) = f.ub2Von;
        o(Opt::TBVEdiUB2Bis) = f.ub2Bis;
        optionen::ActTAAktualis(p);
        EXPECT_EQ(dialoge.texte(Art::Fehler), f.boxen) << f.was;
        EXPECT_EQ(gekuerzt(0), "3.100,00") << f.was;
        EXPECT_EQ(p.haupt.panel(kPanelEintritt), "") << f.was;
        // Applying checks again and changes nothing either.
        dialoge.leeren();
        optionen::ActTAUebernehmen(p);
        EXPECT_EQ(dialoge.texte(Art::Fehler), f.boxen) << f.was;
        EXPECT_EQ(p.erfass.taStatus, Status::An) << f.was;
        EXPECT_EQ(betrag(0), "3.100,00") << f.was;
    }
}

TEST_F(TeilmonatTeilzeitTest, InterruptionDaysBeyondANewMonthFailTheCheckWithoutAConversionError)
{
    nehmen("Gehalt", 3100.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiUB1Von) = "25";
    o(Opt::TBVEdiUB1Bis) = "31";
    monat("Februar", "2024");
    optionen::ActTAAktualis(p);
    EXPECT_EQ(dialoge.texte(Art::Fehler), Liste{"Unterbrechung 1 Bis-Datum falsch"});
    EXPECT_EQ(gekuerzt(0), "3.100,00");
}

TEST_F(TeilmonatTeilzeitTest, TaxAndSVDaysApplied)
{
    struct Fall {
        const char* was;
        const char *monat, *von, *ub1Von, *ub1Bis;
        Currency voll;
        const char* tage;
        const char* betrag;
    } faelle[] = {
        {"January entry 16", "Januar", "16", "0", "0", 3100.00_cur, "16 / 16", "1.600,00"},
        {"April 1-10", "April", "1", "1", "10", 3000.00_cur, "30 / 20", "2.000,00"},
        {"whole January", "Januar", "1", "0", "0", 3000.00_cur, "30 / 30", "3.000,00"},
        {"whole February", "Februar", "1", "0", "0", 3000.00_cur, "30 / 30", "3.000,00"},
    };
    for (const Fall& f : faelle) {
        test::FakeDialoge d;
        ProgrammZustand z(d, uhr);
        z.haupt.text(Haupt::ComboMonat) = f.monat;
        optionen::ActTeilmonatGrund(z);
        z.erfass.zeilen = {{.name = "Gehalt", .betrag = f.voll}};
        z.opt[Opt::TZLiBo].items = {"0"};
        z.opt[Opt::TALView].rows = {{.cells = {"Gehalt", "", formatAmount(z.erfass.zeilen[0].betrag), ""}}};
        z.opt.text(Opt::LSTVEdiStTage) = "30";
        z.opt.text(Opt::SVVEdiSVTage) = "30";
        erfass::ActTBAktiv(z, true);
        z.opt.text(Opt::TBVEdiVon) = f.von;
        z.opt.text(Opt::TBVEdiUB1Von) = f.ub1Von;
        z.opt.text(Opt::TBVEdiUB1Bis) = f.ub1Bis;
        z.opt.text(Opt::TBComboRegel) = kRegeln[1];
        optionen::ActTAAktualis(z);
        optionen::ActTAUebernehmen(z);
        EXPECT_EQ(z.opt.text(Opt::LSTVEdiStTage) + " / " + z.opt.text(Opt::SVVEdiSVTage), f.tage) << f.was;
        EXPECT_EQ(formatAmount(z.erfass.zeilen[0].betrag), f.betrag) << f.was;
        EXPECT_EQ(z.erfass.taStatus, Status::Uebernommen) << f.was;
    }
}

TEST_F(TeilmonatTeilzeitTest, PartTimeAmountsByRoundingCode)
{
    nehmen("Gehalt", 3000.00_cur);
    erfass::ActTZAktiv(p, true);
    EXPECT_EQ(teilzeit(0), "1.621,62");
    EXPECT_EQ(zelle(Opt::TZLView, 0, 2), "kfm");
    EXPECT_EQ(erfassPanel(2), "20,00 Wo.Std.");
    EXPECT_EQ(p.haupt.panel(kPanelStunden), "20,00 Wo.Std.");
    EXPECT_EQ(p.haupt.panel(kPanelTZ), "TZ");

    p.opt[Opt::TZLView].selected = 0;
    for (auto [code, erwartet] : {std::pair{"0,10", "1.621,70"}, std::pair{"0,50", "1.622,00"},
                                  std::pair{"1,00", "1.622,00"}, std::pair{"kfm", "1.621,62"}}) {
        optionen::TZRunden(p, code);
        EXPECT_EQ(zelle(Opt::TZLView, 0, 2), code);
        EXPECT_EQ(teilzeit(0), erwartet) << code;
    }
    optionen::TZRunden(p, "1,00");
    optionen::TZHerunterrechnen(p, false);
    EXPECT_EQ((Liste{zelle(Opt::TZLView, 0, 1), zelle(Opt::TZLView, 0, 2), teilzeit(0)}),
              (Liste{"", "kfm", "3.000,00"}));
    // A rounding entry acts only on a marked row.
    optionen::TZRunden(p, "1,00");
    EXPECT_EQ(zelle(Opt::TZLView, 0, 2), "kfm");
    optionen::TZHerunterrechnen(p, true);
    EXPECT_EQ(teilzeit(0), "1.621,62");
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(TeilmonatTeilzeitTest, PartTimeMessages)
{
    // Empty list: no box.
    optionen::ActTZAktualis(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());

    nehmen("Gehalt", 3000.00_cur);
    optionen::ActTZAktualis(p);
    EXPECT_EQ(dialoge.texte(Art::Information), Liste{"Bitte erst Teilzeitrechnung aktivieren"});
    EXPECT_EQ(teilzeit(0), "");

    dialoge.leeren();
    o(Opt::TZVEdiWoVZ) = "0,00";
    erfass::ActTZAktiv(p, true);
    EXPECT_EQ(dialoge.texte(Art::Fehler), Liste{"Vollzeit-Wochenstunden müssen größer als 0 sein"});
    EXPECT_EQ(teilzeit(0), "");
    p.opt[Opt::TZLView].selected = 0;
    optionen::TZRunden(p, "1,00");
    EXPECT_EQ(zelle(Opt::TZLView, 0, 2), "kfm") << "nothing changes";
}

TEST_F(TeilmonatTeilzeitTest, PopUpsActOnTheSelectedRowOnly)
{
    nehmen("Gehalt", 3100.00_cur);
    nehmen("Prämie", 500.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    o(Opt::TBComboRegel) = kRegeln[1];
    optionen::ActTAAktualis(p);
    EXPECT_EQ(spalte(Opt::TALView, 3), (Liste{"1.600,00", "258,06"}));

    p.opt[Opt::TALView].selected = -1;
    optionen::TALohnartKuerzen(p, false);
    EXPECT_EQ(spalte(Opt::TALView, 1), (Liste{"x", "x"}));

    p.opt[Opt::TALView].selected = 1;
    optionen::TALohnartKuerzen(p, false);
    EXPECT_EQ(spalte(Opt::TALView, 1), (Liste{"x", ""}));
    EXPECT_EQ(spalte(Opt::TALView, 3), (Liste{"1.600,00", "500,00"}));
    optionen::TALohnartKuerzen(p, true);
    EXPECT_EQ(spalte(Opt::TALView, 3), (Liste{"1.600,00", "258,06"}));

    erfass::ActTZAktiv(p, true);
    p.opt[Opt::TZLView].selected = 5;
    optionen::TZHerunterrechnen(p, false);
    optionen::TZRunden(p, "1,00");
    EXPECT_EQ(spalte(Opt::TZLView, 2), (Liste{"kfm", "kfm"}));
}

TEST_F(TeilmonatTeilzeitTest, SwitchesTakeTheWantedStateAndIndicatorClicksSwitchOver)
{
    nehmen("Gehalt", 3000.00_cur);
    erfass::ActTBAktiv(p, false);
    EXPECT_EQ(o(Opt::TBComboJaNein), "nein");
    EXPECT_EQ(p.erfass.taStatus, Status::Aus);

    erfass::PnlTBAktivClick(p, true);
    EXPECT_EQ(p.erfass.taStatus, Status::An);
    EXPECT_EQ(indikator(Erfass::PnlTBAktiv), Farbe::Yellow);
    EXPECT_EQ(o(Opt::TBComboJaNein), "ja");
    EXPECT_EQ(p.opt[Opt::TBComboJaNein].colour, Farbe::Green);
    EXPECT_EQ(p.haupt.panel(kPanelTA), "TA");
    EXPECT_EQ(spalte(Opt::TALView, 1), Liste{"x"});

    // Switching on what is on changes nothing, marks included.
    p.opt[Opt::TALView].rows[0].cells[1] = "";
    o(Opt::TBComboJaNein) = "ja";
    optionen::TBComboJaNeinChange(p);
    EXPECT_EQ(spalte(Opt::TALView, 1), Liste{""});

    erfass::PnlTBAktivClick(p, false);
    EXPECT_EQ(p.erfass.taStatus, Status::An) << "a right click only shows the page";
    erfass::PnlTBAktivClick(p, true);
    EXPECT_EQ(p.erfass.taStatus, Status::Aus);
    EXPECT_EQ(p.opt[Opt::TBComboJaNein].colour, Farbe::Red);
    EXPECT_EQ(indikator(Erfass::PnlTBAktiv), Farbe::BtnFace);
    EXPECT_EQ(p.haupt.panel(kPanelTA), "");

    erfass::PnlTZAktivClick(p, true);
    EXPECT_EQ(p.erfass.tzStatus, Status::An);
    o(Opt::TZComboJaNein) = "nein";
    optionen::TZComboJaNeinChange(p);
    EXPECT_EQ(p.erfass.tzStatus, Status::Aus);
    EXPECT_EQ(p.haupt.panel(kPanelTZ), "");
    EXPECT_EQ(p.haupt.panel(kPanelStunden), "");
    EXPECT_EQ(spalte(Opt::TZLView, 2), Liste{""});

    std::vector<int> seiten;
    for (const auto& a : dialoge.aufrufe) {
        if (a.art == Art::OptionenZeigen) seiten.push_back(a.zahl);
    }
    EXPECT_EQ(seiten, (std::vector<int>{9, 9, 9, 10}));
}

// "Gehalt" 3.000,00, "VL-Abzug" -40,00, "Prämie" 500,00 unmarked, through
// both features on, applied and off again.
TEST_F(TeilmonatTeilzeitTest, SequenceOfBothFeatures)
{
    nehmen("Gehalt", 3000.00_cur);
    nehmen("VL-Abzug", -40.00_cur, kAbzug);
    nehmen("Prämie", 500.00_cur);
    o(Opt::LSTVEdiStTage) = "30";
    o(Opt::SVVEdiSVTage) = "30";
    ASSERT_EQ(p.opt[Opt::TZLiBo].items, (Liste{"0", "2"}));

    // Partial month: January 2024, entry 16, rule 2, "Prämie" not reduced.
    erfass::ActTBAktiv(p, true);
    p.opt[Opt::TALView].rows[1].cells[1] = "";
    o(Opt::TBVEdiVon) = "16";
    o(Opt::TBComboRegel) = kRegeln[1];
    optionen::ActTAAktualis(p);
    optionen::ActTAUebernehmen(p);
    EXPECT_EQ(betraege(), (Liste{"1.548,39", "-40,00", "500,00"}));
    EXPECT_EQ(gesamt(), "2.048,39");
    EXPECT_EQ(spaltenTitel(), Liste{"TA"});
    EXPECT_EQ(p.erfass.zeilen[0].ta, "x");
    EXPECT_EQ(p.erfass.zeilen[2].ta, "");
    EXPECT_EQ(spalte(Opt::PfdLView, 1), (Liste{"1.548,39", "-40,00", "500,00"}));
    EXPECT_EQ(spalte(Opt::ATZLView, 2), (Liste{"1.548,39", "500,00"}));
    EXPECT_EQ(tage(), "16 / 16");
    EXPECT_EQ(p.erfass.taStatus, Status::Uebernommen);
    EXPECT_EQ(indikator(Erfass::PnlTBAktiv), Farbe::Lime);
    EXPECT_FALSE(p.opt[Opt::TABtnUebernehmen].enabled);
    EXPECT_EQ(dialoge.protokoll(), (Liste{"Zeigen: Erfass", "Verbergen: Optionen"}));

    // Off: the full amounts and the days go back (mend).
    erfass::ActTBAktiv(p, false);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "-40,00", "500,00"}));
    EXPECT_EQ(gesamt(), "3.500,00");
    EXPECT_EQ(spaltenTitel(), Liste{});
    EXPECT_EQ(spalte(Opt::PfdLView, 1), (Liste{"3.000,00", "-40,00", "500,00"}));
    EXPECT_EQ(spalte(Opt::ATZLView, 2), (Liste{"3.000,00", "500,00"}));
    EXPECT_EQ(tage(), "30 / 30");
    EXPECT_EQ(p.erfass.zeilen[0].ta, "");
    EXPECT_TRUE(p.opt[Opt::TABtnUebernehmen].enabled);
    EXPECT_EQ(p.haupt.panel(kPanelEintritt), "");
    EXPECT_EQ(erfassPanel(0), "");

    // Part time 20/37 applied, then the partial month on top.
    erfass::ActTZAktiv(p, true);
    optionen::ActTZUebernehmen(p);
    EXPECT_EQ(betraege(), (Liste{"1.621,62", "-40,00", "270,27"}));
    EXPECT_EQ(p.erfass.zeilen[0].tz, "x");
    EXPECT_EQ(gesamt(), "1.891,89");
    EXPECT_EQ(spalte(Opt::TALView, 2), (Liste{"1.621,62", "270,27"}));
    EXPECT_EQ(p.erfass.tzStatus, Status::Uebernommen);
    erfass::ActTBAktiv(p, true);
    optionen::ActTAUebernehmen(p);
    EXPECT_EQ(betraege(), (Liste{"836,97", "-40,00", "139,49"}));
    EXPECT_EQ(gesamt(), "976,46");
    EXPECT_EQ(spaltenTitel(), (Liste{"TZ", "TA"}));
    EXPECT_EQ(p.erfass[Erfass::LView].rows[0].cells.at(9) + p.erfass[Erfass::LView].rows[0].cells.at(10), "xx");
    EXPECT_EQ(spalte(Opt::PfdLView, 1), (Liste{"836,97", "-40,00", "139,49"}));

    // Partial month off: the part-time amounts come back.
    erfass::ActTBAktiv(p, false);
    EXPECT_EQ(betraege(), (Liste{"1.621,62", "-40,00", "270,27"}));
    EXPECT_EQ(tage(), "30 / 30");

    // Part time off: the full amounts.
    erfass::ActTZAktiv(p, false);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "-40,00", "500,00"}));
    EXPECT_EQ(gesamt(), "3.500,00");
    EXPECT_EQ(spaltenTitel(), Liste{});
    EXPECT_EQ(spalte(Opt::TZLView, 4), (Liste{"", ""}));
    EXPECT_EQ(spalte(Opt::PfdLView, 1), (Liste{"3.000,00", "-40,00", "500,00"}));
    EXPECT_EQ(spalte(Opt::ATZLView, 2), (Liste{"3.000,00", "500,00"}));
    EXPECT_EQ(spalte(Opt::TALView, 2), (Liste{"3.000,00", "500,00"}));
    EXPECT_EQ(p.erfass.zeilen[0].tz, "");
    EXPECT_TRUE(p.opt[Opt::TZBtnUebernehmen].enabled);

    // "1,00" while applied is applied at once.
    erfass::ActTZAktiv(p, true);
    optionen::ActTZUebernehmen(p);
    p.opt[Opt::TZLView].selected = 0;
    optionen::TZRunden(p, "1,00");
    optionen::ActTZAktualis(p);
    EXPECT_EQ(betrag(0), "1.622,00");

    // Both applied, then part time applied again: the partial month is no
    // longer in the rows and turns yellow, its "voll" updated.
    erfass::ActTBAktiv(p, true);
    optionen::ActTAUebernehmen(p);
    EXPECT_EQ(betrag(0), "837,16");
    EXPECT_EQ(tage(), "16 / 16");
    optionen::ActTZAktualis(p);
    EXPECT_EQ(betrag(0), "1.622,00");
    EXPECT_EQ(p.erfass.taStatus, Status::An);
    EXPECT_EQ(indikator(Erfass::PnlTBAktiv), Farbe::Yellow);
    EXPECT_TRUE(p.opt[Opt::TABtnUebernehmen].enabled);
    EXPECT_EQ(spalte(Opt::TALView, 2), (Liste{"1.622,00", "270,27"}));
    EXPECT_EQ(tage(), "30 / 30");
    EXPECT_EQ(p.erfass.zeilen[0].ta, "");
}

TEST_F(TeilmonatTeilzeitTest, ApplyingAfterARowWasTakenUsesTheFullAmounts)
{
    nehmen("Gehalt", 3000.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    optionen::ActTAAktualis(p);
    // The row rebuilds the lists: marks and reduced amounts empty.
    nehmen("Prämie", 500.00_cur);
    optionen::ActTAUebernehmen(p);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "500,00"}));
    EXPECT_EQ(spalte(Opt::ATZLView, 2), (Liste{"3.000,00", "500,00"}));

    // Part time likewise; and applying while a feature is off does nothing.
    nehmen("Zulage", 100.00_cur);
    p.erfass.tzStatus = Status::An;
    optionen::ActTZUebernehmen(p);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "500,00", "100,00"}));
    p.erfass.tzStatus = Status::Aus;
    erfass::ActTBAktiv(p, false);
    dialoge.leeren();
    p.erfass.zeilen[0].betrag = 1.00_cur;
    p.opt[Opt::TALView].rows[0].cells[3] = "5,00";
    p.opt[Opt::TZLView].rows[0].cells[4] = "5,00";
    optionen::ActTAUebernehmen(p);
    optionen::ActTZUebernehmen(p);
    EXPECT_EQ(betrag(0), "1,00");
    EXPECT_EQ(p.erfass.taStatus, Status::Aus);
    EXPECT_EQ(p.erfass.tzStatus, Status::Aus);
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

TEST_F(TeilmonatTeilzeitTest, ResetWhileAppliedSwitchesBothOff)
{
    nehmen("Gehalt", 3000.00_cur);
    o(Opt::LSTVEdiStTage) = "25";
    o(Opt::SVVEdiSVTage) = "25";
    erfass::ActTZAktiv(p, true);
    optionen::ActTZUebernehmen(p);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    o(Opt::TBVEdiUB1Von) = "20";
    o(Opt::TBVEdiUB1Bis) = "22";
    o(Opt::TZVEdiWoStd) = "10,00";
    optionen::ActTAAktualis(p);
    optionen::ActTAUebernehmen(p);
    ASSERT_EQ(p.erfass.taStatus, Status::Uebernommen);

    optionen::ActGrundstellung(p);
    EXPECT_EQ(betraege(), Liste{"3.000,00"});
    EXPECT_EQ(p.erfass.tzStatus, Status::Aus);
    EXPECT_EQ(p.erfass.taStatus, Status::Aus);
    EXPECT_EQ(p.erfass.zeilen[0].tz + p.erfass.zeilen[0].ta, "");
    EXPECT_EQ(tage(), "30 / 30");
    EXPECT_EQ((Liste{o(Opt::TBComboJaNein), o(Opt::TZComboJaNein), o(Opt::TBVEdiVon), o(Opt::TBVEdiUB1Von),
                     o(Opt::TBComboRegel), o(Opt::TZVEdiWoStd), o(Opt::TZVEdiWoVZ)}),
              (Liste{"nein", "nein", "1", "0", kRegeln[2], "20,00", "37,00"}));
    for (int panel = 0; panel < 5; ++panel) EXPECT_EQ(p.haupt.panel(panel), "") << panel;

    // Switching on again starts from one column each.
    erfass::ActTBAktiv(p, true);
    EXPECT_EQ(p.erfass.taStatus, Status::An);
    EXPECT_EQ(p.erfass.tzStatus, Status::Aus);
}

TEST_F(TeilmonatTeilzeitTest, PartTimeOnLeavesThePartialMonthAlone)
{
    nehmen("Gehalt", 3000.00_cur);
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    optionen::ActTAAktualis(p);
    const auto vorher = p.opt[Opt::TALView].rows;
    erfass::ActTZAktiv(p, true);  // as partial retirement "ja" does
    EXPECT_EQ(p.opt[Opt::TALView].rows, vorher);
    EXPECT_EQ(p.erfass.taStatus, Status::An);
    EXPECT_EQ(o(Opt::TBComboJaNein), "ja");
}

TEST_F(TeilmonatTeilzeitTest, CreationAndFirstShowSetUpThePage)
{
    test::FakeDialoge d;
    ProgrammZustand z(d, uhr);
    z.haupt.text(Haupt::ComboMonat) = "Februar";
    z.opt.text(Opt::TZVEdiWoStd) = "1,00";
    optionen::TeilErzeugen(z);
    EXPECT_EQ((Liste{z.opt.text(Opt::TBVEdiBis), z.opt.text(Opt::TZVEdiWoStd), z.opt.text(Opt::TZVEdiWoVZ)}),
              (Liste{"29", "20,00", "37,00"}));

    z.haupt.text(Haupt::ComboMonat) = "April";
    z.programmOrdner = "/nicht/da";
    FormShow(z);
    EXPECT_EQ(z.opt.text(Opt::TBVEdiBis), "30");
    EXPECT_EQ(z.opt.text(Opt::TALabCapTage), "April 2024 = ");
    EXPECT_EQ(formatAmount(z.opt[Opt::TBVEdiBis].max, 0), "30");
}

// Rows taken or edited with part time off rebuild the lists from the rows: an
// applied partial month first goes back out of them, else its reduced amounts
// became the new "voll" and switching off would keep the reduction.
TEST_F(TeilmonatTeilzeitTest, RowsTakenOrEditedWhileAppliedKeepTheFullAmounts)
{
    nehmen("Gehalt", 3000.00_cur);
    nehmen("Prämie", 500.00_cur);
    o(Opt::LSTVEdiStTage) = "30";
    o(Opt::SVVEdiSVTage) = "30";
    erfass::ActTBAktiv(p, true);
    o(Opt::TBVEdiVon) = "16";
    o(Opt::TBComboRegel) = kRegeln[1];
    optionen::ActTAAktualis(p);
    optionen::ActTAUebernehmen(p);
    ASSERT_EQ(betraege(), (Liste{"1.548,39", "258,06"}));

    // "Prämie" edited to 600,00 while applied.
    p.erfass.auswahl = 1;
    erfass::ActEditStart(p);
    p.erfass.text(Erfass::VEdiBetrag) = "600,00";
    erfass::ActEditUebernahme(p);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "600,00"}));
    EXPECT_EQ(spalte(Opt::TALView, 2), (Liste{"3.000,00", "600,00"}));
    EXPECT_EQ(gesamt(), "3.600,00");
    EXPECT_EQ(tage(), "30 / 30");
    EXPECT_EQ(p.erfass.taStatus, Status::An);
    EXPECT_TRUE(p.opt[Opt::TABtnUebernehmen].enabled);

    // Applied again, then a row taken, then off: the full amounts stay.
    erfass::ActTBAktiv(p, false);
    erfass::ActTBAktiv(p, true);
    optionen::ActTAUebernehmen(p);
    ASSERT_EQ(betraege(), (Liste{"1.548,39", "309,68"}));
    nehmen("Zulage", 100.00_cur);
    erfass::ActTBAktiv(p, false);
    EXPECT_EQ(betraege(), (Liste{"3.000,00", "600,00", "100,00"}));
    EXPECT_EQ(gesamt(), "3.700,00");
    EXPECT_EQ(spalte(Opt::PfdLView, 1), (Liste{"3.000,00", "600,00", "100,00"}));
}

}  // namespace
}  // namespace lx
