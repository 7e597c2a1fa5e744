#include <gtest/gtest.h>

#include "AmountText.h"
#include "Gehaltsroutinen.h"

using namespace lx;

namespace {

TLohnGehalt engine2024West()
{
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(2024);
    lg.SetBGR("1111");
    lg.SetMonat(1);
    return lg;
}

std::string fehlertextVonBGR(std::string_view code)
{
    TLohnGehalt lg = engine2024West();
    try {
        lg.SetBGR(code);
    } catch (const ConversionError& e) {
        EXPECT_EQ(lg.FBGR, "1111") << "a faulty code must change nothing";
        EXPECT_EQ(lg.FBGRRV, 1);
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Setter, NewEngineAfterYearAndCodeHoldsTheDefaults)
{
    TLohnGehalt lg = engine2024West();
    EXPECT_EQ(lg.FBBGKV, 5175.00_cur);
    EXPECT_EQ(lg.FBBGRV, 7550.00_cur);
    EXPECT_EQ(lg.FStKl, 1);
    EXPECT_EQ(lg.FLZZ, 2);
    EXPECT_EQ(lg.FBundesland, 12);
    EXPECT_EQ(lg.FSVTage, 30);
    EXPECT_EQ(lg.FStTage, 30);
    EXPECT_EQ(lg.FKVSatz, 14.60_cur);
    EXPECT_EQ(lg.FPVSatz, 3.40_cur);
    EXPECT_EQ(lg.FInsolvenzSatz, 0.06_cur);
}

TEST(Setter, NewEngineStartsWithWholeMonthDays)
{
    TLohnGehalt lg;
    EXPECT_EQ(lg.FStTage, 30);
    EXPECT_EQ(lg.FSVTage, 30);
    EXPECT_EQ(lg.FGebJahr, 0);
    EXPECT_EQ(lg.FBBGKV, 0_cur);
}

TEST(Setter, SetJahrResetsItsListAndKeepsTheRest)
{
    TLohnGehalt lg = engine2024West();
    lg.SetMonat(7);
    lg.SetBGR("3102");
    lg.SetKVBes(3);
    lg.SetRVBes(1);
    lg.SetAVBes(1);
    lg.SetPVBes(4);
    lg.SetVBBrutto(100_cur);
    lg.SetVBBruttoEB(50_cur);
    lg.SetStKl(4);
    lg.SetKiFB(1.5_cur);
    lg.SetStFreibetrag(10_cur);
    lg.SetLZZ(4);
    lg.SetGleitzone(0);
    lg.SetPVZuschlag(0);
    lg.SetMiniRVPflicht(1);
    lg.SetPKVNachSVBrutto(1);
    lg.SetBundesland(5);
    lg.SetKRV(2);
    lg.SetSVTage(12);
    lg.SetKVSatz(15_cur);
    // inputs that a new year keeps
    lg.SetStTage(11);
    lg.SetGebJahr(1960);
    lg.SetSachsen(1);
    lg.SetStBrutto(3000_cur);
    lg.SetKonfession(1);
    lg.SetZVArt("VBL");
    lg.SetU1Satz(1.5_cur);

    lg.SetJahr(2023);
    EXPECT_EQ(lg.FJahr, 2023);
    EXPECT_EQ(lg.FMonat, 1);
    EXPECT_EQ(lg.FBGR, "1111");
    EXPECT_EQ(lg.FBGRKV + lg.FBGRRV + lg.FBGRAV + lg.FBGRPV, 4);
    EXPECT_EQ(lg.FKVBes + lg.FRVBes + lg.FAVBes + lg.FPVBes, 0);
    EXPECT_EQ(lg.FVBBrutto, 0_cur);
    EXPECT_EQ(lg.FVBBruttoEB, 0_cur);
    EXPECT_EQ(lg.FStKl, 1);
    EXPECT_EQ(lg.FKiFB, 0_cur);
    EXPECT_EQ(lg.FStFreibetrag, 0_cur);
    EXPECT_EQ(lg.FLZZ, 2);
    EXPECT_EQ(lg.FGleitzone, 1);
    EXPECT_EQ(lg.FPVZuschlag, 1);
    EXPECT_EQ(lg.FMiniRVPflicht, 0);
    EXPECT_EQ(lg.FPKVNachSVBrutto, 0);
    EXPECT_EQ(lg.FBundesland, 12);
    EXPECT_EQ(lg.FKRV, 0);
    EXPECT_EQ(lg.FSVTage, 30);
    EXPECT_EQ(lg.FKVSatz, 14.60_cur) << "13.00 from the year, then January's rate";
    EXPECT_EQ(lg.FBBGKV, 4987.50_cur);

    EXPECT_EQ(lg.FStTage, 11);
    EXPECT_EQ(lg.FGebJahr, 1960);
    EXPECT_EQ(lg.FSachsen, 1);
    EXPECT_EQ(lg.FStBrutto, 3000_cur);
    EXPECT_EQ(lg.FKonfession, 1);
    EXPECT_EQ(lg.FZVArt, "VBL");
    EXPECT_EQ(lg.FU1Satz, 1.5_cur);
}

TEST(Setter, LegalAreaCountsOnlyAtTheNextYear)
{
    TLohnGehalt lg;
    lg.SetRechtskreis(0);
    lg.SetJahr(2019);
    EXPECT_EQ(lg.FBBGRV, 6150.00_cur);
    lg.SetRechtskreis(1);
    lg.SetMonat(5);
    EXPECT_EQ(lg.FBBGRV, 6150.00_cur);
    lg.SetJahr(2019);
    EXPECT_EQ(lg.FBBGRV, 6700.00_cur);
}

TEST(Setter, SetBGRSplitsTheCodeOrRaisesTheConversionError)
{
    TLohnGehalt lg = engine2024West();
    lg.SetBGR("6500");
    EXPECT_EQ(lg.FBGR, "6500");
    EXPECT_EQ(lg.FBGRKV, 6);
    EXPECT_EQ(lg.FBGRRV, 5);
    EXPECT_EQ(lg.FBGRAV, 0);
    EXPECT_EQ(lg.FBGRPV, 0);

    const std::pair<const char*, const char*> fehler[] = {
        {"11a1", "'a' ist kein gültiger Integerwert"}, {"111", "'' ist kein gültiger Integerwert"},
        {"", "'' ist kein gültiger Integerwert"},      {"1 11", "' ' ist kein gültiger Integerwert"},
        {"11ä1", "'ä' ist kein gültiger Integerwert"}, {"-111", "'-' ist kein gültiger Integerwert"},
    };
    for (auto [code, text] : fehler) EXPECT_EQ(fehlertextVonBGR(code), text) << code;
}

TEST(Setter, FactorOnlyInTaxClassFour)
{
    TLohnGehalt lg = engine2024West();
    lg.SetStKl(3);
    lg.SetFaktor(0.950_cur);
    EXPECT_EQ(lg.FFaktor, 0_cur);
    EXPECT_EQ(lg.FFaktorAktiv, 0);
    lg.SetStKl(4);
    lg.SetFaktor(0.950_cur);
    EXPECT_EQ(lg.FFaktor, 0.950_cur);
    EXPECT_EQ(lg.FFaktorAktiv, 1);
    lg.SetFaktor(0_cur);
    EXPECT_EQ(lg.FFaktorAktiv, 0);
}

TEST(Setter, SmallRulesOfSingleSetters)
{
    TLohnGehalt lg;
    lg.SetJahr(2004);
    EXPECT_EQ(lg.FPVZuschlag, 0) << "no surcharge before 2005, also after the year's reset";
    lg.SetPVZuschlag(1);
    EXPECT_EQ(lg.FPVZuschlag, 0);
    lg.SetJahr(2005);
    lg.SetPVZuschlag(1);
    EXPECT_EQ(lg.FPVZuschlag, 1);

    lg.SetStFreibetrag(123.45_cur);
    EXPECT_EQ(lg.FStFreibetrag, 12345_cur);
    lg.SetStFreibetrag(-(10_cur));
    EXPECT_EQ(lg.FStFreibetrag, -(1000_cur));
}

TEST(Setter, HalfCareRateForCareDigitTwoIsIdempotent)
{
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(2023);
    lg.SetBGR("1112");
    lg.SetMonat(7);
    EXPECT_EQ(lg.FPVSatz, 1.70_cur);
    lg.SetMonat(7);
    EXPECT_EQ(lg.FPVSatz, 1.70_cur);
    lg.SetMonat(6);
    EXPECT_EQ(lg.FPVSatz, 1.525_cur);
}

TEST(Setter, ReducedHealthRateByHalfYearIn2009)
{
    TLohnGehalt lg;
    lg.SetJahr(2009);
    lg.SetBGR("3111");
    for (int monat = 1; monat <= 12; ++monat) {
        lg.SetMonat(monat);
        EXPECT_EQ(lg.FKVSatz, monat <= 6 ? 14.00_cur : 13.40_cur) << monat;
    }
    lg.SetJahr(2008);
    lg.SetBGR("3111");
    lg.SetMonat(3);
    EXPECT_EQ(lg.FKVSatz, 13.00_cur) << "before 2009 the month table leaves the rate alone";
}

TEST(Setter, YearWithoutLegalValuesKeepsWhatWasLoaded)
{
    TLohnGehalt neu;
    neu.SetJahr(2030);
    EXPECT_EQ(neu.FBBGKV, 0_cur);
    EXPECT_EQ(neu.FRVSatz, 0_cur);
    EXPECT_EQ(neu.FKVSatz, 13.00_cur);
    EXPECT_EQ(neu.FInsolvenzSatz, 0.10_cur);

    TLohnGehalt lg = engine2024West();
    lg.SetJahr(2030);
    EXPECT_EQ(lg.FBBGKV, 5175.00_cur);
    EXPECT_EQ(lg.FGleitzoneOG, 2000.00_cur);
}

TEST(Setter, MonthOutsideOneToTwelveIsBroughtIntoRange)
{
    TLohnGehalt lg = engine2024West();
    lg.SetJahr(2023);
    lg.SetMonat(0);
    EXPECT_EQ(lg.FMonat, 1);
    EXPECT_EQ(lg.FPVSatz, 3.05_cur);
    lg.SetMonat(13);
    EXPECT_EQ(lg.FMonat, 12);
    EXPECT_EQ(lg.FPVSatz, 3.40_cur);
}

TEST(Setter, ContributionGrossIsReducedInTheZoneAtSetTime)
{
    struct Fall {
        const char* bgr;
        Byte gleitzone;
        Byte vb;
        Currency brutto;
        Currency erwartet;
    };
    const Fall faelle[] = {
        {"1111", 1, 0, 1000_cur, 883.94_cur}, {"1111", 1, 0, 500_cur, 342.30_cur},
        {"6500", 1, 0, 1000_cur, 1000_cur},                                        // mini-job: never reduced
        {"6100", 1, 0, 500_cur, 500_cur},     {"1111", 0, 0, 1000_cur, 1000_cur},  // zone switched off
        {"1111", 1, 1, 1000_cur, 1000_cur},                                        // pension benefits
        {"1111", 1, 0, 2000_cur, 2000_cur},                                        // at the upper bound
        {"1111", 1, 0, 2500_cur, 2500_cur},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = engine2024West();
        lg.SetBGR(f.bgr);
        lg.SetGleitzone(f.gleitzone);
        lg.SetVB(f.vb);
        lg.SetSVBrutto(f.brutto);
        EXPECT_EQ(lg.FSVBruttoUngek, f.brutto) << f.bgr << " " << f.brutto;
        EXPECT_EQ(lg.FSVBrutto, f.erwartet) << f.bgr << " " << f.brutto;
    }
}
