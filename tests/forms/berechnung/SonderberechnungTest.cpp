// The garnishment special calculation: the rows reduced by their marks, the
// garnishable amount against the working engine's, what it leaves alone, its
// messages, and which report a calculation writes into the payslip window.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "AmountText.h"
#include "Berichte.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "Nettobetrag.h"
#include "ProgrammZustand.h"
#include "berechnung/Berechnungslauf.h"
#include "berechnung/EingabenKopieren.h"
#include "berechnung/Hochrechnung.h"
#include "berechnung/NettoIteration.h"
#include "berechnung/Sonderberechnung.h"
#include "erfassung/Erfassung.h"
#include "hauptfenster/Hauptfenster.h"

namespace lx {
namespace {

using test::Art;

std::string Zeile44(std::string_view label, Currency wert)
{
    return FormatAbrZeile(label, formatAmount(wert), true);
}

// --- the reduction on its own

Zeile Pfd(const char* name, const char* betrag, const char* marke)
{
    return {.cells = {name, betrag, marke}};
}

TEST(ReduziereZeilen, GarnishablePartsByMark)
{
    // Each row beside a salary marked "x"; a Christmas bonus keeps what
    // exceeds its exempt part: up to 2021 half the month's pay, at most
    // 500,00; from 2022 half the basic exemption rounded up to tens (December
    // 2023 half of 1.410,00, December 2024 half of 1.500,00).
    struct Fall {
        const char* marke;
        Currency betrag;
        std::optional<Currency> erwartet;  // nullopt: the row is gone
        int jahr = 2024;
        int monat = 12;
        Currency gehalt = 3000.00_cur;
    };
    const Fall faelle[] = {
        {"WG", 1200.00_cur, 450.00_cur},          {"WG", 600.00_cur, 0_cur},
        {"WG", 1200.00_cur, 495.00_cur, 2023},    {"WG", 1000.00_cur, 295.00_cur, 2024, 3},
        {"WG", 800.00_cur, 300.00_cur, 2020},     {"WG", 1200.00_cur, 700.00_cur, 2021},
        {"WG", 1200.00_cur, 570.00_cur, 2022, 1}, {"WG", 800.00_cur, 500.00_cur, 2020, 12, 600.00_cur},
        {"ÜbStd.", 301.01_cur, 150.51_cur},       {"", 250.00_cur, std::nullopt},
        {"x", 2000.00_cur, 2000.00_cur},          {"Abzug", -(30.00_cur), -(30.00_cur)},
    };
    for (const Fall& f : faelle) {
        const Lohnart gehalt{.name = "Gehalt", .betrag = f.gehalt};
        const Lohnart z{.name = "Zeile", .betrag = f.betrag};
        const std::string gehaltText = formatAmount(f.gehalt);
        const std::string text = formatAmount(f.betrag);
        const std::string fall = std::string(f.marke) + " " + text + " " + std::to_string(f.monat) + "/" +
                                 std::to_string(f.jahr) + " beside " + gehaltText;
        const PfaendbareZeilen r =
            ReduziereZeilen({gehalt, z}, {Pfd("Gehalt", gehaltText.c_str(), "x"), Pfd("Zeile", text.c_str(), f.marke)},
                            f.jahr, f.monat);
        EXPECT_EQ(r.korrektur, 0_cur) << fall;
        if (!f.erwartet) {
            EXPECT_EQ(r.zeilen, std::vector<Lohnart>{gehalt}) << fall;
            continue;
        }
        ASSERT_EQ(r.zeilen.size(), 2u) << fall;
        EXPECT_EQ(r.zeilen[1].betrag, *f.erwartet) << fall;
    }
}

TEST(ReduziereZeilen, AllVLRowsMakeTheCorrection)
{
    const std::vector<Lohnart> zeilen = {{.name = "Gehalt", .betrag = 2000.00_cur},
                                         {.name = "VL-Abzug", .betrag = -(40.00_cur), .typ = kAbzug},
                                         {.name = "VL-Abzug", .betrag = -(20.00_cur), .typ = kAbzug}};
    const PfaendbareZeilen r = ReduziereZeilen(
        zeilen,
        {Pfd("Gehalt", "2.000,00", "x"), Pfd("VL-Abzug", "-40,00", "VL-Abzug"), Pfd("VL-Abzug", "-20,00", "VL-Abzug")},
        2024, 3);
    EXPECT_EQ(r.korrektur, 60.00_cur);
    EXPECT_EQ(r.zeilen, zeilen);
}

TEST(ReduziereZeilen, ListsOfDifferentLength)
{
    const std::vector<Lohnart> zeilen = {{.name = "Urlaubsgeld", .betrag = 500.00_cur},
                                         {.name = "Weihnachtsgeld", .betrag = 1200.00_cur}};
    const Zeile leer = Pfd("Urlaubsgeld", "500,00", "");
    EXPECT_EQ(ReduziereZeilen(zeilen, {}, 2024, 12).zeilen, zeilen) << "an empty list reduces nothing";
    EXPECT_EQ(ReduziereZeilen(zeilen, {leer}, 2024, 12).zeilen, std::vector<Lohnart>{zeilen[1]})
        << "a row without garnishment row stays";
    const PfaendbareZeilen lang = ReduziereZeilen(
        zeilen, {leer, Pfd("Weihnachtsgeld", "1.200,00", "WG"), Pfd("VL-Abzug", "-40,00", "VL-Abzug")}, 2024, 12);
    ASSERT_EQ(lang.zeilen.size(), 1u);
    EXPECT_EQ(lang.zeilen[0].betrag, 450.00_cur);
    EXPECT_EQ(lang.korrektur, 0_cur) << "a garnishment row without entry row takes nothing";
}

// --- in the calculation

class SonderberechnungTest : public ::testing::Test {
protected:
    SonderberechnungTest()
    {
        ActLVGrundExecute(p);
        p.haupt.text(Haupt::ComboMonat) = "März";
        p.haupt.text(Haupt::ComboJahr) = "2024";
        p.opt.text(Opt::PfdComboJaNein) = "ja";
    }

