// The main window's handlers on the program state: year and month, the
// contribution-group code, the care surcharge and children, the deductions,
// the reset and "Neue Abrechnung", the tax allowance.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "hauptfenster/Hauptfenster.h"
#include "hauptfenster/Programmstart.h"

namespace lx {
namespace {

class HauptfensterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ActLVGrundExecute(p);
        Waehle("2024", "Januar");
    }

    // A change of year or month from the main window.
    void Waehle(const std::string& jahr, const std::string& monat)
    {
        p.haupt.text(Haupt::ComboJahr) = jahr;
        p.haupt.text(Haupt::ComboMonat) = monat;
        ActMMJJChange(p);
    }
    // The same change made in the options dialog: it copies both first.
    void WaehleInOptionen(const std::string& jahr, const std::string& monat)
    {
        p.opt.text(Opt::ComboJahr) = jahr;
        p.opt.text(Opt::ComboMonat) = monat;
        p.haupt.text(Haupt::ComboJahr) = jahr;
        p.haupt.text(Haupt::ComboMonat) = monat;
        ActMMJJChange(p);
    }
    void Code(const std::string& code)
    {
        p.haupt.text(Haupt::LxEdiBGR) = code;
        LxEdiBGRChange(p);
    }

    std::string& h(Haupt id) { return p.haupt.text(id); }
    std::string& o(Opt id) { return p.opt.text(id); }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
};

TEST_F(HauptfensterTest, ExtraHealthRateDefaultsOnlyOnAChangeOfYear)
{
    struct Fall {
        const char* vorher;
        const char* getippt;  // typed before the change; empty = none
        const char* jahr;
        const char* monat;
        bool ausOptionen;
        const char* zusatz;
        bool zusatzOffen;
    };
    for (const Fall& f : {
             Fall{"2016", "", "2014", "Januar", false, "+ 0,90%", false},
             Fall{"2016", "", "2014", "Januar", true, "+ 0,90%", false},
             Fall{"2014", "", "2016", "Januar", false, "+ 1,10%", true},
             Fall{"2014", "", "2016", "Januar", true, "+ 1,10%", true},
             Fall{"2014", "", "2023", "Januar", false, "+ 1,60%", true},
             Fall{"2016", "", "2024", "Januar", false, "+ 1,70%", true},
             Fall{"2024", "", "2015", "Januar", false, "+ 0,90%", true},
             Fall{"2024", "", "2017", "Januar", true, "+ 1,10%", true},
             Fall{"2016", "", "2018", "Januar", false, "+ 1,00%", true},
             Fall{"2018", "", "2019", "Januar", false, "+ 0,90%", true},
             Fall{"2019", "", "2020", "Januar", false, "+ 1,10%", true},
             Fall{"2020", "", "2021", "Januar", false, "+ 1,30%", true},
             Fall{"2021", "", "2022", "Januar", false, "+ 1,30%", true},
             Fall{"2023", "+ 2,50%", "2024", "Januar", false, "+ 1,70%", true},
             Fall{"2024", "+ 2,50%", "2024", "März", false, "+ 2,50%", true},
             Fall{"2024", "+ 2,50%", "2024", "März", true, "+ 2,50%", true},
             Fall{"2016", "+ 1,30%", "2016", "Dezember", false, "+ 1,30%", true},
             Fall{"2012", "+ 1,30%", "2011", "Januar", false, "+ 0,90%", false},
         }) {
        Waehle(f.vorher, "Januar");
        if (*f.getippt != '\0') {
            h(Haupt::MEdiKVZus) = f.getippt;
            MEdiKVChange(p);
        }
        if (f.ausOptionen) {
            WaehleInOptionen(f.jahr, f.monat);
        } else {
            Waehle(f.jahr, f.monat);
        }
        const std::string fall = std::string(f.vorher) + " -> " + f.jahr + " " + f.monat +
                                 (f.ausOptionen ? " (options)" : "") + " typed " + f.getippt;
        EXPECT_EQ(h(Haupt::MEdiKVZus), f.zusatz) << fall;
        EXPECT_EQ(o(Opt::PnlZaehne), f.zusatz) << fall;
        EXPECT_EQ(p.haupt[Haupt::MEdiKVZus].enabled, f.zusatzOffen) << fall;
        EXPECT_EQ(p.LohnGehalt.FJahr, std::stoi(f.jahr)) << fall;
        EXPECT_EQ(o(Opt::ComboJahr), f.jahr) << fall;
        EXPECT_EQ(o(Opt::ComboMonat), f.monat) << fall;
    }
}

