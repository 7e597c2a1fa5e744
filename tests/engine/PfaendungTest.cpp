#include <gtest/gtest.h>

#include "Faelle.h"
#include "Pfaendung.h"

using namespace lx;
using lx::test::Monat;

namespace {

// A month without deductions (no insurance, no wage tax), so that the net is the total gross.
TLohnGehalt OhneAbzuege(int jahr, int monat, std::string_view bgr, Currency brutto)
{
    TLohnGehalt lg = Monat(jahr, monat, bgr, brutto);
    lg.SetStKl(0);
    return lg;
}

Currency pfaendbar(int jahr, int monat, Currency netto, Byte personen, Currency verbleib = 0_cur)
{
    TLohnGehalt lg = OhneAbzuege(jahr, monat, "0000", netto);
    lg.SetUnterhaltPers(personen);
    lg.SetPfaendVerbleib(verbleib);
    lg.Berechnen();
    lg.BerechnePfaendung();
    return lg.FPfaendBetrag;
}

}  // namespace

TEST(Pfaendung, GarnishableAmountByPeriodAndDependants)
{
    struct Fall {
        int jahr;
        int monat;
        Currency netto;
        Byte personen;
        Currency betrag;
    };
    const Fall faelle[] = {
        {2024, 3, 2000_cur, 0, 418.40_cur},   // (2000 - 1402.28) x 0.7
        {2024, 8, 2057.99_cur, 1, 0_cur},     // 2050 below 2053.18
        {2024, 8, 2065_cur, 1, 3.41_cur},     // (2060 - 2053.18) x 0.5
        {2024, 8, 5000_cur, 0, 2581.68_cur},  // (4570 - 1491.75) x 0.7 + 426.90
        {2024, 8, 1400_cur, 0, 0_cur},
        {2024, 8, 4000_cur, 7, 69.57_cur},  // five or more: (4000 - 3304.30) x 0.1
        {2024, 8, 4000_cur, 12, 69.57_cur},
        {2011, 6, 2000_cur, 0, 710.40_cur},  // (2000 - 985.15) x 0.7
        {2011, 7, 2000_cur, 0, 679.78_cur},  // (2000 - 1028.89) x 0.7
        // up to June 2005: 930.00, 350.00 for the first and 195.00 for each further dependant
        {2004, 1, 1500_cur, 0, 399.00_cur},   // (1500 - 930) x 0.7
        {2005, 6, 2000_cur, 2, 210.00_cur},   // (2000 - 1475) x 0.4
        {2005, 6, 3000_cur, 0, 1493.00_cur},  // (2850 - 930) x 0.7 + 149
        {2005, 7, 1500_cur, 0, 360.40_cur},   // (1500 - 985.15) x 0.7
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(pfaendbar(f.jahr, f.monat, f.netto, f.personen), f.betrag)
            << f.jahr << "/" << f.monat << " " << f.netto << " dependants " << int(f.personen);
    }
    EXPECT_EQ(pfaendbar(2024, 3, 2000_cur, 0, 1700_cur), 300_cur) << "the net that must remain";
    EXPECT_EQ(pfaendbar(2024, 3, 2000_cur, 0, 1500_cur), 418.40_cur);
}

TEST(Pfaendung, ExemptionTableFromJuly2024)
{
    const Pfaendungsfreigrenzen& g = PfaendungsfreigrenzenFuer(2024, 7);
    const Currency erwartet[] = {1491.75_cur, 2053.18_cur, 2365.96_cur, 2678.74_cur, 2991.52_cur, 3304.30_cur};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(g.grundfreibetrag[i], erwartet[i]) << i;
    EXPECT_EQ(g.obergrenze, 4573.10_cur);
    for (int i = 2; i < 6; ++i) {
        EXPECT_EQ(g.grundfreibetrag[i] - g.grundfreibetrag[i - 1], 312.78_cur) << i;
    }
    EXPECT_EQ(PfaendungsfreigrenzenFuer(2024, 6).grundfreibetrag[0], 1402.28_cur);
    EXPECT_EQ(PfaendungsfreigrenzenFuer(2030, 1).obergrenze, 4573.10_cur);
    EXPECT_EQ(PfaendungsfreigrenzenFuer(2004, 1).obergrenze, 2851.00_cur);
    EXPECT_EQ(PfaendungsfreigrenzenFuer(2005, 7).obergrenze, 3020.06_cur);
}

TEST(Pfaendung, SelfPayersLoseWhatTheyPayTheirInsurerLessTheSubsidy)
{
    // Health and care paid to the insurer by the employee himself leave the
    // garnishable net as the statutory shares do: what he pays less the
    // employer's subsidy. Without wage tax unless a class is named.
    struct Fall {
        const char* was;
        const char* bgr;
        Byte kvBes;
        Byte pvBes;
        Currency brutto;
        Currency betrag;
        int stkl = 0;
        int monat = 3;
    };
    const Fall faelle[] = {
        {"statutory: health share 244,50 taken off", "1000", 0, 0, 3000_cur, 943.40_cur},
        {"voluntary member (digit 9): 843,53 less 421,76", "9000", 0, 0, 3000_cur, 817.40_cur},
        {"voluntary member (special case 2)", "1000", 2, 0, 3000_cur, 817.40_cur},
        {"private, paid through the employer: 600 + 100 less 350", "1111", 3, 3, 6500_cur, 1748.78_cur, 1, 7},
        {"private, paid to the insurer: the same", "1111", 4, 4, 6500_cur, 1748.78_cur, 1, 7},
    };
    for (const Fall& f : faelle) {
        TLohnGehalt lg = OhneAbzuege(2024, f.monat, f.bgr, f.brutto);
        lg.SetStKl(Byte(f.stkl));
        lg.SetKonfession(0);
        lg.SetKVBes(f.kvBes);
        lg.SetPVBes(f.pvBes);
        lg.SetPKVBeitrag(600_cur);
        lg.SetPPVBeitrag(100_cur);
        lg.Berechnen();
        lg.BerechnePfaendung();
        EXPECT_EQ(lg.FPfaendBetrag, f.betrag) << f.was;
    }
}

TEST(Pfaendung, RoundingDownToTens)
{
    EXPECT_EQ(AbrundeZehn(2057.99_cur), 2050_cur);
    EXPECT_EQ(AbrundeZehn(9.99_cur), 0_cur);
    EXPECT_EQ(AbrundeZehn(-(15_cur)), -(10_cur));
    EXPECT_EQ(FreieZehntel(0), 3);
    EXPECT_EQ(FreieZehntel(4), 8);
    EXPECT_EQ(FreieZehntel(9), 9);
}
