// The detailed payslip in the program: its inputs taken from the windows, the
// payslip window's view after it, the write-backs and the partial-retirement
// report; the engine computed here as the driver would.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AmountText.h"
#include "Detailabrechnung.h"
#include "FakeDialoge.h"
#include "FesteUhr.h"
#include "LxMath.h"
#include "ProgrammZustand.h"
#include "abrechnung/Detailausgabe.h"
#include "berechnung/Berechnungslauf.h"
#include "erfassung/Erfassung.h"

namespace lx {
namespace {

std::string ohneBlanks(std::string_view t)
{
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return std::string(t);
}

// The text from its n-th character (UTF-8) on.
std::string_view abZeichen(std::string_view t, std::size_t n)
{
    std::size_t i = 0;
    for (; i < t.size() && n > 0; --n) {
        ++i;
        while (i < t.size() && (static_cast<unsigned char>(t[i]) & 0xC0) == 0x80) ++i;
    }
    return t.substr(i);
}

std::vector<std::string> zeilen(std::string_view text)
{
    std::vector<std::string> z;
    std::size_t start = 0;
    while (!text.empty()) {
        const std::size_t stop = text.find('\n', start);
        z.emplace_back(text.substr(start, stop == std::string_view::npos ? std::string_view::npos : stop - start));
        if (stop == std::string_view::npos) break;
        start = stop + 1;
    }
    return z;
}

class DetailausgabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        p.haupt.text(Haupt::ComboMonat) = "März";
        p.haupt.text(Haupt::ComboJahr) = "2024";
    }

    void Zeile(std::string name, Currency betrag, bool lst = true, bool sv = true, int typ = kBezug)
    {
        Lohnart z{.name = std::move(name), .betrag = betrag, .typ = typ};
        z.flags[kLST] = lst;
        z.flags[kSV] = sv;
        p.erfass.zeilen.push_back(z);
        p.erfass.brutto = BerechneBrutto(p.erfass.zeilen, false);
    }

    // The working engine for March 2024, class 1, West, code 1111, over the
    // entry dialog's totals, computed.
    void Rechne(const std::function<void(TLohnGehalt&)>& mehr = {})
    {
        TLohnGehalt& lg = p.LohnGehalt;
        lg.SetRechtskreis(1);
        lg.SetJahr(2024);
        lg.SetBGR("1111");
        lg.SetMonat(3);
        lg.SetKVZusatz(1.70_cur);
        lg.SetPVZuschlag(0);
        lg.SetKonfession(4);
        lg.SetStKl(1);
        lg.SetLZZ(2);
        lg.SetZVArt("keine");
        const Bruttosummen& b = p.erfass.brutto;
        lg.SetStBrutto(b[kSteuerbrutto]);
        lg.SetStBruttoEB(b[kSteuerbruttoEB]);
        lg.SetGesamtbrutto(b[kGesamtbrutto]);
        lg.SetSVBrutto(b[kSVBrutto]);
        lg.SetSVBruttoEB(b[kSVBruttoEB]);
        if (mehr) mehr(lg);
        lg.Berechnen();
        p.haupt.text(Haupt::LEdiBrutto) = formatAmount(b[kGesamtbrutto]);
    }

    std::vector<std::string> Memo() const { return zeilen(p.abr.text(Abr::MemoAbr)); }

    // The amount of the first value line with this label, "" when there is none.
    std::string Wert(std::string_view label) const
    {
        for (const std::string& z : Memo()) {
            if (z.starts_with(label) && z[label.size()] == ' ') return ohneBlanks(abZeichen(z, 24).substr(0, 12));
        }
        return "";
    }

    test::FakeDialoge d;
    test::FesteUhr uhr{2024, 3, 15};
    ProgrammZustand p{d, uhr};
};

