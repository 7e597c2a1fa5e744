#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AmountText.h"
#include "DetailZeilen.h"
#include "Detailabrechnung.h"
#include "Golden.h"
#include "Rechengroessen.h"

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
    lg.FKVZusatz = 1.70_cur;
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
    ein.LEdiStKl = "1";
    ein.LEdiKiFB = "0";
    ein.LEdiStFB = "0,00";
    ein.LSTComboStTab = "allgemeine Tabelle";
    return ein;
}

// The right-hand part of a merged row: from column 53 on when the left line
// kept to its 45 columns; "" after a longer left line.
std::string RechterTeil(const std::string& zeile)
{
    if (Zeichen(zeile, 46, 7) != std::string(7, ' ')) return "";
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

TEST(Detailabrechnung, FreiwilligVersichertMitVBLPfaendungUndKammer)
{
    TLohnGehalt lg = Jahr2024(6, "9111");
    lg.FPVBes = 4;
    lg.FPVZuschlag = 1;
    lg.FBundesland = kBundeslandBremen;
    lg.FZVArt = "VBL";
    lg.FStBrutto = 3047.50_cur;
    lg.FKVBasis = lg.FRVBasis = 3091.13_cur;
    lg.FZVBrutto = 3000_cur;
    lg.FZVMax56 = 151_cur;
    lg.FZVUmlageSatz = 6.45_cur;
    lg.FZVAG = 193.50_cur;
    lg.FZVSatzAN = 1.81_cur;
    lg.FZVAN = 54.30_cur;
    lg.FZVStPfl = 47.50_cur;
    lg.FZVSVPfl = 91.13_cur;
    lg.FZVPauschal = 146_cur;
    lg.FLSt = 389.16_cur;
    lg.FKiStRk = 35.02_cur;
    lg.FKVAN = 489_cur;
    lg.FKVAG = 244.50_cur;
    lg.FRVAN = lg.FRVAG = 279_cur;
    lg.FAVAN = lg.FAVAG = 39_cur;
    lg.FPVAG = 50_cur;
    lg.FKammerbeitrag = 4.50_cur;
    lg.FU2 = 13.20_cur;
    lg.FInsolvenz = 1.80_cur;
    lg.FPfaendBetrag = 999.99_cur;  // the working engine's: not the one garnished

    DetailEingaben ein = Eingaben("Juni", "2024", "9111");
    ein.posten = {Zeile("Gehalt", "3.000,00", "LSZ"), Zeile("VL-Abzug", "-40,00", "", Postenart::Abzug)};
    ein.gesamtbrutto = "3.000,00";
    ein.ComboZV = ein.ZVComboArt = "VBL";
    ein.ComboKiJaNein = "rk";
    ein.LSTComboBundesland = "Bremen";
    ein.LEdiStFB = "100,00";
    ein.LEdiGebJahr = "1975";
    ein.PfdComboJaNein = "ja";
    ein.PfdComboJaNeinTag = 1;
    ein.PfdVEdiVerbleib = "1.200,00";
    ein.pfaendBetragZweit = 312.40_cur;

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "freiwillig-vbl-bremen-2024.txt"));
    PruefeFormen(aus.zeilen, 1);
    EXPECT_FALSE(aus.LEdiStFB);
    EXPECT_TRUE(aus.BtnAbrSichtbar);
    EXPECT_TRUE(aus.BtnPfdSichtbar);
    EXPECT_FALSE(aus.BtnATZSichtbar);
    EXPECT_FALSE(aus.atzAbrechnung);
}

