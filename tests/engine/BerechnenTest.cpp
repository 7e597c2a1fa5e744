#include <gtest/gtest.h>

#include "Faelle.h"
#include "Lohnsteuer.h"
#include "LxSteuernPlan.h"
#include "PlanRegistry.h"

using namespace lx;
using lx::test::Monat;

namespace {

void erwarteGleich(const TLohnGehalt& a, const TLohnGehalt& b, const char* fall)
{
    EXPECT_TRUE(static_cast<const LohnEingaben&>(a) == static_cast<const LohnEingaben&>(b)) << fall << ": inputs";
    EXPECT_TRUE(static_cast<const LohnKonstanten&>(a) == static_cast<const LohnKonstanten&>(b)) << fall;
    EXPECT_TRUE(static_cast<const LohnErgebnisse&>(a) == static_cast<const LohnErgebnisse&>(b)) << fall << ": results";
}

// A month that adjusts many of its inputs: partial month, deferred compensation,
// a supplementary scheme, a one-off payment and a private premium.
TLohnGehalt vielesAngepasst(int jahr)
{
    TLohnGehalt lg = Monat(jahr, 11, "0111", 4000_cur);
    lg.SetStTage(17);
    lg.SetKVBes(3);
    lg.SetPVBes(3);
    lg.SetPKVBeitrag(500_cur);
    lg.SetPPVBeitrag(80_cur);
    lg.SetPKPV(580_cur);
    lg.SetGebJahr(jahr - 66);
    lg.SetBAVArt(1);
    lg.SetBAVStFrei(3);
    lg.SetBAVPauschal(1752_cur);
    lg.SetBAVMonatlich(1);
    lg.SetBAVBetrag(100_cur);
    lg.SetBAVAN(100_cur);
    lg.SetZVArt("kvw");
    lg.SetZVBrutto(4000_cur);
    lg.SetZVPStGrenze(146_cur);
    lg.SetZVUmlage(1);
    lg.SetStAuto(1);
    lg.SetSVAuto(1);
    lg.SetSVTageVorher(300);
    lg.SetStBruttoEB(1500_cur);
    lg.SetSVBruttoEB(1500_cur);
    lg.SetSVBrutto(4000_cur);
    return lg;
}

}  // namespace

TEST(Berechnen, ComputingTwiceGivesIdenticalResults)
{
    for (int jahr : {2009, 2011, 2024}) {
        TLohnGehalt lg = vielesAngepasst(jahr);
        lg.Berechnen();
        const TLohnGehalt erstes = lg;
        lg.Berechnen();
        erwarteGleich(lg, erstes, "twice");
        EXPECT_EQ(lg.FGebJahr, jahr - 66);
        EXPECT_EQ(lg.FBAVPauschal, 1752_cur) << "the annual limit stays as set";
        EXPECT_EQ(lg.FPKPV, 580_cur) << "the private premium stays as set";
        EXPECT_EQ(lg.FAlter1, 1);
    }
}

TEST(Berechnen, TwoEnginesInTurnGetWhatEachGetsAlone)
{
    // The working engine and the second one, as the gross-up and the
    // garnishment special calculation use them: each computes between the
    // other's computations, on flow-plan modules of its own.
    auto dezember = [] {
        TLohnGehalt lg = Monat(2024, 12, "1111", 3000_cur);
        lg.SetKonfession(0);
        lg.SetPVZuschlag(1);
        lg.SetStAuto(1);
        lg.SetStBruttoEB(2000_cur);
        lg.SetStBruttoLMJ(9000_cur);
        return lg;
    };
    auto anders = [] {
        TLohnGehalt lg = vielesAngepasst(2024);
        lg.SetMonat(12);
        lg.SetStKl(3);
        lg.SetKonfession(2);
        lg.SetSVBrutto(4000_cur);
        return lg;
    };
    TLohnGehalt a = dezember();
    TLohnGehalt b = anders();
    a.Berechnen();
    b.Berechnen();
    ASSERT_NE(a.FLSt, b.FLSt);
    ASSERT_GT(a.FLStLMJ, 0_cur);

    TLohnGehalt a2 = dezember();
    TLohnGehalt b2 = anders();
    for (int i = 0; i < 3; ++i) {
        b2.Berechnen();
        a2.Berechnen();
        erwarteGleich(a2, a, "working engine in turn");
        erwarteGleich(b2, b, "second engine in turn");
    }
    // A copy computes on modules of its own too.
    TLohnGehalt kopie = a2;
    kopie.SetStBrutto(5000_cur);
    kopie.Berechnen();
    a2.Berechnen();
    erwarteGleich(a2, a, "after the copy");
    EXPECT_GT(kopie.FLSt, a2.FLSt);
}