TEST_F(HauptfensterTest, RatePanelsShowTheEngineRatesOfTheMonth)
{
    struct Fall {
        const char* jahr;
        const char* monat;
        const char* code;
        const char* kv;
        const char* av;
        const char* rv;
        const char* pv;
        const char* zuschlag;
        bool kinderListe;
    };
    for (const Fall& f : {
             Fall{"2009", "März", "3111", "14,00%", "2,80%", "19,90%", "1,95%", "+ 0,25%", false},
             Fall{"2009", "August", "3111", "13,40%", "2,80%", "19,90%", "1,95%", "+ 0,25%", false},
             Fall{"2009", "März", "1111", "14,60%", "2,80%", "19,90%", "1,95%", "+ 0,25%", false},
             Fall{"2010", "Mai", "1111", "14,00%", "2,80%", "19,90%", "1,95%", "+ 0,25%", false},
             Fall{"2011", "Januar", "1111", "14,60%", "3,00%", "19,90%", "1,95%", "+ 0,25%", false},
             Fall{"2012", "Januar", "311", "14,60%", "3,00%", "19,60%", "1,95%", "+ 0,25%", false},
             Fall{"2021", "Januar", "1111", "14,60%", "2,40%", "18,60%", "3,05%", "+ 0,25%", false},
             Fall{"2022", "Januar", "1111", "14,60%", "2,40%", "18,60%", "3,05%", "+ 0,35%", false},
             Fall{"2023", "Juni", "1111", "14,60%", "2,60%", "18,60%", "3,05%", "+ 0,35%", false},
             Fall{"2023", "Juli", "1111", "14,60%", "2,60%", "18,60%", "3,40%", "+ 0,60%", true},
             Fall{"2024", "Januar", "3111", "14,00%", "2,60%", "18,60%", "3,40%", "+ 0,60%", true},
         }) {
        p.haupt.text(Haupt::LxEdiBGR) = f.code;
        Waehle(f.jahr, f.monat);
        const std::string fall = std::string(f.jahr) + " " + f.monat + " " + f.code;
        EXPECT_EQ(h(Haupt::MEdiKV), f.kv) << fall;
        EXPECT_EQ(o(Opt::PnlKVSatz), f.kv) << fall;
        EXPECT_FALSE(p.haupt[Haupt::MEdiKV].enabled) << fall;
        EXPECT_EQ(o(Opt::PnlAVSatz), f.av) << fall;
        EXPECT_EQ(o(Opt::PnlRVSatz), f.rv) << fall;
        EXPECT_EQ(o(Opt::PnlPVSatz), f.pv) << fall;
        EXPECT_EQ(o(Opt::PnlPVKinder), f.zuschlag) << fall;
        EXPECT_EQ(p.opt[Opt::SVComboPVKi].visible, f.kinderListe) << fall;
        EXPECT_EQ(p.opt[Opt::SVLabPVAnzKi].visible, f.kinderListe) << fall;
    }
    Waehle("2024", "Januar");
    Waehle("2011", "Januar");
    EXPECT_EQ(o(Opt::PnlRVSatz), "19,90%") << "2024 -> 2011 shows the rate the engine computes with";
}