TEST(Detailabrechnung, EinmalbezugUndMehrjahresbezugJuli2023)
{
    TLohnGehalt lg = Jahr2024(7, "1112");
    lg.FJahr = 2023;
    lg.FKVZusatz = 1.60_cur;
    lg.FPVSatz = 1.70_cur;
    lg.FPVKinder = 3;
    lg.FStTage = 15;
    lg.FStBrutto = 100_cur;
    lg.FStBruttoEB = 1000_cur;
    lg.FStBruttoLMJ = 2000_cur;
    lg.FSVBruttoEB = 3000_cur;
    lg.FStBruttoJahr = 18000_cur;
    lg.FKVBasis = lg.FRVBasis = 1500_cur;
    lg.FKVBasisEB = lg.FRVBasisEB = 3000_cur;
    lg.FKVBruttoVor = lg.FRVBruttoVor = 9000_cur;
    lg.FVmtBegrenzt = 1;
    lg.FLSt = 12.50_cur;
    lg.FLStEB = 150_cur;
    lg.FLStLMJ = 300_cur;
    lg.FKVAN = lg.FKVAG = 121.50_cur;
    lg.FKVANEB = lg.FKVAGEB = 243_cur;
    lg.FRVAN = lg.FRVAG = 139.50_cur;
    lg.FRVANEB = lg.FRVAGEB = 279_cur;
    lg.FAVAN = lg.FAVAG = 19.50_cur;
    lg.FAVANEB = lg.FAVAGEB = 39_cur;
    lg.FPVAN = 9_cur;
    lg.FPVANEB = 18_cur;
    lg.FPVAG = 12.75_cur;
    lg.FPVAGEB = 25.50_cur;
    lg.FU2 = 6.60_cur;
    lg.FInsolvenz = 2.70_cur;

    DetailEingaben ein = Eingaben("Juli", "2023", "1112");
    ein.posten = {Zeile("Gehalt", "1.500,00", "LS"), Zeile("Weihnachtsgeld", "1.000,00", "LSE"),
                  Zeile("Jubiläumszuwendung", "2.000,00", "LSM")};
    ein.gesamtbrutto = "4.500,00";
    ein.EBVEdiTgVor = "150";
    ein.LEdiKiFB = "1,5";
    ein.LEdiStFB = "-50,00";
    ein.LEdiGebJahr = "1970";
    ein.LSTVEdiStTage = ein.SVVEdiSVTage = "15";

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "einmalbezug-juli-2023.txt"));
    PruefeFormen(aus.zeilen, 3);
    // The earlier-month fields take the engine's values.
    EXPECT_EQ(aus.EBVEdiStJahr, "18.000,00");
    EXPECT_EQ(aus.EBVEdiKVBrVor, "9.000,00");
    EXPECT_EQ(aus.EBVEdiRVBrVor, "9.000,00");
    EXPECT_FALSE(aus.LEdiStFB);
}

TEST(Detailabrechnung, MinijobMitPauschalsteuer)
{
    TLohnGehalt lg = Jahr2024(1, "6500");
    lg.FRechtskreis = 0;
    lg.FMinijob = 1;
    lg.FU1Satz = 1.10_cur;
    lg.FU2Satz = 0.24_cur;
    lg.FStBrutto = lg.FKVBasis = lg.FRVBasis = 520_cur;
    lg.FKVAG = 67.60_cur;
    lg.FRVAG = 78_cur;
    lg.FU1 = 5.72_cur;
    lg.FU2 = 1.25_cur;
    lg.FInsolvenz = 0.31_cur;

    DetailEingaben ein = Eingaben("Januar", "2024", "6500");
    ein.posten = {Zeile("Gehalt", "520,00", "LS")};
    ein.gesamtbrutto = ein.steuerbrutto = "520,00";
    ein.LEdiStKl = "0";
    ein.LEdiStFB = "0";
    ein.LEdiGebJahr = "2000";
    ein.SVComboUmlage = "U1 und U 2 rechnen";

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "minijob-2024.txt"));
    PruefeFormen(aus.zeilen, 1);
}

