#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Berichte.h"
#include "DetailZeilen.h"
#include "Golden.h"

using namespace lx;
using namespace lx::literals;
using lx::test::GleichFixture;

namespace {

TLohnGehalt Engine(const std::string& bgr)
{
    TLohnGehalt lg;
    lg.FJahr = 2024;
    lg.FMonat = 3;
    lg.FBGRKV = Byte(bgr[0] - '0');
    lg.FBGRRV = Byte(bgr[1] - '0');
    lg.FBGRAV = Byte(bgr[2] - '0');
    lg.FBGRPV = Byte(bgr[3] - '0');
    return lg;
}

}  // namespace

TEST(Berichte, NettomethodeMitEinmalbezugVLAbzugUndVerbleib)
{
    TLohnGehalt lg2 = Engine("1111");
    lg2.FStBrutto = lg2.FKVBasis = lg2.FRVBasis = 2350_cur;
    lg2.FStBruttoEB = 700_cur;
    lg2.FStBruttoLMJ = 1000_cur;
    lg2.FKVBasisEB = lg2.FRVBasisEB = 1700_cur;
    lg2.FGesamtbrutto = 4050_cur;
    lg2.FLSt = 260_cur;
    lg2.FLStEB = 120_cur;
    lg2.FLStLMJ = 250_cur;
    lg2.FKiStEv = 20.80_cur;
    lg2.FKiStEvEB = 9.60_cur;
    lg2.FKiStEvLMJ = 20_cur;
    lg2.FKVAN = 191.53_cur;
    lg2.FKVANEB = 138.55_cur;
    lg2.FRVAN = 218.55_cur;
    lg2.FRVANEB = 158.10_cur;
    lg2.FAVAN = 30.55_cur;
    lg2.FAVANEB = 22.10_cur;
    lg2.FPVAN = 39.95_cur;
    lg2.FPVANEB = 28.90_cur;
    lg2.FPfaendBetrag = 812.34_cur;
    lg2.FUnterhaltPers = 1;
    lg2.FPfaendVerbleib = 1000_cur;

    PfaendungsEingaben ein{"Nettomethode",
                           "Muster GmbH",
                           "März",
                           "2024",
                           {{"Gehalt", "2.000,00", "x"},
                            {"Überstunden", "700,00", "ÜbStd."},
                            {"Weihnachtsgeld", "1.200,00", "WG"},
                            {"Jubiläum", "1.000,00", "x"},
                            {"VL-Abzug", "-40,00", "VL-Abzug"},
                            {"VL-Abzug 2", "-20,00", "VL-Abzug"}}};
    EXPECT_TRUE(GleichFixture(NettoPfaendungsabrechnung(lg2, ein), "pfaendung-nettomethode.txt"));
}

TEST(Berichte, BruttomethodeFreiwilligVersichert)
{
    TLohnGehalt lg = Engine("9111");
    lg.FGesamtbrutto = 3000_cur;
    lg.FLSt = 389.16_cur;
    lg.FKiStRk = 35.02_cur;
    lg.FKVAN = 489_cur;
    lg.FKVAG = 244.50_cur;
    lg.FRVAN = 279_cur;
    lg.FAVAN = 39_cur;
    lg.FPVAN = 96_cur;
    lg.FPVAG = 48_cur;
    lg.FPfaendBetrag = 523.10_cur;
    PfaendungsEingaben ein{"Bruttomethode", "", "April", "2024", {{"Gehalt", "3.000,00", "x"}}};
    EXPECT_TRUE(GleichFixture(BruttoPfaendungsabrechnung(lg, ein), "pfaendung-bruttomethode.txt"));
}

TEST(Berichte, KrankenUndPflegeNullNachBesonderheit)
{
    struct Fall {
        const char* bgr;
        int kvBes, pvBes;
        const char* kv;
        const char* pv;
    };
    const Fall faelle[] = {
        {"1111", 0, 0, "-100,00", "-20,00"}, {"9111", 0, 0, "0,00", "0,00"},    {"9112", 0, 0, "0,00", "-20,00"},
        {"1111", 2, 0, "0,00", "-20,00"},    {"1111", 4, 4, "-100,00", "0,00"}, {"1111", 0, 2, "-100,00", "-20,00"},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine(f.bgr);
        lg.FKVBes = Byte(f.kvBes);
        lg.FPVBes = Byte(f.pvBes);
        lg.FKVAN = 80_cur;
        lg.FKVANEB = 20_cur;
        lg.FPVAN = 15_cur;
        lg.FPVANEB = 5_cur;
        for (const auto& z : {NettoPfaendungsabrechnung(lg, {}), BruttoPfaendungsabrechnung(lg, {})}) {
            auto zeile = [&](const std::string& label) {
                for (const auto& s : z)
                    if (s.rfind(label, 0) == 0) return s;
                return std::string("<no line>");
            };
            EXPECT_EQ(zeile("Krankenversicherung"), FormatDetailZeile("Krankenversicherung", f.kv, false)) << f.bgr;
            EXPECT_EQ(zeile("Pflegeversicherung"), FormatDetailZeile("Pflegeversicherung", f.pv, false))
                << f.bgr << " care case " << f.pvBes;
        }
    }
}

