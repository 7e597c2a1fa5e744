#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "Detailabrechnung.h"
#include "DetailZeilen.h"
#include "Golden.h"

using namespace lx;
using namespace lx::literals;
using lx::test::GleichFixture;

namespace {

// Engine fields of a West month in 2024 as the year loads them; results zero.
TLohnGehalt Jahr2024(int monat, const std::string& bgr)
{
    TLohnGehalt lg;
    lg.FJahr = 2024;
    lg.FMonat = Byte(monat);
    lg.FRechtskreis = 1;
    lg.FBGR = bgr;
    lg.FBGRKV = Byte(bgr[0] - '0');
    lg.FBGRRV = Byte(bgr[1] - '0');
    lg.FBGRAV = Byte(bgr[2] - '0');
    lg.FBGRPV = Byte(bgr[3] - '0');
    lg.FKVSatz = 14.60_cur;
    lg.FRVSatz = 18.60_cur;
    lg.FAVSatz = 2.60_cur;
    lg.FPVSatz = 3.40_cur;
    lg.FInsolvenzSatz = 0.06_cur;
    lg.FU1Satz = 1.60_cur;
    lg.FU2Satz = 0.44_cur;
    lg.FBBGRV = 7550_cur;
    lg.FZVArt = "keine";
    lg.FStTage = 30;
    lg.FSVTage = 30;
    return lg;
}

Posten Zeile(const std::string& name, const std::string& betrag, const std::string& marken,
             Postenart art = Postenart::Zahlung)
{
    // marks as a string of the flag letters: L(St) S(V) Z(V) E(B) M (LMJ) N(T) V(B)
    auto hat = [&](char c) { return marken.find(c) != std::string::npos ? std::string("x") : std::string(); };
    return {name, betrag, hat('L'), hat('S'), hat('Z'), hat('E'), hat('M'), hat('N'), hat('V'), art};
}

DetailEingaben Eingaben(const std::string& monat, const std::string& jahr, const std::string& bgr)
{
    DetailEingaben ein;
    ein.ComboMonat = monat;
    ein.ComboJahr = jahr;
    ein.LxEdiBGR = bgr;
    ein.MEdiKVZus = "+ 1,70%";
    ein.LEdiStKl = "1";
    ein.LEdiKiFB = "0";
    ein.LEdiStFB = "0,00";
    ein.LSTComboStTab = "allgemeine Tabelle";
    return ein;
}

// The right-hand part of a merged row: from column 53 on.
std::string RechterTeil(const std::string& zeile)
{
    return OhneErsteZeichen(zeile, 52);
}

// Shapes every payslip keeps: title 95 wide, item rows 76, right-list lines 44
// unless label and value were joined.
void PruefeFormen(const std::vector<std::string>& z, std::size_t posten)
{
    ASSERT_GT(z.size(), 5 + posten);
    EXPECT_EQ(Zeichenzahl(z[0]), 95u) << z[0];
    for (std::size_t i = 5; i < 5 + posten; ++i) EXPECT_EQ(Zeichenzahl(z[i]), 76u) << "line " << i + 1 << ": " << z[i];
    std::size_t ab = 0;
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (z[i].rfind("Auszahlungsbetrag", 0) == 0) ab = i + 2;
    }
    ASSERT_GT(ab, 0u);
    for (std::size_t i = ab; i < z.size() && !z[i].empty(); ++i) {
        const std::string rechts = RechterTeil(z[i]);
        if (rechts.empty()) continue;
        const bool verbunden = Zeichenzahl(rechts) > 44 && rechts.find("  ") == std::string::npos;
        EXPECT_TRUE(Zeichenzahl(rechts) == 44 || verbunden) << "line " << i + 1 << ": [" << rechts << "]";
    }
}

}  // namespace

TEST(Detailabrechnung, GehaltUndSachbezug2024)
{
    TLohnGehalt lg = Jahr2024(3, "1111");
    lg.FPVKinder = 1;
    lg.FStBrutto = lg.FKVBasis = lg.FRVBasis = 2300_cur;
    lg.FLSt = 236.41_cur;
    lg.FKiStEv = 21.27_cur;
    lg.FKVAN = lg.FKVAG = 187.45_cur;
    lg.FRVAN = lg.FRVAG = 213.90_cur;
    lg.FAVAN = lg.FAVAG = 29.90_cur;
    lg.FPVAN = lg.FPVAG = 39.10_cur;
    lg.FU1 = 36.80_cur;
    lg.FU2 = 10.12_cur;
    lg.FInsolvenz = 1.38_cur;

    DetailEingaben ein = Eingaben("März", "2024", "1111");
    ein.posten = {Zeile("Gehalt", "2.000,00", "LS"), Zeile("Dienstwagen", "300,00", "LS", Postenart::Sachbezug)};
    ein.gesamtbrutto = ein.steuerbrutto = "2.300,00";
    ein.LEdiBrutto = "2.000,00";
    ein.LEdiNetto = "1.571,97";
    ein.LEdiKiFB = "0,5";
    ein.ComboKiJaNein = "ev";
    ein.LSTComboBundesland = "Bayern";
    ein.LEdiStFB = "";
    ein.LEdiGebJahr = "1980";
    ein.SVComboUmlage = "U1 und U 2 rechnen";
    ein.SVLabEdiKKasse = "AOK Bayern";

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "gehalt-sachbezug-2024.txt"));
    PruefeFormen(aus.zeilen, 2);
    // An empty allowance field becomes "0"; nothing else is written back.
    EXPECT_EQ(aus.LEdiStFB, "0");
    EXPECT_FALSE(aus.LEdiBrutto || aus.LEdiNetto || aus.EBVEdiStJahr || aus.EBVEdiKVBrVor || aus.EBVEdiRVBrVor);
    EXPECT_FALSE(aus.BtnAbrSichtbar || aus.BtnPfdSichtbar || aus.BtnATZSichtbar || aus.atzAbrechnung);
}
