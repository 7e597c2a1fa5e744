// The gross-up of net-marked pay items on the real engines: the comparison
// net, the target, the carriers each kind moves, the loop rules and the
// fields and rows it leaves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "LxMath.h"
#include "Nettobetrag.h"
#include "ProgrammZustand.h"
#include "berechnung/EingabenSetzen.h"
#include "berechnung/Hochrechnung.h"
#include "erfassung/Erfassung.h"

namespace lx {
namespace {

// A pay item; flags are seven characters LST SV ZV EB LMJ NT VB, "x" or ".".
Lohnart zeile(const char* name, Currency betrag, const char* flags, int typ = kBezug)
{
    Lohnart z{.name = name, .betrag = betrag, .typ = typ};
    for (int i = 0; i < kFlagAnzahl; ++i) z.flags[i] = flags[i] == 'x';
    return z;
}

// The inputs beside the rows.
struct Fall {
    int jahr = 2024;
    int monat = 3;
    int stKl = 1;
    Currency kiFB{};
    Byte pvKinder = 0;
    std::string zvArt = "keine";
};

// The working engine's inputs as the driver sets them, with the rows' totals.
void SetzeEingaben(TLohnGehalt& lg, const Fall& f, const Bruttosummen& b)
{
    lg.SetRechtskreis(1);
    lg.SetJahr(f.jahr);
    lg.SetBGR("1111");
    lg.SetMonat(f.monat);
    lg.SetGleitzone(1);
    lg.SetPVZuschlag(f.kiFB == 0_cur ? 1 : 0);
    lg.SetKVBes(0);
    lg.SetKVZusatz(1.70_cur);
    lg.SetU1Satz(1.10_cur);
    lg.SetU2Satz(0.24_cur);
    lg.SetKVSatz(14.60_cur);
    lg.SetVB(0);
    lg.SetSVBrutto(b[kSVBrutto]);
    lg.SetSVBruttoEB(b[kSVBruttoEB]);
    lg.SetSVTageVorher(60);
    lg.SetStBrutto(b[kSteuerbrutto]);
    lg.SetStBruttoEB(b[kSteuerbruttoEB]);
    lg.SetStBruttoLMJ(b[kSteuerbruttoLMJ]);
    lg.SetGesamtbrutto(b[kGesamtbrutto]);
    lg.SetStAuto(1);
    lg.SetSVAuto(1);
    lg.SetZVBrutto(b[kZVBrutto]);
    lg.SetStTage(30);
    lg.SetSVTage(30);
    lg.SetPfaendung(1);
    lg.SetUnterhaltPers(0);
    lg.SetLZZ(2);
    lg.SetStKl(Byte(f.stKl));
    lg.SetKonfession(1);
    lg.SetBundesland(2);
    lg.SetKammer(2);
    lg.SetKRV(0);
    lg.SetKiFB(f.kiFB);
    lg.SetPVKinder(f.pvKinder);
    lg.SetGebJahr(1980);
    lg.SetZVArt(f.zvArt);
    if (f.zvArt != "keine") {
        lg.SetZVPStGrenze(146.00_cur);
        lg.SetZVSatzAG(6.45_cur);
        lg.SetZVSatzAN(1.81_cur);
        lg.SetSanierungsgeldSatz(1.00_cur);
        lg.SetZVUmlage(1);
    }
    lg.SetVBBeginnJahr(2005);
    lg.SetVBMonate(12);
    lg.SetBAVStFrei(1);
    lg.SetBAVPauschal(1752.00_cur);
}

// A run of gross to net over the rows on a fresh engine: its engine and net.
struct Abrechnung {
    TLohnGehalt lg;
    Currency brutto;
    Currency netto;
};
void BruttoNetto(Abrechnung& a, const Fall& f, const std::vector<Lohnart>& zeilen)
{
    const Bruttosummen b = BerechneBrutto(zeilen, false);
    SetzeEingaben(a.lg, f, b);
    a.lg.Berechnen();
    a.brutto = b[kGesamtbrutto];
    a.netto = NettoBrutto(a.lg, a.brutto);
}

class HochrechnungTest : public ::testing::Test {
protected:
    // The rows in the entry dialog and the driver's inputs in the working engine.
    void Einrichten(const Fall& f, std::vector<Lohnart> zeilen)
    {
        p.erfass.zeilen = std::move(zeilen);
        erfass::ActBrutti(p);
        SetzeEingaben(p.LohnGehalt, f, p.erfass.brutto);
    }
    Currency Feld(Haupt id) const { return StrToCurr(OhnePunkte(p.haupt.text(id))); }
    std::vector<std::string> Universal() const { return p.haupt[Haupt::LiBoUniversal].items; }

