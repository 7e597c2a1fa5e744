#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "berechnung/EingabenKopieren.h"

using namespace lx;

namespace {

// A working engine set up the way the driver does, then changed by the case.
TLohnGehalt arbeitsEngine(int jahr, int monat, const std::function<void(TLohnGehalt&)>& fall,
                          Currency brutto = 3000.00_cur)
{
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(jahr);
    lg.SetBGR("1111");
    lg.SetMonat(monat);
    lg.SetGleitzone(1);
    lg.SetKVBes(0);
    lg.SetKVZusatz(1.70_cur);
    lg.SetU1Satz(1.10_cur);
    lg.SetU2Satz(0.24_cur);
    lg.SetKVSatz(14.60_cur);
    lg.SetVB(0);
    lg.SetSVTageVorher(60);
    lg.SetStTage(30);
    lg.SetSVTage(30);
    lg.SetLZZ(2);
    lg.SetStKl(1);
    lg.SetKonfession(1);
    lg.SetBundesland(2);
    lg.SetKammer(2);
    lg.SetGebJahr(1980);
    lg.SetZVArt("keine");
    lg.SetZVPStGrenze(146.00_cur);
    lg.SetVBBeginnJahr(2005);
    lg.SetVBMonate(12);
    lg.SetBAVStFrei(1);
    lg.SetBAVPauschal(1752.00_cur);
    lg.SetPfaendung(1);
    lg.SetUnterhaltPers(1);
    lg.SetPfaendVerbleib(10.00_cur);
    if (fall) fall(lg);
    // The gross last, after everything the zone depends on.
    lg.SetStBrutto(brutto);
    lg.SetStBruttoEB(500.00_cur);
    lg.SetGesamtbrutto(brutto + 500.00_cur);
    lg.SetSVBrutto(brutto);
    lg.SetSVBruttoEB(500.00_cur);
    lg.SetZVBrutto(lg.FZVArt == "keine" ? 0_cur : brutto);
    return lg;
}

struct Optionssatz {
    const char* name;
    int jahr;
    int monat;
    std::function<void(TLohnGehalt&)> fall;
    Currency brutto = 3000.00_cur;
};

constexpr int kSaetze = 9;

const Optionssatz& satz(int i)
{
    static const Optionssatz saetze[kSaetze] = {
        {"plain", 2024, 3, nullptr},
        {"15 tax days", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetStTage(15);
             lg.SetSVTage(15);
         }},
        {"scheme VBL", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetZVArt("VBL");
             lg.SetZVSatzAG(6.45_cur);
             lg.SetZVSatzAN(1.81_cur);
             lg.SetSanierungsgeldSatz(1.00_cur);
             lg.SetZVUmlage(1);
             lg.SetZVMax56(302.00_cur);
         }},
        {"monthly deferred compensation", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetBAVArt(1);
             lg.SetBAVBetrag(50.00_cur);
             lg.SetBAVAN(100.00_cur);
             lg.SetBAVZus1800(1);
             lg.SetBAVMonatlich(1);
         }},
        {"partial retirement", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetATZ(1);
             lg.SetATZAufstockung(20.00_cur);
             lg.SetATZAufstRV(80.00_cur);
             lg.SetATZRegelentgelt(6000.00_cur);
         }},
        {"private insurance", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetPKVNachSVBrutto(1);
             lg.SetPKVBeitrag(450.00_cur);
             lg.SetPPVBeitrag(60.00_cur);
             lg.SetPKV(2);
             lg.SetKVBes(3);
             lg.SetPVBes(3);
             lg.SetPKPV(510.00_cur);
         }},
        {"July 2023 with children", 2023, 7,
         [](TLohnGehalt& lg) {
             lg.SetKiFB(2.00_cur);
             lg.SetPVKinder(2);
             lg.SetPVZuschlag(0);
         }},
        {"negative tax allowance, class 4 with factor", 2024, 3,
         [](TLohnGehalt& lg) {
             lg.SetStFreibetrag(-(123.45_cur));
             lg.SetStKl(4);
             lg.SetFaktor(0.950_cur);
             lg.SetStAuto(1);
             lg.SetSVAuto(1);
             lg.SetStBruttoJahr(40000.00_cur);
             lg.SetFBJahr(1200.00_cur);
         }},
        // The snapshot's SV gross is the zone base; the copy passes the gross before it.
        {"transition zone", 2024, 3, nullptr, 1200.00_cur},
    };
    return saetze[i];
}

}  // namespace

TEST(EingabenKopieren, SecondEngineGetsTheGivenInputs)
{
    for (int i = 0; i < kSaetze; ++i) {
        const Optionssatz& s = satz(i);
        TLohnGehalt arbeit = arbeitsEngine(s.jahr, s.monat, s.fall, s.brutto);
        arbeit.Berechnen();  // adjusts the fields; the copy must not see that
        TLohnGehalt zweite;
        EingabenKopieren(arbeit, zweite);
        EXPECT_TRUE(zweite.GegebeneEingaben() == arbeit.GegebeneEingaben()) << s.name;
        EXPECT_TRUE(static_cast<const LohnKonstanten&>(zweite) == static_cast<const LohnKonstanten&>(arbeit)) << s.name;
        zweite.Berechnen();
        EXPECT_TRUE(static_cast<const LohnErgebnisse&>(zweite) == static_cast<const LohnErgebnisse&>(arbeit))
            << s.name << ": lohnsteuer " << zweite.FLSt << " / " << arbeit.FLSt << ", PV " << zweite.FPVAN << " / "
            << arbeit.FPVAN;
    }
}