TEST_F(HauptfensterTest, YearDependentListsOfTheOptions)
{
    struct Fall {
        const char* jahr;
        const char* monat;
        bool rvVollOffen;
        const char* zvErste;
        const char* zusatz1800;
        bool zusatz1800Offen;
        const char* vortage;
    };
    for (const Fall& f : {
             Fall{"2008", "Januar", true, "1 Prozent der RV-BBG", "nichts zusätzlich", false, "0"},
             Fall{"2012", "März", true, "1 Prozent der RV-BBG", "zusätzlich 1800 Euro", true, "60"},
             Fall{"2014", "Dezember", true, "2 Prozent der RV-BBG", "zusätzlich 1800 Euro", true, "330"},
             Fall{"2018", "Januar", true, "2 Prozent der RV-BBG", "nichts zusätzlich", false, "0"},
             Fall{"2019", "Juni", true, "2 Prozent der RV-BBG", "nichts zusätzlich", false, "150"},
             Fall{"2019", "Juli", false, "2 Prozent der RV-BBG", "nichts zusätzlich", false, "180"},
             Fall{"2020", "Januar", false, "3 Prozent der RV-BBG", "nichts zusätzlich", false, "0"},
         }) {
        o(Opt::SVComboRVVoll) = "ja";
        Waehle(f.jahr, f.monat);
        const std::string fall = std::string(f.jahr) + " " + f.monat;
        EXPECT_EQ(p.opt[Opt::SVComboRVVoll].enabled, f.rvVollOffen) << fall;
        EXPECT_EQ(o(Opt::SVComboRVVoll), std::stoi(f.jahr) >= 2019 ? "nein" : "ja") << fall;
        EXPECT_EQ(p.opt[Opt::ZVComboStFrei].items, (std::vector<std::string>{f.zvErste, "keine Steuerfreiheit"}))
            << fall;
        EXPECT_EQ(o(Opt::ZVComboStFrei), f.zvErste) << fall;
        EXPECT_EQ(o(Opt::AVCombo1ZStFrei), f.zusatz1800) << fall;
        EXPECT_EQ(p.opt[Opt::AVCombo1ZStFrei].enabled, f.zusatz1800Offen) << fall;
        EXPECT_EQ(o(Opt::EBVEdiTgVor), f.vortage) << fall;
        EXPECT_EQ(p.opt[Opt::AVCombo1StFrei].items.size(), 3u) << fall << ": the list keeps its items";
    }
}

TEST_F(HauptfensterTest, FactorFieldOnlyForTaxClassFourFrom2010)
{
    h(Haupt::LEdiStKl) = "4";
    LEdiStKlChange(p);
    EXPECT_TRUE(p.haupt[Haupt::LEdiFaktor].visible);
    Waehle("2009", "Januar");
    EXPECT_FALSE(p.haupt[Haupt::LEdiFaktor].visible) << "2009";
    Waehle("2010", "Januar");
    EXPECT_TRUE(p.haupt[Haupt::LEdiFaktor].visible) << "2010";
    h(Haupt::LEdiStKl) = "3";
    LEdiStKlChange(p);
    EXPECT_FALSE(p.haupt[Haupt::LEdiFaktor].visible) << "class 3";
}

TEST_F(HauptfensterTest, YearsBefore2009HaveATypedHealthRate)
{
    Waehle("2007", "Mai");
    EXPECT_EQ(p.LohnGehalt.FJahr, 2007);
    EXPECT_EQ(p.LohnGehalt.FMonat, 5);
    EXPECT_TRUE(p.haupt[Haupt::MEdiKV].enabled);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
}

TEST_F(HauptfensterTest, YearsOutsideTheProgramsRangeAreRefused)
{
    Waehle("2016", "April");
    for (const char* jahr : {"2030", "abc", "", "2003", "20166", "-2016", " 2016"}) {
        dialoge.leeren();
        Waehle(jahr, "Mai");
        EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{"Fehler: " + std::string(kJahrUngueltig)}))
            << '"' << jahr << '"';
        EXPECT_EQ(h(Haupt::ComboJahr), "2016") << '"' << jahr << '"';
        EXPECT_EQ(p.LohnGehalt.FJahr, 2016) << '"' << jahr << '"';
        EXPECT_EQ(p.LohnGehalt.FMonat, 4) << '"' << jahr << "\": nothing else changes";
        EXPECT_EQ(o(Opt::ComboMonat), "April") << '"' << jahr << '"';
    }
}

