// The garnishment special calculation on the second engine: the reduced rows,
// the garnishable amount against the working engine's, what it leaves alone,
// its messages, and the gross-method report into the payslip window.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "AmountText.h"
#include "Berichte.h"
#include "Erfassung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "NettoIteration.h"
#include "ProgrammZustand.h"
#include "Sonderberechnung.h"

namespace lx {
namespace {

// A report line with an amount.
std::string Zeile44(std::string_view label, Currency wert)
{
    return FormatAbrZeile(label, formatAmount(wert), true);
}

Lohnart Bezug(std::string name, Currency betrag, bool nt = false)
{
    Lohnart z{.name = std::move(name), .betrag = betrag};
    z.flags[kLST] = z.flags[kSV] = z.flags[kZV] = true;
    z.flags[kNT] = nt;
    return z;
}

Lohnart Abzug(std::string name, Currency betrag)
{
    return {.name = std::move(name), .betrag = betrag, .typ = kAbzug};
}

// One calculation's case: the rows, the mode and the options that matter here.
struct Fall {
    const char* name = "";
    std::vector<Lohnart> zeilen{};
    int jahr = 2024;
    int monat = 3;
    bool nettoModus = false;
    Currency wunschNetto{};
    int stTage = 30;
    int unterhalt = 0;
    std::string zv = "VBL";  // the scheme, in the options and the main window
    bool bav = false;        // deferred compensation, employee share 100,00
    bool gleitzone = false;
};

class SonderberechnungTest : public ::testing::Test {
protected:
    // The windows as the user left them and the working engine as the
    // calculation leaves it (the driver's setters, its computation and
    // the garnishable amount); the garnishment list mirrors the rows.
    void Vorbereiten(const Fall& f)
    {
        p.erfass.zeilen = f.zeilen;
        erfass::ActBrutti(p);
        erfass::ActTZUebernehmen(p);
        for (Zeile& z : p.opt[Opt::PfdLView].rows) z.cells[2] = z.image == kAbzug ? "Abzug" : "x";
        p.opt.text(Opt::PfdComboJaNein) = "ja";
        p.opt.text(Opt::PfdComboEntUmw) = "ja";
        p.opt.text(Opt::PfdVEdiUntPers) = std::to_string(f.unterhalt);
        p.opt.text(Opt::ZVComboArt) = f.zv;
        p.haupt.text(Haupt::ComboZV) = f.zv;
        p.haupt[Haupt::LEdiNetto].tag = f.nettoModus ? 1 : 0;
        fall = f;
        Rechnen();
    }