    test::FakeDialoge dialoge;
    test::FesteUhr uhr{2024, 3, 10};
    ProgrammZustand p{dialoge, uhr};
};

const Lohnart kGehalt = zeile("Gehalt", 2000.00_cur, "xx.....");

Currency abstand(Currency a, Currency b)
{
    return a > b ? a - b : b - a;
}

TEST_F(HochrechnungTest, AllowanceOnTopOfASalary)
{
    const std::vector<Lohnart> zeilen = {kGehalt, zeile("AT-Zulage", 150.00_cur, "xx...x.")};
    Einrichten({}, zeilen);
    Abrechnung gehalt;
    BruttoNetto(gehalt, {}, {kGehalt});

    ActNettoHochrechnung(p);

    EXPECT_EQ(p.FNTHochrechnung, 1);
    EXPECT_EQ(Feld(Haupt::LEdiNetto), gehalt.netto + 150.00_cur) << "comparison net of the salary alone plus 150,00";
    EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), formatAmount(p.LohnGehalt.FGesamtbrutto));
    EXPECT_EQ(NettoBrutto(p.LohnGehalt, Feld(Haupt::LEdiBrutto)), Feld(Haupt::LEdiNetto));
    EXPECT_EQ(p.erfass.zeilen, zeilen) << "the rows as entered";
    EXPECT_EQ(p.erfass.brutto[kGesamtbrutto], 2000.00_cur) << "the totals of the restore leave the marked row out";
    EXPECT_EQ(Universal(), (std::vector<std::string>{"150", "0", "0"}));
    EXPECT_EQ(p.NTSummeLfd, 150.00_cur);
    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
    // The garnishable net is the target's: the total gross is the grossed-up one.
    p.LohnGehalt.BerechnePfaendung();
    EXPECT_EQ(p.LohnGehalt.FPfaendBetrag, 145.40_cur);
}