    // The options' and the main window's scheme.
    void Zusatzversorgung(const char* art)
    {
        p.haupt.text(Haupt::ComboZV) = art;
        p.opt.text(Opt::ZVComboArt) = art;
    }

    void Entgeltumwandlung()
    {
        p.opt.text(Opt::AVCombo1Art) = "Direktversicherung";
        p.opt.text(Opt::AVVEdiAN1) = "100,00";
    }

    // ENTER in the gross or net field: the amount is the only row.
    void Enter(Haupt feld, const std::string& text)
    {
        p.haupt.text(feld) = text;
        LEdiBruttoKeyDown(p, feld);
    }

    // A row typed into the entry band and taken; the garnishment list marks
    // it by its name.
    void Zeile(const std::string& name, const std::string& betrag, int typ = kBezug, bool nt = false)
    {
        auto& e = p.erfass;
        e.text(Erfass::AEdiLOA) = name;
        e.text(Erfass::VEdiBetrag) = betrag;
        e.text(Erfass::AEdiZV) = p.haupt.text(Haupt::ComboZV) != "keine" ? "x" : "";
        e.text(Erfass::AEdiNT) = nt ? "x" : "";
        erfass::ZeileNehmen(p, typ);
    }

    void Rechnen() { BtnBruttoNeuClick(p, Haupt::BtnBerechnen); }

    void Marke(std::size_t zeile, const std::string& marke) { p.opt[Opt::PfdLView].rows.at(zeile).cells.at(2) = marke; }

    std::vector<std::string>& Bericht() { return p.abr[Abr::LiBoPfd].items; }
    std::string Berichtszeile(std::string_view anfang)
    {
        for (const std::string& z : Bericht()) {
            if (z.starts_with(anfang)) return z;
        }
        return "(no line " + std::string(anfang) + ")";
    }