    void Rechnen()
    {
        TLohnGehalt& lg = p.LohnGehalt;
        const Bruttosummen& b = p.erfass.brutto;
        lg.SetRechtskreis(1);
        lg.SetJahr(fall.jahr);
        lg.SetBGR("1111");
        lg.SetMonat(fall.monat);
        lg.SetGleitzone(fall.gleitzone ? 1 : 0);
        lg.SetPVZuschlag(1);
        lg.SetKVZusatz(1.70_cur);
        lg.SetU1Satz(1.10_cur);
        lg.SetU2Satz(0.24_cur);
        lg.SetKVSatz(14.60_cur);
        lg.SetSVBrutto(b[kSVBrutto]);
        lg.SetSVBruttoEB(b[kSVBruttoEB]);
        lg.SetSVTageVorher(1);
        lg.SetStBrutto(b[kSteuerbrutto]);
        lg.SetStBruttoEB(b[kSteuerbruttoEB]);
        lg.SetStBruttoLMJ(b[kSteuerbruttoLMJ]);
        lg.SetGesamtbrutto(b[kGesamtbrutto]);
        lg.SetStAuto(1);
        lg.SetSVAuto(1);
        lg.SetZVBrutto(b[kZVBrutto]);
        lg.SetStTage(static_cast<Byte>(fall.stTage));
        lg.SetSVTage(static_cast<Byte>(fall.stTage));
        lg.SetPfaendung(1);
        lg.SetUnterhaltPers(static_cast<Byte>(fall.unterhalt));
        lg.SetLZZ(2);
        lg.SetStKl(1);
        lg.SetKonfession(1);
        lg.SetBundesland(2);
        lg.SetKammer(2);
        lg.SetGebJahr(1980);
        lg.SetZVArt(fall.zv);
        lg.SetZVPStGrenze(146.00_cur);
        if (fall.zv != "keine") {
            lg.SetZVSatzAG(6.45_cur);
            lg.SetZVSatzAN(1.81_cur);
            lg.SetSanierungsgeldSatz(1.00_cur);
            lg.SetZVUmlage(1);
        }
        lg.SetVBBeginnJahr(2005);
        lg.SetVBMonate(12);
        if (fall.bav) {
            lg.SetBAVArt(1);
            lg.SetBAVBetrag(50.00_cur);
            lg.SetBAVAN(100.00_cur);
        }
        lg.SetBAVStFrei(1);
        lg.SetBAVPauschal(1752.00_cur);
        lg.SetBAVMonatlich(1);
        const bool zv = fall.zv != "keine";
        if (fall.nettoModus) {
            // Net to gross as the calculation does it: each trial the tax,
            // contribution, total and scheme gross.
            auto netto = [&](Currency G) {
                lg.SetStBrutto(G);
                lg.SetSVBrutto(G);
                if (zv) lg.SetZVBrutto(G);
                lg.SetGesamtbrutto(G);
                lg.Berechnen();
                Currency n = G - (lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk + lg.FRVAN + lg.FAVAN);
                return n - lg.FKVAN - lg.FPVAN;
            };
            const NettoIterationErgebnis e = NettoIteration(fall.wunschNetto, fall.wunschNetto, netto);
            ASSERT_FALSE(e.abgebrochen) << fall.name;
            p.haupt.text(Haupt::LEdiNetto) = formatAmount(e.netto);
            p.haupt.text(Haupt::LEdiBrutto) = formatAmount(e.brutto);
        } else {
            lg.Berechnen();
            p.haupt.text(Haupt::LEdiBrutto) = formatAmount(b[kGesamtbrutto]);
            p.haupt.text(Haupt::LEdiNetto) = "1.234,56";
        }
        lg.BerechnePfaendung();
        p.haupt[Haupt::LVAbz].rows = {{.cells = {"Lohnsteuer", "-1,00"}}};
    }

    void Marke(std::size_t zeile, const std::string& marke) { p.opt[Opt::PfdLView].rows.at(zeile).cells.at(2) = marke; }

    std::string Berichtszeile(std::string_view anfang) const
    {
        for (const std::string& z : p.abr[Abr::LiBoPfd].items) {
            if (z.starts_with(anfang)) return z;
        }
        return "(no line " + std::string(anfang) + ")";
    }