TEST(Berechnen, AdjustedInputsAreShownButNotCarriedOver)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetStTage(15);
    EXPECT_EQ(lg.FStBrutto, 3000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FLZZ, 4);
    EXPECT_EQ(lg.FStBrutto, 200_cur);
    const LohnsteuerDaten e = LohnsteuerDatenAus(lg, 0_cur);
    EXPECT_EQ(e.LZZ, 4);
    EXPECT_EQ(e.RE4, 200_cur);

    // a setter after the computation leaves the other adjusted fields as they are
    lg.SetPfaendKorrektur(10_cur);
    EXPECT_EQ(lg.FStBrutto, 200_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FStBrutto, 200_cur) << "divided once, not again";
    lg.SetStTage(30);
    lg.Berechnen();
    EXPECT_EQ(lg.FStBrutto, 3000_cur);
    EXPECT_EQ(lg.FLZZ, 2);
}

TEST(Berechnen, PartialMonthDividesThePayAfterTheMonthlyAdjustments)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetStTage(15);
    lg.SetBAVArt(1);
    lg.SetBAVStFrei(1);
    lg.SetBAVMonatlich(1);
    lg.SetBAVAN(300_cur);
    lg.SetStAuto(1);
    lg.SetStBruttoEB(500_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FStBrutto, 180_cur) << "(3000 - 300) / 15";
    EXPECT_EQ(lg.FStBruttoJahr, 32400_cur) << "12 x the month's taxable pay";
}

TEST(Berechnen, OutOfContractValuesDoNotBreakTheComputation)
{
    TLohnGehalt tage = Monat(2024, 1, "1111", 3000_cur);
    tage.SetStTage(0);
    tage.SetSVTage(0);
    tage.Berechnen();
    EXPECT_EQ(tage.FLSt, 0_cur);
    EXPECT_EQ(tage.FKVAN, 0_cur);

    TLohnGehalt ohneWerte;
    ohneWerte.SetJahr(2030);
    ohneWerte.SetSVBrutto(3000_cur);
    ohneWerte.SetStBrutto(3000_cur);
    ohneWerte.SetSVBruttoEB(1000_cur);
    ohneWerte.SetZVArt("VBL");
    ohneWerte.SetZVBrutto(3000_cur);
    ohneWerte.SetBAVArt(1);
    ohneWerte.SetBAVAN(100_cur);
    ohneWerte.SetMehrfach(1);
    ohneWerte.SetBruttoAnderer(500_cur);
    ohneWerte.SetKVBes(3);
    ohneWerte.SetPKVBeitrag(500_cur);
    ohneWerte.Berechnen();
    ohneWerte.BerechnePfaendung();
    EXPECT_EQ(ohneWerte.FRVBasis, 0_cur);
    EXPECT_EQ(ohneWerte.FRVAN, 0_cur);

    TLohnGehalt neu;
    neu.Berechnen();
    EXPECT_EQ(neu.FKVAN, 0_cur);
}

TEST(Berechnen, TaxOfTheMonthThroughThePlanOfTheYear)
{
    TLohnGehalt lg = Monat(2024, 5, "1111", 3000_cur);
    lg.SetStKl(1);
    lg.SetKonfession(0);
    lg.SetBundesland(12);
    lg.Berechnen();

    // the same inputs straight into a module of the 2024 plan
    auto plan = createPlan("2024");
    ASSERT_NE(plan, nullptr);
    LohnsteuerEingaben e;
    e.RE4 = 3000_cur;
    e.STKL = 1;
    e.LZZ = 2;
    e.KVZ = 1.70_cur;
    const Currency lst = plan->LohnsteuerLzz(e);
    EXPECT_GT(lst, 0_cur);
    EXPECT_EQ(lg.FLSt, lst);
    EXPECT_EQ(lg.FSolZ, plan->SolzLzz());
    EXPECT_EQ(lg.FKiStEv, plan->KirchensteuerLzz(1, 12, 0, 1, 0_cur, 0_cur));
    EXPECT_GT(lg.FKiStEv, 0_cur);
    EXPECT_EQ(lg.FKiStRk, 0_cur);
    EXPECT_EQ(lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB, 0_cur) << "no one-off payment";
}