TEST_F(HauptfensterTest, CodeSetsTheHealthRateFromTheYearListsYear)
{
    struct Fall {
        const char* jahr;
        const char* monat;
        const char* code;
        const char* kv;
        const char* minijob;
    };
    for (const Fall& f : {
             Fall{"2009", "März", "3111", "14,00%", "Verzicht auf RV-Pflicht"},
             Fall{"2009", "August", "3111", "13,40%", "Verzicht auf RV-Pflicht"},
             Fall{"2010", "Januar", "1111", "14,00%", "Verzicht auf RV-Pflicht"},
             Fall{"2024", "Januar", "3111", "14,00%", "Verzicht auf RV-Pflicht"},
             Fall{"2024", "Januar", "1111", "14,60%", "Verzicht auf RV-Pflicht"},
             Fall{"2008", "Januar", "3111", "15,50%", "Verzicht auf RV-Pflicht"},
             Fall{"2024", "Januar", "311", "15,50%", "Verzicht auf RV-Pflicht"},
             Fall{"2024", "Januar", "6100", "14,60%", "kein Verzicht auf RV-Pflicht"},
         }) {
        Waehle(f.jahr, f.monat);
        h(Haupt::MEdiKV) = "15,50%";
        o(Opt::SVComboGfERV) = "Verzicht auf RV-Pflicht";
        Code(f.code);
        const std::string fall = std::string(f.jahr) + " " + f.monat + " " + f.code;
        EXPECT_EQ(h(Haupt::MEdiKV), f.kv) << fall;
        if (std::string(f.kv) != "15,50%") {
            EXPECT_EQ(o(Opt::PnlKVSatz), f.kv) << fall;
        }
        EXPECT_EQ(o(Opt::SVComboGfERV), f.minijob) << fall;
    }
}

TEST_F(HauptfensterTest, CodeAndBirthYearTakeOnlyDigits)
{
    for (char32_t c : {U'0', U'5', U'9', U'\b'}) EXPECT_TRUE(LxEdiBGRKeyPress(c)) << static_cast<int>(c);
    for (char32_t c : {U'a', U'\r', U' ', U',', U'-', U'ä'}) EXPECT_FALSE(LxEdiBGRKeyPress(c)) << static_cast<int>(c);
}

TEST_F(HauptfensterTest, CareChildrenAsTheDriverReadsTheInputs)
{
    struct Fall {
        const char* jahr;
        const char* monat;
        const char* kinderfreibetrag;
        const char* erhoeht;
        const char* geburtsjahr;
        const char* liste;
        const char* erhoehtDanach;
        const char* listeDanach;
        bool listeOffen;
        int kinder;                        // the engine's count; -1 = not set (before July 2023)
        const char* pvSatz;                // PnlPVSatz; empty = as the year change left it
        const char* jahrDanach = nullptr;  // a second calculation in this year, July
    };
    for (const Fall& f : {
             Fall{"2024", "Januar", "1,5", "nein", "1990", "3 Kinder", "nein", "2 Kinder", true, 2, "3,15%"},
             Fall{"2024", "Januar", "1,0", "ja", "1990", "0 Kinder", "nein", "0 Kinder", true, 1, ""},
             Fall{"2024", "Januar", "0,0", "ja", "2003", "0 Kinder", "nein", "0 Kinder", false, 0, ""},
             Fall{"2024", "Januar", "0,0", "ja", "2001", "0 Kinder", "ja", "0 Kinder", false, 0, ""},
             Fall{"2023", "Juli", "0,0", "ja", "2001", "0 Kinder", "nein", "0 Kinder", false, 0, ""},
             Fall{"2023", "Juli", "0,0", "ja", "2000", "0 Kinder", "ja", "0 Kinder", false, 0, ""},
             Fall{"2024", "Januar", "0,0", "ja", "1939", "0 Kinder", "nein", "0 Kinder", false, 0, ""},
             Fall{"2024", "Januar", "0,0", "ja", "199", "0 Kinder", "ja", "0 Kinder", false, 0, ""},
             Fall{"2024", "Januar", "0,0", "ja", "", "0 Kinder", "ja", "0 Kinder", false, 0, ""},
             Fall{"2024", "Januar", "2", "nein", "1990", "3 Kinder", "nein", "2 Kinder", true, 2, "3,15%"},
             Fall{"2024", "Januar", "2", "nein", "1990", "0 Kinder", "nein", "0 Kinder", true, 2, ""},
             Fall{"2024", "Januar", "0,0", "nein", "1990", "2 Kinder", "nein", "2 Kinder", true, 2, "3,15%"},
             Fall{"2024", "Januar", "5,0", "nein", "1990", "2 Kinder", "nein", "2 Kinder", true, 5, ""},
             Fall{"2024", "Januar", "4,5", "nein", "1990", "5 oder mehr Kinder", "nein", "5 oder mehr Kinder", true, 5,
                  ""},
             Fall{"2023", "Juni", "1,5", "nein", "1990", "3 Kinder", "nein", "3 Kinder", true, -1, ""},
             // what the age rule switched off comes back when it no longer applies
             Fall{"2012", "Juli", "0,0", "ja", "1990", "0 Kinder", "ja", "0 Kinder", false, 0, "", "2024"},
             Fall{"2012", "Juli", "0,0", "ja", "1990", "0 Kinder", "ja", "0 Kinder", false, -1, "", "2013"},
             Fall{"2024", "Juli", "0,0", "ja", "2003", "0 Kinder", "nein", "0 Kinder", false, 0, "", "2012"},
             Fall{"2024", "Juli", "0,0", "ja", "1939", "0 Kinder", "nein", "0 Kinder", false, 0, "", "2012"},
             Fall{"2012", "Juli", "0,0", "ja", "1991", "0 Kinder", "nein", "0 Kinder", false, -1, "", "2013"},
             // a "nein" the user or the child allowances chose stays
             Fall{"2012", "Juli", "0,0", "nein", "1990", "0 Kinder", "nein", "0 Kinder", true, 0, "", "2024"},
             Fall{"2012", "Juli", "1,0", "ja", "1990", "0 Kinder", "nein", "0 Kinder", true, 1, "", "2024"},
         }) {
        Waehle(f.jahr, f.monat);
        p.LohnGehalt.SetPVKinder(9);
        h(Haupt::LEdiKiFB) = f.kinderfreibetrag;
        h(Haupt::ComboPVerh) = f.erhoeht;
        ComboPVerhChange(p);
        h(Haupt::LEdiGebJahr) = f.geburtsjahr;
        o(Opt::SVComboPVKi) = f.liste;
        std::string vorher = o(Opt::PnlPVSatz);

        ActPVKinder(p);
        if (f.jahrDanach) {
            Waehle(f.jahrDanach, f.monat);
            vorher = o(Opt::PnlPVSatz);
            ActPVKinder(p);
        }

        const std::string fall = std::string(f.jahr) + " " + f.monat + " KiFB " + f.kinderfreibetrag + " " + f.erhoeht +
                                 " born " + f.geburtsjahr + " " + f.liste + " then " +
                                 (f.jahrDanach ? f.jahrDanach : "-");
        EXPECT_EQ(h(Haupt::ComboPVerh), f.erhoehtDanach) << fall;
        EXPECT_EQ(p.opt[Opt::PnlPVKinder].visible, std::string(f.erhoehtDanach) == "ja") << fall;
        EXPECT_EQ(o(Opt::SVComboPVKi), f.listeDanach) << fall;
        EXPECT_EQ(p.opt[Opt::SVComboPVKi].enabled, f.listeOffen) << fall;
        EXPECT_EQ(p.LohnGehalt.FPVKinder, f.kinder < 0 ? 9 : f.kinder) << fall;
        EXPECT_EQ(o(Opt::PnlPVSatz), *f.pvSatz != '\0' ? std::string(f.pvSatz) : vorher) << fall;
    }
}