TEST(EingabenKopieren, OverridesReplaceOnlyTheirValues)
{
    for (int i = 0; i < kSaetze; ++i) {
        const Optionssatz& s = satz(i);
        TLohnGehalt arbeit = arbeitsEngine(s.jahr, s.monat, s.fall, s.brutto);
        arbeit.SetVBMax(100.00_cur);
        arbeit.Berechnen();
        KopieVorgaben v;
        v.svBrutto = 2000.00_cur;
        v.svBruttoEB = 0_cur;
        v.stBrutto = 2000.00_cur;
        v.stBruttoEB = 0_cur;
        v.stBruttoLMJ = 0_cur;
        v.gesamtbrutto = 2000.00_cur;
        v.zvBrutto = 1000.00_cur;
        v.vbBrutto = 0_cur;
        v.gebJahr = 1990;
        v.vbMax = 0_cur;
        v.zvKeine = true;

        LohnEingaben erwartet = arbeit.GegebeneEingaben();
        erwartet.FSVBrutto = erwartet.FSVBruttoUngek = 2000.00_cur;  // above the zone
        erwartet.FSVBruttoEB = 0_cur;
        erwartet.FStBrutto = 2000.00_cur;
        erwartet.FStBruttoEB = 0_cur;
        erwartet.FGesamtbrutto = 2000.00_cur;
        erwartet.FZVBrutto = 1000.00_cur;
        erwartet.FGebJahr = 1990;
        erwartet.FVBMax = 0_cur;
        erwartet.FZVArt = "keine";

        TLohnGehalt zweite;
        EingabenKopieren(arbeit, zweite, v);
        EXPECT_TRUE(zweite.GegebeneEingaben() == erwartet) << s.name;
        EXPECT_EQ(zweite.FZVArt, "keine") << s.name;
        EXPECT_EQ(zweite.FVBMax, 0_cur) << s.name;
    }
}

TEST(EingabenKopieren, SVGrossOverrideGetsTheZoneBase)
{
    TLohnGehalt arbeit = arbeitsEngine(2024, 3, nullptr);
    TLohnGehalt zweite;
    KopieVorgaben v;
    v.svBrutto = 1000.00_cur;
    EingabenKopieren(arbeit, zweite, v);
    TLohnGehalt vergleich = arbeitsEngine(2024, 3, nullptr);
    vergleich.SetSVBrutto(1000.00_cur);
    EXPECT_EQ(zweite.FSVBruttoUngek, 1000.00_cur);
    EXPECT_EQ(zweite.FSVBrutto, vergleich.FSVBrutto);
    EXPECT_LT(zweite.FSVBrutto, 1000.00_cur) << "inside the transition zone";
}

TEST(EingabenKopieren, FurtherChangesOfACaller)
{
    TLohnGehalt arbeit = arbeitsEngine(2024, 3, [](TLohnGehalt& lg) {
        satz(3).fall(lg);
        satz(4).fall(lg);
    });
    KopieVorgaben v;
    v.zvKeine = true;
    v.weitere = [](Monatseingaben& e) {
        e.BAVAN = 0_cur;
        e.BAVArt = 0;
        e.ATZ = 0;
        e.SVTageVorher = 0;
    };
    TLohnGehalt zweite;
    EingabenKopieren(arbeit, zweite, v);
    EXPECT_EQ(zweite.FBAVAN, 0_cur);
    EXPECT_EQ(zweite.FBAVArt, 0);
    EXPECT_EQ(zweite.FBAVBetrag, 50.00_cur) << "the rest as the working engine's";
    EXPECT_EQ(zweite.FATZ, 0);
    EXPECT_EQ(zweite.FATZRegelentgelt, 0_cur) << "partial-retirement values only with it on";
    EXPECT_EQ(zweite.FSVTageVorher, 0);
}

TEST(EingabenKopieren, GarnishmentCorrectionStaysTheCallers)
{
    TLohnGehalt arbeit = arbeitsEngine(2024, 3, nullptr);
    arbeit.SetPfaendKorrektur(99.00_cur);
    TLohnGehalt zweite;
    zweite.SetPfaendKorrektur(-(40.00_cur));
    EingabenKopieren(arbeit, zweite);
    EXPECT_EQ(zweite.FPfaendKorrektur, -(40.00_cur));
}

TEST(EingabenKopieren, ReusedSecondEngineForgetsItsOldCase)
{
    // The second engine computed another case before; after the copy it
    // computes the working engine's.
    TLohnGehalt alt = arbeitsEngine(2023, 7, [](TLohnGehalt& lg) {
        satz(2).fall(lg);
        satz(5).fall(lg);
        satz(6).fall(lg);
    });
    alt.Berechnen();
    TLohnGehalt arbeit = arbeitsEngine(2024, 3, nullptr);
    EingabenKopieren(arbeit, alt);
    EXPECT_TRUE(alt.GegebeneEingaben() == arbeit.GegebeneEingaben());
    alt.Berechnen();
    arbeit.Berechnen();
    EXPECT_TRUE(static_cast<const LohnErgebnisse&>(alt) == static_cast<const LohnErgebnisse&>(arbeit))
        << alt.FLSt << " / " << arbeit.FLSt;
}