TEST(Berechnen, ChurchTaxPartsOfTheMonth)
{
    // The church's parts by law: minimums only with wage tax after the child
    // allowances and only of the church that levies them, a mixed couple's tax
    // half and half except in Bavaria, Lower Saxony and Bremen. lst -1: some wage tax, not asserted.
    struct Fall {
        const char* was;
        int jahr;
        Currency brutto;
        Byte stkl;
        Byte land;
        Byte konfession;
        Byte tage;
        Currency kifb;
        Currency lst;
        Currency ev;
        Currency rk;
        int monat = 5;
        int geburtsjahr = 0;
    };
    const Fall faelle[] = {
        {"Hessen, no wage tax", 2015, 478.65_cur, 1, 8, 0, 30, 0_cur, 0_cur, 0_cur, 0_cur},
        {"Hamburg, class III, 9 % of 2.00 raised", 2024, 2540.09_cur, 3, 7, 0, 30, 0_cur, 2_cur, 0.30_cur, 0_cur},
        {"Hamburg, base taken by the child allowance", 2024, 1600_cur, 1, 7, 1, 30, 1_cur, -1_cur, 0_cur, 0_cur},
        {"Mecklenburg-Vorpommern, class II, base taken by 3,0 child allowances", 2013, 1211.54_cur, 2, 9, 0, 30, 3_cur,
         -1_cur, 0_cur, 0_cur, 11, 1947},
        {"Thuringia, base taken by the child allowance", 2024, 1600_cur, 1, 18, 0, 30, 1_cur, -1_cur, 0_cur, 0_cur},
        {"NRW, base taken by the child allowance", 2024, 1600_cur, 1, 12, 0, 30, 1_cur, -1_cur, 0_cur, 0_cur},
        {"Mecklenburg-Vorpommern, ev", 2017, 1019.09_cur, 1, 9, 0, 30, 0_cur, 1.50_cur, 0.13_cur, 0_cur},
        {"Mecklenburg-Vorpommern, rk", 2017, 1019.09_cur, 1, 9, 1, 30, 0_cur, 1.50_cur, 0_cur, 0.30_cur},
        {"Schleswig-Holstein, rk/ev", 2024, 2007.34_cur, 1, 17, 3, 30, 0_cur, 111.16_cur, 5_cur, 5_cur},
        {"Bavaria, rk/ev", 2024, 2076.75_cur, 1, 2, 3, 30, 0_cur, 125_cur, 0_cur, 10_cur},
        {"Bavaria, ev/rk", 2024, 2076.75_cur, 1, 2, 2, 30, 0_cur, 125_cur, 10_cur, 0_cur},
        {"Saxony, 15 days: a day's minimum", 2024, 680_cur, 1, 15, 0, 15, 0_cur, 0.15_cur, 0.15_cur, 0_cur},
        {"Hamburg, 15 days: no day's minimum", 2024, 680_cur, 1, 7, 0, 15, 0_cur, 0.15_cur, 0_cur, 0_cur},
    };
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(f.jahr, f.monat, "1111", f.brutto);
        lg.SetGebJahr(f.geburtsjahr);
        lg.SetStKl(f.stkl);
        lg.SetBundesland(f.land);
        lg.SetKonfession(f.konfession);
        lg.SetKiFB(f.kifb);
        lg.SetStTage(f.tage);
        lg.Berechnen();
        if (f.lst < 0_cur) {
            EXPECT_GT(lg.FLSt, 0_cur) << f.was;
        } else {
            EXPECT_EQ(lg.FLSt, f.lst) << f.was;
        }
        EXPECT_EQ(lg.FKiStEv, f.ev) << f.was << ", Protestant part";
        EXPECT_EQ(lg.FKiStRk, f.rk) << f.was << ", Catholic part";
    }

    // A one-off payment's church tax goes to the churches by the same rule.
    for (int land : {17, 2}) {
        TLohnGehalt lg = Monat(2024, 5, "1111", 3000_cur);
        lg.SetStKl(1);
        lg.SetBundesland(static_cast<Byte>(land));
        lg.SetKonfession(3);
        lg.SetStAuto(1);
        lg.SetStBruttoEB(5000_cur);
        lg.Berechnen();
        const Currency summe = lg.FKiStEvEB + lg.FKiStRkEB;
        ASSERT_GT(summe, 1_cur) << "area " << land;
        if (land == 2) {
            EXPECT_EQ(lg.FKiStEvEB, 0_cur) << "Bavaria: all to the employee's church";
        } else {
            const Currency unterschied = lg.FKiStEvEB - lg.FKiStRkEB;
            EXPECT_TRUE(unterschied == 0_cur || unterschied == 0.01_cur)
                << "Schleswig-Holstein: half each, " << lg.FKiStEvEB << " / " << lg.FKiStRkEB;
        }
    }
}