TEST_F(HauptfensterTest, DeductionsFollowTheSignTable)
{
    TLohnGehalt lg;
    lg.FLSt = 300_cur;
    lg.FLStEB = 20_cur;
    lg.FLStLMJ = 5_cur;
    lg.FSolZ = 10_cur;
    lg.FSolZEB = 1_cur;
    lg.FSolZLMJ = 0.5_cur;
    lg.FKiStEv = 20_cur;
    lg.FKiStRk = 1_cur;
    lg.FKiStEvEB = 2_cur;
    lg.FKiStRkEB = 3_cur;
    lg.FKiStEvLMJ = 4_cur;
    lg.FKiStRkLMJ = 5_cur;
    lg.FKVAN = 250_cur;
    lg.FKVANEB = 30_cur;
    lg.FKVAG = 100_cur;
    lg.FRVAN = 280_cur;
    lg.FRVANEB = 18_cur;
    lg.FRVAG = 281_cur;
    lg.FRVAGEB = 19_cur;
    lg.FAVAN = 40_cur;
    lg.FAVANEB = 4_cur;
    lg.FPVAN = 60_cur;
    lg.FPVANEB = 6_cur;
    lg.FPVAG = 50_cur;

    struct Fall {
        Byte kvZiffer, kvBes, rvBes, pvBes;
        Currency kv, rv, pv;
    };
    for (const Fall& f : {
             Fall{1, 0, 0, 0, -(280_cur), -(298_cur), -(66_cur)},
             Fall{9, 0, 0, 0, -(180_cur), -(298_cur), -(16_cur)},
             Fall{9, 4, 0, 4, -(180_cur), -(298_cur), -(16_cur)},
             Fall{1, 2, 2, 2, 70_cur, 300_cur, 44_cur},
             Fall{1, 4, 0, 4, 70_cur, -(298_cur), 44_cur},
             Fall{1, 3, 1, 3, -(280_cur), -(298_cur), -(66_cur)},
         }) {
        lg.FBGRKV = f.kvZiffer;
        lg.FKVBes = f.kvBes;
        lg.FRVBes = f.rvBes;
        lg.FPVBes = f.pvBes;
        const auto a = AbzugsBetraege(lg);
        const std::string fall = "KV digit " + std::to_string(f.kvZiffer) + " KV/RV/PV " + std::to_string(f.kvBes) +
                                 "/" + std::to_string(f.rvBes) + "/" + std::to_string(f.pvBes);
        EXPECT_EQ(a[0], -(325_cur)) << fall;
        EXPECT_EQ(a[1], -(11.5_cur)) << fall;
        EXPECT_EQ(a[2], -(35_cur)) << fall;
        EXPECT_EQ(a[3], f.kv) << fall;
        EXPECT_EQ(a[4], f.rv) << fall;
        EXPECT_EQ(a[5], -(44_cur)) << fall;
        EXPECT_EQ(a[6], f.pv) << fall;
    }
}

