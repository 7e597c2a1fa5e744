// The special calculation in a whole calculation: which garnishment report
// the run writes, and the main window's own gross and net beside it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "Berechnen.h"
#include "Erfassung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"

namespace lx {
namespace {

class SonderberechnungLaufTest : public ::testing::Test {
protected:
    SonderberechnungLaufTest()
    {
        ActLVGrundExecute(p);
        p.haupt.text(Haupt::ComboMonat) = "März";
        p.haupt.text(Haupt::ComboJahr) = "2024";
    }

    // ENTER in the gross or net field; the garnishment list then mirrors the row.
    void Enter(Haupt feld, const std::string& text)
    {
        p.haupt.text(feld) = text;
        LEdiBruttoKeyDown(p, feld);
    }

    // The mark of garnishment row 0, then the run again.
    void NochmalMit(const std::string& marke)
    {
        auto& rows = p.opt[Opt::PfdLView].rows;
        if (rows.empty()) erfass::ActTZUebernehmen(p);
        ASSERT_FALSE(rows.empty());
        rows[0].cells.at(2) = marke;
        BtnBruttoNeuClick(p, Haupt::BtnBerechnen);
    }

    std::vector<std::string>& Bericht() { return p.abr[Abr::LiBoPfd].items; }

    test::FakeDialoge d;
    test::FesteUhr uhr{2024, 3, 15};
    ProgrammZustand p{d, uhr};
};

TEST_F(SonderberechnungLaufTest, GarnishmentOffWithAMarkWritesNoReport)
{
    Enter(Haupt::LEdiBrutto, "3.000,00");
    Bericht() = {"letzter Bericht"};
    p.opt.text(Opt::PfdComboJaNein) = "nein";
    NochmalMit("ÜbStd.");
    EXPECT_EQ(Bericht(), (std::vector<std::string>{"letzter Bericht"}));
    EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1);
}

TEST_F(SonderberechnungLaufTest, ReportByTheRowsMarks)
{
    struct Fall {
        const char* marke;
        const char* methode;
        const char* titel;
        const char* zeile;  // a line only this report has
    };
    const Fall faelle[] = {
        {"ÜbStd.", "Bruttomethode", "Pfändungsberechnung (Bruttomethode) März 2024", "Steuerbrutto lfd."},
        {"ÜbStd.", "Nettomethode", "Pfändungsberechnung (Nettomethode) März 2024", "Steuerbrutto lfd."},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) März 2024", "Brutto "},
    };
    for (const Fall& f : faelle) {
        Enter(Haupt::LEdiBrutto, "3.000,00");
        p.opt.text(Opt::PfdComboJaNein) = "ja";
        p.opt.text(Opt::PfdComboMethode) = f.methode;
        NochmalMit(f.marke);
        ASSERT_GT(Bericht().size(), 3u) << f.marke << " " << f.methode;
        EXPECT_EQ(Bericht()[0], f.titel) << f.marke;
        EXPECT_TRUE(Bericht()[3].starts_with(f.zeile)) << f.marke << ": " << Bericht()[3];
    }
    // Half the overtime pay is garnishable.
    Enter(Haupt::LEdiBrutto, "3.000,00");
    NochmalMit("ÜbStd.");
    EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, 1500.00_cur);
    EXPECT_EQ(p.LohnGehalt.FGesamtbrutto, 3000.00_cur);
    EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), "3.000,00");
}