TEST(Berichte, BruttomethodeZeigtDieUnpfaendbarenTeile)
{
    // A Christmas bonus is exempt up to 500,00 until 2021 (half the month's
    // pay is more here), from 2022 up to half the basic exemption rounded up
    // to tens; overtime by half.
    struct Fall {
        const char* weihnachtsgeld;
        const char* frei;
        int jahr;
    };
    for (const Fall& f :
         {Fall{"800,00", "-500,00", 2020}, Fall{"1.000,00", "-500,00", 2021}, Fall{"400,00", "-400,00", 2021},
          Fall{"1.200,00", "-705,00", 2023}, Fall{"1.200,00", "-750,00", 2024}, Fall{"600,00", "-600,00", 2024},
          Fall{"999,99", "-670,00", 2022}}) {
        TLohnGehalt lg = Engine("1111");
        lg.FJahr = f.jahr;
        lg.FMonat = 12;
        lg.FGesamtbrutto = 3000_cur;
        lg.FPfaendKorrektur = 1_cur;  // the lines show whenever there is a correction
        PfaendungsEingaben ein{"Bruttomethode",
                               "",
                               "Dezember",
                               "2024",
                               {{"Gehalt", "2.000,00", "x"},
                                {"Überstunden", "701,00", "ÜbStd."},
                                {"Weihnachtsgeld", f.weihnachtsgeld, "WG"},
                                {"Urlaubsgeld", "300,00", ""}}};
        const auto z = BruttoPfaendungsabrechnung(lg, ein);
        auto hat = [&z](const std::string& zeile) { return std::find(z.begin(), z.end(), zeile) != z.end(); };
        EXPECT_TRUE(hat(FormatDetailZeile("Weihnachtsgeld", f.frei, false))) << f.weihnachtsgeld << " " << f.jahr;
        EXPECT_TRUE(hat(FormatDetailZeile("1/2 Überstunden", "-350,50", false)));
        EXPECT_TRUE(hat(FormatDetailZeile("Urlaubsgeld", "-300,00", false)));
    }
}

TEST(Berichte, AltersteilzeitMitBeidenGrenzen)
{
    TLohnGehalt lg = Engine("1111");
    lg.FATZ = 1;
    lg.FATZRegelentgelt = 4000_cur;
    lg.FATZAufstockung = 12.5_cur;
    lg.FATZAufstBetrag = 500_cur;
    lg.FATZAufstRV = 80_cur;
    lg.FBBGRV = 7550_cur;
    lg.FRVBasis = 5000_cur;
    lg.FRVSatz = 18.60_cur;
    ATZEingaben ein{"Muster GmbH",
                    "Mai",
                    "2024",
                    {{"Gehalt", "ja", "4.000,00", "8.000,00"}, {"Dienstwagen", "nein", "1.000,00", "1.000,00"}}};
    EXPECT_TRUE(GleichFixture(ATZAbrechnung(lg, ein), "altersteilzeit-bericht.txt"));
}

TEST(Berichte, AltersteilzeitBeispiele)
{
    struct Fall {
        Currency regel, rvBasis;
        Currency basis, beitrag;
        bool kappung90;
    };
    const Fall faelle[] = {
        {3000_cur, 3000_cur, 2400_cur, 446.40_cur, false},
        {3000_cur, 6000_cur, 1550_cur, 288.30_cur, false},
        {4000_cur, 4000_cur, 2795_cur, 519.87_cur, true},
        // pay above 90 % of the ceiling: the base stays 0, not -205,00
        {7000_cur, 7000_cur, 0_cur, 0_cur, true},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = Engine("1111");
        lg.FATZ = 1;
        lg.FATZRegelentgelt = f.regel;
        lg.FATZAufstRV = 80_cur;
        lg.FBBGRV = 7550_cur;
        lg.FRVBasis = f.rvBasis;
        lg.FRVSatz = 18.60_cur;
        const ATZZusatzbeitrag b = ATZZusatzbeitragFuer(lg);
        EXPECT_EQ(b.basis, f.basis) << f.regel << " / " << f.rvBasis;
        EXPECT_EQ(b.beitrag, f.beitrag) << f.regel << " / " << f.rvBasis;
        const auto z = ATZAbrechnung(lg, {});
        bool kappung = false;
        for (const auto& s : z) kappung |= s.rfind("max. Diff.", 0) == 0;
        EXPECT_EQ(kappung, f.kappung90) << f.regel;
        EXPECT_EQ(z.back(), FormatDetailZeile("RV - Beitrag 18,60%", f.beitrag));
    }
}

TEST(Berichte, AltersteilzeitWieDieEngine)
{
    for (int jahr = 2019; jahr <= 2024; ++jahr) {
        for (Byte rechtskreis : {Byte(1), Byte(0)}) {
            for (int euro = 1000; euro <= 8000; euro += 500) {
                TLohnGehalt lg;
                lg.SetRechtskreis(rechtskreis);
                lg.SetJahr(jahr);
                lg.SetBGR("1111");
                lg.SetMonat(6);
                lg.SetKVZusatz(1.10_cur);
                lg.SetKonfession(4);
                lg.SetKammer(2);
                lg.SetZVArt("keine");
                lg.SetStKl(1);
                lg.SetATZ(1);
                lg.SetATZAufstockung(20_cur);
                lg.SetATZAufstRV(80_cur);
                lg.SetATZRegelentgelt(Currency::fromUnits(euro));
                lg.SetStBrutto(Currency::fromUnits(euro));
                lg.SetGesamtbrutto(Currency::fromUnits(euro));
                lg.SetSVBrutto(Currency::fromUnits(euro));
                lg.Berechnen();
                const ATZZusatzbeitrag b = ATZZusatzbeitragFuer(lg);
                EXPECT_EQ(b.basis, lg.FATZRVBasis) << jahr << " area " << int(rechtskreis) << " pay " << euro;
                EXPECT_EQ(b.beitrag, lg.FATZRVBeitrag) << jahr << " area " << int(rechtskreis) << " pay " << euro;
            }
        }
    }
}