TEST_F(HauptfensterTest, NewPayslipReturnsEveryFieldToItsPreset)
{
    struct Fall {
        const char* jahr;
        const char* zusatzDanach;
    };
    for (const Fall& f : {Fall{"2012", "+ 1,20%"}, Fall{"2016", "+ 1,10%"}, Fall{"2024", "+ 1,70%"}}) {
        Waehle(f.jahr, "Mai");
        h(Haupt::LEdiBrutto) = "3.000,00";
        h(Haupt::LEdiNetto) = "2.000,00";
        h(Haupt::LEdiGebJahr) = "1960";
        h(Haupt::LEdiStKl) = "4";
        LEdiStKlChange(p);
        h(Haupt::LEdiKiFB) = "1,5";
        h(Haupt::LEdiStFB) = "100,00";
        LEdiStFBChange(p);
        h(Haupt::ComboKiJaNein) = "nein";
        Code("3111");
        h(Haupt::ComboPVerh) = "nein";
        ComboPVerhChange(p);
        o(Opt::SVComboPVKi) = "2 Kinder";
        h(Haupt::ComboZV) = "VBL";
        h(Haupt::MEdiKVZus) = "+ 1,20%";
        p.haupt[Haupt::PnlVB].visible = true;
        p.haupt[Haupt::PnlVB].tag = 1;
        p.haupt[Haupt::BtnBruttoNeu].visible = true;
        p.haupt[Haupt::BtnNettoNeu].visible = true;
        p.haupt[Haupt::LEdiNetto].tag = 1;
        p.haupt.panel(kPanelMfB) = "MfB";
        p.haupt.panel(kPanelEintritt) = "Eintritt 01.05.2024";
        h(Haupt::ComboStamm) = "Meier";
        p.haupt[Haupt::LVAbz].rows[0].cells[1] = "-300,00";
        for (Opt liste : {Opt::TZLView, Opt::ATZLView, Opt::PfdLView, Opt::TALView}) {
            p.opt[liste].rows = {Zeile{.cells = {"Gehalt", "3.000,00"}}};
        }
        p.opt[Opt::TZLiBo].items = {"0"};
        for (Opt feld : {Opt::ATZLabAufst, Opt::ATZLabRegEnt, Opt::ATZmanReg}) o(feld) = "12,00";
        p.erfass.tzStatus = Status::An;
        p.erfass.taStatus = Status::Uebernommen;

        BtnNeuClick(p);

        const std::string fall = f.jahr;
        EXPECT_EQ(h(Haupt::LEdiBrutto), "0,00") << fall;
        EXPECT_EQ(h(Haupt::LEdiNetto), "0,00") << fall;
        EXPECT_EQ(p.haupt[Haupt::LEdiNetto].tag, 0) << fall << ": back to gross to net";
        EXPECT_EQ(h(Haupt::LEdiGebJahr), "1990") << fall;
        EXPECT_EQ(h(Haupt::LEdiStKl), "1") << fall;
        EXPECT_FALSE(p.haupt[Haupt::LEdiFaktor].visible) << fall << ": tax class handler ran";
        EXPECT_EQ(h(Haupt::LEdiKiFB), "0,0") << fall;
        EXPECT_EQ(h(Haupt::LEdiStFB), "0,00") << fall;
        EXPECT_EQ(o(Opt::LSTVEdiFBJahr), "0,00") << fall << ": allowance handler ran";
        EXPECT_EQ(h(Haupt::ComboKiJaNein), "ev") << fall;
        EXPECT_EQ(h(Haupt::LxEdiBGR), "1111") << fall;
        EXPECT_EQ(h(Haupt::MEdiKV), "14,60%") << fall << ": code handler ran";
        EXPECT_EQ(o(Opt::PnlKVSatz), "14,60%") << fall;
        EXPECT_EQ(h(Haupt::MEdiKVZus), f.zusatzDanach) << fall;
        EXPECT_EQ(o(Opt::PnlZaehne), f.zusatzDanach) << fall;
        EXPECT_EQ(h(Haupt::ComboPVerh), "ja") << fall;
        EXPECT_EQ(o(Opt::SVComboPVKi), "0 Kinder") << fall << ": \"ja\" locks the children list";
        EXPECT_FALSE(p.opt[Opt::SVComboPVKi].enabled) << fall;
        EXPECT_TRUE(p.opt[Opt::PnlPVKinder].visible) << fall;
        EXPECT_EQ(h(Haupt::ComboZV), "keine") << fall;
        EXPECT_EQ(o(Opt::ZVComboArt), "keine") << fall;
        EXPECT_FALSE(p.haupt[Haupt::PnlVB].visible) << fall;
        EXPECT_EQ(p.haupt[Haupt::PnlVB].tag, 0) << fall;
        EXPECT_FALSE(p.haupt[Haupt::BtnBruttoNeu].visible) << fall;
        EXPECT_FALSE(p.haupt[Haupt::BtnNettoNeu].visible) << fall;
        EXPECT_EQ(p.haupt[Haupt::StatusBar].items, std::vector<std::string>(kPanelAnzahl)) << fall;
        EXPECT_EQ(h(Haupt::ComboStamm), "") << fall;
        ASSERT_EQ(p.haupt[Haupt::LVAbz].rows.size(), 7u) << fall;
        EXPECT_EQ(p.haupt[Haupt::LVAbz].rows[0].cells[1], "0,00") << fall;
        for (Opt liste : {Opt::TZLView, Opt::ATZLView, Opt::PfdLView, Opt::TALView}) {
            EXPECT_TRUE(p.opt[liste].rows.empty()) << fall << " " << p.opt.name(liste);
        }
        EXPECT_TRUE(p.opt[Opt::TZLiBo].items.empty()) << fall;
        for (Opt feld : {Opt::ATZLabAufst, Opt::ATZLabRegEnt, Opt::ATZmanReg}) {
            EXPECT_EQ(o(feld), "0,00") << fall << " " << p.opt.name(feld);
        }
        EXPECT_EQ(p.erfass[Erfass::PnlTZAktiv].colour, Farbe::BtnFace) << fall << ": indicators off";
        EXPECT_EQ(p.erfass[Erfass::PnlTBAktiv].colour, Farbe::BtnFace) << fall;
        EXPECT_EQ(h(Haupt::ComboJahr), f.jahr) << fall << ": year, month kept";
        EXPECT_EQ(h(Haupt::ComboMonat), "Mai") << fall;
    }
}

