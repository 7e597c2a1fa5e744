#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "AmountText.h"
#include "Nettobetrag.h"
#include "berechnung/BerechnungsEingaben.h"
#include "berechnung/EingabenPruefen.h"
#include "berechnung/EingabenSetzen.h"
#include "berechnung/Geringfuegigkeitsgrenze.h"
#include "berechnung/NettoZuBrutto.h"
#include "berechnung/Pfaendungsplan.h"

using namespace lx;

namespace {

// A month's inputs with one gross item of `brutto` (LST and SV marked), the
// windows' presets otherwise.
BerechnungsEingaben eingaben(int jahr, int monat, int stKl, bool kirche, Currency brutto,
                             const std::string& bgr = "1111")
{
    BerechnungsEingaben w;
    w.jahr = jahr;
    w.monat = monat;
    w.stKl = stKl;
    w.bgr = bgr;
    w.konfession = kirche ? 0 : 4;
    w.kvSatz = jahr == 2010 ? 14.00_cur : 14.60_cur;
    w.kvZusatz = jahr < 2015 ? 0.90_cur : jahr < 2023 ? 1.30_cur : 1.60_cur;
    w.svTageVorher = 30 * (monat - 1);
    w.brutto[kGesamtbrutto] = brutto;
    w.brutto[kSteuerbrutto] = brutto;
    w.brutto[kSVBrutto] = brutto;
    return w;
}

Currency bruttoZuNetto(const BerechnungsEingaben& w)
{
    TLohnGehalt lg;
    SetzeEingaben(lg, w);
    lg.Berechnen();
    return NettoBrutto(lg, w.brutto[kGesamtbrutto]);
}

// The wanted net as the first (and only) item, as the net field puts it there.
NettoIterationErgebnis nettoZuBrutto(BerechnungsEingaben w, Currency N, TLohnGehalt& lg)
{
    w.brutto[kGesamtbrutto] = N;
    w.brutto[kSteuerbrutto] = N;
    w.brutto[kSVBrutto] = N;
    SetzeEingaben(lg, w);
    return NettoZuBrutto(lg, N, false, w.stKl == 6);
}

TEST(Berechnung, RoundTripGrossNetGross)
{
    struct Monat {
        int jahr;
        int monat;
    };
    const Monat monate[] = {{2010, 3}, {2013, 3}, {2016, 3}, {2019, 3}, {2022, 3}, {2023, 1}, {2023, 7}, {2024, 3}};
    const Currency bruttos[] = {600.00_cur, 1000.00_cur, 1999.99_cur, 3456.78_cur, 8123.45_cur, 15000.00_cur};
    int faelle = 0;
    for (const Monat& m : monate) {
        for (int stKl = 0; stKl <= 6; ++stKl) {
            for (bool kirche : {true, false}) {
                for (Currency brutto : bruttos) {
                    const std::string bgr = stKl == 0 ? "6100" : "1111";
                    const BerechnungsEingaben w = eingaben(m.jahr, m.monat, stKl, kirche, brutto, bgr);
                    const Currency N = bruttoZuNetto(w);
                    TLohnGehalt lg;
                    const NettoIterationErgebnis e = nettoZuBrutto(w, N, lg);
                    SCOPED_TRACE(std::to_string(m.jahr) + "/" + std::to_string(m.monat) + " class " +
                                 std::to_string(stKl) + (kirche ? " ev " : " nein ") + formatAmount(brutto));
                    EXPECT_FALSE(e.abgebrochen) << e.berechnungen;
                    EXPECT_LE(e.berechnungen, 300);
                    EXPECT_EQ(e.netto, N) << formatAmount(e.netto) << " wanted " << formatAmount(N);
                    // The gross found gives the wanted net from gross to net.
                    EXPECT_EQ(bruttoZuNetto(eingaben(m.jahr, m.monat, stKl, kirche, e.brutto, bgr)), N)
                        << formatAmount(e.brutto);
                    // The engine holds that gross's computation.
                    EXPECT_EQ(lg.GegebeneEingaben().FStBrutto, e.brutto);
                    EXPECT_EQ(NettoLaufend(lg, e.brutto), e.netto);
                    ++faelle;
                }
            }
        }
    }
    EXPECT_EQ(faelle, 8 * 7 * 2 * 6);
}

TEST(Berechnung, TrialComputedAgainNoLongerStallsTheSearch)
{
    // 1.670,19 gives 1.295,46; halving alone reaches 1.670,15 (net 1.295,50)
    // and steps to it again until computation 300.
    BerechnungsEingaben w = eingaben(2024, 3, 1, true, 1670.19_cur);
    w.kvZusatz = 1.30_cur;
    ASSERT_EQ(bruttoZuNetto(w), 1295.46_cur);
    BerechnungsEingaben stehen = w;
    stehen.brutto[kGesamtbrutto] = stehen.brutto[kSteuerbrutto] = stehen.brutto[kSVBrutto] = 1670.15_cur;
    ASSERT_EQ(bruttoZuNetto(stehen), 1295.50_cur);
    TLohnGehalt lg;
    const NettoIterationErgebnis e = nettoZuBrutto(w, 1295.46_cur, lg);
    EXPECT_FALSE(e.abgebrochen);
    EXPECT_LT(e.berechnungen, 100);
    EXPECT_EQ(e.netto, 1295.46_cur);
    BerechnungsEingaben gefunden = w;
    gefunden.brutto[kGesamtbrutto] = gefunden.brutto[kSteuerbrutto] = gefunden.brutto[kSVBrutto] = e.brutto;
    EXPECT_EQ(bruttoZuNetto(gefunden), 1295.46_cur) << formatAmount(e.brutto);
}

TEST(Berechnung, NetToGrossFoundGrossComputesBackToTheNet)
{
    const BerechnungsEingaben w = eingaben(2024, 3, 1, true, 2000.00_cur);
    TLohnGehalt lg;
    const NettoIterationErgebnis e = nettoZuBrutto(w, 2000.00_cur, lg);
    EXPECT_EQ(e.brutto, 2956.03_cur);
    EXPECT_EQ(bruttoZuNetto(eingaben(2024, 3, 1, true, 2956.03_cur)), 2000.00_cur);
}

TEST(Berechnung, NetToGrossSetsTheTrialAsTotalGrossForTheGarnishment)
{
    BerechnungsEingaben w = eingaben(2024, 3, 1, false, 2000.00_cur);
    w.pfaendung = 1;
    w.unterhaltPers = 0;
    w.pfdZeilen = {{2000.00_cur, "x"}};
    TLohnGehalt lg;
    const NettoIterationErgebnis e = nettoZuBrutto(w, 2000.00_cur, lg);
    ASSERT_FALSE(e.abgebrochen);
    EXPECT_EQ(lg.FGesamtbrutto, e.brutto);
    const PfaendungsPlan plan = PlanePfaendung(w);
    EXPECT_EQ(plan, (PfaendungsPlan{false, 0_cur, false, true}));
    lg.SetPfaendKorrektur(plan.korrektur);
    lg.BerechnePfaendung();
    EXPECT_EQ(lg.FPfaendBetrag, 418.40_cur);
}

// Records the setters' names in the order of the calls and what they got.
struct Aufzeichnung {
    std::vector<std::string> aufrufe;
    std::map<std::string, std::string> werte;