// Every kind and pair of kinds net-marked beside ordinary pay, over years and
// tax classes: the comparison net is the ordinary items' net, and the result is
// what entering each marked item as an ordinary one of its face value plus its
// share computes: the same gross, the target net and the same garnished amount.
TEST_F(HochrechnungTest, GrossUpEqualsTheOrdinaryItemsItFound)
{
    const Lohnart praemie = zeile("Prämie", 500.00_cur, "xx.x...");
    const Lohnart zulage = zeile("Zulage", 100.00_cur, "xx...x.");
    const Lohnart bonus = zeile("Bonus", 300.00_cur, "xx.x.x.");
    const Lohnart abfindung = zeile("Abfindung", 1000.00_cur, "xx..xx.");
    struct Satz {
        const char* name;
        std::vector<Lohnart> ordentlich;
        std::vector<Lohnart> netto;  // at most one per kind: regular, one-off, multi-year
    };
    const std::vector<Satz> saetze = {
        {"regular", {kGehalt}, {zulage}},
        {"one-off", {kGehalt}, {bonus}},
        {"multi-year beside a one-off", {kGehalt, praemie}, {abfindung}},
        {"regular and one-off", {kGehalt}, {zulage, bonus}},
        {"one-off and multi-year", {kGehalt}, {bonus, abfindung}},
        {"tax- and SV-free regular, multi-year without SV",
         {kGehalt},
         {zeile("Fahrgeld", 60.00_cur, ".....x."), zeile("Abfindung", 1000.00_cur, "x...xx.")}},
    };
    std::vector<Fall> faelle;
    for (int jahr : {2010, 2016, 2019, 2022, 2024}) faelle.push_back({.jahr = jahr});
    faelle.push_back({.jahr = 2023, .monat = 7, .kiFB = 2.00_cur, .pvKinder = 2});
    faelle.push_back({.jahr = 2024, .monat = 3, .kiFB = 2.00_cur, .pvKinder = 2});

    // The runs that end with the message: where no gross nets the target (the
    // net jumps over it at every step).
    struct Fehlschlag {
        int jahr, monat, stKl;
        bool kinder;  // child allowances "2,0"
        const char* satz;
    };
    const std::vector<Fehlschlag> fehlschlaege = {
        {2010, 3, 2, false, "one-off and multi-year"},
        {2010, 3, 3, false, "one-off and multi-year"},
        {2016, 3, 6, false, "tax- and SV-free regular, multi-year without SV"},
        {2024, 3, 5, false, "one-off and multi-year"},
        {2023, 7, 6, true, "regular and one-off"},
    };
    std::size_t gesehen = 0;

    for (const Fall& basis : faelle) {
        for (int stKl = 1; stKl <= 6; ++stKl) {
            Fall f = basis;
            f.stKl = stKl;
            for (const Satz& s : saetze) {
                SCOPED_TRACE(std::to_string(f.jahr) + "/" + std::to_string(f.monat) + " class " + std::to_string(stKl) +
                             " kinder " + formatAmount(f.kiFB) + ", " + s.name);
                std::vector<Lohnart> zeilen = s.ordentlich;
                zeilen.insert(zeilen.end(), s.netto.begin(), s.netto.end());
                dialoge.leeren();
                p.LohnGehalt = TLohnGehalt{};
                p.LohnGehalt2 = TLohnGehalt{};
                Einrichten(f, zeilen);
                const Currency start = p.erfass.brutto[kGesamtbrutto];

                ActNettoHochrechnung(p);

                Abrechnung ordentlich;
                BruttoNetto(ordentlich, f, s.ordentlich);
                EXPECT_TRUE(ordentlich.lg.GegebeneEingaben() == p.LohnGehalt2.GegebeneEingaben())
                    << "the copy is the ordinary items' inputs";
                const NTSummen summen = NTSummenNachArt(NTZeilen(s.netto));
                const Currency ziel = ordentlich.netto + summen.lfd + summen.ebz + summen.lmj;
                const Fehlschlag* fehl = nullptr;
                for (const Fehlschlag& x : fehlschlaege) {
                    if (x.jahr == f.jahr && x.monat == f.monat && x.stKl == stKl && x.kinder == (f.kiFB != 0_cur) &&
                        s.name == std::string(x.satz))
                        fehl = &x;
                }
                if (!fehl) {
                    EXPECT_TRUE(dialoge.aufrufe.empty()) << dialoge.protokoll().front();
                    EXPECT_EQ(Feld(Haupt::LEdiNetto), ziel);
                } else {
                    ++gesehen;
                    EXPECT_EQ(dialoge.texte(test::Art::Information),
                              (std::vector<std::string>{"Hochrechnung nach 300 Schritten abgebrochen"}));
                    // The fields hold the trial nearest the target; within 10,00
                    // of it the net misses the target everywhere.
                    const Currency g = Feld(Haupt::LEdiBrutto);
                    TLohnGehalt lg = p.LohnGehalt;
                    std::vector<Currency> treffer;
                    Currency naechstes = Feld(Haupt::LEdiNetto);
                    for (int cent = -1000; cent <= 1000; ++cent) {
                        const Currency versuch = g + Currency::fromCents(cent);
                        SetzeHochrechnungsBrutto(lg, zeilen, summen, versuch);
                        lg.Berechnen();
                        const Currency n = NettoBrutto(lg, versuch);
                        if (n == ziel) treffer.push_back(versuch);
                        if (abstand(n, ziel) < abstand(naechstes, ziel)) naechstes = n;
                    }
                    EXPECT_EQ(treffer, std::vector<Currency>{}) << "gross " << formatAmount(g);
                    EXPECT_EQ(naechstes, Feld(Haupt::LEdiNetto));
                }

                const Currency G = Feld(Haupt::LEdiBrutto);
                const NTSummen anteil = HochrechnungAnteile(G - start, summen);
                std::vector<Lohnart> gleichwertig = s.ordentlich;
                for (Lohnart z : s.netto) {
                    z.flags[kNT] = false;
                    z.betrag += z.flags[kEB] ? anteil.ebz : z.flags[kLMJ] ? anteil.lmj : anteil.lfd;
                    gleichwertig.push_back(z);
                }
                Abrechnung probe;
                BruttoNetto(probe, f, gleichwertig);
                EXPECT_EQ(probe.brutto, G);
                EXPECT_EQ(probe.netto, Feld(Haupt::LEdiNetto));
                EXPECT_TRUE(probe.lg.GegebeneEingaben() == p.LohnGehalt.GegebeneEingaben());
                probe.lg.BerechnePfaendung();
                p.LohnGehalt.BerechnePfaendung();
                EXPECT_EQ(p.LohnGehalt.FPfaendBetrag, probe.lg.FPfaendBetrag);
            }
        }
    }
    EXPECT_EQ(gesehen, fehlschlaege.size());
}