TEST_F(HauptfensterTest, ResetKeepsATypedHealthRateBefore2009)
{
    Waehle("2008", "Mai");
    h(Haupt::MEdiKV) = "13,90%";
    Code("3111");
    ActMainGrund(p);
    EXPECT_EQ(h(Haupt::MEdiKV), "13,90%");
    EXPECT_EQ(h(Haupt::LxEdiBGR), "1111");
}

TEST_F(HauptfensterTest, MonthlyAllowanceGivesTheAnnualOneOnceItIsAnAmount)
{
    struct Fall {
        const char* monatlich;
        bool automatisch;
        const char* jahr;
    };
    for (const Fall& f : {
             Fall{"-", true, "7,00"},
             Fall{"", true, "7,00"},
             Fall{"-5", true, "-60,00"},
             Fall{"-500", true, "-6.000,00"},
             Fall{"1.000,00", true, "12.000,00"},
             Fall{"83,34", true, "1.000,08"},
             Fall{"1.000,00", false, "7,00"},
         }) {
        o(Opt::LSTVEdiFBJahr) = "7,00";
        p.opt[Opt::LSTChkFBJahr].checked = f.automatisch;
        h(Haupt::LEdiStFB) = f.monatlich;
        EXPECT_NO_THROW(LEdiStFBChange(p)) << f.monatlich;
        EXPECT_EQ(o(Opt::LSTVEdiFBJahr), f.jahr) << '"' << f.monatlich << "\" automatic " << f.automatisch;
    }
}