TEST(Detailabrechnung, AltersteilzeitMitTeilmonatUndUnterbrechungen)
{
    TLohnGehalt lg = Jahr2024(5, "1111");
    lg.FPVZuschlag = 1;
    lg.FATZ = 1;
    lg.FATZAufstBetrag = 400_cur;
    lg.FATZRVBasis = 1600_cur;
    lg.FATZRVBeitrag = 297.60_cur;
    lg.FStBrutto = lg.FKVBasis = lg.FRVBasis = 2000_cur;
    lg.FLSt = 167.66_cur;
    lg.FKVAN = lg.FKVAG = 163_cur;
    lg.FRVAN = lg.FRVAG = 186_cur;
    lg.FAVAN = lg.FAVAG = 26_cur;
    lg.FPVAN = 46_cur;
    lg.FPVAG = 34_cur;
    lg.FU2 = 8.80_cur;
    lg.FInsolvenz = 1.20_cur;

    DetailEingaben ein = Eingaben("Mai", "2024", "1111");
    ein.posten = {Zeile("Gehalt", "2.000,00", "LS")};
    ein.gesamtbrutto = ein.steuerbrutto = "2.000,00";
    ein.LEdiBrutto = "2.000,00";
    ein.LEdiNetto = "1.411,34";
    ein.LEdiGebJahr = "1962";
    ein.TZComboJaNein = "ja";
    ein.TZVEdiWoStd = "19,5";
    ein.TZVEdiWoVZ = "39";
    ein.statusPanel0 = "Eintritt 06.05.2024";
    ein.statusPanel1 = "Austritt 28.05.2024";
    ein.TBVEdiUB1Von = "7";
    ein.TBVEdiUB1Bis = "9";
    ein.TBVEdiUB2Von = "20";
    ein.TBVEdiUB2Bis = "24";
    ein.TBLEdiGrund2 = "Krankengeldbezug";

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "altersteilzeit-2024.txt"));
    PruefeFormen(aus.zeilen, 1);
    // The fields take the topped-up gross and the net plus the top-up.
    EXPECT_EQ(aus.LEdiBrutto, "2.400,00");
    EXPECT_EQ(aus.LEdiNetto, "1.811,34");
    EXPECT_TRUE(aus.BtnAbrSichtbar);
    EXPECT_FALSE(aus.BtnPfdSichtbar);
    EXPECT_TRUE(aus.BtnATZSichtbar);
    EXPECT_TRUE(aus.atzAbrechnung);
}

TEST(Detailabrechnung, NachHochrechnungNettoMarkierterPosten)
{
    TLohnGehalt lg = Jahr2024(8, "1111");
    lg.FPVKinder = 1;
    lg.FStBrutto = lg.FKVBasis = lg.FRVBasis = 2250_cur;
    lg.FStBruttoEB = 850_cur;
    lg.FStBruttoLMJ = 1700_cur;
    lg.FSVBruttoEB = lg.FKVBasisEB = lg.FRVBasisEB = 2550_cur;
    lg.FStBruttoJahr = 27000_cur;
    lg.FKVBruttoVor = lg.FRVBruttoVor = 15750_cur;
    lg.FLSt = 250_cur;
    lg.FLStEB = 200_cur;
    lg.FLStLMJ = 400_cur;
    lg.FSolZLMJ = 10_cur;
    lg.FKiStEv = 22.50_cur;
    lg.FKiStEvEB = 18_cur;
    lg.FKiStEvLMJ = 36_cur;
    lg.FKVAN = lg.FKVAG = 183.38_cur;
    lg.FKVANEB = lg.FKVAGEB = 207.83_cur;
    lg.FRVAN = lg.FRVAG = 209.25_cur;
    lg.FRVANEB = lg.FRVAGEB = 237.15_cur;
    lg.FAVAN = lg.FAVAG = 29.25_cur;
    lg.FAVANEB = lg.FAVAGEB = 33.15_cur;
    lg.FPVAN = lg.FPVAG = 38.25_cur;
    lg.FPVANEB = lg.FPVAGEB = 43.35_cur;
    lg.FU2 = 9.90_cur;
    lg.FInsolvenz = 2.88_cur;

    DetailEingaben ein = Eingaben("August", "2024", "1111");
    ein.posten = {Zeile("Gehalt", "2.000,00", "LS"), Zeile("AT-Zulage", "150,00", "LSN"),
                  Zeile("Urlaubsgeld", "500,00", "LSEN"), Zeile("Jubiläum", "1.000,00", "LSMN")};
    // After the gross-up the total leaves out the net-marked rows.
    ein.gesamtbrutto = "2.000,00";
    ein.LEdiBrutto = "4.800,00";
    ein.FNTHochrechnung = 1;
    ein.NTSummeLfd = 150_cur;
    ein.NTSummeEBZ = 500_cur;
    ein.NTSummeLMJ = 1000_cur;
    ein.ZVComboHochr = "ja";
    ein.EBVEdiTgVor = "210";
    ein.LEdiKiFB = "1,0";
    ein.ComboKiJaNein = "ev";
    ein.LSTComboBundesland = "Hessen";
    ein.LEdiGebJahr = "1985";

    const DetailAbrechnung aus = BaueDetailabrechnung(lg, ein);
    EXPECT_TRUE(GleichFixture(aus.zeilen, "hochrechnung-2024.txt"));
    PruefeFormen(aus.zeilen, 4);
}