TEST_F(DetailausgabeTest, FillsTheViewFromTheWindowsAndShowsThePayslip)
{
    Zeile("Gehalt", 2000_cur);
    Zeile("Sachbezug", 300_cur, true, true, kSachbezug);
    Zeile("VL-Abzug", -40_cur, false, false, kAbzug);
    Rechne();
    // a report was shown, the payslip held
    p.abr[Abr::BtnPfd].tag = 1;
    p.abr[Abr::BtnAbr].tag = 0;
    p.abr[Abr::LiBoPrintAbr].items = {"alte Abrechnung"};
    p.abr.text(Abr::MemoAbr) = "Pfändungsbericht";

    ActDetailabrechnung(p);

    const std::vector<std::string> m = Memo();
    ASSERT_GT(m.size(), 10u);
    EXPECT_TRUE(m[0].starts_with(kAbrechnungsTitel)) << m[0];
    EXPECT_TRUE(m[0].ends_with(" März 2024")) << m[0];
    EXPECT_TRUE(m[5].starts_with("Gehalt ")) << m[5];
    EXPECT_TRUE(m[6].starts_with("Sachbezug ")) << m[6];
    EXPECT_EQ(Wert("Gesamtbrutto"), "2.000,00");
    EXPECT_EQ(Wert("VL-Abzug"), "-40,00");
    EXPECT_EQ(Wert("Lohnsteuer"), formatAmount(-p.LohnGehalt.FLSt));
    EXPECT_NE(Wert("Lohnsteuer"), "0,00");
    const Currency netto = StrToCurr(OhnePunkte(Wert("Netto")));
    EXPECT_EQ(formatAmount(netto - 40_cur), Wert("Auszahlungsbetrag"));
    EXPECT_TRUE(p.abr[Abr::LiBoPrintAbr].items.empty());
    EXPECT_EQ(p.abr[Abr::BtnAbr].tag, 1);
    EXPECT_EQ(p.abr[Abr::BtnPfd].tag, 0);
    EXPECT_EQ(p.abr[Abr::BtnATZ].tag, 0);
}

TEST_F(DetailausgabeTest, ReadsTheOptionsAndTheSecondEngine)
{
    Zeile("Gehalt", 2000_cur);
    Rechne();
    p.opt.text(Opt::PfdComboJaNein) = "ja";
    p.opt[Opt::PfdComboJaNein].tag = 1;
    p.LohnGehalt.FPfaendBetrag = 11_cur;
    p.LohnGehalt2.FPfaendBetrag = 123.45_cur;
    p.haupt.panel(kPanelEintritt) = "Eintritt 04.03.2024";

    const DetailEingaben ein = DetailEingabenLesen(p);
    ASSERT_EQ(ein.posten.size(), 1u);
    EXPECT_EQ(ein.posten[0].betrag, "2.000,00");
    EXPECT_EQ(ein.posten[0].lst, "x");
    EXPECT_EQ(ein.posten[0].zv, "");
    EXPECT_EQ(ein.gesamtbrutto, "2.000,00");
    EXPECT_EQ(ein.statusPanel0, "Eintritt 04.03.2024");
    EXPECT_EQ(ein.statusPanel1, "");
    EXPECT_EQ(ein.ZVComboArt, "keine");
    EXPECT_EQ(ein.pfaendBetragZweit, 123.45_cur);

    ActDetailabrechnung(p);
    EXPECT_EQ(Wert("Pfändung"), "-123,45") << "the special calculation's amount";
    bool eintritt = false;
    for (const std::string& z : Memo())
        eintritt |= z.find("Eintritt") != std::string::npos && z.ends_with("04.03.2024");
    EXPECT_TRUE(eintritt) << p.abr.text(Abr::MemoAbr);
}