    test::FakeDialoge d;
    test::FesteUhr uhr{2024, 3, 15};
    ProgrammZustand p{d, uhr};
};

TEST_F(SonderberechnungTest, ReducedRowsReachTheSecondEngine)
{
    Enter(Haupt::LEdiBrutto, "2.000,00");
    Zeile("Weihnachtsgeld", "1.200,00");
    Zeile("Überstunden", "301,01");
    Zeile("Urlaubsgeld", "400,00");
    Zeile("VL-Abzug", "40,00", kAbzug);
    Zeile("VL-Abzug", "20,00", kAbzug);
    const std::vector<Lohnart> zeilen = p.erfass.zeilen;
    const ErfassZustand vorher = p.erfass;
    Rechnen();

    const TLohnGehalt& lg2 = p.LohnGehalt2;
    EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1);
    EXPECT_EQ(lg2.FGesamtbrutto, 2000.00_cur + 495.00_cur + 150.51_cur) << "March 2024: 705,00 of the bonus exempt";
    EXPECT_EQ(p.LohnGehalt.FGesamtbrutto, 3901.01_cur);
    EXPECT_EQ(lg2.FPfaendKorrektur, 60.00_cur);
    EXPECT_EQ(Berichtszeile("VL-Abzug"), Zeile44("VL-Abzug", -(60.00_cur)));
    EXPECT_EQ(Berichtszeile("Pfändbarer Nettobetrag"),
              Zeile44("Pfändbarer Nettobetrag", PfaendbaresNetto(lg2) - lg2.FPfaendKorrektur))
        << "the report garnishes from the engine's net";
    EXPECT_EQ(Berichtszeile("Pfändungsbetrag"), Zeile44("Pfändungsbetrag", lg2.FPfaendBetrag));
    EXPECT_GT(lg2.FPfaendBetrag, 0_cur);

    EXPECT_EQ(p.erfass.zeilen, zeilen);
    EXPECT_EQ(p.erfass.typ, vorher.typ);
    for (Erfass id : {Erfass::AEdiLOA, Erfass::VEdiBetrag, Erfass::AEdiLST, Erfass::AEdiSV, Erfass::AEdiNT}) {
        EXPECT_EQ(p.erfass.text(id), vorher.text(id)) << p.erfass.name(id);
    }
}

TEST_F(SonderberechnungTest, GarnishmentListShorterEmptyOrLonger)
{
    Enter(Haupt::LEdiBrutto, "2.000,00");
    Zeile("Weihnachtsgeld", "1.200,00");
    struct Liste {
        const char* name;
        std::vector<lx::Zeile> rows;
        Currency gesamt;
    };
    const Liste listen[] = {
        {"empty", {}, 3200.00_cur},
        {"shorter", {Pfd("Gehalt", "2.000,00", "x")}, 3200.00_cur},
        {"longer",
         {Pfd("Gehalt", "2.000,00", "x"), Pfd("Weihnachtsgeld", "1.200,00", "WG"), Pfd("Urlaubsgeld", "300,00", "")},
         2495.00_cur},
    };
    const std::vector<Lohnart> zeilen = p.erfass.zeilen;
    for (const Liste& l : listen) {
        p.opt[Opt::PfdLView].rows = l.rows;
        ActSonderberechnung(p);
        EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, l.gesamt) << l.name;
        EXPECT_EQ(p.erfass.zeilen, zeilen) << l.name;
        EXPECT_EQ(Berichtszeile("Pfändungsbrutto"), Zeile44("Pfändungsbrutto", l.gesamt)) << l.name;
    }
}

TEST_F(SonderberechnungTest, RowsComeBackWhenATextIsNoNumber)
{
    Enter(Haupt::LEdiBrutto, "2.000,00");
    Zeile("Urlaubsgeld", "400,00");
    const ErfassZustand vorher = p.erfass;
    p.opt.text(Opt::PfdVEdiUntPers) = "zwei";
    EXPECT_THROW(ActSonderberechnung(p), ConversionError);
    EXPECT_EQ(p.erfass.zeilen, vorher.zeilen);
    EXPECT_EQ(p.erfass.brutto, vorher.brutto);
}

