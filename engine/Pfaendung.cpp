// Garnishable part of the net pay.

#include "Pfaendung.h"

#include <algorithm>
#include <array>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Nettobetrag.h"
#include "PlanRundung.h"

namespace lx {

namespace {

struct Periode {
    int abJahr;  // the period starts on 1 July of this year (0: the first row)
    Pfaendungsfreigrenzen grenzen;
};

// clang-format off
constexpr std::array kPerioden = {
    // 930.00 plus 350.00 for the first and 195.00 for each further dependant, up to June 2005
    Periode{0,    {{930.00_cur,  1280.00_cur, 1475.00_cur, 1670.00_cur, 1865.00_cur, 2060.00_cur}, 2851.00_cur}},
    Periode{2005, {{985.15_cur,  1355.91_cur, 1562.47_cur, 1769.03_cur, 1975.59_cur, 2182.15_cur}, 3020.06_cur}},
    Periode{2011, {{1028.89_cur, 1416.11_cur, 1631.84_cur, 1847.57_cur, 2063.30_cur, 2279.03_cur}, 3154.15_cur}},
    Periode{2013, {{1045.04_cur, 1438.34_cur, 1657.46_cur, 1876.58_cur, 2095.70_cur, 2314.82_cur}, 3203.67_cur}},
    Periode{2015, {{1073.88_cur, 1478.04_cur, 1703.21_cur, 1928.38_cur, 2153.55_cur, 2378.72_cur}, 3292.09_cur}},
    Periode{2017, {{1133.80_cur, 1560.51_cur, 1798.24_cur, 2035.97_cur, 2273.70_cur, 2511.43_cur}, 3475.79_cur}},
    Periode{2019, {{1178.59_cur, 1622.16_cur, 1869.28_cur, 2116.40_cur, 2363.52_cur, 2610.64_cur}, 3613.08_cur}},
    Periode{2021, {{1252.64_cur, 1724.08_cur, 1986.73_cur, 2249.38_cur, 2512.03_cur, 2774.68_cur}, 3840.08_cur}},
    Periode{2022, {{1330.16_cur, 1830.78_cur, 2109.68_cur, 2388.58_cur, 2667.48_cur, 2946.38_cur}, 4077.72_cur}},
    Periode{2023, {{1402.28_cur, 1930.04_cur, 2224.06_cur, 2518.08_cur, 2812.10_cur, 3106.12_cur}, 4298.81_cur}},
    // 1491.75 plus 561.43 for the first and 312.78 for each further dependant
    Periode{2024, {{1491.75_cur, 2053.18_cur, 2365.96_cur, 2678.74_cur, 2991.52_cur, 3304.30_cur}, 4573.10_cur}},
};
// clang-format on

Currency halbAufCent(Currency betrag)
{
    return RundeCentExakt(Haelfte(dez(betrag)));
}

}  // namespace

const Pfaendungsfreigrenzen& PfaendungsfreigrenzenFuer(int jahr, int monat)
{
    const Periode* gefunden = &kPerioden.front();
    for (const auto& p : kPerioden) {
        if (p.abJahr == 0 || jahr > p.abJahr || (jahr == p.abJahr && monat >= 7)) gefunden = &p;
    }
    return gefunden->grenzen;
}

int FreieZehntel(int unterhaltPers)
{
    static constexpr std::array<int, 5> kZehntel = {3, 5, 6, 7, 8};
    if (unterhaltPers < 0) return kZehntel[0];
    return unterhaltPers < 5 ? kZehntel[std::size_t(unterhaltPers)] : 9;
}

Currency AbrundeZehn(Currency betrag)
{
    return (dez(betrag).divide<kEuros>(10, Round::Cut) * 10).toCurrency(Round::Cut);
}

Currency UeberstundenHaelfte(Currency betrag)
{
    return halbAufCent(betrag);
}

Currency WeihnachtsgeldFreibetrag(int jahr, int monat, Currency monatsverdienst)
{
    // The law of 7 May 2021 (BGBl. I S. 850) tied the exemption to the basic
    // exemption from 1 January 2022 on.
    if (jahr >= 2022) {
        const Currency grund = PfaendungsfreigrenzenFuer(jahr, monat).grundfreibetrag[0];
        Currency aufZehn = AbrundeZehn(grund);
        if (aufZehn < grund) aufZehn += 10_cur;
        return halbAufCent(aufZehn);
    }
    constexpr Currency kFreiHoechstens = 500.00_cur;
    return std::min(halbAufCent(std::max(monatsverdienst, 0_cur)), kFreiHoechstens);
}

Currency UnpfaendbaresWeihnachtsgeld(Currency betrag, int jahr, int monat, Currency monatsverdienst)
{
    if (betrag <= 0_cur) return 0_cur;
    return std::min(betrag, WeihnachtsgeldFreibetrag(jahr, monat, monatsverdienst));
}

Currency PfaendbaresWeihnachtsgeld(Currency betrag, int jahr, int monat, Currency monatsverdienst)
{
    return betrag - UnpfaendbaresWeihnachtsgeld(betrag, jahr, monat, monatsverdienst);
}

void TLohnGehalt::BerechnePfaendung()
{
    FPfaendBetrag = BerechnePfaendbar();
}

Currency TLohnGehalt::NettoVon(Currency brutto) const
{
    return NettoVorZuschuessen(*this, brutto);
}

Currency TLohnGehalt::SelbstgezahlteVorsorge() const
{
    // Only what NettoVon leaves in the net: the private self-payer's premium,
    // and the voluntary member's share (under health digit 9 a premium paid
    // through the employer is already the employee's part).
    Currency betrag;
    if (FKVBes == Besonderheit::PrivatSelbstzahler) {
        betrag += FPKVBeitrag - FKVAG;
    } else if (KVFreiwillig()) {
        betrag += FKVBes == Besonderheit::PrivatFirmenzahler ? FKVAN : FKVAN - FKVAG;
    }
    if (FPVBes == Besonderheit::PrivatSelbstzahler) {
        betrag += FPPVBeitrag - FPVAG;
    } else if (PVFreiwillig()) {
        betrag += FPVBes == Besonderheit::PrivatFirmenzahler ? FPVAN : FPVAN - FPVAG;
    }
    return betrag;
}

Currency TLohnGehalt::BerechnePfaendbar() const
{
    const Currency r = NettoVon(FGesamtbrutto) - SelbstgezahlteVorsorge() - FPfaendKorrektur;
    const Pfaendungsfreigrenzen& g = PfaendungsfreigrenzenFuer(FJahr, FMonat);
    Currency ueber = 0_cur;
    Currency betrachtet = r;
    if (r > g.obergrenze) {
        ueber = r - g.obergrenze;
        betrachtet = g.obergrenze;
    }
    const Currency a = AbrundeZehn(betrachtet);
    const int personen = std::min<int>(FUnterhaltPers, 5);
    const Currency frei = g.grundfreibetrag[personen];
    const Dez<4> ueberFrei = dez(a - frei);
    Currency pfaendbar = RundeCentExakt(ueberFrei - (ueberFrei * FreieZehntel(FUnterhaltPers)).div10<1>() + dez(ueber));
    if (FPfaendVerbleib > 0_cur && FPfaendVerbleib > r - pfaendbar) pfaendbar = r - FPfaendVerbleib;
    return std::max(pfaendbar, 0_cur);
}

}  // namespace lx