TEST_F(HauptfensterTest, OptionsPagesAndHelpThroughDialoge)
{
    BtnOptionenClick(p);
    BtnOptionenClick(p, 1);
    BtnOptionenClick(p, 2);
    BtnHilfeClick(p);
    EXPECT_EQ(dialoge.protokoll(),
              (std::vector<std::string>{"OptionenZeigen: 0", "OptionenZeigen: 1", "OptionenZeigen: 2", "Hilfe: 1001"}));
}

TEST_F(HauptfensterTest, TableHoldsTheFieldsWithTheirPresetsAndLimits)
{
    struct Fall {
        Haupt id;
        const char* preset;
        int help;
    };
    for (const Fall& f : {
             Fall{Haupt::ComboJahr, "2024", 2000},
             Fall{Haupt::LEdiBrutto, "0,00", 2006},
             Fall{Haupt::LEdiNetto, "0,00", 2006},
             Fall{Haupt::LEdiStKl, "1", 2002},
             Fall{Haupt::LEdiFaktor, "0", 2002},
             Fall{Haupt::LEdiKiFB, "0,0", 2002},
             Fall{Haupt::LEdiStFB, "0,00", 2002},
             Fall{Haupt::ComboKiJaNein, "ev", 2002},
             Fall{Haupt::LxEdiBGR, "1111", 2003},
             Fall{Haupt::MEdiKV, "14,60%", 2003},
             Fall{Haupt::MEdiKVZus, "+ 1,30%", 2003},
             Fall{Haupt::ComboPVerh, "ja", 2003},
             Fall{Haupt::LEdiGebJahr, "1990", 2004},
             Fall{Haupt::ComboZV, "keine", 2005},
             Fall{Haupt::BtnNeu, "", 5001},
             Fall{Haupt::BtnDrucken, "", 5013},
             Fall{Haupt::BtnSpeichern, "", 5014},
             Fall{Haupt::BtnHilfe, "", 5012},
             Fall{Haupt::BtnDetailberechnung, "", 5015},
         }) {
        ProgrammZustand frisch{dialoge, uhr};
        EXPECT_EQ(frisch.haupt.text(f.id), f.preset) << frisch.haupt.name(f.id);
        EXPECT_EQ(frisch.haupt.element(f.id).help, f.help) << frisch.haupt.name(f.id);
    }
    ProgrammZustand frisch{dialoge, uhr};
    EXPECT_FALSE(frisch.haupt[Haupt::MEdiKV].enabled);
    EXPECT_FALSE(frisch.haupt[Haupt::LEdiFaktor].visible);
    EXPECT_FALSE(frisch.haupt[Haupt::PnlVB].visible);
    EXPECT_FALSE(frisch.haupt[Haupt::LiBoUniversal].visible);
    EXPECT_EQ(frisch.haupt[Haupt::LiBoUniversal].items.size(), 3u);
    EXPECT_EQ(frisch.haupt[Haupt::LEdiNetto].tag, 0);
    EXPECT_EQ(frisch.haupt.element(Haupt::LEdiStFB).min, Currency::fromUnits(-1000000));
    EXPECT_EQ(frisch.haupt.element(Haupt::LEdiStKl).max, Currency::fromUnits(6));
    EXPECT_EQ(frisch.haupt.element(Haupt::LEdiFaktor).decimals, 3);
}

TEST(HauptfensterStart, FirstShowSetsTheEarlierDaysFromTheClocksMonth)
{
    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
    FormCreate(p);
    FormShow(p);
    EXPECT_EQ(p.opt.text(Opt::EBVEdiTgVor), "120");
}

}  // namespace
}  // namespace lx