// With every row "x" and the scheme and deferred compensation kept, the
// special calculation garnishes what the working engine garnishes.
TEST_F(SonderberechnungTest, SameGarnishmentThroughBothEngines)
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
        {"net-marked allowance, transition zone", Haupt::LEdiBrutto, "1.000,00", "30", "100,00"},
    };
    Zusatzversorgung("VBL");
    p.opt.text(Opt::PfdComboEntUmw) = "ja";
    p.opt.text(Opt::PfdComboMethode) = "Bruttomethode";  // the working engine garnishes too
    int pfaendbar = 0;
    for (const char* jahr : {"2019", "2022", "2024"}) {
        for (const char* unterhalt : {"0", "1", "3"}) {
            for (const Fall& f : faelle) {
                const std::string was = std::string(f.name) + " " + jahr + ", " + unterhalt + " dependants";
                p.haupt.text(Haupt::ComboJahr) = jahr;
                p.opt.text(Opt::PfdVEdiUntPers) = unterhalt;
                p.opt.text(Opt::LSTVEdiStTage) = f.tage;
                p.opt.text(Opt::SVVEdiSVTage) = f.tage;
                Enter(f.feld, f.betrag);
                if (f.nt) {
                    Zeile("Zulage", f.nt, kBezug, true);
                    Rechnen();
                    EXPECT_EQ(p.FNTHochrechnung, 1) << was;
                }
                EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1) << was;
                EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, p.LohnGehalt.FGesamtbrutto) << was;
                EXPECT_EQ(p.LohnGehalt2.FPfaendBetrag, p.LohnGehalt.FPfaendBetrag) << was;
                if (p.LohnGehalt2.FPfaendBetrag > 0_cur) ++pfaendbar;
                EXPECT_TRUE(d.texte(Art::Information).empty()) << was;
                d.leeren();
            }
        }
    }
    EXPECT_GE(pfaendbar, 20) << "cases that garnish something";
}

TEST_F(SonderberechnungTest, NetModeGarnishesTheWantedNet)
{
    // Each trial gross is the total gross, also where the second engine's
    // gross differs from the working engine's (no deferred compensation).
    for (bool ohneEntgeltumwandlung : {false, true}) {
        Zusatzversorgung("VBL");
        if (ohneEntgeltumwandlung) {
            Entgeltumwandlung();
            p.opt.text(Opt::PfdComboEntUmw) = "nein";
        }
        Enter(Haupt::LEdiNetto, "2.000,00");
        EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1);
        EXPECT_EQ(p.LohnGehalt2.FPfaendBetrag, 418.40_cur) << ohneEntgeltumwandlung;
        EXPECT_EQ(Berichtszeile("Pfändbarer Nettobetrag"), Zeile44("Pfändbarer Nettobetrag", 2000.00_cur))
            << ohneEntgeltumwandlung;
    }
    EXPECT_NE(p.LohnGehalt2.FGesamtbrutto, p.LohnGehalt.FGesamtbrutto);
}

// The special calculation changes neither the working engine nor the main
// window, nor the entry band.
TEST_F(SonderberechnungTest, WorkingEngineAndMainWindowUntouched)
{
    for (bool netto : {true, false}) {
        const char* was = netto ? "net mode" : "gross-up";
        p.opt.text(Opt::PfdComboEntUmw) = "nein";
        p.opt.text(Opt::ZVComboHochr) = "ja";
        Zusatzversorgung("VBL");
        Entgeltumwandlung();
        if (netto) {
            Enter(Haupt::LEdiNetto, "2.000,00");
        } else {
            Enter(Haupt::LEdiBrutto, "2.500,00");
            Zeile("Zulage", "150,00", kBezug, true);
            Rechnen();
        }
        p.erfass.text(Erfass::AEdiLOA) = "Prämie";
        p.erfass.text(Erfass::VEdiBetrag) = "12,00";
        p.erfass.typ = kAbzug;
        const LohnEingaben eingaben = p.LohnGehalt;
        const LohnErgebnisse ergebnisse = p.LohnGehalt;
        const HauptZustand haupt = p.haupt;
        const ErfassZustand erfass = p.erfass;
        const Byte flag = p.FNTHochrechnung;

        ActSonderberechnung(p);

        EXPECT_TRUE(static_cast<const LohnEingaben&>(p.LohnGehalt) == eingaben) << was;
        EXPECT_TRUE(static_cast<const LohnErgebnisse&>(p.LohnGehalt) == ergebnisse) << was;
        for (Haupt id : {Haupt::LEdiBrutto, Haupt::LEdiNetto}) {
            EXPECT_EQ(p.haupt.text(id), haupt.text(id)) << was << " " << p.haupt.name(id);
            EXPECT_EQ(p.haupt[id].tag, haupt[id].tag) << was;
        }
        EXPECT_EQ(p.haupt[Haupt::LVAbz].rows, haupt[Haupt::LVAbz].rows) << was;
        EXPECT_EQ(p.FNTHochrechnung, flag) << was;
        EXPECT_EQ(p.erfass.zeilen, erfass.zeilen) << was;
        for (Erfass id : {Erfass::AEdiLOA, Erfass::VEdiBetrag, Erfass::AEdiLST, Erfass::AEdiNT}) {
            EXPECT_EQ(p.erfass.text(id), erfass.text(id)) << was << " " << p.erfass.name(id);
        }
        EXPECT_EQ(p.erfass.typ, kAbzug) << was;
        EXPECT_NE(p.LohnGehalt2.FGesamtbrutto, p.LohnGehalt.FGesamtbrutto)
            << was << ": found without the deferred compensation";
    }
}