    void merke(const char* name, const std::string& wert)
    {
        aufrufe.emplace_back(name);
        werte[name] = wert;
    }
    void merke(const char* name, Currency wert) { merke(name, formatAmount(wert, 4)); }
    void merke(const char* name, int wert) { merke(name, std::to_string(wert)); }
};

#define LX_SETTER(name, typ) \
    void name(typ v)         \
    {                        \
        auf.merke(#name, v); \
    }

struct Aufzeichner {
    Aufzeichnung auf;
    LX_SETTER(SetRechtskreis, int)
    LX_SETTER(SetJahr, int)
    LX_SETTER(SetMonat, int)
    void SetBGR(std::string_view v) { auf.merke("SetBGR", std::string(v)); }
    LX_SETTER(SetGebJahr, int)
    LX_SETTER(SetGleitzone, int)
    LX_SETTER(SetRVVoll, int)
    LX_SETTER(SetPKVNachSVBrutto, int)
    LX_SETTER(SetMiniRVPflicht, int)
    LX_SETTER(SetKVBes, int)
    LX_SETTER(SetRVBes, int)
    LX_SETTER(SetAVBes, int)
    LX_SETTER(SetPVBes, int)
    LX_SETTER(SetKVZusatz, Currency)
    LX_SETTER(SetKVSatz, Currency)
    LX_SETTER(SetPKV, int)
    LX_SETTER(SetSVTage, int)
    LX_SETTER(SetStTage, int)
    LX_SETTER(SetSVTageVorher, int)
    LX_SETTER(SetPVZuschlag, int)
    LX_SETTER(SetPVKinder, int)
    LX_SETTER(SetSachsen, int)
    LX_SETTER(SetPKVBeitrag, Currency)
    LX_SETTER(SetPPVBeitrag, Currency)
    LX_SETTER(SetMehrfach, int)
    LX_SETTER(SetBruttoAnderer, Currency)
    LX_SETTER(SetStBrutto, Currency)
    LX_SETTER(SetStBruttoEB, Currency)
    LX_SETTER(SetStBruttoLMJ, Currency)
    LX_SETTER(SetGesamtbrutto, Currency)
    LX_SETTER(SetSVBrutto, Currency)
    LX_SETTER(SetSVBruttoEB, Currency)
    LX_SETTER(SetZVBrutto, Currency)
    LX_SETTER(SetStKl, int)
    LX_SETTER(SetKammer, int)
    LX_SETTER(SetKRV, int)
    LX_SETTER(SetKonfession, int)
    LX_SETTER(SetBundesland, int)
    LX_SETTER(SetErmKiSt, int)
    LX_SETTER(SetLZZ, int)
    LX_SETTER(SetKiFB, Currency)
    LX_SETTER(SetStFreibetrag, Currency)
    LX_SETTER(SetPKPV, Currency)
    LX_SETTER(SetFaktor, Currency)
    LX_SETTER(SetStAuto, int)
    LX_SETTER(SetSVAuto, int)
    LX_SETTER(SetStBruttoJahr, Currency)
    LX_SETTER(SetVBBruttoJahr, Currency)
    LX_SETTER(SetFBJahr, Currency)
    LX_SETTER(SetKVBruttoVor, Currency)
    LX_SETTER(SetRVBruttoVor, Currency)
    LX_SETTER(SetVB, int)
    LX_SETTER(SetVBMax, Currency)
    LX_SETTER(SetVBBrutto, Currency)
    LX_SETTER(SetVBBruttoEB, Currency)
    LX_SETTER(SetVBErsterVers, Currency)
    LX_SETTER(SetVBEinmal, Currency)
    LX_SETTER(SetVBBeginnJahr, int)
    LX_SETTER(SetVBMonate, int)
    LX_SETTER(SetBAVArt, int)
    LX_SETTER(SetBAVStFrei, int)
    LX_SETTER(SetBAVZus1800, int)
    LX_SETTER(SetBAVMonatlich, int)
    LX_SETTER(SetBAVBetrag, Currency)
    LX_SETTER(SetBAVAN, Currency)
    LX_SETTER(SetBAVPauschal, Currency)
    void SetZVArt(std::string_view v) { auf.merke("SetZVArt", std::string(v)); }
    LX_SETTER(SetZVUmlage, int)
    LX_SETTER(SetZVPStGrenze, Currency)
    LX_SETTER(SetZVMax56, Currency)
    LX_SETTER(SetSanierungsgeldSatz, Currency)
    LX_SETTER(SetZVSatzAG, Currency)
    LX_SETTER(SetZVSatzAN, Currency)
    LX_SETTER(SetU1Satz, Currency)
    LX_SETTER(SetU2Satz, Currency)
    LX_SETTER(SetATZ, int)
    LX_SETTER(SetATZAufstockung, Currency)
    LX_SETTER(SetATZAufstRV, Currency)
    LX_SETTER(SetATZRegelentgelt, Currency)
    LX_SETTER(SetPfaendung, int)
    LX_SETTER(SetUnterhaltPers, int)
    LX_SETTER(SetPfaendVerbleib, Currency)
};

#undef LX_SETTER

std::ptrdiff_t stelle(const Aufzeichnung& a, const std::string& name)
{
    const auto it = std::find(a.aufrufe.begin(), a.aufrufe.end(), name);
    return it == a.aufrufe.end() ? -1 : it - a.aufrufe.begin();
}

TEST(Berechnung, SettersFollowTheCallingContractAndSetEveryInput)
{
    for (bool atz : {false, true}) {
        BerechnungsEingaben w = eingaben(2024, 3, 4, true, 3000.00_cur);
        w.atz = atz;
        Aufzeichner a;
        SetzeMonatseingaben(a, MonatseingabenAus(w));
        const Aufzeichnung& r = a.auf;
        SCOPED_TRACE(atz ? "ATZ on" : "ATZ off");
        ASSERT_GE(r.aufrufe.size(), 4U);
        EXPECT_EQ(r.aufrufe[0], "SetRechtskreis");
        EXPECT_EQ(r.aufrufe[1], "SetJahr");
        EXPECT_LT(stelle(r, "SetBGR"), stelle(r, "SetMonat"));
        EXPECT_LT(stelle(r, "SetStKl"), stelle(r, "SetFaktor"));
        for (const char* vorher : {"SetGleitzone", "SetVB", "SetBGR", "SetMonat", "SetMehrfach", "SetBruttoAnderer"}) {
            EXPECT_LT(stelle(r, vorher), stelle(r, "SetSVBrutto")) << vorher;
        }
        // Every setter of the driver's inputs, once each.
        const std::vector<std::string> alle = {"SetRechtskreis",
                                               "SetJahr",
                                               "SetMonat",
                                               "SetBGR",
                                               "SetGebJahr",
                                               "SetGleitzone",
                                               "SetRVVoll",
                                               "SetPKVNachSVBrutto",
                                               "SetMiniRVPflicht",
                                               "SetKVBes",
                                               "SetRVBes",
                                               "SetAVBes",
                                               "SetPVBes",
                                               "SetKVZusatz",
                                               "SetKVSatz",
                                               "SetPKV",
                                               "SetSVTage",
                                               "SetStTage",
                                               "SetSVTageVorher",
                                               "SetPVZuschlag",
                                               "SetSachsen",
                                               "SetPKVBeitrag",
                                               "SetPPVBeitrag",
                                               "SetMehrfach",
                                               "SetBruttoAnderer",
                                               "SetStBrutto",
                                               "SetStBruttoEB",
                                               "SetStBruttoLMJ",
                                               "SetGesamtbrutto",
                                               "SetSVBrutto",
                                               "SetSVBruttoEB",
                                               "SetZVBrutto",
                                               "SetStKl",
                                               "SetKammer",
                                               "SetKRV",
                                               "SetKonfession",
                                               "SetBundesland",
                                               "SetErmKiSt",
                                               "SetLZZ",
                                               "SetKiFB",
                                               "SetStFreibetrag",
                                               "SetPKPV",
                                               "SetFaktor",
                                               "SetStAuto",
                                               "SetSVAuto",
                                               "SetStBruttoJahr",
                                               "SetVBBruttoJahr",
                                               "SetFBJahr",
                                               "SetKVBruttoVor",
                                               "SetRVBruttoVor",
                                               "SetVB",
                                               "SetVBMax",
                                               "SetVBBrutto",
                                               "SetVBBruttoEB",
                                               "SetVBErsterVers",
                                               "SetVBEinmal",
                                               "SetVBBeginnJahr",
                                               "SetVBMonate",
                                               "SetBAVArt",
                                               "SetBAVStFrei",
                                               "SetBAVZus1800",
                                               "SetBAVMonatlich",
                                               "SetBAVBetrag",
                                               "SetBAVAN",
                                               "SetBAVPauschal",
                                               "SetZVArt",
                                               "SetZVUmlage",
                                               "SetZVPStGrenze",
                                               "SetZVMax56",
                                               "SetSanierungsgeldSatz",
                                               "SetZVSatzAG",
                                               "SetZVSatzAN",
                                               "SetU1Satz",
                                               "SetU2Satz",
                                               "SetATZ",
                                               "SetPfaendung",
                                               "SetUnterhaltPers",
                                               "SetPfaendVerbleib"};
        for (const std::string& name : alle) {
            const auto n = std::count(r.aufrufe.begin(), r.aufrufe.end(), name);
            EXPECT_EQ(n, 1) << name;
        }
        for (const char* name : {"SetATZAufstockung", "SetATZAufstRV", "SetATZRegelentgelt"}) {
            EXPECT_EQ(std::count(r.aufrufe.begin(), r.aufrufe.end(), name), atz ? 1 : 0) << name;
        }
        EXPECT_EQ(r.aufrufe.size(), alle.size() + (atz ? 3 : 0));
    }
}

TEST(Berechnung, SetterRulesOnTheRealEngine)
{
    struct Fall {
        const char* name;
        void (*aendern)(BerechnungsEingaben&);
        void (*pruefen)(const LohnEingaben&);
    };
    const Fall faelle[] = {
        {"presets", [](BerechnungsEingaben&) {},
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FLZZ, 2);
             EXPECT_EQ(g.FPKV, 0);
             EXPECT_EQ(g.FKRV, 0);
             EXPECT_EQ(g.FPKPV, 400.00_cur);
             // no pension benefits: the block's defaults
             EXPECT_EQ(g.FVBBrutto, 0_cur);
             EXPECT_EQ(g.FVBBruttoEB, 0_cur);
             EXPECT_EQ(g.FVBBeginnJahr, 2005);
             EXPECT_EQ(g.FVBMonate, 12);
             EXPECT_EQ(g.FVBErsterVers, 0_cur);
             EXPECT_EQ(g.FVBEinmal, 0_cur);
             EXPECT_EQ(g.FMehrfach, 0);
         }},
        {"private without subsidy", [](BerechnungsEingaben& w) { w.kvBes = 5; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FPKV, 1); }},
        {"private, employer pays", [](BerechnungsEingaben& w) { w.kvBes = 3; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FPKV, 2); }},
        {"private, employee pays", [](BerechnungsEingaben& w) { w.kvBes = 4; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FPKV, 2); }},
        {"voluntary", [](BerechnungsEingaben& w) { w.kvBes = 2; }, [](const LohnEingaben& g) { EXPECT_EQ(g.FPKV, 0); }},
        {"special table West", [](BerechnungsEingaben& w) { w.allgemeineTabelle = false; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FKRV, 2); }},
        {"general table East", [](BerechnungsEingaben& w) { w.rechtskreis = 0; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FKRV, 1); }},
        {"2009 special table",
         [](BerechnungsEingaben& w) {
             w.jahr = 2009;
             w.allgemeineTabelle = false;
         },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FKRV, 1); }},
        {"2009 general table East",
         [](BerechnungsEingaben& w) {
             w.jahr = 2009;
             w.rechtskreis = 0;
         },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FKRV, 0); }},
        {"own tax premium",
         [](BerechnungsEingaben& w) {
             w.pkpvWieSV = false;
             w.pkpv = 123.45_cur;
         },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FPKPV, 123.45_cur); }},
        {"multiple employment",
         [](BerechnungsEingaben& w) {
             w.mehrfach = true;
             w.bruttoAnderer = 800.00_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FMehrfach, 1);
             EXPECT_EQ(g.FBruttoAnderer, 800.00_cur);
         }},
        {"multiple employment without other gross", [](BerechnungsEingaben& w) { w.mehrfach = true; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FMehrfach, 0); }},
        {"other gross without multiple employment", [](BerechnungsEingaben& w) { w.bruttoAnderer = 800.00_cur; },
         [](const LohnEingaben& g) { EXPECT_EQ(g.FBruttoAnderer, 0_cur); }},
        {"pension block",
         [](BerechnungsEingaben& w) {
             w.brutto[kVBBrutto] = 500.00_cur;
             w.brutto[kVBBruttoEB] = 50.00_cur;
             w.vbBeginnJahr = 2010;
             w.vbMonate = 6;
             w.vbErsterVers = 480.00_cur;
             w.vbEinmal = 20.00_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FVBBrutto, 500.00_cur);
             EXPECT_EQ(g.FVBBruttoEB, 50.00_cur);
             EXPECT_EQ(g.FVBBeginnJahr, 2010);
             EXPECT_EQ(g.FVBMonate, 6);
             EXPECT_EQ(g.FVBErsterVers, 480.00_cur);
             EXPECT_EQ(g.FVBEinmal, 20.00_cur);
         }},
        {"pension fields without pension benefits",
         [](BerechnungsEingaben& w) {
             w.vbBeginnJahr = 2010;
             w.vbErsterVers = 480.00_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FVBBeginnJahr, 2005);
             EXPECT_EQ(g.FVBErsterVers, 0_cur);
         }},
        {"deferred compensation of no kind",
         [](BerechnungsEingaben& w) {
             w.bavBetrag = 100.00_cur;
             w.bavAN = 50.00_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FBAVBetrag, 0_cur);
             EXPECT_EQ(g.FBAVAN, 0_cur);
         }},
        {"deferred compensation",
         [](BerechnungsEingaben& w) {
             w.bavArt = 2;
             w.bavBetrag = 100.00_cur;
             w.bavAN = 50.00_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FBAVArt, 2);
             EXPECT_EQ(g.FBAVBetrag, 100.00_cur);
             EXPECT_EQ(g.FBAVAN, 50.00_cur);
         }},
        {"factor in class 4",
         [](BerechnungsEingaben& w) {
             w.stKl = 4;
             w.faktor = 0.950_cur;
         },
         [](const LohnEingaben& g) {
             EXPECT_EQ(g.FFaktor, 0.950_cur);
             EXPECT_EQ(g.FFaktorAktiv, 1);
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        BerechnungsEingaben w = eingaben(2024, 3, 1, true, 3000.00_cur);
        f.aendern(w);
        TLohnGehalt lg;
        SetzeEingaben(lg, w);
        f.pruefen(lg.GegebeneEingaben());
    }
}