TEST_F(SonderberechnungLaufTest, MainWindowKeepsItsOwnGrossNetAndDeductions)
{
    for (bool netto : {true, false}) {
        const char* was = netto ? "net mode" : "gross-up";
        p.opt.text(Opt::PfdComboJaNein) = "ja";
        p.opt.text(Opt::PfdComboEntUmw) = "nein";
        p.opt.text(Opt::AVCombo1Art) = "Direktversicherung";
        p.opt.text(Opt::AVVEdiAN1) = "100,00";
        if (netto) {
            Enter(Haupt::LEdiNetto, "2.000,00");
        } else {
            Enter(Haupt::LEdiBrutto, "2.500,00");
            auto& e = p.erfass;
            e.text(Erfass::AEdiLOA) = "Zulage";
            e.text(Erfass::VEdiBetrag) = "150,00";
            e.text(Erfass::AEdiNT) = "x";
            erfass::ZeileNehmen(p);
            BtnBruttoNeuClick(p, Haupt::BtnBerechnen);
            EXPECT_EQ(p.FNTHochrechnung, 1) << was;
        }
        const TLohnGehalt& lg = p.LohnGehalt;
        EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1) << was;
        EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), formatAmount(lg.FGesamtbrutto)) << was;
        EXPECT_EQ(p.haupt.text(Haupt::LEdiNetto), formatAmount(NettoBrutto(lg, lg.FGesamtbrutto))) << was;
        const auto abzuege = AbzugsBetraege(lg);
        const auto& rows = p.haupt[Haupt::LVAbz].rows;
        ASSERT_EQ(rows.size(), abzuege.size()) << was;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].cells.at(1), formatAmount(abzuege[i])) << was << " " << rows[i].cells.at(0);
        }
        EXPECT_EQ(p.LohnGehalt2.FBAVAN, 0_cur) << was;
        EXPECT_NE(p.LohnGehalt2.FGesamtbrutto, lg.FGesamtbrutto) << was << ": found without the deferred compensation";
    }
}

// With every row "x" and the options' scheme and deferred compensation kept,
// the special calculation garnishes what the working engine garnishes.
TEST_F(SonderberechnungLaufTest, SameGarnishmentThroughBothEngines)
{
    struct Fall {
        const char* name;
        Haupt feld;
        const char* betrag;
        const char* tage = "30";
        const char* nt = nullptr;  // a net-marked allowance beside the amount
    };
    const Fall faelle[] = {
        {"gross", Haupt::LEdiBrutto, "3.000,00"},
        {"net", Haupt::LEdiNetto, "2.000,00"},
        {"15 tax days", Haupt::LEdiBrutto, "3.000,00", "15"},
        {"transition zone", Haupt::LEdiBrutto, "1.000,00"},
        {"net-marked allowance", Haupt::LEdiBrutto, "2.500,00", "30", "150,00"},
        {"net-marked allowance, 15 tax days", Haupt::LEdiBrutto, "2.500,00", "15", "150,00"},
    };
    int pfaendbar = 0;
    for (const char* jahr : {"2019", "2022", "2024"}) {
        for (const char* unterhalt : {"0", "1", "3"}) {
            for (const Fall& f : faelle) {
                const std::string was = std::string(f.name) + " " + jahr + ", " + unterhalt + " dependants";
                p.haupt.text(Haupt::ComboJahr) = jahr;
                p.haupt.text(Haupt::ComboZV) = "VBL";
                p.opt.text(Opt::ZVComboArt) = "VBL";
                p.opt.text(Opt::PfdComboJaNein) = "ja";
                p.opt.text(Opt::PfdComboEntUmw) = "ja";
                p.opt.text(Opt::PfdComboMethode) = "Bruttomethode";  // the working engine garnishes too
                p.opt.text(Opt::PfdVEdiUntPers) = unterhalt;
                p.opt.text(Opt::LSTVEdiStTage) = f.tage;
                p.opt.text(Opt::SVVEdiSVTage) = f.tage;
                Enter(f.feld, f.betrag);
                if (f.nt) {
                    auto& e = p.erfass;
                    e.text(Erfass::AEdiLOA) = "Zulage";
                    e.text(Erfass::VEdiBetrag) = f.nt;
                    e.text(Erfass::AEdiNT) = "x";
                    erfass::ZeileNehmen(p);
                    BtnBruttoNeuClick(p, Haupt::BtnBerechnen);
                    EXPECT_EQ(p.FNTHochrechnung, 1) << was;
                }
                EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1) << was;
                EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, p.LohnGehalt.FGesamtbrutto) << was;
                EXPECT_EQ(p.LohnGehalt2.FPfaendBetrag, p.LohnGehalt.FPfaendBetrag) << was;
                if (p.LohnGehalt2.FPfaendBetrag > 0_cur) ++pfaendbar;
                EXPECT_TRUE(d.texte(test::Art::Information).empty()) << was;
                d.leeren();
            }
        }
    }
    EXPECT_GE(pfaendbar, 10) << "cases that garnish something";
}

}  // namespace
}  // namespace lx