    test::FakeDialoge d;
    test::FesteUhr uhr{2024, 3, 15};
    ProgrammZustand p{d, uhr};
    Fall fall;
};

// --- reductions

TEST(ReduziereZeilen, GarnishablePartsByMark)
{
    struct Fallzeile {
        const char* marke;
        Currency betrag;
        std::optional<Currency> erwartet;  // nullopt: the row is gone
    };
    const Fallzeile faelle[] = {
        {"WG", 1200.00_cur, 700.00_cur},       {"WG", 800.00_cur, 400.00_cur}, {"WG", 1000.00_cur, 500.00_cur},
        {"ÜbStd.", 301.01_cur, 150.51_cur},    {"", 250.00_cur, std::nullopt}, {"x", 2000.00_cur, 2000.00_cur},
        {"Abzug", -(30.00_cur), -(30.00_cur)},
    };
    for (const Fallzeile& f : faelle) {
        const Lohnart z = Bezug("Zeile", f.betrag);
        const Zeile pfd{.cells = {"Zeile", formatAmount(f.betrag), f.marke}};
        const PfaendbareZeilen r = ReduziereZeilen({z}, {pfd});
        if (!f.erwartet) {
            EXPECT_TRUE(r.zeilen.empty()) << f.marke;
            continue;
        }
        ASSERT_EQ(r.zeilen.size(), 1u) << f.marke;
        EXPECT_EQ(r.zeilen[0].betrag, *f.erwartet) << f.marke << " " << f.betrag;
        EXPECT_EQ(r.korrektur, 0_cur) << f.marke;
    }
}

TEST(ReduziereZeilen, AllVLRowsMakeTheCorrection)
{
    const std::vector<Lohnart> zeilen = {Bezug("Gehalt", 2000.00_cur), Abzug("VL-Abzug", -(40.00_cur)),
                                         Abzug("VL-Abzug", -(20.00_cur))};
    const std::vector<Zeile> pfd = {{.cells = {"Gehalt", "2.000,00", "x"}},
                                    {.cells = {"VL-Abzug", "-40,00", "VL-Abzug"}},
                                    {.cells = {"VL-Abzug", "-20,00", "VL-Abzug"}}};
    const PfaendbareZeilen r = ReduziereZeilen(zeilen, pfd);
    EXPECT_EQ(r.korrektur, 60.00_cur);
    EXPECT_EQ(r.zeilen, zeilen);
}

TEST(ReduziereZeilen, ListsOfDifferentLength)
{
    const std::vector<Lohnart> zeilen = {Bezug("Urlaubsgeld", 500.00_cur), Bezug("Weihnachtsgeld", 1200.00_cur)};
    const Zeile leer{.cells = {"Urlaubsgeld", "500,00", ""}};
    const Zeile wg{.cells = {"Weihnachtsgeld", "1.200,00", "WG"}};
    const Zeile vl{.cells = {"VL-Abzug", "-40,00", "VL-Abzug"}};

    EXPECT_EQ(ReduziereZeilen(zeilen, {}).zeilen, zeilen) << "an empty list reduces nothing";
    const PfaendbareZeilen kurz = ReduziereZeilen(zeilen, {leer});
    ASSERT_EQ(kurz.zeilen.size(), 1u);
    EXPECT_EQ(kurz.zeilen[0], zeilen[1]) << "a row without garnishment row stays";
    const PfaendbareZeilen lang = ReduziereZeilen(zeilen, {leer, wg, vl});
    ASSERT_EQ(lang.zeilen.size(), 1u);
    EXPECT_EQ(lang.zeilen[0].betrag, 700.00_cur);
    EXPECT_EQ(lang.korrektur, 0_cur) << "a garnishment row without entry row takes nothing";
}

TEST_F(SonderberechnungTest, ReducedRowsReachTheSecondEngine)
{
    Vorbereiten({.name = "reductions",
                 .zeilen = {Bezug("Gehalt", 2000.00_cur), Bezug("Weihnachtsgeld", 1200.00_cur),
                            Bezug("Überstunden", 301.01_cur), Bezug("Urlaubsgeld", 400.00_cur),
                            Abzug("VL-Abzug", -(40.00_cur)), Abzug("VL-Abzug", -(20.00_cur))}});
    Marke(1, "WG");
    Marke(2, "ÜbStd.");
    Marke(3, "");
    Marke(4, "VL-Abzug");
    Marke(5, "VL-Abzug");
    p.erfass.text(Erfass::AEdiLOA) = "Prämie";
    p.erfass.text(Erfass::VEdiBetrag) = "12,00";
    p.erfass.typ = kAbzug;
    const std::vector<Lohnart> vorher = p.erfass.zeilen;
    const Bruttosummen bruttoVorher = p.erfass.brutto;
    const ErfassZustand bandVorher = p.erfass;

    ActSonderberechnung(p);

    const TLohnGehalt& lg2 = p.LohnGehalt2;
    EXPECT_EQ(lg2.FGesamtbrutto, 2000.00_cur + 700.00_cur + 150.51_cur);
    EXPECT_EQ(lg2.FPfaendKorrektur, 60.00_cur);
    EXPECT_EQ(Berichtszeile("Pfändbarer Nettobetrag"),
              Zeile44("Pfändbarer Nettobetrag", PfaendbaresNetto(lg2) - lg2.FPfaendKorrektur))
        << "the report garnishes from the engine's net";
    EXPECT_EQ(Berichtszeile("VL-Abzug"), Zeile44("VL-Abzug", -(60.00_cur)));
    EXPECT_EQ(lg2.FPfaendBetrag, lg2.BerechnePfaendbar());
    EXPECT_GT(lg2.FPfaendBetrag, 0_cur);

    EXPECT_EQ(p.erfass.zeilen, vorher);
    EXPECT_EQ(p.erfass.brutto, bruttoVorher);
    EXPECT_EQ(p.erfass.typ, kAbzug);
    for (Erfass id : {Erfass::AEdiLOA, Erfass::VEdiBetrag, Erfass::AEdiLST, Erfass::AEdiNT}) {
        EXPECT_EQ(p.erfass.text(id), bandVorher.text(id)) << p.erfass.name(id);
    }
}

TEST_F(SonderberechnungTest, GarnishmentListShorterEmptyOrLonger)
{
    const Fall f{.name = "lists", .zeilen = {Bezug("Gehalt", 2000.00_cur), Bezug("Weihnachtsgeld", 1200.00_cur)}};
    struct Liste {
        const char* name;
        std::vector<Zeile> rows;
        Currency gesamt;
    };
    const Liste listen[] = {
        {"empty", {}, 3200.00_cur},
        {"shorter", {{.cells = {"Gehalt", "2.000,00", "x"}}}, 3200.00_cur},
        {"longer",
         {{.cells = {"Gehalt", "2.000,00", "x"}},
          {.cells = {"Weihnachtsgeld", "1.200,00", "WG"}},
          {.cells = {"Urlaubsgeld", "300,00", ""}}},
         2700.00_cur},
    };
    for (const Liste& l : listen) {
        Vorbereiten(f);
        p.opt[Opt::PfdLView].rows = l.rows;
        ActSonderberechnung(p);
        EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, l.gesamt) << l.name;
        EXPECT_EQ(p.erfass.zeilen, f.zeilen) << l.name;
        EXPECT_FALSE(p.abr[Abr::LiBoPfd].items.empty()) << l.name;
    }
}

// --- consistency: with nothing to reduce both engines garnish the same

TEST_F(SonderberechnungTest, SameGarnishmentAsTheWorkingEngine)
{
    std::vector<Fall> faelle;
    for (int jahr : {2019, 2022, 2024}) {
        for (int unterhalt : {0, 1, 3}) {
            faelle.push_back(
                {.name = "gross", .zeilen = {Bezug("Gehalt", 3000.00_cur)}, .jahr = jahr, .unterhalt = unterhalt});
            faelle.push_back({.name = "net",
                              .zeilen = {Bezug("Netto", 2000.00_cur, true)},
                              .jahr = jahr,
                              .nettoModus = true,
                              .wunschNetto = 2000.00_cur,
                              .unterhalt = unterhalt});
            faelle.push_back({.name = "15 tax days",
                              .zeilen = {Bezug("Gehalt", 3000.00_cur)},
                              .jahr = jahr,
                              .stTage = 15,
                              .unterhalt = unterhalt});
            faelle.push_back({.name = "transition zone",
                              .zeilen = {Bezug("Gehalt", 1000.00_cur)},
                              .jahr = jahr,
                              .unterhalt = unterhalt,
                              .gleitzone = true});
            faelle.push_back({.name = "deferred compensation",
                              .zeilen = {Bezug("Gehalt", 3500.00_cur), Bezug("Weihnachtsgeld", 500.00_cur)},
                              .jahr = jahr,
                              .unterhalt = unterhalt,
                              .bav = true});
        }
    }
    for (const Fall& f : faelle) {
        Vorbereiten(f);
        ActSonderberechnung(p);
        const std::string was =
            std::string(f.name) + " " + std::to_string(f.jahr) + ", " + std::to_string(f.unterhalt) + " dependants";
        EXPECT_EQ(p.LohnGehalt2.FGesamtbrutto, p.LohnGehalt.FGesamtbrutto) << was;
        EXPECT_EQ(p.LohnGehalt2.FPfaendBetrag, p.LohnGehalt.FPfaendBetrag) << was;
        EXPECT_EQ(p.LohnGehalt2.FLSt, p.LohnGehalt.FLSt) << was;
        EXPECT_EQ(p.LohnGehalt2.FSVBrutto, p.LohnGehalt.FSVBrutto) << was;
        EXPECT_TRUE(d.aufrufe.empty()) << was;
    }
}

TEST_F(SonderberechnungTest, NetModeGarnishesTheWantedNet)
{
    // The net-marked amount is no part of the reduced totals; the search's
    // gross is the total gross.
    Vorbereiten({.name = "net 2.000,00",
                 .zeilen = {Bezug("Netto", 2000.00_cur, true)},
                 .nettoModus = true,
                 .wunschNetto = 2000.00_cur});
    ActSonderberechnung(p);
    EXPECT_EQ(p.LohnGehalt2.FPfaendBetrag, 418.40_cur);
    EXPECT_EQ(Berichtszeile("Pfändbarer Nettobetrag"), Zeile44("Pfändbarer Nettobetrag", 2000.00_cur));
}

TEST_F(SonderberechnungTest, NetMarkedItemIsGrossedUp)
{
    struct Hochrechnungsfall {
        Fall fall;
        Currency gehalt;
        Currency nt;
    };
    const Hochrechnungsfall faelle[] = {
        {{.name = "plain", .zeilen = {Bezug("Gehalt", 2500.00_cur), Bezug("Zulage", 150.00_cur, true)}},
         2500.00_cur,
         150.00_cur},
        {{.name = "15 tax days",
          .zeilen = {Bezug("Gehalt", 3000.00_cur), Bezug("Zulage", 150.00_cur, true)},
          .stTage = 15},
         3000.00_cur,
         150.00_cur},
        {{.name = "transition zone",
          .zeilen = {Bezug("Gehalt", 1000.00_cur), Bezug("Zulage", 100.00_cur, true)},
          .gleitzone = true},
         1000.00_cur,
         100.00_cur},
    };
    for (const Hochrechnungsfall& h : faelle) {
        Vorbereiten(h.fall);
        // The working engine's own net of the salary alone.
        TLohnGehalt ohne = p.LohnGehalt;
        ohne.SetStBrutto(h.gehalt);
        ohne.SetSVBrutto(h.gehalt);
        ohne.SetZVBrutto(h.gehalt);
        ohne.SetGesamtbrutto(h.gehalt);
        ohne.Berechnen();
        ActSonderberechnung(p);
        const TLohnGehalt& lg2 = p.LohnGehalt2;
        const LohnEingaben& gegeben = lg2.GegebeneEingaben();
        EXPECT_GT(lg2.FGesamtbrutto, h.gehalt + h.nt) << h.fall.name;
        EXPECT_EQ(PfaendbaresNetto(lg2), PfaendbaresNetto(ohne) + h.nt)
            << h.fall.name << ": the garnishable net is the salary's net and the net-marked amount";
        // The trials move the rows' tax and SV gross, not the engine's
        // adjusted ones (tax days, zone base).
        EXPECT_EQ(gegeben.FStBrutto, gegeben.FGesamtbrutto) << h.fall.name;
        EXPECT_EQ(gegeben.FSVBruttoUngek, gegeben.FGesamtbrutto) << h.fall.name;
        EXPECT_TRUE(d.aufrufe.empty()) << h.fall.name;
    }
}

// --- isolation

TEST_F(SonderberechnungTest, WorkingEngineAndMainWindowUntouched)
{
    const Fall faelle[] = {
        {.name = "net mode with deferred compensation",
         .zeilen = {Bezug("Netto", 2000.00_cur, true)},
         .nettoModus = true,
         .wunschNetto = 2000.00_cur,
         .bav = true},
        {.name = "gross-up", .zeilen = {Bezug("Gehalt", 2500.00_cur), Bezug("Zulage", 150.00_cur, true)}},
    };
    for (const Fall& f : faelle) {
        Vorbereiten(f);
        p.opt.text(Opt::PfdComboEntUmw) = "nein";
        p.FNTHochrechnung = f.nettoModus ? 0 : 1;
        const LohnEingaben eingaben = p.LohnGehalt;
        const LohnErgebnisse ergebnisse = p.LohnGehalt;
        const HauptZustand haupt = p.haupt;
        const Byte flag = p.FNTHochrechnung;

        ActSonderberechnung(p);

        EXPECT_TRUE(static_cast<const LohnEingaben&>(p.LohnGehalt) == eingaben) << f.name;
        EXPECT_TRUE(static_cast<const LohnErgebnisse&>(p.LohnGehalt) == ergebnisse) << f.name;
        for (Haupt id : {Haupt::LEdiBrutto, Haupt::LEdiNetto}) {
            EXPECT_EQ(p.haupt.text(id), haupt.text(id)) << f.name << " " << p.haupt.name(id);
            EXPECT_EQ(p.haupt[id].tag, haupt[id].tag) << f.name;
        }
        EXPECT_EQ(p.haupt[Haupt::LVAbz].rows, haupt[Haupt::LVAbz].rows) << f.name;
        EXPECT_EQ(p.FNTHochrechnung, flag) << f.name;
        EXPECT_EQ(p.erfass.zeilen, f.zeilen) << f.name;
    }
}

TEST_F(SonderberechnungTest, WithoutSchemeAndDeferredCompensationWhenOptionSaysNo)
{
    for (const char* hochr : {"nein", "ja"}) {
        Vorbereiten(
            {.name = "scheme and deferred compensation", .zeilen = {Bezug("Gehalt", 3000.00_cur)}, .bav = true});
        p.opt.text(Opt::PfdComboEntUmw) = "nein";
        p.opt.text(Opt::ZVComboHochr) = hochr;
        ActSonderberechnung(p);
        const TLohnGehalt& lg2 = p.LohnGehalt2;
        EXPECT_EQ(lg2.FZVArt, "keine") << hochr;
        EXPECT_EQ(lg2.FZVBrutto, 0_cur) << hochr;
        EXPECT_EQ(lg2.FZVAN, 0_cur) << hochr;
        EXPECT_EQ(lg2.FBAVArt, 0) << hochr;
        EXPECT_EQ(lg2.FBAVAN, 0_cur) << hochr;
        EXPECT_EQ(lg2.FStBrutto, 3000.00_cur) << hochr << ": nothing deferred";
        EXPECT_EQ(lg2.FATZ, 0) << hochr;
        EXPECT_EQ(p.erfass.zeilen.size(), 1u) << hochr;
    }
}

TEST_F(SonderberechnungTest, SchemeRowsLeaveTheEntryBand)
{
    Vorbereiten({.name = "scheme levy grossed up", .zeilen = {Bezug("Gehalt", 3000.00_cur)}});
    p.opt.text(Opt::ZVComboHochr) = "ja";
    p.erfass.text(Erfass::AEdiLST) = "x";
    p.erfass.text(Erfass::AEdiLOA) = "Gehalt";
    p.erfass.typ = kBezug;
    ActSonderberechnung(p);
    EXPECT_EQ(p.erfass.text(Erfass::AEdiLST), "x");
    EXPECT_EQ(p.erfass.text(Erfass::AEdiNT), "");
    EXPECT_EQ(p.erfass.text(Erfass::AEdiLOA), "Gehalt");
    EXPECT_EQ(p.erfass.typ, kBezug);
    EXPECT_EQ(p.erfass.zeilen.size(), 1u);
    EXPECT_EQ(p.FNTHochrechnung, 0);
}

TEST_F(SonderberechnungTest, RowsComeBackWhenATextIsNoNumber)
{
    Vorbereiten({.name = "bad text", .zeilen = {Bezug("Gehalt", 2000.00_cur), Bezug("Urlaubsgeld", 400.00_cur)}});
    Marke(1, "");
    p.opt.text(Opt::PfdVEdiUntPers) = "zwei";
    const Bruttosummen brutto = p.erfass.brutto;
    EXPECT_THROW(ActSonderberechnung(p), ConversionError);
    EXPECT_EQ(p.erfass.zeilen.size(), 2u);
    EXPECT_EQ(p.erfass.brutto, brutto);
}

// --- messages

TEST_F(SonderberechnungTest, SearchesThatMissTheTargetSayWhich)
{
    const auto einDarueber = [](Currency, Currency ziel) { return ziel + 1.00_cur; };
    Vorbereiten(
        {.name = "net", .zeilen = {Bezug("Netto", 2000.00_cur, true)}, .nettoModus = true, .wunschNetto = 2000.00_cur});
    ActSonderberechnung(p, einDarueber);
    Vorbereiten({.name = "gross-up", .zeilen = {Bezug("Gehalt", 2500.00_cur), Bezug("Zulage", 150.00_cur, true)}});
    ActSonderberechnung(p, einDarueber);
    EXPECT_EQ(d.texte(test::Art::Information),
              (std::vector<std::string>{"Hochrechnung nach 300 Schritten abgebrochen",
                                        "Hochr.in Sonderber. nach 300 Schritten abgebrochen"}));
    EXPECT_EQ(d.aufrufe.size(), 2u);
    EXPECT_FALSE(p.abr[Abr::LiBoPfd].items.empty()) << "the run goes on with the last trial";
    EXPECT_EQ(p.erfass.zeilen.size(), 2u);
}

// --- the gross-method report

TEST_F(SonderberechnungTest, GrossMethodReportFromTheWorkingEngine)
{
    Vorbereiten({.name = "gross method", .zeilen = {Bezug("Gehalt", 3000.00_cur)}, .zv = "keine"});
    p.opt.text(Opt::PfdComboMethode) = "Bruttomethode";
    p.abr.text(Abr::LEdiDruckName) = "Erika Muster";
    p.haupt.text(Haupt::ComboMonat) = "März";
    p.haupt.text(Haupt::ComboJahr) = "2024";
    ActBPfaendungsabrechnung(p);
    const auto& z = p.abr[Abr::LiBoPfd].items;
    ASSERT_GT(z.size(), 3u);
    EXPECT_EQ(z[0], "Pfändungsberechnung (Bruttomethode) Erika Muster März 2024");
    PfaendungsEingaben ein{.PfdComboMethode = "Bruttomethode",
                           .LEdiDruckName = "Erika Muster",
                           .ComboMonat = "März",
                           .ComboJahr = "2024",
                           .zeilen = {{"Gehalt", "3.000,00", "x"}}};
    EXPECT_EQ(z, BruttoPfaendungsabrechnung(p.LohnGehalt, ein));
    EXPECT_EQ(Berichtszeile("Pfändungsbetrag"), Zeile44("Pfändungsbetrag", p.LohnGehalt.FPfaendBetrag));
}

}  // namespace
}  // namespace lx
