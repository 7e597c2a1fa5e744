#include <gtest/gtest.h>

#include "Faelle.h"

using namespace lx;
using lx::test::Monat;

TEST(Umlagen, U1U2AndInsolvencyMoney)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 1234.57_cur);
    lg.SetGleitzone(0);
    lg.SetSVBrutto(1234.57_cur);
    lg.SetU1Satz(1.50_cur);
    lg.SetU2Satz(0.20_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FU1, 18.52_cur) << "18.518... rounded to cents";
    EXPECT_EQ(lg.FU2, 2.47_cur) << "2.46914 cut to 2.469, rounded";

    TLohnGehalt insolvenz = Monat(2024, 5, "1111", 3000_cur);
    insolvenz.SetSVTageVorher(120);
    insolvenz.SetSVBruttoEB(1000_cur);
    insolvenz.Berechnen();
    EXPECT_EQ(insolvenz.FInsolvenz, 2.40_cur) << "4000 x 0.06 %";

    for (int jahr : {2008, 2011}) {
        TLohnGehalt frei = Monat(jahr, 1, "1111", 3000_cur);
        frei.Berechnen();
        EXPECT_EQ(frei.FInsolvenz, 0_cur) << jahr;
    }
    TLohnGehalt j2010 = Monat(2010, 1, "1111", 3000_cur);
    j2010.Berechnen();
    EXPECT_EQ(j2010.FInsolvenz, 12.30_cur) << "0.41 %";
}

TEST(Umlagen, PartialRetirement)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 2000_cur);
    lg.SetATZ(1);
    lg.SetATZRegelentgelt(4000_cur);
    lg.SetATZAufstockung(20_cur);
    lg.SetATZAufstRV(80_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FATZAufstBetrag, 800_cur);
    EXPECT_EQ(lg.FATZRVBasis, 2795_cur) << "90 % of 7550 less the regular pay";
    EXPECT_EQ(lg.FATZRVBeitrag, 519.87_cur);

    TLohnGehalt oben = Monat(2024, 1, "1111", 7000_cur);
    oben.SetATZ(1);
    oben.SetATZRegelentgelt(7000_cur);
    oben.SetATZAufstRV(80_cur);
    oben.Berechnen();
    EXPECT_EQ(oben.FATZRVBasis, 0_cur) << "no room above 90 % of the ceiling";
    EXPECT_EQ(oben.FATZRVBeitrag, 0_cur);

    TLohnGehalt aus = Monat(2024, 1, "1111", 2000_cur);
    aus.SetATZRegelentgelt(4000_cur);
    aus.SetATZAufstockung(20_cur);
    aus.Berechnen();
    EXPECT_EQ(aus.FATZAufstBetrag + aus.FATZRVBasis + aus.FATZRVBeitrag, 0_cur);
}

TEST(Umlagen, ChamberLevyInBremenAndSaarland)
{
    struct Fall {
        Byte land;
        Byte kammer;
        const char* bgr;
        Currency brutto;
        Byte stTage;
        Currency beitrag;
    };
    const Fall faelle[] = {
        {5, 1, "1111", 250.00_cur, 30, 0_cur},   {5, 1, "1111", 250.01_cur, 30, 0.37_cur},  // 0.375015 cut
        {5, 1, "1111", 3000_cur, 15, 4.50_cur},   // on the month's pay, also in a partial month
        {14, 1, "1111", 6000_cur, 30, 8.49_cur},  // min(5662.50, 6000) x 0.15 %, cut
        {14, 1, "1111", 3000_cur, 30, 4.50_cur}, {14, 1, "6500", 500_cur, 30, 0_cur},  // mini-job
        {5, 2, "1111", 3000_cur, 30, 0_cur},                                           // switched off
        {14, 2, "1111", 6000_cur, 30, 0_cur},    {12, 1, "1111", 6000_cur, 30, 0_cur},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(2024, 1, f.bgr, f.brutto);
        lg.SetBundesland(f.land);
        lg.SetKammer(f.kammer);
        lg.SetStTage(f.stTage);
        lg.Berechnen();
        EXPECT_EQ(lg.FKammerbeitrag, f.beitrag) << int(f.land) << " " << f.brutto;
    }
}