// With "Indiv. steuer- und sv-pfl. Ant. hochr." the special calculation
// grosses the scheme's taxable share up inside its gross-up, without entry
// rows of its own. The same garnished amount and net-method report as the rows
// the share stands for give: benefits in kind marked net, "<scheme>-
// steuerpflichtig" (tax) and "-sozialvers.pfl." (SV), or one "-steuer- u.
// sv-pfl." row when the two are equal, taken into the gross-up with the share
// counted once (by the rows; the engine's own adding of the scheme's share
// switched off), the regular tax and SV gross moved by the trial's step.
TEST_F(SonderberechnungTest, SchemesShareGrossedUpAsWithItsOwnRows)
{
    int mitAnteil = 0;
    int gleicheAnteile = 0;
    for (const char* art : {"RZVK", "VBL", "kvw", "individuell"}) {
        for (const char* jahr : {"2016", "2020", "2024"}) {
            for (const char* unterhalt : {"0", "2"}) {
                const std::string was = std::string(art) + " " + jahr + ", " + unterhalt + " dependants";
                test::FakeDialoge dd;
                ProgrammZustand q{dd, uhr};
                ActLVGrundExecute(q);
                q.haupt.text(Haupt::ComboMonat) = "März";
                q.haupt.text(Haupt::ComboJahr) = jahr;
                ActMMJJChange(q);
                q.haupt.text(Haupt::ComboZV) = art;
                ComboZVChange(q);
                q.opt.text(Opt::ZVVEdiPAGA) = "6,45";
                q.opt.text(Opt::ZVVEdiPANA) = "1,81";
                q.opt.text(Opt::ZVComboHochr) = "ja";
                q.opt.text(Opt::PfdComboJaNein) = "ja";
                q.opt.text(Opt::PfdComboEntUmw) = "ja";
                q.opt.text(Opt::PfdVEdiUntPers) = unterhalt;
                q.haupt.text(Haupt::LEdiBrutto) = "3.500,00";
                LEdiBruttoKeyDown(q, Haupt::LEdiBrutto);
                auto& e = q.erfass;
                e.text(Erfass::AEdiLOA) = "Weihnachtsgeld";  // garnishable in part ("WG")
                e.text(Erfass::VEdiBetrag) = "1.200,00";
                e.text(Erfass::AEdiZV) = "x";
                erfass::ZeileNehmen(q);
                BtnBruttoNeuClick(q, Haupt::BtnBerechnen);
                ASSERT_EQ(q.opt[Opt::PfdComboJaNein].tag, 1) << was;
                ASSERT_TRUE(dd.texte(Art::Information).empty()) << was;

                // The rows of the share, from the reduced rows' computation.
                const PfaendbareZeilen reduziert =
                    ReduziereZeilen(e.zeilen, q.opt[Opt::PfdLView].rows, q.LohnGehalt.FJahr, q.LohnGehalt.FMonat);
                std::vector<Lohnart> zeilen = reduziert.zeilen;
                const Bruttosummen ohne = BerechneBrutto(zeilen, false);
                TLohnGehalt mitSchema;
                EingabenKopieren(q.LohnGehalt, mitSchema, BruttoVorgaben(ohne, ohne[kZVBrutto]));
                mitSchema.Berechnen();
                const Currency st = mitSchema.FZVStPfl;
                const Currency sv = mitSchema.FZVSVPfl;
                auto anteil = [&](const char* endung, Currency betrag, bool lst, bool svPfl) {
                    Lohnart z{.name = std::string(art) + "-" + endung, .betrag = betrag, .typ = kSachbezug};
                    z.flags[kLST] = lst;
                    z.flags[kSV] = svPfl;
                    z.flags[kNT] = true;
                    zeilen.push_back(z);
                };
                if (st == sv) {
                    if (st > 0_cur) anteil("steuer- u. sv-pfl.", st, true, true);
                    ++gleicheAnteile;
                } else {
                    if (st > 0_cur) anteil("steuerpflichtig", st, true, false);
                    if (sv > 0_cur) anteil("sozialvers.pfl.", sv, false, true);
                }
                if (st > 0_cur || sv > 0_cur) ++mitAnteil;

                // The gross-up over those rows: the comparison without them,
                // then trial grosses moving the regular tax and SV gross.
                auto kopie = [&q](TLohnGehalt& nach, const Bruttosummen& b) {
                    KopieVorgaben v = BruttoVorgaben(b, b[kZVBrutto]);
                    v.zvKeine = true;
                    EingabenKopieren(q.LohnGehalt, nach, v);
                };
                TLohnGehalt vergleich;
                kopie(vergleich, ohne);
                vergleich.Berechnen();
                const Currency G0 = ohne[kGesamtbrutto];
                const Currency ziel = NettoBrutto(vergleich, G0);
                const Bruttosummen alle = BerechneBrutto(zeilen, false);
                TLohnGehalt mitZeilen;
                kopie(mitZeilen, alle);
                mitZeilen.SetPfaendKorrektur(reduziert.korrektur);
                mitZeilen.Berechnen();
                NettoIterationNachErster(G0, NettoBrutto(mitZeilen, G0), ziel,
                                         [&](Currency G) {
                                             mitZeilen.SetStBrutto(alle[kSteuerbrutto] + (G - G0));
                                             mitZeilen.SetSVBrutto(alle[kSVBrutto] + (G - G0));
                                             mitZeilen.SetGesamtbrutto(G);
                                             mitZeilen.Berechnen();
                                             return NettoBrutto(mitZeilen, G);
                                         },
                                         {.grenze = 300, .steuerklasse6 = false, .zuschlag = HochrechnungZuschlag});
                mitZeilen.BerechnePfaendung();

                if (st > 0_cur) {
                    EXPECT_GT(q.LohnGehalt2.FGesamtbrutto, G0) << was << ": the share grossed up";
                }
                EXPECT_EQ(q.LohnGehalt2.FPfaendBetrag, mitZeilen.FPfaendBetrag) << was;
                EXPECT_EQ(q.LohnGehalt2.FStBrutto, mitZeilen.FStBrutto) << was;
                PfaendungsEingaben ein{.PfdComboMethode = q.opt.text(Opt::PfdComboMethode),
                                       .LEdiDruckName = "",
                                       .ComboMonat = "März",
                                       .ComboJahr = jahr,
                                       .zeilen = {}};
                for (const lx::Zeile& z : q.opt[Opt::PfdLView].rows) {
                    ein.zeilen.push_back({z.cells.at(0), z.cells.at(1), z.cells.at(2)});
                }
                EXPECT_EQ(q.abr[Abr::LiBoPfd].items, NettoPfaendungsabrechnung(mitZeilen, ein)) << was;
            }
        }
    }
    EXPECT_GE(mitAnteil, 18) << "cases with a taxable share";
    EXPECT_LT(gleicheAnteile, mitAnteil) << "the two shares differ in some cases";
}

