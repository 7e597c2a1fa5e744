// The options dialog's handlers on the program state: reset, scheme presets,
// legal basis of deferred compensation, care rate by children, pension mode,
// multiple employment, month and year, the first show's share.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "hauptfenster/Programmstart.h"
#include "optionen/OptionenDialog.h"
#include "optionen/PVKinderliste.h"

namespace lx {
namespace {

using enum Opt;
namespace opt = optionen;

class OptionenTest : public ::testing::Test {
protected:
    void SetUp() override { p.LohnGehalt.SetJahr(2024); }

    // The dialog's year and scheme as a user chooses them.
    void Schema(const std::string& art, int jahr)
    {
        p.opt.text(ComboJahr) = std::to_string(jahr);
        p.opt.text(ZVComboArt) = art;
        opt::ZVComboArtChange(p);
    }

    std::string t(Opt id) const { return p.opt.text(id); }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
};

// The entries this dialog's own pages and buttons hold (pages 0 to 5 and 8).
std::vector<Opt> eigeneEintraege()
{
    std::vector<Opt> ids;
    for (int i = static_cast<int>(ComboMonat); i <= static_cast<int>(VBBtnErfassung); ++i) ids.push_back(Opt(i));
    ids.push_back(MfBComboJaNein);
    ids.push_back(MfBVEdiBrutAnd);
    return ids;
}

TEST_F(OptionenTest, ResetSetsTheTablesValuesKeepsTheUnchangedOnesAndPassesSchemeAndModeOn)
{
    for (Opt id : eigeneEintraege()) {
        auto& z = p.opt[id];
        z.text = "x";
        z.enabled = !z.enabled;
        z.checked = !z.checked;
    }
    p.haupt.panel(kPanelMfB) = "MfB";
    p.haupt.panel(kPanelATZ) = "ATZ";
    p.haupt.text(Haupt::ComboZV) = "VBL";
    p.haupt[Haupt::PnlVB].visible = true;
    p.haupt[Haupt::PnlVB].tag = 1;

    opt::ActGrundstellung(p);

    for (Opt id : eigeneEintraege()) {
        const Steuerelement& e = p.opt.element(id);
        const auto& z = p.opt[id];
        EXPECT_EQ(z.text, e.reset.value_or("x")) << e.name;
        EXPECT_EQ(z.enabled, e.resetEnabled.value_or(!e.enabled)) << e.name;
        EXPECT_EQ(z.checked, e.resetChecked.value_or(!e.checked)) << e.name;
    }
    // The values the tables give, as they stand.
    struct Fall {
        Opt id;
        const char* text;
    };
    for (const Fall& f :
         {Fall{LEdiPKV, "350,00"}, Fall{LEdiPPV, "50,00"}, Fall{ZVVEdiSanGeld, "1,00"}, Fall{AVVEdi1Pst, "1.752,00"},
          Fall{AVLabGesetzgrundlage, "keine Gesetzesgrundlage"}, Fall{AVLab2Gesetz, ""}, Fall{SVComboPVKi, "0 Kinder"},
          Fall{VBVEdiMonate, "12"}, Fall{LSTComboBundesland, "x"}, Fall{LSTComboErmKiSt, "x"}, Fall{ComboSachsen, "x"},
          Fall{SVVEdiU1Satz, "x"}, Fall{SVVEdiU2Satz, "x"}, Fall{SVLabEdiKKasse, "x"}, Fall{EBVEdiTgVor, "x"}}) {
        EXPECT_EQ(t(f.id), f.text) << p.opt.name(f.id);
    }
    EXPECT_FALSE(p.opt[SVComboPVKi].enabled);
    EXPECT_FALSE(p.opt[ZVVEdiPAGA].enabled);
    EXPECT_TRUE(p.opt[LSTChkPKV].checked);
    EXPECT_EQ(p.haupt.panel(kPanelMfB), "");
    EXPECT_EQ(p.haupt.panel(kPanelATZ), "");
    EXPECT_EQ(p.haupt.text(Haupt::ComboZV), "keine");
    EXPECT_FALSE(p.haupt[Haupt::PnlVB].visible);
    EXPECT_EQ(p.haupt[Haupt::PnlVB].tag, 0);
}

TEST_F(OptionenTest, StartTextsStandAsTheTablesGiveThem)
{
    struct Fall {
        Opt id;
        const char* text;
    };
    for (const Fall& f :
         {Fall{LEdiPKV, "350"}, Fall{LEdiPPV, "50"}, Fall{ZVVEdiSanGeld, "1"}, Fall{AVVEdi1Pst, "1752"},
          Fall{SVVEdiU1Satz, "1,5"}, Fall{SVVEdiU2Satz, "0,2"}, Fall{PnlPVSatz, "3,40%"}, Fall{PnlPVKinder, "+ 0,60%"},
          Fall{LSTComboBundesland, "Nordrhein-Westfalen"}, Fall{ComboJahr, "2024"}}) {
        EXPECT_EQ(t(f.id), f.text) << p.opt.name(f.id);
    }
    EXPECT_EQ(p.opt.element(LSTChkPKV).label, "identisch mit PKV+PPV-Beträge  im Register Sozialversicherung");
    EXPECT_EQ(p.opt[ComboJahr].items.front(), "2024");
    EXPECT_EQ(p.opt[ComboJahr].items.back(), "2008");
    EXPECT_EQ(p.opt[ComboMonat].items.size(), 12U);
}

TEST_F(OptionenTest, SchemePresetsBySchemeAndYear)
{
    struct Fall {
        const char* art;
        int jahr;
        const char *ag, *an, *sanierung;
        bool saetzeFrei, individuell;
    };
    for (const Fall& f : {
             Fall{"keine", 2024, "0,00", "0,00", "1,00", false, false},
             Fall{"VBL", 2022, "6,45", "1,41", "1,00", true, false},
             Fall{"VBL", 2023, "5,49", "1,41", "1,00", true, false},
             Fall{"kvw", 2008, "4,50", "0,00", "1,00", false, false},
             Fall{"kvw", 2009, "4,50", "0,00", "3,00", false, false},
             Fall{"kvw", 2014, "4,50", "0,00", "3,00", false, false},
             Fall{"kvw", 2015, "4,50", "0,00", "3,25", false, false},
             // the levy the engine computes with: 3,50 from 2010
             Fall{"RZVK", 2009, "4,25", "0,00", "2,50", false, false},
             Fall{"RZVK", 2010, "4,25", "0,00", "3,50", false, false},
             Fall{"RZVK", 2024, "4,25", "0,00", "3,50", false, false},
             Fall{"individuell", 2024, "0,00", "0,00", "1,00", true, true},
         }) {
        p.opt.text(ZVVEdiPSt) = "92,03";
        Schema(f.art, f.jahr);
        const std::string fall = std::string(f.art) + " " + std::to_string(f.jahr);
        EXPECT_EQ(p.haupt.text(Haupt::ComboZV), f.art) << fall;
        EXPECT_EQ(t(ZVVEdiPAGA), f.ag) << fall;
        EXPECT_EQ(t(ZVVEdiPANA), f.an) << fall;
        EXPECT_EQ(t(ZVVEdiSanGeld), f.sanierung) << fall;
        EXPECT_EQ(t(ZVVEdiPSt), "146,00") << fall;
        for (Opt id : {ZVVEdiPAGA, ZVVEdiPANA, ZVVEdiSanGeld}) EXPECT_EQ(p.opt[id].enabled, f.saetzeFrei) << fall;
        for (Opt id : {ZVComboStFrei, ZVLabStFrei, ZVEdiNameIndZV, ZVLabNameIndZV}) {
            EXPECT_EQ(p.opt[id].enabled, f.individuell) << fall << " " << p.opt.name(id);
        }
    }
}

TEST_F(OptionenTest, TaxExemptionItemsFollowTheYear)
{
    struct Fall {
        int jahr;
        const char* erstes;
    };
    for (const Fall& f : {Fall{2013, "1 Prozent der RV-BBG"}, Fall{2014, "2 Prozent der RV-BBG"},
                          Fall{2019, "2 Prozent der RV-BBG"}, Fall{2020, "3 Prozent der RV-BBG"}}) {
        Schema("keine", f.jahr);
        EXPECT_EQ(p.opt[ZVComboStFrei].items, (std::vector<std::string>{f.erstes, "keine Steuerfreiheit"})) << f.jahr;
        EXPECT_EQ(t(ZVComboStFrei), f.erstes) << f.jahr;
    }
}

TEST_F(OptionenTest, TypedRatesSurviveAMonthChangeButNotANewYearOrScheme)
{
    Schema("VBL", 2024);
    p.opt.text(ZVVEdiPAGA) = "7,86";
    p.opt.text(ZVVEdiPSt) = "92,03";

    p.opt.text(ComboMonat) = "März";
    opt::ComboMonatJahrChange(p);
    EXPECT_EQ(p.haupt.text(Haupt::ComboMonat), "März");
    EXPECT_EQ(t(ZVVEdiPAGA), "7,86");
    EXPECT_EQ(t(ZVVEdiPSt), "92,03");

    p.opt.text(ZVComboZusUml) = "ja";  // the list has no handler of its own
    EXPECT_EQ(t(ZVVEdiPAGA), "7,86");

    p.opt.text(ComboJahr) = "2022";
    opt::ComboMonatJahrChange(p);
    EXPECT_EQ(p.haupt.text(Haupt::ComboJahr), "2022");
    EXPECT_EQ(t(ZVVEdiPAGA), "6,45");
    EXPECT_EQ(t(ZVVEdiPSt), "146,00");

    p.opt.text(ZVVEdiPAGA) = "7,86";
    Schema("VBL", 2022);
    EXPECT_EQ(t(ZVVEdiPAGA), "6,45");
}

TEST_F(OptionenTest, LegalBasisByKindExemptionsAndFlatTaxLimit)
{
    struct Fall {
        const char *art, *stfrei, *zus, *pst, *zeile1, *zeile2;
    };
    const char* nr63 = "stfrei nach § 3 Nr. 63 EStG";
    const char* z1800 = "zusätzlich 1800 Euro";
    const char* nichts = "nichts zusätzlich";
    for (const Fall& f : {
             Fall{"keine Altersversorgung", nr63, nichts, "0,00", "keine Gesetzesgrundlage", ""},
             Fall{"Pensionskasse", "alles steuerfrei", nichts, "0,00", "Gesetzesgrundlage nicht ermittelbar", ""},
             Fall{"Pensionskasse", nr63, z1800, "0,00", "Neuzusage nach § 3 Nr. 63", ""},
             Fall{"Direktversicherung", nr63, z1800, "", "Neuzusage nach § 3 Nr. 63", ""},
             Fall{"Direktversicherung", nr63, z1800, "1.752,00", "Gesetzesgrundlage nicht ermittelbar", ""},
             Fall{"Pensionskasse", nr63, nichts, "0", "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro", ""},
             Fall{"Direktversicherung", "nichts steuerfrei", nichts, "1.752,00", "Neuzusage nach § 40 b n.F.", ""},
             Fall{"Pensionskasse", nr63, nichts, "1.752,00", "Altzusage nach § 3 Nr. 63",
                  "bzw. Altzusage nach § 40 b a.F."},
             Fall{"Pensionsfond", nr63, z1800, "0,00", "Neuzusage nach § 3 Nr. 63", ""},
             Fall{"Pensionsfond", nr63, nichts, "0,00", "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro",
                  "bzw. Altzusage nach § 3 Nr. 63"},
             Fall{"Pensionsfond", nr63, nichts, "1.752,00", "Gesetzesgrundlage nicht ermittelbar", ""},
             Fall{"Unterstützungskasse", "nichts steuerfrei", z1800, "1.752,00", "Beiträge unbegrenzt steuerfrei",
                  "ANA bis 4 % der BBG beitragsfrei"},
         }) {
        p.opt.text(AVCombo1Art) = f.art;
        p.opt.text(AVCombo1StFrei) = f.stfrei;
        p.opt.text(AVCombo1ZStFrei) = f.zus;
        p.opt.text(AVVEdi1Pst) = f.pst;
        opt::AVChange(p, AVVEdi1Pst);
        const std::string fall = std::string(f.art) + " / " + f.stfrei + " / " + f.zus + " / '" + f.pst + "'";
        EXPECT_EQ(t(AVLabGesetzgrundlage), f.zeile1) << fall;
        EXPECT_EQ(t(AVLab2Gesetz), f.zeile2) << fall;
    }
}

TEST_F(OptionenTest, KindPresetsTheOtherListsOfPageThree)
{
    struct Fall {
        const char* art;
        int jahr;
        const char *stfrei, *zus, *pst;
        bool frei, zusFrei;
        const char* zeile1;
    };
    for (const Fall& f : {
             Fall{"Unterstützungskasse", 2024, "alles steuerfrei", "nichts zusätzlich", "0,00", false, false,
                  "Beiträge unbegrenzt steuerfrei"},
             Fall{"Pensionskasse", 2017, "stfrei nach § 3 Nr. 63 EStG", "zusätzlich 1800 Euro", "0,00", true, true,
                  "Neuzusage nach § 3 Nr. 63"},
             Fall{"Pensionskasse", 2018, "stfrei nach § 3 Nr. 63 EStG", "nichts zusätzlich", "0,00", true, false,
                  "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro"},
             Fall{"Direktversicherung", 2024, "stfrei nach § 3 Nr. 63 EStG", "nichts zusätzlich", "0,00", true, false,
                  "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro"},
             Fall{"Pensionsfond", 2024, "stfrei nach § 3 Nr. 63 EStG", "nichts zusätzlich", "0,00", true, false,
                  "Neuzusage nach § 3 Nr. 63 ohne 1800 Euro"},
             Fall{"keine Altersversorgung", 2017, "stfrei nach § 3 Nr. 63 EStG", "zusätzlich 1800 Euro", "1.752,00",
                  true, true, "keine Gesetzesgrundlage"},
         }) {
        p.opt.text(ComboJahr) = std::to_string(f.jahr);
        p.opt.text(AVCombo1Art) = f.art;
        opt::AVChange(p, AVCombo1Art);
        const std::string fall = std::string(f.art) + " " + std::to_string(f.jahr);
        EXPECT_EQ(t(AVCombo1StFrei), f.stfrei) << fall;
        EXPECT_EQ(t(AVCombo1ZStFrei), f.zus) << fall;
        EXPECT_EQ(t(AVVEdi1Pst), f.pst) << fall;
        EXPECT_EQ(p.opt[AVCombo1StFrei].enabled, f.frei) << fall;
        EXPECT_EQ(p.opt[AVVEdi1Pst].enabled, f.frei) << fall;
        EXPECT_EQ(p.opt[AVCombo1ZStFrei].enabled, f.zusFrei) << fall;
        EXPECT_EQ(t(AVLabGesetzgrundlage), f.zeile1) << fall;
    }
}

TEST_F(OptionenTest, CareRateFallsByAQuarterPointPerChildFromTheSecond)
{
    const std::vector<std::string> kinder = {"0 Kinder", "1 Kind",   "2 Kinder",
                                             "3 Kinder", "4 Kinder", "5 oder mehr Kinder"};
    struct Fall {
        Currency satz;
        std::vector<std::string> erwartet;
    };
    for (const Fall& f : {Fall{3.40_cur, {"3,40%", "3,40%", "3,15%", "2,90%", "2,65%", "2,40%"}},
                          Fall{1.70_cur, {"1,70%", "1,70%", "1,45%", "1,20%", "0,95%", "0,70%"}}}) {
        p.LohnGehalt.FPVSatz = f.satz;
        for (std::size_t i = 0; i < kinder.size(); ++i) {
            p.opt.text(SVComboPVKi) = kinder[i];
            opt::SVComboPVKiChange(p);
            EXPECT_EQ(t(PnlPVSatz), f.erwartet[i]) << kinder[i] << " at " << formatAmount(f.satz);
        }
    }
}

TEST(PVSatz, ChildrenTextsAndCounts)
{
    struct Fall {
        const char* text;
        int zahl;
    };
    for (const Fall& f : {Fall{"0 Kinder", 0}, Fall{"1 Kind", 1}, Fall{"2 Kinder", 2}, Fall{"3 Kinder", 3},
                          Fall{"4 Kinder", 4}, Fall{"5 oder mehr Kinder", 5}}) {
        EXPECT_EQ(PVKinderAnzahl(f.text), f.zahl) << f.text;
        EXPECT_EQ(PVKinderText(f.zahl), f.text) << f.zahl;
    }
    for (const char* sonst : {"", "1 Kinder", "5", "6 Kinder"}) EXPECT_EQ(PVKinderAnzahl(sonst), 0) << sonst;
    EXPECT_EQ(PVKinderText(7), "5 oder mehr Kinder");
    EXPECT_EQ(PVKinderText(-1), "0 Kinder");
    EXPECT_EQ(lx::PnlPVSatz(3.40_cur, 9), "2,40%");
}

TEST_F(OptionenTest, PensionModeDrivesTheMainWindowsMarkerAndCode)
{
    struct Fall {
        const char* modus;
        int tag;
        bool sichtbar;
        const char* bgr;
    };
    for (const Fall& f : {Fall{"Beitr. unter 1/20 der Bezugsgr. abführen", 1, true, "1001"},
                          Fall{"Beitr. unter 1/20 der Bezugsgr. nicht abf.", 2, true, "1001"},
                          Fall{"keine KV- und PV-Beiträge berechnen", 0, false, "1111"}}) {
        p.haupt.text(Haupt::LxEdiBGR) = "1111";
        p.opt.text(SVComboVB) = f.modus;
        opt::SVComboVBChange(p);
        EXPECT_EQ(p.haupt[Haupt::PnlVB].tag, f.tag) << f.modus;
        EXPECT_EQ(p.haupt[Haupt::PnlVB].visible, f.sichtbar) << f.modus;
        EXPECT_EQ(p.haupt.text(Haupt::LxEdiBGR), f.bgr) << f.modus;
    }
}

TEST_F(OptionenTest, MultipleEmploymentShowsMfBInPanelFive)
{
    for (const auto& [text, panel] :
         {std::pair{"ja", "MfB"}, std::pair{"nein", ""}, std::pair{"ja", "MfB"}, std::pair{"", ""}}) {
        p.opt.text(MfBComboJaNein) = text;
        opt::MfBComboJaNeinChange(p);
        EXPECT_EQ(p.haupt.panel(kPanelMfB), panel) << "'" << text << "'";
    }
}

TEST_F(OptionenTest, ButtonsAndTheCreateHandler)
{
    opt::FormCreate(p);
    EXPECT_EQ(t(BtnErfassung), "Erfassungsmaske\nöffnen");
    opt::BtnErfassungClick(p);
    opt::BtnHilfeClick(p);
    opt::BtnSchliessenClick(p);
    EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{
                                       test::beschreibe({.art = test::Art::Zeigen, .fenster = Fenster::Erfass}),
                                       test::beschreibe({.art = test::Art::Hilfe, .zahl = 3000}),
                                       test::beschreibe({.art = test::Art::Verbergen, .fenster = Fenster::Optionen})}));
}

