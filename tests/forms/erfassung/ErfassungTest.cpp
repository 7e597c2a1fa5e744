// The entry dialog without widgets: the nine totals, taking and editing rows,
// the rows mirrored into the options dialog's lists and their index list,
// the partial-retirement top-up, backup and restore.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "ProgrammZustand.h"
#include "erfassung/Erfassung.h"

namespace lx {
namespace {

using enum Erfass;
using namespace erfass;

struct Zeilenangabe {
    const char* name;
    const char* betrag;
    const char* flags;  // seven characters LST SV ZV EB LMJ NT VB, "x" or "."
    int typ = kBezug;
};

class ErfassungTest : public ::testing::Test {
protected:
    // Types a row into the entry band and presses F2, F3 or F4.
    void Nimm(const Zeilenangabe& z)
    {
        Tippe(z);
        ZeileNehmen(p, z.typ);
    }
    void Tippe(const Zeilenangabe& z)
    {
        p.erfass.text(AEdiLOA) = z.name;
        p.erfass.text(VEdiBetrag) = z.betrag;
        const Erfass zellen[] = {AEdiLST, AEdiSV, AEdiZV, AEdiEB, AEdiLMJ, AEdiNT, AEdiVB};
        for (int i = 0; i < 7; ++i) p.erfass.text(zellen[i]) = z.flags[i] == '.' ? "" : std::string(1, z.flags[i]);
    }
    std::vector<std::string> Brutto() const
    {
        std::vector<std::string> t;
        for (Currency c : p.erfass.brutto) t.push_back(formatAmount(c));
        return t;
    }
    std::vector<std::string> Spalte(Opt liste, std::size_t zelle)
    {
        std::vector<std::string> t;
        for (const Zeile& z : p.opt[liste].rows) t.push_back(z.cells.at(zelle));
        return t;
    }
    std::vector<std::string>& Index() { return p.opt[Opt::TZLiBo].items; }

    // The rule of the mirrored lists after every step.
    void PruefeSpiegel(const std::string& schritt)
    {
        SCOPED_TRACE(schritt);
        const auto& zeilen = p.erfass.zeilen;
        std::vector<std::string> erwartet;
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            if (zeilen[i].typ != kAbzug) erwartet.push_back(std::to_string(i));
        }
        EXPECT_EQ(Index(), erwartet);
        EXPECT_EQ(p.opt[Opt::TZLView].rows.size(), erwartet.size());
        EXPECT_EQ(p.opt[Opt::TALView].rows.size(), erwartet.size());
        EXPECT_EQ(p.opt[Opt::ATZLView].rows.size(), erwartet.size());
        ASSERT_EQ(p.opt[Opt::PfdLView].rows.size(), zeilen.size());
        for (std::size_t i = 0; i < zeilen.size(); ++i) {
            EXPECT_EQ(p.opt[Opt::PfdLView].rows[i].cells[0], zeilen[i].name) << "garnishment row " << i;
            EXPECT_EQ(p.opt[Opt::PfdLView].rows[i].cells[1], formatAmount(zeilen[i].betrag)) << "garnishment row " << i;
        }
        for (std::size_t k = 0; k < erwartet.size(); ++k) {
            const Lohnart& z = zeilen[std::stoul(erwartet[k])];
            EXPECT_EQ(p.opt[Opt::TZLView].rows[k].cells[0], z.name);
            EXPECT_EQ(p.opt[Opt::TZLView].rows[k].cells[3], formatAmount(z.betrag));
            EXPECT_EQ(p.opt[Opt::ATZLView].rows[k].cells[2], formatAmount(z.betrag));
        }
    }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 5, 10};
    ProgrammZustand p{dialoge, uhr};
};