// The view buttons: the payslip's with either report, each report's with its own.
TEST_F(DetailausgabeTest, ViewButtonsByGarnishmentAndPartialRetirement)
{
    struct Fall {
        const char* pfaendung;
        bool atz;
        bool abr, pfd, atzKnopf;
    };
    const Fall faelle[] = {
        {"nein", false, false, false, false},
        {"ja", false, true, true, false},
        {"nein", true, true, false, true},
        {"ja", true, true, true, true},
    };
    Zeile("Gehalt", 2000_cur);
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(f.pfaendung) + (f.atz ? " with" : " without") + " partial retirement");
        Rechne([&](TLohnGehalt& lg) {
            lg.SetATZ(f.atz ? 1 : 0);
            if (f.atz) {
                lg.SetATZAufstockung(20_cur);
                lg.SetATZAufstRV(80_cur);
                lg.SetATZRegelentgelt(2000_cur);
            }
        });
        p.opt.text(Opt::PfdComboJaNein) = f.pfaendung;
        p.abr[Abr::LiBoATZ].items.clear();
        for (Abr b : {Abr::BtnAbr, Abr::BtnPfd, Abr::BtnATZ}) p.abr[b].visible = !p.abr[b].visible;

        ActDetailabrechnung(p);
        EXPECT_EQ(p.abr[Abr::BtnAbr].visible, f.abr);
        EXPECT_EQ(p.abr[Abr::BtnPfd].visible, f.pfd);
        EXPECT_EQ(p.abr[Abr::BtnATZ].visible, f.atzKnopf);
        EXPECT_EQ(Wert("Pfändung").empty(), !f.abr || !f.pfd);
        const auto& atz = p.abr[Abr::LiBoATZ].items;
        EXPECT_EQ(atz.empty(), !f.atz);
        if (f.atz) {
            ASSERT_FALSE(atz.empty());
            EXPECT_EQ(atz[0], "Altersteilzeitberechnung März 2024");
        }
    }
}

// With partial retirement the gross field takes the gross with the top-up, the
// net field its value plus the top-up; the report lists the mirrored rows.
TEST_F(DetailausgabeTest, PartialRetirementWritesGrossAndNetAndItsReport)
{
    Zeile("Gehalt", 2000_cur);
    p.opt[Opt::ATZLView].rows = {{.cells = {"Gehalt", "ja", "2.000,00", "4.000,00"}},
                                 {.cells = {"Zulage", "nein", "50,00", "100,00"}}};
    p.abr.text(Abr::LEdiDruckName) = "Muster";
    Rechne([](TLohnGehalt& lg) {
        lg.SetATZ(1);
        lg.SetATZAufstockung(20_cur);
        lg.SetATZAufstRV(80_cur);
        lg.SetATZRegelentgelt(2000_cur);
    });
    ASSERT_EQ(p.LohnGehalt.FATZAufstBetrag, 400_cur);
    p.haupt.text(Haupt::LEdiNetto) = "1.500,00";

    ActDetailabrechnung(p);
    EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), "2.400,00");
    EXPECT_EQ(p.haupt.text(Haupt::LEdiNetto), "1.900,00");
    EXPECT_EQ(Wert("Gesamtbrutto"), "2.400,00");
    const auto& atz = p.abr[Abr::LiBoATZ].items;
    ASSERT_GT(atz.size(), 6u);
    EXPECT_EQ(atz[0], "Altersteilzeitberechnung Muster März 2024");
    EXPECT_TRUE(atz[5].starts_with("Gehalt ") && atz[5].ends_with("2.000,00")) << atz[5];
    EXPECT_TRUE(atz[6].ends_with("50,00  nicht aufstocken")) << atz[6];
}

// The tax allowance field is set to "0" only when empty; the earlier-month
// fields only after a one-off payment.
TEST_F(DetailausgabeTest, WritesBackTheAllowanceAndTheEarlierMonths)
{
    Zeile("Gehalt", 2000_cur);
    p.opt.text(Opt::EBVEdiStJahr) = "7,00";
    p.opt.text(Opt::EBVEdiKVBrVor) = "8,00";
    p.opt.text(Opt::EBVEdiRVBrVor) = "9,00";
    Rechne();
    p.haupt.text(Haupt::LEdiStFB) = "";
    p.opt[Opt::LSTChkFBJahr].checked = true;
    p.opt.text(Opt::LSTVEdiFBJahr) = "600,00";
    ActDetailabrechnung(p);
    EXPECT_EQ(p.haupt.text(Haupt::LEdiStFB), "0");
    EXPECT_EQ(p.opt.text(Opt::LSTVEdiFBJahr), "0,00") << "the allowance's change handler ran";
    EXPECT_EQ(p.opt.text(Opt::EBVEdiStJahr), "7,00");
    EXPECT_EQ(p.opt.text(Opt::EBVEdiKVBrVor), "8,00");

    p.haupt.text(Haupt::LEdiStFB) = "25,00";
    Lohnart eb{.name = "Urlaubsgeld", .betrag = 1000_cur};
    eb.flags[kLST] = eb.flags[kSV] = eb.flags[kEB] = true;
    p.erfass.zeilen.push_back(eb);
    p.erfass.brutto = BerechneBrutto(p.erfass.zeilen, false);
    Rechne([](TLohnGehalt& lg) {
        lg.SetStAuto(1);
        lg.SetSVAuto(1);
    });
    p.opt.text(Opt::LSTVEdiFBJahr) = "600,00";
    ActDetailabrechnung(p);
    EXPECT_EQ(p.haupt.text(Haupt::LEdiStFB), "25,00");
    EXPECT_EQ(p.opt.text(Opt::LSTVEdiFBJahr), "600,00") << "a typed allowance is no write-back";
    EXPECT_EQ(p.opt.text(Opt::EBVEdiStJahr), formatAmount(p.LohnGehalt.FStBruttoJahr));
    EXPECT_EQ(p.opt.text(Opt::EBVEdiKVBrVor), formatAmount(p.LohnGehalt.FKVBruttoVor));
    EXPECT_EQ(p.opt.text(Opt::EBVEdiRVBrVor), formatAmount(p.LohnGehalt.FRVBruttoVor));
    EXPECT_NE(p.opt.text(Opt::EBVEdiKVBrVor), "8,00");
}