TEST_F(OptionenTest, PensionPaymentsTakeTheEntryDialogsTotals)
{
    p.erfass.brutto[kVBBrutto] = 1234.5_cur;
    p.erfass.brutto[kVBBruttoEB] = 500_cur;
    p.erfass.brutto[kGesamtbrutto] = 9999_cur;
    opt::VBBtnErfassungClick(p);
    EXPECT_EQ(t(VBVEdiErsterVers), "1.234,50");
    EXPECT_EQ(t(VBVEdiEB), "500,00");
}

TEST(OptionenStart, FirstShowCopiesMonthAndYearAndLocksTheFullPensionShare)
{
    struct Fall {
        const char *jahr, *monat;
        bool frei;
    };
    for (const Fall& f : {Fall{"2018", "Dezember", true}, Fall{"2019", "Juni", true}, Fall{"2019", "Juli", false},
                          Fall{"2020", "Januar", false}, Fall{"2024", "Mai", false}}) {
        test::FakeDialoge d;
        test::FesteUhr u(2024, 5, 10);
        ProgrammZustand zustand(d, u);
        zustand.haupt.text(Haupt::ComboJahr) = f.jahr;
        zustand.haupt.text(Haupt::ComboMonat) = f.monat;
        FormShow(zustand);
        const std::string fall = std::string(f.monat) + " " + f.jahr;
        EXPECT_EQ(zustand.opt.text(ComboJahr), f.jahr) << fall;
        EXPECT_EQ(zustand.opt.text(ComboMonat), f.monat) << fall;
        EXPECT_EQ(zustand.opt[SVComboRVVoll].enabled, f.frei) << fall;
    }
}

}  // namespace
}  // namespace lx