// Multi-year pay whose net falls back by about 5,70 every 5,00 of gross:
// halving cycles around 4.316, and the search finds the one gross, 10,00 up,
// that nets the target. Where none does, the fields hold the nearest trial.
TEST_F(HochrechnungTest, NetFallingBackAsTheGrossRises)
{
    const Lohnart bonus = zeile("Bonus", 300.00_cur, "xx.x.x.");
    const Lohnart abfindung = zeile("Abfindung", 1000.00_cur, "xx..xx.");
    struct Fall_ {
        Fall f;
        std::vector<Lohnart> zeilen;
        Currency brutto, netto;
        bool abgebrochen;
    } faelle[] = {
        {{.jahr = 2019}, {kGehalt, zeile("Prämie", 500.00_cur, "xx.x..."), abfindung}, 4328.35_cur, 2662.02_cur, false},
        // Target 2.646,81: the net jumps from 2.645,99 to 2.647,14.
        {{.jahr = 2010, .stKl = 2}, {kGehalt, bonus, abfindung}, 4487.32_cur, 2647.14_cur, true},
    };
    for (const Fall_& f : faelle) {
        SCOPED_TRACE(f.f.jahr);
        dialoge.leeren();
        p.LohnGehalt = TLohnGehalt{};
        p.LohnGehalt2 = TLohnGehalt{};
        Einrichten(f.f, f.zeilen);
        ActNettoHochrechnung(p);
        EXPECT_EQ(Feld(Haupt::LEdiBrutto), f.brutto);
        EXPECT_EQ(Feld(Haupt::LEdiNetto), f.netto);
        EXPECT_EQ(p.LohnGehalt.GegebeneEingaben().FGesamtbrutto, f.brutto) << "the engine holds the result";
        EXPECT_EQ(NettoBrutto(p.LohnGehalt, f.brutto), f.netto);
        EXPECT_EQ(dialoge.aufrufe.size(), f.abgebrochen ? 1u : 0u);
    }
}