// A text that is no number stops the payslip: nothing written back, the view
// emptied rather than showing the last payslip.
TEST_F(DetailausgabeTest, NoNumberLeavesNoPayslipAndNoWriteBack)
{
    Zeile("Gehalt", 2000_cur);
    Rechne([](TLohnGehalt& lg) {
        lg.SetATZ(1);
        lg.SetATZAufstockung(20_cur);
        lg.SetATZAufstRV(80_cur);
        lg.SetATZRegelentgelt(2000_cur);
    });
    p.haupt.text(Haupt::LEdiNetto) = "1.500,00";
    ActDetailabrechnung(p);
    ASSERT_NE(p.abr.text(Abr::MemoAbr), "");
    const auto atz = p.abr[Abr::LiBoATZ].items;
    p.abr[Abr::BtnATZ].tag = 1;
    p.abr[Abr::BtnAbr].tag = 0;
    p.abr[Abr::LiBoPrintAbr].items = Memo();

    struct Fall {
        Haupt feld;
        const char* text;
    };
    for (const Fall& f : {Fall{Haupt::LEdiStFB, "1x"}, Fall{Haupt::LEdiNetto, "viel"}}) {
        SCOPED_TRACE(f.text);
        const std::string brutto = p.haupt.text(Haupt::LEdiBrutto);
        const std::string netto = p.haupt.text(Haupt::LEdiNetto);
        const std::string stfb = p.haupt.text(Haupt::LEdiStFB);
        p.haupt.text(f.feld) = f.text;
        EXPECT_THROW(ActDetailabrechnung(p), ConversionError);
        EXPECT_EQ(p.abr.text(Abr::MemoAbr), "");
        EXPECT_TRUE(p.abr[Abr::LiBoPrintAbr].items.empty());
        EXPECT_EQ(p.abr[Abr::BtnAbr].tag, 1);
        EXPECT_EQ(p.abr[Abr::BtnATZ].tag, 0);
        EXPECT_EQ(p.abr[Abr::LiBoATZ].items, atz);
        EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), f.feld == Haupt::LEdiBrutto ? f.text : brutto);
        EXPECT_EQ(p.haupt.text(Haupt::LEdiNetto), f.feld == Haupt::LEdiNetto ? f.text : netto);
        p.haupt.text(f.feld) = f.feld == Haupt::LEdiStFB ? stfb : netto;
    }
}

// Through the calculation as the user starts it.
class DetailausgabeLaufTest : public DetailausgabeTest {
protected:
    void Enter(const std::string& brutto)
    {
        p.haupt.text(Haupt::LEdiBrutto) = brutto;
        LEdiBruttoKeyDown(p, Haupt::LEdiBrutto);
        ASSERT_TRUE(d.aufrufe.empty()) << test::beschreibe(d.aufrufe.front());
    }
};