TEST(Berechnen, PrivatePremiumReachesThePlanInFull)
{
    // A private premium paid through the employer ("Privat Firmenzahler"): the
    // plans deduct the typical employer subsidy themselves (PKV 2), so the plan
    // gets the whole premium. 2010: 818.56 + 44.53, wage tax 1025.50 by the
    // official plan (with the premium less the actual subsidies 1141.83).
    struct Fall {
        int jahr, monat;
        std::string_view plan;
    };
    const Fall faelle[] = {
        {2010, 3, "2010"}, {2011, 3, "2011"}, {2011, 12, "1211"}, {2012, 3, "2012"}, {2024, 3, "2024"}};
    for (const auto& f : faelle) {
        TLohnGehalt lg = Monat(f.jahr, f.monat, "0111", 4905.30_cur);
        lg.SetStKl(1);
        lg.SetKVBes(3);
        lg.SetPVBes(3);
        lg.SetPKV(2);
        lg.SetPKVBeitrag(818.56_cur);
        lg.SetPPVBeitrag(44.53_cur);
        lg.SetPKPV(863.09_cur);
        lg.SetSVBrutto(4905.30_cur);
        lg.Berechnen();
        ASSERT_GT(lg.FKVAG, 0_cur) << f.plan << ": the employer pays a subsidy";

        auto plan = createPlan(f.plan);
        LohnsteuerEingaben e = PlanEingaben(LohnsteuerDatenAus(lg, 863.09_cur));
        EXPECT_EQ(e.PKV, 2);
        EXPECT_EQ(lg.FLSt, plan->LohnsteuerLzz(e)) << f.plan;
        if (f.jahr == 2010) {
            EXPECT_EQ(lg.FLSt, 1025.50_cur);
        }
    }
}

TEST(Berechnen, PartialMonthTaxIsTheDayTaxTimesTheDays)
{
    TLohnGehalt lg = Monat(2024, 5, "1111", 3000_cur);
    lg.SetStKl(1);
    lg.SetStTage(15);
    lg.Berechnen();

    auto plan = createPlan("2024");
    LohnsteuerEingaben e;
    e.RE4 = 200_cur;
    e.STKL = 1;
    e.LZZ = 4;
    e.KVZ = 1.70_cur;
    const Currency tag = plan->LohnsteuerLzz(e);
    EXPECT_GT(tag, 0_cur);
    EXPECT_EQ(lg.FLSt, tag * 15);
    EXPECT_EQ(lg.FSolZ, plan->SolzLzz() * 15);
}

TEST(Berechnen, OneOffAndMultiYearTaxesOnlyWithSuchPay)
{
    TLohnGehalt lg = Monat(2024, 11, "1111", 5000_cur);
    lg.SetStKl(1);
    lg.SetKonfession(1);
    lg.SetStAuto(1);
    lg.SetStBruttoEB(10000_cur);
    lg.SetStBruttoLMJ(30000_cur);
    lg.Berechnen();
    EXPECT_GT(lg.FLStEB, 0_cur);
    EXPECT_GT(lg.FKiStRkEB, 0_cur);
    EXPECT_EQ(lg.FKiStEvEB, 0_cur);
    EXPECT_GT(lg.FLStLMJ, 0_cur);
    EXPECT_GT(lg.FKiStRkLMJ, 0_cur);
    const Currency eb = lg.FLStEB;
    lg.Berechnen();
    EXPECT_EQ(lg.FLStEB, eb) << "computing twice gives the same result";

    lg.SetStBruttoEB(0_cur);
    lg.SetStBruttoLMJ(0_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FLStEB + lg.FSolZEB + lg.FKiStEvEB + lg.FKiStRkEB, 0_cur);
    EXPECT_EQ(lg.FLStLMJ + lg.FSolZLMJ + lg.FKiStEvLMJ + lg.FKiStRkLMJ, 0_cur);
    EXPECT_EQ(lg.FVmtBegrenzt, 0);
}

TEST(Berechnen, YearWithoutPlanComputesNoTax)
{
    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetStKl(1);
    lg.Berechnen();
    ASSERT_GT(lg.FLSt, 0_cur);
    lg.SetJahr(2030);
    lg.SetStKl(1);
    lg.SetStBrutto(3000_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FLSt + lg.FSolZ + lg.FKiStEv + lg.FKiStRk, 0_cur);
}