TEST_F(SonderberechnungTest, WithoutSchemeAndDeferredCompensationWhenOptionSaysNo)
{
    for (const char* hochr : {"nein", "ja"}) {
        p.opt.text(Opt::PfdComboEntUmw) = "nein";
        p.opt.text(Opt::ZVComboHochr) = hochr;
        Zusatzversorgung("VBL");
        Entgeltumwandlung();
        Enter(Haupt::LEdiBrutto, "3.000,00");
        const TLohnGehalt& lg2 = p.LohnGehalt2;
        EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1) << hochr;
        EXPECT_EQ(p.LohnGehalt.FBAVAN, 100.00_cur) << hochr;
        EXPECT_EQ(lg2.FZVArt, "keine") << hochr;
        EXPECT_EQ(lg2.FZVAN, 0_cur) << hochr;
        EXPECT_EQ(lg2.FBAVArt, 0) << hochr;
        EXPECT_EQ(lg2.FBAVAN, 0_cur) << hochr;
        EXPECT_EQ(lg2.FStBrutto, 3000.00_cur) << hochr << ": nothing deferred";
        EXPECT_EQ(lg2.FGesamtbrutto, 3000.00_cur) << hochr;
    }
}

TEST_F(SonderberechnungTest, SearchesThatMissTheTargetSayWhich)
{
    const auto einDarueber = [](Currency, Currency ziel) { return ziel + 1.00_cur; };
    Enter(Haupt::LEdiNetto, "2.000,00");
    d.leeren();
    ActSonderberechnung(p, einDarueber);
    Enter(Haupt::LEdiBrutto, "2.500,00");
    Zeile("Zulage", "150,00", kBezug, true);
    Rechnen();
    d.leeren();
    Bericht().clear();
    ActSonderberechnung(p, einDarueber);
    EXPECT_EQ(d.texte(Art::Information),
              (std::vector<std::string>{"Hochr.in Sonderber. nach 300 Schritten abgebrochen"}));
    EXPECT_FALSE(Bericht().empty()) << "the run goes on with the last trial";
    EXPECT_EQ(p.erfass.zeilen.size(), 2u);
}