TEST_F(DetailausgabeLaufTest, GrossWithEnterShowsThePayslipOfTheNetField)
{
    p.haupt.text(Haupt::LEdiStFB) = "";
    p.opt[Opt::LSTChkFBJahr].checked = true;
    p.opt.text(Opt::LSTVEdiFBJahr) = "600,00";
    Enter("2000");

    const std::vector<std::string> m = Memo();
    ASSERT_GT(m.size(), 20u);
    EXPECT_TRUE(m[0].ends_with(" März 2024")) << m[0];
    EXPECT_TRUE(m[5].starts_with("Gehalt ") && m[5].find("2.000,00") != std::string::npos) << m[5];
    EXPECT_EQ(Wert("Gesamtbrutto"), "2.000,00");
    EXPECT_NE(p.haupt.text(Haupt::LEdiNetto), "0,00");
    EXPECT_EQ(Wert("Netto"), p.haupt.text(Haupt::LEdiNetto));
    EXPECT_EQ(Wert("Auszahlungsbetrag"), p.haupt.text(Haupt::LEdiNetto));
    EXPECT_EQ(Wert("Lohnsteuer"), formatAmount(-p.LohnGehalt.FLSt));
    EXPECT_EQ(p.haupt.text(Haupt::LEdiStFB), "0");
    EXPECT_EQ(p.opt.text(Opt::LSTVEdiFBJahr), "0,00");
    for (Abr b : {Abr::BtnAbr, Abr::BtnPfd, Abr::BtnATZ}) EXPECT_FALSE(p.abr[b].visible);
}

TEST_F(DetailausgabeLaufTest, OneOffPaymentWritesTheEarlierMonths)
{
    Enter("2000");
    const std::string vorher = p.opt.text(Opt::EBVEdiStJahr);
    auto& e = p.erfass;
    e.text(Erfass::AEdiLOA) = "Urlaubsgeld";
    e.text(Erfass::VEdiBetrag) = "1.000,00";
    e.text(Erfass::AEdiLST) = e.text(Erfass::AEdiSV) = e.text(Erfass::AEdiEB) = "x";
    ASSERT_TRUE(erfass::ActUebernehmen(p));
    erfass::ActBrutti(p);
    ActBerechnen(p);
    ASSERT_TRUE(d.aufrufe.empty()) << test::beschreibe(d.aufrufe.front());

    const TLohnGehalt& lg = p.LohnGehalt;
    EXPECT_EQ(p.opt.text(Opt::EBVEdiStJahr), formatAmount(lg.FStBruttoJahr)) << "before: " << vorher;
    EXPECT_EQ(p.opt.text(Opt::EBVEdiKVBrVor), formatAmount(lg.FKVBruttoVor));
    EXPECT_EQ(p.opt.text(Opt::EBVEdiRVBrVor), formatAmount(lg.FRVBruttoVor));
    EXPECT_EQ(Wert("Gesamtbrutto"), "3.000,00");
    EXPECT_EQ(Wert("Netto"), p.haupt.text(Haupt::LEdiNetto));
}

TEST_F(DetailausgabeLaufTest, PartialRetirementWritesTheGrossAndNetWithTheTopUp)
{
    p.opt.text(Opt::ATZComboJaNein) = "ja";
    Enter("2000");

    ASSERT_EQ(p.LohnGehalt.FATZ, 1);
    ASSERT_EQ(p.LohnGehalt.FATZAufstBetrag, 400_cur);
    EXPECT_EQ(p.haupt.text(Haupt::LEdiBrutto), "2.400,00");
    EXPECT_EQ(Wert("Gesamtbrutto"), "2.400,00");
    // the run's net leaves out the top-up, the payslip adds it: the field ends as the payslip's net
    EXPECT_EQ(p.haupt.text(Haupt::LEdiNetto), Wert("Netto"));
    EXPECT_TRUE(p.abr[Abr::BtnAbr].visible);
    EXPECT_TRUE(p.abr[Abr::BtnATZ].visible);
    EXPECT_FALSE(p.abr[Abr::BtnPfd].visible);
    ASSERT_FALSE(p.abr[Abr::LiBoATZ].items.empty());
    EXPECT_EQ(p.abr[Abr::LiBoATZ].items[0], "Altersteilzeitberechnung März 2024");
}

}  // namespace
}  // namespace lx