TEST_F(HochrechnungTest, LoneNetItemEndsWhereNetToGrossEnds)
{
    for (Currency n : {150.00_cur, 1500.00_cur, 4321.09_cur}) {
        SCOPED_TRACE(formatAmount(n));
        p.LohnGehalt = TLohnGehalt{};
        Einrichten({}, {zeile("Zulage", n, "xx...x.")});
        ActNettoHochrechnung(p);

        TLohnGehalt lg;
        SetzeEingaben(lg, {}, BerechneBrutto({zeile("Zulage", n, "xx.....")}, false));
        const NettoIterationErgebnis e = NettoIteration(n, n, [&lg](Currency G) {
            lg.SetStBrutto(G);
            lg.SetSVBrutto(G);
            lg.SetGesamtbrutto(G);
            lg.Berechnen();
            return NettoBrutto(lg, G);
        });
        EXPECT_FALSE(e.abgebrochen);
        EXPECT_EQ(Feld(Haupt::LEdiBrutto), e.brutto);
        EXPECT_EQ(Feld(Haupt::LEdiNetto), n);
    }
}

// Only the carriers of the marked kinds move, and by shares that add up to the
// step at every computation.
TEST_F(HochrechnungTest, CarriersOfTheMarkedKinds)
{
    struct Fall_ {
        const char* name;
        std::vector<Lohnart> zeilen;
        bool lfd, eb, lmj;
    } faelle[] = {
        {"one-off only", {kGehalt, zeile("Bonus", 300.00_cur, "xx.x.x.")}, false, true, false},
        {"multi-year beside a one-off",
         {kGehalt, zeile("Prämie", 500.00_cur, "xx.x..."), zeile("Abfindung", 1000.00_cur, "xx..xx.")},
         false,
         false,
         true},
        {"all three",
         {kGehalt, zeile("Zulage", 100.00_cur, "xx...x."), zeile("Bonus", 300.00_cur, "xx.x.x."),
          zeile("Abfindung", 1000.00_cur, "xx..xx.")},
         true,
         true,
         true},
    };
    for (const Fall_& f : faelle) {
        SCOPED_TRACE(f.name);
        p.LohnGehalt = TLohnGehalt{};
        Einrichten({}, f.zeilen);
        const Bruttosummen b = p.erfass.brutto;
        int berechnungen = 0;
        ActNettoHochrechnung(p, [&](const TLohnGehalt& lg, Currency G) {
            const LohnEingaben& e = lg.GegebeneEingaben();
            const Currency lfd = e.FStBrutto - b[kSteuerbrutto];
            const Currency eb = e.FStBruttoEB - b[kSteuerbruttoEB];
            const Currency lmj = e.FStBruttoLMJ - b[kSteuerbruttoLMJ];
            EXPECT_EQ(e.FGesamtbrutto, G);
            EXPECT_EQ(lfd + eb + lmj, G - b[kGesamtbrutto]) << "computation " << berechnungen + 1;
            EXPECT_EQ(e.FSVBruttoUngek - b[kSVBrutto], lfd);
            EXPECT_EQ(e.FSVBruttoEB - b[kSVBruttoEB], eb + lmj);
            EXPECT_TRUE(f.lfd || lfd == 0_cur) << lfd;
            EXPECT_TRUE(f.eb || eb == 0_cur) << eb;
            EXPECT_TRUE(f.lmj || lmj == 0_cur) << lmj;
            ++berechnungen;
            return NettoBrutto(lg, G);
        });
        EXPECT_GT(berechnungen, 2);
        EXPECT_TRUE(dialoge.aufrufe.empty());
        EXPECT_NE(Feld(Haupt::LEdiBrutto), b[kGesamtbrutto]);
    }
}