TEST(Berechnen, PlanOfTheMonth)
{
    struct Fall {
        int jahr, monat;
        std::string_view plan;
    };
    const Fall faelle[] = {{2011, 11, "2011"}, {2011, 12, "1211"}, {2015, 11, "2015"},
                           {2015, 12, "1215"}, {2023, 6, "2023"},  {2023, 7, "0723"},
                           {2024, 1, "2024"},  {2024, 11, "2024"}, {2024, 12, "1224"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(planName(f.jahr, f.monat), f.plan) << f.jahr << "/" << f.monat;
        TLohnGehalt lg = Monat(f.jahr, f.monat, "1111", 6000_cur);
        lg.SetStKl(1);
        lg.SetStTage(10);  // a day's pay, where the December plans differ most
        lg.Berechnen();
        auto plan = createPlan(f.plan);
        ASSERT_NE(plan, nullptr) << f.plan;
        const Currency tag = plan->LohnsteuerLzz(PlanEingaben(LohnsteuerDatenAus(lg, 0_cur)));
        EXPECT_EQ(lg.FLSt, tag * 10) << f.jahr << "/" << f.monat << " computed by plan " << f.plan;
    }
    EXPECT_EQ(planName(2003, 12), "");
}

TEST(Berechnen, HealthRateOf2009ByHalfYear)
{
    TLohnGehalt lg = Monat(2009, 3, "1111", 3000_cur);
    lg.SetKVSatz(15_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FKVSatz, 14.60_cur);
    lg.SetMonat(8);
    lg.SetKVSatz(15_cur);
    lg.Berechnen();
    EXPECT_EQ(lg.FKVSatz, 14.00_cur);
}

TEST(Lohnsteuer, PlanInputsFromTheEngine)
{
    struct Alter {
        int jahr;
        int gebJahr;
        int alter1;
    };
    const Alter alter[] = {{2023, 1958, 1}, {2023, 1959, 0}, {2007, 1942, 1}, {2024, 0, 0}};
    for (auto a : alter) EXPECT_EQ(Alter1(a.gebJahr, a.jahr), a.alter1) << a.gebJahr << " in " << a.jahr;

    TLohnGehalt lg = Monat(2024, 1, "1111", 3000_cur);
    lg.SetGebJahr(1958);
    lg.SetStFreibetrag(100_cur);
    lg.SetKonfession(1);
    lg.Berechnen();
    EXPECT_EQ(lg.FAlter1, 1);
    LohnsteuerDaten e = LohnsteuerDatenAus(lg, 0_cur);
    EXPECT_EQ(e.AJAHR, 2023);
    EXPECT_EQ(e.LZZFREIB, 100_cur);
    EXPECT_EQ(e.JFREIB, 1200_cur);
    EXPECT_EQ(e.LZZHINZU, 0_cur);
    EXPECT_TRUE(e.kirchensteuerpflichtig);

    lg.SetStFreibetrag(-(50_cur));
    lg.SetKonfession(4);
    lg.Berechnen();
    e = LohnsteuerDatenAus(lg, 0_cur);
    EXPECT_EQ(e.LZZFREIB, 0_cur);
    EXPECT_EQ(e.LZZHINZU, 50_cur);
    EXPECT_EQ(e.JHINZU, 600_cur);
    EXPECT_FALSE(e.kirchensteuerpflichtig);
}

TEST(Berechnen, OneOffPaymentOf2005TakesTheAnnualAllowance)
{
    auto einmal = [](Currency fbJahr) {
        TLohnGehalt lg = Monat(2005, 6, "1111", 3000_cur);
        lg.SetStKl(1);
        lg.SetStBruttoJahr(15000_cur);
        lg.SetStBruttoEB(5000_cur);
        lg.SetFBJahr(fbJahr);
        lg.Berechnen();
        return lg.FLStEB;
    };
    const Currency ohne = einmal(0_cur);
    EXPECT_GT(ohne, 0_cur);
    EXPECT_LT(einmal(3000_cur), ohne);
}

TEST(Berechnen, EveryYearFrom2004HasAPlan)
{
    for (int jahr = 2004; jahr <= 2024; ++jahr) {
        for (int monat : {1, 7, 12}) {
            ASSERT_NE(createPlan(planName(jahr, monat)), nullptr) << jahr << "/" << monat;
            TLohnGehalt lg = Monat(jahr, monat, "1111", 4000_cur);
            lg.SetStKl(1);
            lg.Berechnen();
            EXPECT_GT(lg.FLSt, 0_cur) << jahr << "/" << monat;
        }
    }
}
