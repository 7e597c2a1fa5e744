#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <string>

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
    lg.SetBGR("31025");  // the first four characters count
    EXPECT_EQ(lg.FBGR, "31025");
    EXPECT_EQ(lg.FBGRKV * 1000 + lg.FBGRRV * 100 + lg.FBGRAV * 10 + lg.FBGRPV, 3102);

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

TEST(Setter, ValuesOutsideTheContractRaiseTheDocumentedErrorAndChangeNothing)
{
    struct Fall {
        const char* name;
        std::function<void(TLohnGehalt&)> setzen;
        const char* fehler;  // nullptr: accepted
    };
    const Fall faelle[] = {
        {"SetSVTageVorher(INT_MAX)", [](TLohnGehalt& lg) { lg.SetSVTageVorher(INT_MAX); },
         "'2147483647' ist kein gültiger Integerwert"},
        {"SetSVTageVorher(331)", [](TLohnGehalt& lg) { lg.SetSVTageVorher(331); },
         "'331' ist kein gültiger Integerwert"},
        {"SetSVTageVorher(-1)", [](TLohnGehalt& lg) { lg.SetSVTageVorher(-1); }, "'-1' ist kein gültiger Integerwert"},
        {"SetSVTageVorher(330)", [](TLohnGehalt& lg) { lg.SetSVTageVorher(330); }, nullptr},
        {"SetGebJahr(INT_MAX)", [](TLohnGehalt& lg) { lg.SetGebJahr(INT_MAX); },
         "'2147483647' ist kein gültiger Integerwert"},
        {"SetGebJahr(INT_MIN)", [](TLohnGehalt& lg) { lg.SetGebJahr(INT_MIN); },
         "'-2147483648' ist kein gültiger Integerwert"},
        {"SetGebJahr(10000)", [](TLohnGehalt& lg) { lg.SetGebJahr(10000); }, "'10000' ist kein gültiger Integerwert"},
        {"SetGebJahr(9999)", [](TLohnGehalt& lg) { lg.SetGebJahr(9999); }, nullptr},
        {"SetGebJahr(0)", [](TLohnGehalt& lg) { lg.SetGebJahr(0); }, nullptr},
        // Twelve months of the allowance times 100 must fit 2^63 - 1 ten-thousandths.
        {"SetStFreibetrag(800000000000)", [](TLohnGehalt& lg) { lg.SetStFreibetrag(800000000000_cur); },
         "Überlauf bei einer Betragsberechnung"},
        {"SetStFreibetrag(768614336404.57)", [](TLohnGehalt& lg) { lg.SetStFreibetrag(768614336404.57_cur); },
         "Überlauf bei einer Betragsberechnung"},
        {"SetStFreibetrag(-768614336404.57)", [](TLohnGehalt& lg) { lg.SetStFreibetrag(-(768614336404.57_cur)); },
         "Überlauf bei einer Betragsberechnung"},
        {"SetStFreibetrag(768614336404.56)", [](TLohnGehalt& lg) { lg.SetStFreibetrag(768614336404.56_cur); }, nullptr},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = engine2024West();
        lg.SetGebJahr(1958);
        lg.SetSVTageVorher(60);
        lg.SetStFreibetrag(100_cur);
        lg.SetStBrutto(3000_cur);
        lg.SetSVBrutto(3000_cur);
        const LohnEingaben vorher = lg.GegebeneEingaben();
        std::string fehler;
        try {
            f.setzen(lg);
        } catch (const ConversionError& e) {
            fehler = e.what();
        } catch (const MoneyError& e) {
            fehler = e.what();
        }
        if (f.fehler == nullptr) {
            EXPECT_EQ(fehler, "") << f.name;
            continue;
        }
        EXPECT_EQ(fehler, f.fehler) << f.name;
        EXPECT_TRUE(lg.GegebeneEingaben() == vorher) << f.name << ": a refused value changes nothing";
        EXPECT_TRUE(static_cast<const LohnEingaben&>(lg) == vorher) << f.name;
        lg.Berechnen();
        EXPECT_EQ(lg.FAlter1, 1) << f.name;
        EXPECT_GT(lg.FLSt, 0_cur) << f.name;
    }
}

