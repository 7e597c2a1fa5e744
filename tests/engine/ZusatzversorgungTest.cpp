#include <gtest/gtest.h>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

namespace {

TLohnGehalt mitZV(const char* art, Currency satzAG, Currency zvBrutto, int monat = 1)
{
    TLohnGehalt lg = Monat(2024, monat, "1111", 3000_cur);
    lg.SetZVArt(art);
    lg.SetZVSatzAG(satzAG);
    lg.SetZVPStGrenze(146_cur);
    lg.SetZVBrutto(zvBrutto);
    return lg;
}

}  // namespace

TEST(Zusatzversorgung, LevyByScheme)
{
    struct Fall {
        const char* art;
        Currency umlage;
        Currency sanierungsgeld;
    };
    const Fall faelle[] = {
        {"VBL", 193.50_cur, 30.00_cur},    // entered rate 6.45 %, entered Sanierungsgeld 1.00 %
        {"kvw", 135.00_cur, 97.50_cur},    // 4.50 %, 3.25 %
        {"RZVK", 127.50_cur, 105.00_cur},  // 4.25 %, 3.50 %
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = mitZV(f.art, 6.45_cur, 3000_cur);
        lg.SetSanierungsgeldSatz(1_cur);
        lg.Berechnen();
        EXPECT_EQ(lg.FZVAG, f.umlage) << f.art;
        EXPECT_EQ(lg.FSanierungsgeld, f.sanierungsgeld) << f.art;
    }
}

TEST(Zusatzversorgung, AdditionalLevyCapAndTaxFreeMaximum)
{
    TLohnGehalt lg = mitZV("VBL", 6.45_cur, 9000_cur, 3);
    lg.SetZVUmlage(1);
    lg.Berechnen();
    EXPECT_EQ(lg.FZVZusatzumlage, 19.92_cur) << "(9000.00 - 8778.71) x 9 %";
    EXPECT_EQ(lg.FZVMax56, 226.50_cur) << "3 % of 7550.00";

    TLohnGehalt november = mitZV("VBL", 6.45_cur, 40000_cur, 11);
    november.Berechnen();
    EXPECT_EQ(november.FZVBrutto, 37750_cur);
    TLohnGehalt oktober = mitZV("VBL", 6.45_cur, 40000_cur, 10);
    oktober.Berechnen();
    EXPECT_EQ(oktober.FZVBrutto, 18875_cur);
}

TEST(Zusatzversorgung, TaxFlatTaxAndContributionParts)
{
    // levy 3000 x 6.45 % = 193.50, tax-free maximum 226.50 capped at the levy
    TLohnGehalt lg = mitZV("VBL", 6.45_cur, 3000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FZVStPfl, 0_cur);
    EXPECT_EQ(lg.FZVPauschal, 0_cur);
    // 193.50 - 100.00 + 0 + (2.5 % of 1550.39 - 13.30 = 25.46)
    EXPECT_EQ(lg.FZVSVPfl, 118.96_cur);
    EXPECT_EQ(lg.FSVBruttoUngek, 3118.96_cur);

    TLohnGehalt klasse6 = mitZV("VBL", 6.45_cur, 3000_cur);
    klasse6.SetStKl(6);
    klasse6.Berechnen();
    EXPECT_EQ(klasse6.FZVStPfl, 193.50_cur) << "the whole levy is taxable";
    EXPECT_EQ(klasse6.FZVPauschal, 0_cur);
    EXPECT_EQ(klasse6.FStBrutto, 3193.50_cur);

    TLohnGehalt max = mitZV("VBL", 6.45_cur, 3000_cur);
    max.SetZVMax56(50_cur);
    max.Berechnen();
    EXPECT_EQ(max.FZVPauschal, 143.50_cur);
    EXPECT_EQ(max.FZVStPfl, 0_cur);
}

TEST(Zusatzversorgung, SchemeWithoutEmployerRateDividesByNothing)
{
    TLohnGehalt lg = mitZV("individuell", 0_cur, 9000_cur, 3);
    lg.SetZVUmlage(1);
    lg.SetZVSatzAN(1.5_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FZVAG, 0_cur);
    EXPECT_EQ(lg.FZVZusatzumlage, 19.92_cur);
    EXPECT_EQ(lg.FZVAN, 135.00_cur);
    EXPECT_GE(lg.FZVSVPfl, 0_cur);
}