// A marked row moves only the totals it counts in: a tax- and SV-free item
// none, severance without SV not the one-off SV gross, a row liable to the
// scheme also the scheme's gross; two rows of one kind share its step by
// their amounts.
TEST_F(HochrechnungTest, MarkedRowsMoveOnlyTheTotalsTheyCountIn)
{
    struct Fall_ {
        const char* name;
        std::vector<Lohnart> netto;
        bool st = false, lmj = false, zv = false;
        bool freiBeiTeilbar = false;  // a free row of 100,00 beside a taxable one of 300,00
    } faelle[] = {
        {"tax- and SV-free", {zeile("Fahrgeld", 60.00_cur, ".....x.")}},
        {"severance without SV", {zeile("Abfindung", 1000.00_cur, "x...xx.")}, false, true},
        {"liable to the scheme", {zeile("Zulage", 100.00_cur, "xxx..x.")}, true, false, true},
        {"tax-free beside a taxable row of its kind",
         {zeile("Fahrgeld", 100.00_cur, ".....x."), zeile("Zulage", 300.00_cur, "xx...x.")},
         true,
         false,
         false,
         true},
    };
    for (const Fall_& f : faelle) {
        SCOPED_TRACE(f.name);
        std::vector<Lohnart> zeilen = {kGehalt};
        zeilen.insert(zeilen.end(), f.netto.begin(), f.netto.end());
        p.LohnGehalt = TLohnGehalt{};
        Einrichten({.zvArt = f.zv ? "VBL" : "keine"}, zeilen);
        const Bruttosummen b = p.erfass.brutto;
        int bewegt = 0;
        ActNettoHochrechnung(p, [&](const TLohnGehalt& lg, Currency G) {
            const LohnEingaben& e = lg.GegebeneEingaben();
            const Currency d = G - b[kGesamtbrutto];
            if (d != 0_cur) ++bewegt;
            // 1:3 by amount: the free row takes a quarter, the taxable row the rest.
            const Currency frei =
                f.freiBeiTeilbar
                    ? (dez(d) * dez(100_cur)).divide<kCents>(dez(400_cur), Round::HalfUp).toCurrency(Round::Cut)
                    : 0_cur;
            EXPECT_EQ(e.FStBrutto - b[kSteuerbrutto], f.st ? d - frei : 0_cur);
            EXPECT_EQ(e.FSVBruttoUngek - b[kSVBrutto], f.st ? d - frei : 0_cur);
            EXPECT_EQ(e.FSVBruttoEB, b[kSVBruttoEB]);
            EXPECT_EQ(e.FStBruttoLMJ - b[kSteuerbruttoLMJ], f.lmj ? d : 0_cur);
            EXPECT_EQ(e.FZVBrutto - b[kZVBrutto], f.zv ? d : 0_cur);
            return NettoBrutto(lg, G);
        });
        EXPECT_TRUE(dialoge.aufrufe.empty());
        EXPECT_TRUE(bewegt > 0 || !(f.st || f.lmj));
    }
    // The free item's gross is its net.
    p.LohnGehalt = TLohnGehalt{};
    Einrichten({}, {kGehalt, zeile("Fahrgeld", 60.00_cur, ".....x.")});
    ActNettoHochrechnung(p);
    EXPECT_EQ(Feld(Haupt::LEdiBrutto), 2060.00_cur);
}