// Every setter with the extremes of its type, on months that reach most of the
// computation: the only outcomes are results or the documented errors (the
// sanitizer build stops at any undefined behaviour).
TEST(Setter, ExtremeValuesOfEverySetterGiveResultsOrTheDocumentedErrors)
{
    using ByteSetter = void (TLohnGehalt::*)(Byte);
    using IntSetter = void (TLohnGehalt::*)(int);
    using GeldSetter = void (TLohnGehalt::*)(Currency);
    const ByteSetter bytes[] = {
        &TLohnGehalt::SetRechtskreis,   &TLohnGehalt::SetGleitzone,
        &TLohnGehalt::SetRVVoll,        &TLohnGehalt::SetPKVNachSVBrutto,
        &TLohnGehalt::SetMiniRVPflicht, &TLohnGehalt::SetKVBes,
        &TLohnGehalt::SetRVBes,         &TLohnGehalt::SetAVBes,
        &TLohnGehalt::SetPVBes,         &TLohnGehalt::SetPKV,
        &TLohnGehalt::SetSVTage,        &TLohnGehalt::SetStTage,
        &TLohnGehalt::SetPVZuschlag,    &TLohnGehalt::SetPVKinder,
        &TLohnGehalt::SetSachsen,       &TLohnGehalt::SetMehrfach,
        &TLohnGehalt::SetStKl,          &TLohnGehalt::SetKammer,
        &TLohnGehalt::SetKRV,           &TLohnGehalt::SetKonfession,
        &TLohnGehalt::SetBundesland,    &TLohnGehalt::SetErmKiSt,
        &TLohnGehalt::SetLZZ,           &TLohnGehalt::SetStAuto,
        &TLohnGehalt::SetSVAuto,        &TLohnGehalt::SetVB,
        &TLohnGehalt::SetVBMonate,      &TLohnGehalt::SetBAVArt,
        &TLohnGehalt::SetBAVStFrei,     &TLohnGehalt::SetBAVZus1800,
        &TLohnGehalt::SetBAVMonatlich,  &TLohnGehalt::SetZVUmlage,
        &TLohnGehalt::SetATZ,           &TLohnGehalt::SetPfaendung,
        &TLohnGehalt::SetUnterhaltPers,
    };
    const IntSetter ints[] = {&TLohnGehalt::SetJahr, &TLohnGehalt::SetMonat, &TLohnGehalt::SetGebJahr,
                              &TLohnGehalt::SetSVTageVorher, &TLohnGehalt::SetVBBeginnJahr};
    const GeldSetter geld[] = {
        &TLohnGehalt::SetKVZusatz,
        &TLohnGehalt::SetKVSatz,
        &TLohnGehalt::SetPKVBeitrag,
        &TLohnGehalt::SetPPVBeitrag,
        &TLohnGehalt::SetBruttoAnderer,
        &TLohnGehalt::SetStBrutto,
        &TLohnGehalt::SetStBruttoEB,
        &TLohnGehalt::SetStBruttoLMJ,
        &TLohnGehalt::SetGesamtbrutto,
        &TLohnGehalt::SetSVBrutto,
        &TLohnGehalt::SetSVBruttoEB,
        &TLohnGehalt::SetZVBrutto,
        &TLohnGehalt::SetKiFB,
        &TLohnGehalt::SetStFreibetrag,
        &TLohnGehalt::SetPKPV,
        &TLohnGehalt::SetFaktor,
        &TLohnGehalt::SetStBruttoJahr,
        &TLohnGehalt::SetVBBruttoJahr,
        &TLohnGehalt::SetFBJahr,
        &TLohnGehalt::SetKVBruttoVor,
        &TLohnGehalt::SetRVBruttoVor,
        &TLohnGehalt::SetVBMax,
        &TLohnGehalt::SetVBBrutto,
        &TLohnGehalt::SetVBBruttoEB,
        &TLohnGehalt::SetVBErsterVers,
        &TLohnGehalt::SetVBEinmal,
        &TLohnGehalt::SetBAVBetrag,
        &TLohnGehalt::SetBAVAN,
        &TLohnGehalt::SetBAVPauschal,
        &TLohnGehalt::SetZVPStGrenze,
        &TLohnGehalt::SetZVMax56,
        &TLohnGehalt::SetSanierungsgeldSatz,
        &TLohnGehalt::SetZVSatzAG,
        &TLohnGehalt::SetZVSatzAN,
        &TLohnGehalt::SetU1Satz,
        &TLohnGehalt::SetU2Satz,
        &TLohnGehalt::SetATZAufstockung,
        &TLohnGehalt::SetATZAufstRV,
        &TLohnGehalt::SetATZRegelentgelt,
        &TLohnGehalt::SetPfaendKorrektur,
        &TLohnGehalt::SetPfaendVerbleib,
    };
    const Byte byteWerte[] = {0, 9, 255};
    const int intWerte[] = {INT_MIN, -1, 2024, INT_MAX};
    const Currency geldWerte[] = {Currency::fromRaw(INT64_MIN), -(0.0001_cur), 123456789.12_cur,
                                  Currency::fromRaw(INT64_MAX)};

    struct Basis {
        int jahr, monat;
        const char* bgr;
    };
    const Basis basen[] = {{2024, 12, "1111"}, {2024, 11, "6500"}, {2009, 3, "3111"}, {2006, 6, "1111"}};
    auto monat = [](const Basis& b) {
        TLohnGehalt lg;
        lg.SetRechtskreis(1);
        lg.SetJahr(b.jahr);
        lg.SetBGR(b.bgr);
        lg.SetMonat(b.monat);
        lg.SetGebJahr(1955);
        lg.SetStKl(4);
        lg.SetFaktor(0.95_cur);
        lg.SetKiFB(1_cur);
        lg.SetStTage(20);
        lg.SetSVTage(20);
        lg.SetSVTageVorher(200);
        lg.SetStAuto(1);
        lg.SetSVAuto(1);
        lg.SetVB(1);
        lg.SetVBBrutto(500_cur);
        lg.SetVBBeginnJahr(2010);
        lg.SetVBMonate(12);
        lg.SetZVArt("VBL");
        lg.SetZVSatzAG(6.45_cur);
        lg.SetZVBrutto(4000_cur);
        lg.SetBAVArt(1);
        lg.SetBAVStFrei(3);
        lg.SetBAVAN(100_cur);
        lg.SetATZ(1);
        lg.SetATZAufstockung(20_cur);
        lg.SetATZRegelentgelt(4000_cur);
        lg.SetPfaendung(1);
        lg.SetStBrutto(4000_cur);
        lg.SetStBruttoEB(1500_cur);
        lg.SetStBruttoLMJ(6000_cur);
        lg.SetSVBruttoEB(1500_cur);
        lg.SetGesamtbrutto(11500_cur);
        lg.SetSVBrutto(4000_cur);
        return lg;
    };
    int laeufe = 0;
    int fehler = 0;
    auto pruefe = [&](const TLohnGehalt& basis, const std::function<void(TLohnGehalt&)>& setzen) {
        TLohnGehalt lg = basis;
        try {
            setzen(lg);
            lg.Berechnen();
            lg.BerechnePfaendung();
        } catch (const MoneyError&) {
            ++fehler;
        } catch (const ConversionError&) {
            ++fehler;
        }
        ++laeufe;
    };
    for (const Basis& b : basen) {
        const TLohnGehalt basis = monat(b);
        for (ByteSetter s : bytes) {
            for (Byte v : byteWerte) pruefe(basis, [&](TLohnGehalt& lg) { (lg.*s)(v); });
        }
        for (IntSetter s : ints) {
            for (int v : intWerte) pruefe(basis, [&](TLohnGehalt& lg) { (lg.*s)(v); });
        }
        for (GeldSetter s : geld) {
            for (Currency v : geldWerte) pruefe(basis, [&](TLohnGehalt& lg) { (lg.*s)(v); });
        }
    }
    EXPECT_EQ(laeufe, int(std::size(basen) * (std::size(bytes) * 3 + std::size(ints) * 4 + std::size(geld) * 4)));
    EXPECT_GT(fehler, 0);
    EXPECT_LT(fehler, laeufe);
}