TEST(Entgeltumwandlung, MonthlyApproach)
{
    struct Fall {
        Byte stFrei;
        Currency ag;
        Currency an;
        Currency stAenderung;
        Currency svAenderung;
        Currency pauschBasis;
    };
    // 2024: tax limit 8 % of 7550 = 604.00, contribution limit 4 % = 302.00, flat-rate limit 1752 / 12 = 146.00
    const Fall faelle[] = {
        {1, 100_cur, 300_cur, -(300_cur), -(202_cur), 0_cur}, {1, 700_cur, 0_cur, 96_cur, 398_cur, 0_cur},
        {1, 0_cur, 200_cur, -(200_cur), -(200_cur), 0_cur},   {2, 100_cur, 300_cur, -(300_cur), -(300_cur), 0_cur},
        {3, 100_cur, 30_cur, -(30_cur), 100_cur, 130_cur},    {3, 100_cur, 100_cur, -(46_cur), 100_cur, 146_cur},
        {3, 200_cur, 0_cur, 54_cur, 200_cur, 146_cur},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
        lg.SetBAVArt(1);
        lg.SetBAVStFrei(f.stFrei);
        lg.SetBAVMonatlich(1);
        lg.SetBAVPauschal(1752_cur);
        lg.SetBAVBetrag(f.ag);
        lg.SetBAVAN(f.an);
        lg.Berechnen();
        EXPECT_EQ(lg.FBAVStLfd, f.stAenderung) << int(f.stFrei) << " " << f.ag << " " << f.an;
        EXPECT_EQ(lg.FStBrutto, 3000_cur + f.stAenderung) << int(f.stFrei) << " " << f.ag << " " << f.an;
        EXPECT_EQ(lg.FBAVSVLfd, f.svAenderung) << int(f.stFrei) << " " << f.ag << " " << f.an;
        EXPECT_EQ(lg.FSVBrutto, 3000_cur + f.svAenderung) << int(f.stFrei) << " " << f.ag << " " << f.an;
        EXPECT_EQ(lg.FBAVPauschBasis, f.pauschBasis) << int(f.stFrei) << " " << f.ag << " " << f.an;
    }
}

TEST(Entgeltumwandlung, LimitsFollowTheWestCeilingInTheEastToo)
{
    // 2024 East: the pension ceiling is 7450.00, but the free limits are 8 % and 4 % of the West
    // ceiling 7550.00 everywhere: 604.00 and 302.00 a month (not 596.00 and 298.00)
    struct Fall {
        Byte monatlich;
        Currency an;
        Currency stAenderung;
        Currency svAenderung;
    };
    const Fall faelle[] = {{1, 700_cur, -(604_cur), -(302_cur)}, {0, 8000_cur, -(7248_cur), -(3624_cur)}};
    for (const auto& f : faelle) {
        TLohnGehalt lg;
        lg.SetRechtskreis(0);
        lg.SetJahr(2024);
        lg.SetBGR("1111");
        lg.SetMonat(1);
        lg.SetKonfession(4);
        lg.SetZVArt("keine");
        lg.SetStBrutto(9000_cur);
        lg.SetSVBrutto(9000_cur);
        lg.SetBAVArt(1);
        lg.SetBAVStFrei(1);
        lg.SetBAVMonatlich(f.monatlich);
        lg.SetBAVAN(f.an);
        lg.Berechnen();
        EXPECT_EQ(lg.FBBGRV, 7450_cur);
        EXPECT_EQ(lg.FBAVStLfd, f.stAenderung) << int(f.monatlich);
        EXPECT_EQ(lg.FBAVSVLfd, f.svAenderung) << int(f.monatlich);
    }
}

TEST(Entgeltumwandlung, AnnualApproachTakesTheOneOffPaymentFirst)
{
    TLohnGehalt lg = Monat(2024, 11, "1111", 3000_cur);
    lg.SetBAVArt(1);
    lg.SetBAVStFrei(1);
    lg.SetBAVMonatlich(0);
    lg.SetBAVAN(3000_cur);
    lg.SetStBruttoEB(2000_cur);
    lg.SetSVBruttoEB(2000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FStBruttoEB, 0_cur);
    EXPECT_EQ(lg.FBAVStEB, -(2000_cur));
    EXPECT_EQ(lg.FBAVStLfd, -(1000_cur));
    EXPECT_EQ(lg.FStBrutto, 2000_cur);
    // contributions: limit 12 x 302.00 = 3624.00; the deferral of 3000.00 is free, one-off first
    EXPECT_EQ(lg.FBAVSVEB, -(2000_cur));
    EXPECT_EQ(lg.FSVBruttoEB, 0_cur);
    EXPECT_EQ(lg.FBAVSVLfd, -(1000_cur));
}

TEST(Entgeltumwandlung, SecondEmploymentHasNoExemption)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetStKl(6);
    lg.SetBAVArt(1);
    lg.SetBAVStFrei(1);
    lg.SetBAVMonatlich(1);
    lg.SetBAVBetrag(100_cur);
    lg.SetBAVAN(50_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FBAVStLfd, 100_cur);
    EXPECT_EQ(lg.FStBrutto, 3100_cur);
    EXPECT_EQ(lg.FBAVSVLfd, 100_cur);
    EXPECT_EQ(lg.FSVBrutto, 3100_cur);
}

TEST(Entgeltumwandlung, SupportFundDeferralIsTaxFreeWithoutLimit)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetBAVArt(4);
    lg.SetBAVMonatlich(1);
    lg.SetBAVAN(800_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FBAVStLfd, -(800_cur));
    EXPECT_EQ(lg.FStBrutto, 2200_cur);
    EXPECT_EQ(lg.FBAVSVLfd, -(302_cur));
}