TEST_F(SonderberechnungTest, NetSearchThatMissesTheTarget)
{
    Enter(Haupt::LEdiNetto, "2.000,00");
    d.leeren();
    ActSonderberechnung(p, [](Currency, Currency ziel) { return ziel + 1.00_cur; });
    EXPECT_EQ(d.texte(Art::Information), (std::vector<std::string>{"Hochrechnung nach 300 Schritten abgebrochen"}));
    EXPECT_EQ(p.haupt.text(Haupt::LEdiNetto), "2.000,00");
}

// --- which report a calculation writes

TEST_F(SonderberechnungTest, GarnishmentOffWithAMarkWritesNoReport)
{
    Enter(Haupt::LEdiBrutto, "3.000,00");
    Bericht() = {"letzter Bericht"};
    p.opt.text(Opt::PfdComboJaNein) = "nein";
    Marke(0, "ÜbStd.");
    Rechnen();
    EXPECT_EQ(Bericht(), (std::vector<std::string>{"letzter Bericht"}));
    EXPECT_EQ(p.opt[Opt::PfdComboJaNein].tag, 1);
}

TEST_F(SonderberechnungTest, ReportByTheRowsMarks)
{
    // A gross (class I, "ev"), its row marked; the Christmas bonus rows beside
    // it are one-off payments marked "WG", in December of the year. A private
    // member's 600,00 health and 100,00 care premium leave the garnishable net
    // less the subsidy, whether the employer or he himself pays the insurer.
    struct Fall {
        const char* marke;
        const char* methode;
        const char* titel;
        const char* zeile;  // the first line after the title, of its report only
        Currency pfaendungsbrutto;
        const char* jahr = "2024";
        const char* weihnachtsgeld = nullptr;
        Currency steuerbruttoEB = 0_cur;     // the bonus's garnishable part; 0: no line
        const char* privat = nullptr;        // health and care special case
        Currency pfaendungsbetrag = -1_cur;  // -1: not asserted
    };
    const Fall faelle[] = {
        {"ÜbStd.", "Bruttomethode", "Pfändungsberechnung (Bruttomethode) März 2024", "Steuerbrutto lfd.", 1500.00_cur},
        {"ÜbStd.", "Nettomethode", "Pfändungsberechnung (Nettomethode) März 2024", "Steuerbrutto lfd.", 1500.00_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) März 2024", "Brutto ", 0_cur},
        // before the reform: 500,00 of 800,00 exempt (half the month's pay is more)
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Dezember 2020", "Steuerbrutto lfd.", 3300.00_cur,
         "2020", "800,00", 300.00_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Dezember 2021", "Steuerbrutto lfd.", 3700.00_cur,
         "2021", "1.200,00", 700.00_cur},
        // after it: half of 1.410,00 (2023) and of 1.500,00 (2024)
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Dezember 2023", "Steuerbrutto lfd.", 3495.00_cur,
         "2023", "1.200,00", 495.00_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Dezember 2024", "Steuerbrutto lfd.", 3450.00_cur,
         "2024", "1.200,00", 450.00_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Dezember 2024", "Steuerbrutto lfd.", 3000.00_cur,
         "2024", "600,00", 0_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Juli 2024", "Brutto ", 0_cur, "2024", nullptr, 0_cur,
         "Privat Firmenzahler", 1657.78_cur},
        {"x", "Nettomethode", "Pfändungsberechnung (Nettomethode) Juli 2024", "Brutto ", 0_cur, "2024", nullptr, 0_cur,
         "Privat Selbstzahler", 1657.78_cur},
    };
    for (const Fall& f : faelle) {
        const std::string was = std::string(f.marke) + " " + f.methode + " " + f.jahr;
        p.haupt.text(Haupt::ComboJahr) = f.jahr;
        p.haupt.text(Haupt::ComboMonat) = f.weihnachtsgeld ? "Dezember" : (f.privat ? "Juli" : "März");
        for (Opt bes : {Opt::SVComboKVBez, Opt::SVComboPVBez})
            p.opt.text(bes) = f.privat ? f.privat : "keine Besonderheiten";
        p.opt.text(Opt::LEdiPKV) = f.privat ? "600,00" : "0,00";
        p.opt.text(Opt::LEdiPPV) = f.privat ? "100,00" : "0,00";
        Enter(Haupt::LEdiBrutto, f.privat ? "6.500,00" : "3.000,00");
        p.opt.text(Opt::PfdComboMethode) = f.methode;
        Marke(0, f.marke);
        if (f.weihnachtsgeld) {
            p.erfass.text(Erfass::AEdiEB) = "x";
            Zeile("Weihnachtsgeld", f.weihnachtsgeld);
            p.erfass.text(Erfass::AEdiEB) = "";
            ASSERT_EQ(p.opt[Opt::PfdLView].rows.size(), 2u) << was;
            EXPECT_EQ(p.opt[Opt::PfdLView].rows[1].cells.at(2), "WG") << was;
        }
        Rechnen();
        ASSERT_GT(Bericht().size(), 3u) << was;
        EXPECT_EQ(Bericht()[0], f.titel) << was;
        EXPECT_TRUE(Bericht()[3].starts_with(f.zeile)) << was << ": " << Bericht()[3];
        if (f.pfaendungsbrutto != 0_cur) {
            EXPECT_EQ(Berichtszeile("Pfändungsbrutto"), Zeile44("Pfändungsbrutto", f.pfaendungsbrutto)) << was;
        }
        if (f.weihnachtsgeld) {
            const std::string eb =
                f.steuerbruttoEB > 0_cur ? Zeile44("Steuerbrutto EBZ", f.steuerbruttoEB) : "(no line Steuerbrutto EBZ)";
            EXPECT_EQ(Berichtszeile("Steuerbrutto EBZ"), eb) << was;
        } else if (!f.privat) {
            EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), "3.000,00") << was;
        }
        if (f.pfaendungsbetrag >= 0_cur) {
            EXPECT_EQ(p.LohnGehalt.FPfaendBetrag, f.pfaendungsbetrag) << was << " " << f.privat;
            EXPECT_EQ(Berichtszeile("Pfändungsbetrag"), Zeile44("Pfändungsbetrag", f.pfaendungsbetrag)) << was;
            EXPECT_EQ(Berichtszeile("KV/PV selbst gez."),
                      std::string(f.privat) == "Privat Selbstzahler"
                          ? Zeile44("KV/PV selbst gez. abzgl. Zuschuss", -(350.00_cur))
                          : "(no line KV/PV selbst gez.)")
                << was;
        }
    }
}

TEST_F(SonderberechnungTest, GrossMethodReportFromTheWorkingEngine)
{
    p.opt.text(Opt::PfdComboMethode) = "Bruttomethode";
    p.abr.text(Abr::LEdiDruckName) = "Erika Muster";
    Enter(Haupt::LEdiBrutto, "3.000,00");
    const PfaendungsEingaben ein{.PfdComboMethode = "Bruttomethode",
                                 .LEdiDruckName = "Erika Muster",
                                 .ComboMonat = "März",
                                 .ComboJahr = "2024",
                                 .zeilen = {{"Gehalt", "3.000,00", "x"}}};
    EXPECT_EQ(Bericht(), BruttoPfaendungsabrechnung(p.LohnGehalt, ein));
    ASSERT_FALSE(Bericht().empty());
    EXPECT_EQ(Bericht()[0], "Pfändungsberechnung (Bruttomethode) Erika Muster März 2024");
    EXPECT_GT(p.LohnGehalt.FPfaendBetrag, 0_cur);
}

}  // namespace
}  // namespace lx