// The stops with their boxes are the driver's test; here the boundaries.
TEST(Berechnung, ChecksAtTheirBoundaries)
{
    struct Fall {
        const char* name;
        void (*aendern)(BerechnungsEingaben&);
        std::optional<Stopp> erwartet;
    };
    const Fall faelle[] = {
        {"presets", [](BerechnungsEingaben&) {}, std::nullopt},
        {"pension with first payment",
         [](BerechnungsEingaben& w) {
             w.brutto[kVBBrutto] = 500.00_cur;
             w.vbErsterVers = 500.00_cur;
         },
         std::nullopt},
        {"pension fund with pension digit 0",
         [](BerechnungsEingaben& w) {
             w.rvBes = 2;
             w.bgr = "1011";
         },
         std::nullopt},
        {"individual scheme with employee rate",
         [](BerechnungsEingaben& w) {
             w.zvArt = "individuell";
             w.zvSatzAN = 1.00_cur;
         },
         std::nullopt},
        {"tax class 0 and one tax day",
         [](BerechnungsEingaben& w) {
             w.stKl = 0;
             w.stTage = 1;
         },
         std::nullopt},
        {"tax days 31", [](BerechnungsEingaben& w) { w.stTage = 31; },
         Stopp{"Steuertage: \"31\" ist kein gültiger Wert (1 bis 30)", 0, "LSTVEdiStTage"}},
        {"earlier SV days 330", [](BerechnungsEingaben& w) { w.svTageVorher = 330; }, std::nullopt},
        {"pension months 0 with pension",
         [](BerechnungsEingaben& w) {
             w.brutto[kVBBrutto] = 500.00_cur;
             w.vbErsterVers = 500.00_cur;
             w.vbMonate = 0;
         },
         Stopp{"Zahl der Monate, für die Versorgungsbezug gezahlt wird: \"0\" ist kein gültiger Wert (1 bis 12)", 5,
               "VBVEdiMonate"}},
        {"pension months 0 without pension", [](BerechnungsEingaben& w) { w.vbMonate = 0; }, std::nullopt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        BerechnungsEingaben w = eingaben(2024, 3, 1, true, 3000.00_cur);
        f.aendern(w);
        const auto s = PruefeEingaben(w);
        ASSERT_EQ(s.has_value(), f.erwartet.has_value());
        if (s) {
            EXPECT_EQ(s->text, f.erwartet->text);
            EXPECT_EQ(s->seite, f.erwartet->seite);
            EXPECT_EQ(s->fokus, f.erwartet->fokus);
        }
    }
}

TEST(Berechnung, GarnishmentCorrectionByMarks)
{
    // Each row beside a salary of 3.000,00 marked "x", in December 2024 unless named.
    struct Fall {
        Currency betrag;
        const char* marke;
        Currency korrektur;
        int jahr = 2024;
    };
    const Fall faelle[] = {
        {1200.00_cur, "WG", 750.00_cur},
        {600.00_cur, "WG", 600.00_cur},
        {1200.00_cur, "WG", 705.00_cur, 2023},
        {800.00_cur, "WG", 500.00_cur, 2020},
        {400.00_cur, "WG", 400.00_cur, 2020},
        {1200.00_cur, "WG", 500.00_cur, 2021},
        {1200.00_cur, "WG", 670.00_cur, 2022},
        {301.01_cur, "ÜbStd.", 150.51_cur},
        {100.00_cur, "", 100.00_cur},
        {-40.00_cur, "VL-Abzug", 40.00_cur},
        {2000.00_cur, "x", 0_cur},
        {-100.00_cur, "Abzug", 0_cur},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(PfaendungsKorrektur({{3000.00_cur, "x"}, {f.betrag, f.marke}}, f.jahr, 12), f.korrektur)
            << formatAmount(f.betrag) << " " << f.marke << " " << f.jahr;
    }
    // Up to 2021 the bonus is exempt up to half the month's pay beside it (here the overtime pay).
    const std::vector<PfaendungsZeile> ohneGehalt = {
        {1200.00_cur, "WG"}, {301.01_cur, "ÜbStd."}, {-40.00_cur, "VL-Abzug"}};
    EXPECT_EQ(PfaendungsKorrektur(ohneGehalt, 2024, 12), 940.51_cur);
    EXPECT_EQ(PfaendungsKorrektur(ohneGehalt, 2020, 12), 341.02_cur);
}

TEST(Berechnung, GarnishmentFlagAndWhatRuns)
{
    struct Fall {
        const char* name;
        void (*aendern)(BerechnungsEingaben&);
        PfaendungsPlan plan;
    };
    const Fall faelle[] = {
        {"off, all marks x", [](BerechnungsEingaben&) {}, {false, 0_cur, false, false}},
        {"off, an empty mark",
         [](BerechnungsEingaben& w) {
             w.pfdZeilen.push_back({100.00_cur, ""});
         },
         {true, 0_cur, false, false}},
        {"on, all marks x", [](BerechnungsEingaben& w) { w.pfaendung = 1; }, {false, 0_cur, false, true}},
        {"on, Christmas bonus, net method",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.pfdZeilen.push_back({1200.00_cur, "WG"});
         },
         {true, 705.00_cur, true, false}},
        {"on, Christmas bonus, gross method",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.pfdBruttomethode = true;
             w.pfdZeilen.push_back({1200.00_cur, "WG"});
         },
         {true, 705.00_cur, true, true}},
        {"on, only marks x and a scheme: the sum itself, zero",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.zvArt = "VBL";
         },
         {true, 0_cur, true, false}},
        {"off, a scheme", [](BerechnungsEingaben& w) { w.zvArt = "VBL"; }, {false, 0_cur, false, false}},
        {"on, deferred compensation not considered",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.bavArt = 1;
             w.bavAN = 50.00_cur;
         },
         {true, 0_cur, true, false}},
        {"on, deferred compensation considered",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.pfdEntUmwNein = false;
             w.bavArt = 1;
             w.bavAN = 50.00_cur;
         },
         {false, 0_cur, false, true}},
        {"on, employee amount of no kind",
         [](BerechnungsEingaben& w) {
             w.pfaendung = 1;
             w.bavAN = 50.00_cur;
         },
         {false, 0_cur, false, true}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        BerechnungsEingaben w = eingaben(2024, 3, 1, true, 3000.00_cur);
        w.pfdZeilen = {{3000.00_cur, "x"}};
        f.aendern(w);
        const PfaendungsPlan p = PlanePfaendung(w);
        EXPECT_EQ(p.sonderflag, f.plan.sonderflag);
        EXPECT_EQ(p.korrektur, f.plan.korrektur) << formatAmount(p.korrektur);
        EXPECT_EQ(p.sonderberechnung, f.plan.sonderberechnung);
        EXPECT_EQ(p.berechnePfaendung, f.plan.berechnePfaendung);
    }
}