TEST_F(HochrechnungTest, NetMarkedBenefitInKindLeavesTheComparisonAndAddsNothing)
{
    Einrichten({}, {kGehalt, zeile("Dienstwagen", 300.00_cur, "xx...x.", kSachbezug)});
    Abrechnung gehalt;
    BruttoNetto(gehalt, {}, {kGehalt});

    EXPECT_EQ(PrepareNettoHochrechnung(p), gehalt.netto);
    EXPECT_EQ(Universal(), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(SummeNTBetraege(p, 0_cur), 0_cur);
    EXPECT_EQ(p.erfass.zeilen.size(), 2u);
}

TEST_F(HochrechnungTest, SumsOfTheEntryRows)
{
    Einrichten({}, {kGehalt, zeile("Zulage", 1234.56_cur, "xx...x."), zeile("Bonus", 12.50_cur, "xx.x.x."),
                    zeile("Abfindung", 1500000.00_cur, "x...xx."), zeile("Kost", 99.00_cur, "xx...x.", kSachbezug)});
    EXPECT_EQ(SummeNTBetraege(p, 10.00_cur), 10.00_cur + 1234.56_cur + 12.50_cur + 1500000.00_cur);
    PrepareNettoHochrechnung(p);
    EXPECT_EQ(Universal(), (std::vector<std::string>{"1234,56", "12,5", "1500000"}));
    EXPECT_EQ(p.NTSummeEBZ, 12.50_cur);
    EXPECT_EQ(p.NTSummeLMJ, 1500000.00_cur);
}

// A net that never reaches the target: the trial grosses follow the loop's
// rules up to computation 300, the search over whole cents goes on, then the
// message.
TEST_F(HochrechnungTest, LoopRulesUpToTheLimit)
{
    Einrichten({.stKl = 6}, {kGehalt, zeile("AT-Zulage", 150.00_cur, "xx...x.")});
    const Currency ziel = PrepareNettoHochrechnung(p) + 150.00_cur;
    std::vector<Currency> versuche = {p.erfass.brutto[kGesamtbrutto] + 150.00_cur};
    erfass::ActBrutti(p);
    ActNettoHochrechnung(p, [&](const TLohnGehalt&, Currency G) {
        if (G != versuche.front()) versuche.push_back(G);
        return ziel + 1.00_cur;
    });

    ASSERT_GT(versuche.size(), 300u);
    for (int k = 1; k < 300; ++k) {
        Currency schritt = k >= 101 && k <= 119 ? 0.01_cur : -(0.50_cur);
        if (k == 200) schritt += 0.01_cur;
        if (k == 250) schritt -= 0.01_cur;
        EXPECT_EQ(versuche[std::size_t(k)] - versuche[std::size_t(k - 1)], schritt) << "after computation " << k;
    }
    EXPECT_EQ(dialoge.texte(test::Art::Information),
              (std::vector<std::string>{"Hochrechnung nach 300 Schritten abgebrochen"}));
    EXPECT_EQ(Feld(Haupt::LEdiBrutto), versuche.back());
    EXPECT_EQ(Feld(Haupt::LEdiNetto), ziel + 1.00_cur);
}

// The scheme's taxable part grossed up without any net-marked row: the
// comparison runs without the scheme and the difference joins the regular sum.
TEST_F(HochrechnungTest, SchemeGrossUpWithoutNetMarkedRows)
{
    const Fall vbl{.zvArt = "VBL"};
    const std::vector<Lohnart> zeilen = {zeile("Gehalt", 3000.00_cur, "xxx....")};
    Einrichten(vbl, zeilen);
    p.opt.text(Opt::ZVComboHochr) = "ja";
    p.haupt.text(Haupt::ComboZV) = "VBL";
    Abrechnung mit;
    BruttoNetto(mit, vbl, zeilen);
    Abrechnung ohne;
    BruttoNetto(ohne, {}, zeilen);

    ActNettoHochrechnung(p);

    EXPECT_EQ(p.LohnGehalt2.FZVArt, "keine");
    EXPECT_EQ(Feld(Haupt::LEdiNetto), ohne.netto);
    EXPECT_EQ(p.NTSummeLfd, ohne.netto - mit.netto);
    EXPECT_GT(Feld(Haupt::LEdiBrutto), 3000.00_cur);
    EXPECT_TRUE(dialoge.aufrufe.empty());
}

// "ja" without a scheme in the main window: the marked one-off item alone moves.
TEST_F(HochrechnungTest, SchemeSwitchWithoutSchemeLeavesTheRegularGross)
{
    Einrichten({}, {kGehalt, zeile("Bonus", 300.00_cur, "xx.x.x.")});
    p.opt.text(Opt::ZVComboHochr) = "ja";
    ASSERT_EQ(p.haupt.text(Haupt::ComboZV), "keine");
    ActNettoHochrechnung(p);
    EXPECT_TRUE(dialoge.aufrufe.empty());
    EXPECT_EQ(p.NTSummeLfd, 0_cur);
    EXPECT_EQ(p.LohnGehalt.GegebeneEingaben().FStBrutto, 2000.00_cur);
    EXPECT_EQ(p.LohnGehalt.GegebeneEingaben().FStBruttoEB, Feld(Haupt::LEdiBrutto) - 2000.00_cur);
}

}  // namespace
}  // namespace lx