TEST_F(ErfassungTest, TotalsFollowTheRulesOfTheNineRows)
{
    struct Fall {
        const char* was;
        std::vector<Lohnart> zeilen;
        std::vector<std::string> brutto;  // Gesamt, St, StEB, StLMJ, SV, SVEB, ZV, VB, VBEB
    };
    auto zeile = [](const char* flags, Currency betrag, int typ = kBezug) {
        Lohnart z{.name = "x", .betrag = betrag, .typ = typ};
        for (int i = 0; i < kFlagAnzahl; ++i) z.flags[i] = flags[i] == 'x';
        return z;
    };
    const std::vector<Fall> faelle = {
        {"empty", {}, {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
        {"benefit in kind",
         {zeile("xx.....", 100_cur, kSachbezug)},
         {"0,00", "100,00", "0,00", "0,00", "100,00", "0,00", "0,00", "0,00", "0,00"}},
        {"one-off",
         {zeile("xx.x...", 500_cur)},
         {"500,00", "0,00", "500,00", "0,00", "0,00", "500,00", "0,00", "0,00", "0,00"}},
        {"multi-year",
         {zeile("xx..x..", 800_cur)},
         {"800,00", "0,00", "0,00", "800,00", "0,00", "800,00", "0,00", "0,00", "0,00"}},
        {"multi-year untaxed",
         {zeile("....x..", 80_cur)},
         {"80,00", "0,00", "0,00", "80,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
        {"deduction",
         {zeile(".......", -(50_cur), kAbzug)},
         {"0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00"}},
        {"pension current",
         {zeile("x.....x", 300_cur)},
         {"300,00", "300,00", "0,00", "0,00", "0,00", "0,00", "0,00", "300,00", "0,00"}},
        {"pension one-off",
         {zeile("x..x..x", 300_cur)},
         {"300,00", "0,00", "300,00", "0,00", "0,00", "0,00", "0,00", "0,00", "300,00"}},
        {"supplementary",
         {zeile("xxx....", 2000_cur)},
         {"2.000,00", "2.000,00", "0,00", "0,00", "2.000,00", "0,00", "2.000,00", "0,00", "0,00"}},
    };
    for (const Fall& f : faelle) {
        p.erfass.zeilen = f.zeilen;
        ActBrutti(p);
        EXPECT_EQ(Brutto(), f.brutto) << f.was;
    }
    p.erfass.zeilen = {zeile("xx.....", 2000_cur), zeile("xx...x.", 100_cur)};
    ActBrutti(p);
    EXPECT_EQ(Brutto()[kSteuerbrutto], "2.100,00");
    ActNTBrutti(p);
    EXPECT_EQ(Brutto()[kSteuerbrutto], "2.000,00");
    EXPECT_EQ(Brutto()[kGesamtbrutto], "2.000,00");
}

TEST_F(ErfassungTest, TakingATypedRow)
{
    struct Fall {
        Zeilenangabe typed;
        bool ohneMinus;
        std::vector<std::string> zeile;  // name, amount, seven flags, or empty when nothing is taken
        std::vector<std::string> meldungen;
    };
    const std::vector<Fall> faelle = {
        {{"Gehalt", "3.000,00", "xx....."}, true, {"Gehalt", "3.000,00", "x", "x", "", "", "", "", ""}, {}},
        {{"Prämie", "500", "xx.xx.."},
         true,
         {"Prämie", "500,00", "x", "x", "", "", "x", "", ""},
         {"Information: Bei LMJ nicht auch EB ankreuzen!"}},
        {{"Gehalt", "", "xx....."}, true, {}, {"Information: Bitte Betrag eingeben", "Fokus: Erfass VEdiBetrag"}},
        {{"VL", "40", "xx.....", kAbzug}, true, {"VL", "-40,00", "", "", "", "", "", "", ""}, {}},
        {{"VL", "40", "xx.....", kAbzug}, false, {"VL", "40,00", "", "", "", "", "", "", ""}, {}},
        {{"Prämie", "10", "X......"}, true, {"Prämie", "10,00", "x", "", "", "", "", "", ""}, {}},
        // the field's range first, as leaving the field applies it
        {{"Gehalt", "99999999999", "xx....."}, true, {"Gehalt", "1.000.000,00", "x", "x", "", "", "", "", ""}, {}},
        {{"VL", "99999999999", "xx.....", kAbzug}, true, {"VL", "-1.000.000,00", "", "", "", "", "", "", ""}, {}},
        {{"Abzug", "-99999999999", "xx.....", kAbzug},
         false,
         {"Abzug", "-1.000.000,00", "", "", "", "", "", "", ""},
         {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.typed.name) + " " + f.typed.betrag);
        ActGrundstellung(p);
        dialoge.leeren();
        p.erfass[ChkAbzSteuerung].checked = f.ohneMinus;
        Nimm(f.typed);
        std::vector<std::string> meldungen;
        for (const std::string& m : dialoge.protokoll()) {
            if (m != "Fokus: Erfass AEdiLOA") meldungen.push_back(m);
        }
        EXPECT_EQ(meldungen, f.meldungen);
        if (f.zeile.empty()) {
            EXPECT_TRUE(p.erfass.zeilen.empty());
            continue;
        }
        ASSERT_EQ(p.erfass.zeilen.size(), 1u);
        ErfassAnzeigen(p.erfass);
        EXPECT_EQ(p.erfass[LView].rows[0].cells, f.zeile);
        if (std::string(f.typed.betrag).size() > 10) {
            EXPECT_EQ(p.erfass.text(VEdiBetrag), f.typed.betrag[0] == '-' ? "-1.000.000,00" : "1.000.000,00");
        }
    }
}

TEST_F(ErfassungTest, AnAmountThatIsNoNumberIsRefusedBeforeAnythingChanges)
{
    const std::vector<std::string> gesagt = {"Fehler: Betrag: bitte eine Zahl eingeben", "Fokus: Erfass VEdiBetrag"};
    Tippe({"Gehalt", "-", "xx....."});
    dialoge.leeren();
    ZeileNehmen(p, kBezug);
    EXPECT_EQ(dialoge.protokoll(), gesagt);
    EXPECT_TRUE(p.erfass.zeilen.empty());
    Nimm({"Gehalt", "1.000,00", "xx....."});
    p.erfass.auswahl = 0;
    ActEditStart(p);
    p.erfass.text(VEdiBetrag) = "-";
    dialoge.leeren();
    ZeileNehmen(p);
    EXPECT_EQ(dialoge.protokoll(), gesagt);
    EXPECT_EQ(p.erfass.zeilen[0].betrag, 1000_cur);
}

TEST_F(ErfassungTest, TheListHoldsAtMost255Rows)
{
    for (int i = 0; i < 255; ++i) Nimm({"Gehalt", "1", "xx....."});
    dialoge.leeren();
    Nimm({"Gehalt", "1", "xx....."});
    EXPECT_EQ(p.erfass.zeilen.size(), 255u);
    EXPECT_EQ(dialoge.texte(test::Art::Information),
              (std::vector<std::string>{"Es können höchstens 255 Zeilen erfasst werden"}));
}

TEST_F(ErfassungTest, EditingADeductionShowsAndStoresTheTypedSign)
{
    Nimm({"VL-Abzug", "40", ".......", kAbzug});
    ActEditStart(p);
    EXPECT_EQ(p.erfass.text(VEdiBetrag), "40,00");
    EXPECT_EQ(p.erfass.typ, kAbzug);
    p.erfass.text(VEdiBetrag) = "45";
    ZeileNehmen(p);
    EXPECT_EQ(p.erfass.zeilen[0].betrag, -(45_cur));
    EXPECT_FALSE(p.erfass.editiert);
    ErfassAnzeigen(p.erfass);
    EXPECT_TRUE(p.erfass[BtnUebernehmen].visible);
    EXPECT_FALSE(p.erfass[BtnAenderung].visible);
}

TEST_F(ErfassungTest, WhileEditingOnlyFinishingAndCancellingAct)
{
    Nimm({"Gehalt", "3.000,00", "xx....."});
    Nimm({"Prämie", "500", "xx....."});
    p.erfass.auswahl = 1;
    ActEditStart(p);
    dialoge.leeren();
    ZeileLoeschen(p);
    AlleZeilenLoeschen(p);
    p.erfass.auswahl = 0;
    ActEditStart(p);
    EXPECT_EQ(p.erfass.zeilen.size(), 2u);
    EXPECT_EQ(p.erfass.editiert, std::optional<std::size_t>(1));
    EXPECT_EQ(p.erfass.text(AEdiLOA), "Prämie");
    EXPECT_TRUE(dialoge.aufrufe.empty()) << testing::PrintToString(dialoge.protokoll());
    ActEditAbbruch(p);
    EXPECT_EQ(p.erfass.text(AEdiLOA), "Gehalt");
    EXPECT_EQ(p.erfass.text(VEdiBetrag), "0,00");
    ZeileLoeschen(p);
    EXPECT_EQ(p.erfass.zeilen.size(), 1u);
}

TEST_F(ErfassungTest, MirroredRowsAndTheirMarks)
{
    Nimm({"Gehalt", "1.000,00", "xx....."});
    Nimm({"Weihnachtsgeld", "500", "xx.x..."});
    Nimm({"Überstunden", "100", "xx....."});
    Nimm({"Urlaubsgeld", "300", "xx.x..."});
    Nimm({"VL-Abzug", "40", ".......", kAbzug});
    Nimm({"Kantine", "20", ".......", kAbzug});
    EXPECT_EQ(Spalte(Opt::PfdLView, 2), (std::vector<std::string>{"x", "WG", "ÜbStd.", "", "VL-Abzug", "Abzug"}));
    EXPECT_EQ(Spalte(Opt::PfdLView, 1),
              (std::vector<std::string>{"1.000,00", "500,00", "100,00", "300,00", "-40,00", "-20,00"}));
    EXPECT_EQ(Spalte(Opt::ATZLView, 3), (std::vector<std::string>{"2.000,00", "1.000,00", "200,00", "600,00"}));
    EXPECT_EQ(Spalte(Opt::TZLView, 1), (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(Index(), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "1.900,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "380,00");
}

TEST_F(ErfassungTest, WithPartTimeOnOnlyTheLastRowIsAppended)
{
    Nimm({"Gehalt", "1.000,00", "xx....."});
    p.opt.text(Opt::TZComboJaNein) = "ja";
    p.opt[Opt::PfdLView].rows[0].cells[2] = "WG";  // a mark the user chose stays
    Nimm({"Prämie", "200", "xx....."});
    EXPECT_EQ(Spalte(Opt::TZLView, 0), (std::vector<std::string>{"Gehalt", "Prämie"}));
    EXPECT_EQ(Spalte(Opt::TZLView, 1), (std::vector<std::string>{"", "x"}));
    EXPECT_EQ(Spalte(Opt::TZLView, 2), (std::vector<std::string>{"", "kfm"}));
    EXPECT_EQ(Spalte(Opt::PfdLView, 2), (std::vector<std::string>{"WG", "x"}));
}

TEST_F(ErfassungTest, PartialRetirementTopUp)
{
    Nimm({"Gehalt", "1.000,00", "xx....."});
    Nimm({"Zulage", "200", "xx....."});
    p.opt[Opt::ATZLView].rows[1].cells[1] = "nein";
    ActATZAktualis(p);
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "1.000,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "200,00");
    EXPECT_EQ(Spalte(Opt::ATZLView, 3), (std::vector<std::string>{"2.000,00", "0,00"}));
    p.opt.text(Opt::ATZmanReg) = "1.500,00";
    ActATZAktualis(p);
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "300,00");
    p.opt.text(Opt::ATZLxVEdiAufst) = "33";
    p.opt.text(Opt::ATZmanReg) = "1.234,57";
    ActATZAktualis(p);
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "407,41") << "0.33 x 1234.57 = 407.4081";
    p.opt[Opt::ATZLView].rows.clear();
    ActATZAktualis(p);
    EXPECT_EQ(p.opt.text(Opt::ATZLabRegEnt), "0,00");
    EXPECT_EQ(p.opt.text(Opt::ATZLabAufst), "0,00");
}

TEST_F(ErfassungTest, MirroredListsStayConsistentThroughEverySequence)
{
    using Schritt = std::function<void()>;
    struct Fall {
        const char* was;
        std::vector<std::pair<const char*, Schritt>> schritte;
    };
    auto nimm = [this](Zeilenangabe z) { return [this, z] { Nimm(z); }; };
    auto waehle = [this](int i) { return [this, i] { p.erfass.auswahl = i; }; };
    auto loesche = [this] { ZeileLoeschen(p); };
    auto teilzeit = [this](bool an) { return [this, an] { p.opt.text(Opt::TZComboJaNein) = an ? "ja" : "nein"; }; };
    auto edit = [this](int i, Zeilenangabe z) {
        return [this, i, z] {
            p.erfass.auswahl = i;
            ActEditStart(p);
            Tippe(z);
            ZeileNehmen(p, z.typ);
        };
    };
    const Zeilenangabe gehalt{"Gehalt", "3.000,00", "xx....."};
    const Zeilenangabe vl{"VL-Abzug", "40", ".......", kAbzug};
    const Zeilenangabe praemie{"Prämie", "500", "xx....."};
    const std::vector<Fall> faelle = {
        {"delete a deduction in the middle",
         {{"Gehalt", nimm(gehalt)},
          {"VL", nimm(vl)},
          {"Prämie", nimm(praemie)},
          {"select VL", waehle(1)},
          {"delete", loesche}}},
        {"delete a payment in the middle",
         {{"Gehalt", nimm(gehalt)},
          {"Prämie", nimm(praemie)},
          {"VL", nimm(vl)},
          {"select", waehle(1)},
          {"delete", loesche}}},
        {"part time on: take, edit, deduction",
         {{"Gehalt", nimm(gehalt)},
          {"Prämie", nimm(praemie)},
          {"on", teilzeit(true)},
          {"VL", nimm(vl)},
          {"edit Gehalt", edit(0, {"Gehalt", "3.200,00", "xx....."})},
          {"Prämie into a deduction", edit(1, {"Prämie", "10", ".......", kAbzug})},
          {"VL into a payment", edit(2, {"VL", "40", "xx....."})},
          {"off", teilzeit(false)},
          {"edit off", edit(0, {"Gehalt", "3.300,00", "xx....."})}}},
        {"reset with part time on",
         {{"on", teilzeit(true)},
          {"Gehalt", nimm(gehalt)},
          {"reset", [this] { ActGrundstellung(p); }},
          {"Prämie", nimm(praemie)}}},
        {"clear all",
         {{"Gehalt", nimm(gehalt)},
          {"Prämie", nimm(praemie)},
          {"clear",
           [this] {
               dialoge.jaNein.push_back(true);
               AlleZeilenLoeschen(p);
           }},
          {"VL", nimm(vl)},
          {"Gehalt", nimm(gehalt)}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        ActGrundstellung(p);
        p.opt.text(Opt::TZComboJaNein) = "nein";
        for (const auto& [name, schritt] : f.schritte) {
            schritt();
            PruefeSpiegel(name);
        }
    }
}

TEST_F(ErfassungTest, EditWithPartTimeOnUpdatesInPlaceAndKeepsMarks)
{
    Nimm({"Gehalt", "3.000,00", "xx....."});
    Nimm({"Prämie", "500", "xx....."});
    p.opt.text(Opt::TZComboJaNein) = "ja";
    p.opt[Opt::TZLView].rows[0].cells[1] = "x";
    p.opt[Opt::ATZLView].rows[0].cells[1] = "nein";
    p.erfass.auswahl = 0;
    ActEditStart(p);
    p.erfass.text(VEdiBetrag) = "3.200,00";
    ZeileNehmen(p);
    EXPECT_EQ(Spalte(Opt::TZLView, 0), (std::vector<std::string>{"Gehalt", "Prämie"}));
    EXPECT_EQ(Spalte(Opt::TZLView, 3), (std::vector<std::string>{"3.200,00", "500,00"}));
    EXPECT_EQ(Spalte(Opt::TZLView, 1), (std::vector<std::string>{"x", ""}));
    EXPECT_EQ(Spalte(Opt::ATZLView, 1), (std::vector<std::string>{"nein", "ja"}));
}

TEST_F(ErfassungTest, ClearAllAsksAndKeepsTheRowsOnNo)
{
    Nimm({"Gehalt", "3.000,00", "xx....."});
    dialoge.leeren();
    dialoge.jaNein.push_back(false);
    AlleZeilenLoeschen(p);
    EXPECT_EQ(p.erfass.zeilen.size(), 1u);
    EXPECT_EQ(dialoge.protokoll(),
              (std::vector<std::string>{"JaNein: Wirklich alles löschen?", "Fokus: Erfass AEdiLOA"}));
    dialoge.jaNein.push_back(true);
    p.opt.text(Opt::ATZmanReg) = "1.000,00";
    AlleZeilenLoeschen(p);
    EXPECT_TRUE(p.erfass.zeilen.empty());
    EXPECT_EQ(p.opt.text(Opt::ATZmanReg), "0,00");
    EXPECT_TRUE(Index().empty());
    ActGrundstellung(p);
    dialoge.leeren();
    AlleZeilenLoeschen(p);
    EXPECT_EQ(dialoge.protokoll(), (std::vector<std::string>{"Fokus: Erfass AEdiLOA"})) << "an empty list asks nothing";
}

TEST_F(ErfassungTest, BackupAndRestoreGiveTheRowsBackCellForCell)
{
    p.opt.text(Opt::TZComboJaNein) = "ja";
    p.erfass.tzStatus = Status::An;
    Nimm({"A;B", "2.000,00", "xx....."});
    Nimm({"Netto", "100", "xx...x."});
    p.erfass.zeilen[0].tz = "x";
    const std::vector<Lohnart> vorher = p.erfass.zeilen;
    ActErfSichern(p);
    p.erfass.zeilen.clear();
    p.erfass.zeilen.push_back({.name = "temp", .betrag = 1_cur});
    ActErfZurueck(p);
    EXPECT_EQ(p.erfass.zeilen, vorher);
    EXPECT_EQ(Brutto()[kSteuerbrutto], "2.000,00") << "the totals without the net-marked row";
}

TEST_F(ErfassungTest, ShownRowsColumnsAndColours)
{
    Nimm({"Gehalt", "3.000,00", "xx....."});
    Nimm({"Sachbezug", "100", "xx.....", kSachbezug});
    Nimm({"VL", "40", ".......", kAbzug});
    p.erfass.tzStatus = Status::An;
    p.erfass.auswahl = 1;
    ActEditStart(p);
    ErfassAnzeigen(p.erfass);
    const auto& lv = p.erfass[LView];
    ASSERT_EQ(lv.columns.size(), 10u);
    EXPECT_EQ(lv.columns.back().caption, "TZ");
    EXPECT_EQ(lv.rows[1].colour, Farbe::Maroon);
    EXPECT_EQ(lv.rows[2].colour, Farbe::Red);
    EXPECT_EQ(lv.rows[1].background, Farbe::Yellow) << "the row being edited";
    EXPECT_EQ(lv.rows[1].cells.size(), 10u);
    EXPECT_EQ(lv.selected, 1);
    EXPECT_EQ(p.erfass[PnlSachbezug].colour, Farbe::Yellow);
    EXPECT_EQ(p.erfass[PnlBezug].colour, Farbe::BtnFace);
    EXPECT_EQ(p.erfass[PnlTZAktiv].colour, Farbe::Yellow);
    EXPECT_FALSE(p.erfass[BtnUebernehmen].visible);
    EXPECT_TRUE(p.erfass[BtnAbbrechen].visible);
    EXPECT_EQ(p.erfass[LViewBrutti].rows[0].cells, (std::vector<std::string>{"Gesamtbrutto", "3.000,00"}));
    p.erfass.tzStatus = Status::Aus;
    ErfassSchliessen(p);
    ErfassAnzeigen(p.erfass);
    EXPECT_EQ(p.erfass[LView].columns.size(), 9u);
    EXPECT_FALSE(p.erfass.editiert) << "closing cancels the edit";
}

}  // namespace
}  // namespace lx