TEST(Berechnung, MiniJobLimitAtAndOneCentAbove)
{
    struct Fall {
        const char* bgr;
        int jahr;
        int monat;
        const char* grenze;  // nullptr: no check
    };
    const Fall faelle[] = {
        {"6100", 2008, 1, "400"},   {"6500", 2012, 12, "400"},  {"0500", 2013, 1, "450"},   {"6100", 2021, 6, "450"},
        {"6100", 2022, 9, "450"},   {"6100", 2022, 10, "520"},  {"6500", 2023, 5, "520"},   {"6100", 2024, 3, "538"},
        {"1111", 2024, 3, nullptr}, {"6100", 2007, 3, nullptr}, {"6101", 2024, 3, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.bgr) + " " + std::to_string(f.jahr) + "/" + std::to_string(f.monat));
        const auto grenze = Geringfuegigkeitsgrenze(f.bgr, f.jahr, f.monat);
        ASSERT_EQ(grenze.has_value(), f.grenze != nullptr);
        if (!grenze) {
            EXPECT_FALSE(MinijobHinweis(f.bgr, f.jahr, f.monat, 100000.00_cur));
            continue;
        }
        EXPECT_FALSE(MinijobHinweis(f.bgr, f.jahr, f.monat, *grenze));
        EXPECT_EQ(MinijobHinweis(f.bgr, f.jahr, f.monat, *grenze + 0.01_cur),
                  std::string("Die Geringfügigkeitsgrenze beträgt ") + f.grenze + " Euro");
    }
}

}  // namespace
