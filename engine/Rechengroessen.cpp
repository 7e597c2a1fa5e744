#include "Rechengroessen.h"

#include <algorithm>
#include <array>

#include "Dez.h"
#include "Kennzeichen.h"

namespace lx {

namespace {

// True from the month `abMonat` of `abJahr` on.
constexpr bool ab(int jahr, int monat, int abJahr, int abMonat)
{
    return jahr > abJahr || (jahr == abJahr && monat >= abMonat);
}

// A value that holds from its month until the next row's, up to the last year the program computes.
struct AbMonat {
    int jahr;
    int monat;
    Currency wert;
};

template <std::size_t N>
std::optional<Currency> gueltigAb(const std::array<AbMonat, N>& tabelle, int jahr, int monat)
{
    if (jahr > kLetztesRechenjahr) return std::nullopt;
    std::optional<Currency> wert;
    for (const AbMonat& z : tabelle) {
        if (ab(jahr, monat, z.jahr, z.monat)) wert = z.wert;
    }
    return wert;
}

struct BBGZeile {
    int jahr;
    Beitragsbemessungsgrenzen werte;
};

constexpr std::array kBBG = {
    BBGZeile{2004, {3487.50_cur, 5150.00_cur, 4350.00_cur}}, BBGZeile{2005, {3525.00_cur, 5200.00_cur, 4400.00_cur}},
    BBGZeile{2006, {3562.50_cur, 5250.00_cur, 4400.00_cur}}, BBGZeile{2007, {3562.50_cur, 5250.00_cur, 4550.00_cur}},
    BBGZeile{2008, {3600.00_cur, 5300.00_cur, 4500.00_cur}}, BBGZeile{2009, {3675.00_cur, 5400.00_cur, 4550.00_cur}},
    BBGZeile{2010, {3750.00_cur, 5500.00_cur, 4650.00_cur}}, BBGZeile{2011, {3712.50_cur, 5500.00_cur, 4800.00_cur}},
    BBGZeile{2012, {3825.00_cur, 5600.00_cur, 4800.00_cur}}, BBGZeile{2013, {3937.50_cur, 5800.00_cur, 4900.00_cur}},
    BBGZeile{2014, {4050.00_cur, 5950.00_cur, 5000.00_cur}}, BBGZeile{2015, {4125.00_cur, 6050.00_cur, 5200.00_cur}},
    BBGZeile{2016, {4237.50_cur, 6200.00_cur, 5400.00_cur}}, BBGZeile{2017, {4350.00_cur, 6350.00_cur, 5700.00_cur}},
    BBGZeile{2018, {4425.00_cur, 6500.00_cur, 5800.00_cur}}, BBGZeile{2019, {4537.50_cur, 6700.00_cur, 6150.00_cur}},
    BBGZeile{2020, {4687.50_cur, 6900.00_cur, 6450.00_cur}}, BBGZeile{2021, {4837.50_cur, 7100.00_cur, 6700.00_cur}},
    BBGZeile{2022, {4837.50_cur, 7050.00_cur, 6750.00_cur}}, BBGZeile{2023, {4987.50_cur, 7300.00_cur, 7100.00_cur}},
    BBGZeile{2024, {5175.00_cur, 7550.00_cur, 7450.00_cur}},
};

constexpr std::optional<Currency> kKein = std::nullopt;

// The average additional health rate (SGB V § 242a) as the Federal Ministry of
// Health announced it for each year.
constexpr std::array kKVZusatzDurchschnitt = {
    AbMonat{2015, 1, 0.90_cur}, AbMonat{2016, 1, 1.10_cur}, AbMonat{2018, 1, 1.00_cur}, AbMonat{2019, 1, 0.90_cur},
    AbMonat{2020, 1, 1.10_cur}, AbMonat{2021, 1, 1.30_cur}, AbMonat{2023, 1, 1.60_cur}, AbMonat{2024, 1, 1.70_cur},
};

// From 2019 a private member's subsidy is half of the general rate plus the
// year's average additional rate, at most on the health ceiling.
Currency zuschussSatz(int jahr)
{
    return 14.60_cur + KVZusatzVorgabeFuer(jahr);
}

Currency pkvMax(int jahr)
{
    const Currency bbg = BBGFuer(jahr).value_or(Beitragsbemessungsgrenzen{}).kvpv;
    return (dez(bbg) * dez(zuschussSatz(jahr))).divide<kCents>(200, Round::HalfUp).toCurrency(Round::Cut);
}

// clang-format off
// year, months, PKV max, KV subsidy rate, PPV max, zone OG, F, KV, KV reduced, RV, AV, PV, insolvency
const std::array kMonate = {
    MonatsWerte{2004, 1, 12, 249.36_cur, kKein,       29.64_cur,  800.00_cur, 0.5952_cur, kKein,     kKein,     19.50_cur, 6.50_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2005, 1, 6,  252.04_cur, kKein,       29.96_cur,  800.00_cur, 0.5952_cur, kKein,     kKein,     19.50_cur, 6.50_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2005, 7, 12, 236.18_cur, kKein,       29.96_cur,  800.00_cur, 0.5952_cur, kKein,     kKein,     19.50_cur, 6.50_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2006, 1, 6,  236.91_cur, 13.30_cur,   30.28_cur,  800.00_cur, 0.5967_cur, kKein,     kKein,     19.50_cur, 6.50_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2006, 7, 12, 236.91_cur, 13.30_cur,   30.28_cur,  800.00_cur, 0.7160_cur, kKein,     kKein,     19.50_cur, 6.50_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2007, 1, 12, 236.91_cur, 13.30_cur,   30.28_cur,  800.00_cur, 0.7673_cur, kKein,     kKein,     19.90_cur, 4.20_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2008, 1, 6,  250.20_cur, 13.90_cur,   30.60_cur,  800.00_cur, 0.7732_cur, kKein,     kKein,     19.90_cur, 3.30_cur, 1.70_cur, 0.10_cur},
    MonatsWerte{2008, 7, 12, 250.20_cur, 13.90_cur,   35.10_cur,  800.00_cur, 0.7732_cur, kKein,     kKein,     19.90_cur, 3.30_cur, 1.95_cur, 0.10_cur},
    MonatsWerte{2009, 1, 6,  268.28_cur, 14.60_cur,   35.83_cur,  800.00_cur, 0.7472_cur, 14.60_cur, 14.00_cur, 19.90_cur, 2.80_cur, 1.95_cur, 0.10_cur},
    MonatsWerte{2009, 7, 12, 257.25_cur, 14.00_cur,   35.83_cur,  800.00_cur, 0.7472_cur, 14.00_cur, 13.40_cur, 19.90_cur, 2.80_cur, 1.95_cur, 0.10_cur},
    MonatsWerte{2010, 1, 12, 262.50_cur, 14.00_cur,   36.56_cur,  800.00_cur, 0.7585_cur, 14.00_cur, 13.40_cur, 19.90_cur, 2.80_cur, 1.95_cur, 0.41_cur},
    // The insolvency-money levy was suspended for 2011.
    MonatsWerte{2011, 1, 12, 271.01_cur, 14.60_cur,   36.20_cur,  800.00_cur, 0.7435_cur, 14.60_cur, 14.00_cur, 19.90_cur, 3.00_cur, 1.95_cur, 0.00_cur},
    MonatsWerte{2012, 1, 12, 279.23_cur, 14.60_cur,   37.29_cur,  800.00_cur, 0.7491_cur, 14.60_cur, 14.00_cur, 19.60_cur, 3.00_cur, 1.95_cur, 0.04_cur},
    MonatsWerte{2013, 1, 12, 287.44_cur, 14.60_cur,   40.36_cur,  850.00_cur, 0.7605_cur, 14.60_cur, 14.00_cur, 18.90_cur, 3.00_cur, 2.05_cur, 0.15_cur},
    MonatsWerte{2014, 1, 12, 295.65_cur, 14.60_cur,   41.51_cur,  850.00_cur, 0.7605_cur, 14.60_cur, 14.00_cur, 18.90_cur, 3.00_cur, 2.05_cur, 0.15_cur},
    MonatsWerte{2015, 1, 12, 301.13_cur, 14.60_cur,   48.47_cur,  850.00_cur, 0.7585_cur, 14.60_cur, 14.00_cur, 18.70_cur, 3.00_cur, 2.35_cur, 0.15_cur},
    MonatsWerte{2016, 1, 12, 309.34_cur, 14.60_cur,   49.79_cur,  850.00_cur, 0.7547_cur, 14.60_cur, 14.00_cur, 18.70_cur, 3.00_cur, 2.35_cur, 0.12_cur},
    MonatsWerte{2017, 1, 12, 317.55_cur, 14.60_cur,   55.46_cur,  850.00_cur, 0.7509_cur, 14.60_cur, 14.00_cur, 18.70_cur, 3.00_cur, 2.55_cur, 0.09_cur},
    MonatsWerte{2018, 1, 12, 323.03_cur, 14.60_cur,   56.42_cur,  850.00_cur, 0.7547_cur, 14.60_cur, 14.00_cur, 18.60_cur, 3.00_cur, 2.55_cur, 0.06_cur},
    MonatsWerte{2019, 1, 6,  pkvMax(2019), zuschussSatz(2019),   69.20_cur,  850.00_cur, 0.7566_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.50_cur, 3.05_cur, 0.06_cur},
    MonatsWerte{2019, 7, 12, pkvMax(2019), zuschussSatz(2019),   69.20_cur, 1300.00_cur, 0.7566_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.50_cur, 3.05_cur, 0.06_cur},
    MonatsWerte{2020, 1, 12, pkvMax(2020), zuschussSatz(2020),   71.48_cur, 1300.00_cur, 0.7547_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.40_cur, 3.05_cur, 0.06_cur},
    MonatsWerte{2021, 1, 12, pkvMax(2021), zuschussSatz(2021),   73.77_cur, 1300.00_cur, 0.7509_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.40_cur, 3.05_cur, 0.12_cur},
    MonatsWerte{2022, 1, 9,  pkvMax(2022), zuschussSatz(2022),   73.77_cur, 1300.00_cur, 0.7509_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.40_cur, 3.05_cur, 0.09_cur},
    MonatsWerte{2022, 10, 12, pkvMax(2022), zuschussSatz(2022),  73.77_cur, 1600.00_cur, 0.7009_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.40_cur, 3.05_cur, 0.09_cur},
    MonatsWerte{2023, 1, 6,  pkvMax(2023), zuschussSatz(2023),   76.06_cur, 2000.00_cur, 0.6922_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.60_cur, 3.05_cur, 0.06_cur},
    // 4987.50 x 3.40 % / 2 once the care rate rose in July
    MonatsWerte{2023, 7, 12, pkvMax(2023), zuschussSatz(2023),   84.79_cur, 2000.00_cur, 0.6922_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.60_cur, 3.40_cur, 0.06_cur},
    MonatsWerte{2024, 1, 12, pkvMax(2024), zuschussSatz(2024),   87.98_cur, 2000.00_cur, 0.6846_cur, 14.60_cur, 14.00_cur, 18.60_cur, 2.60_cur, 3.40_cur, 0.06_cur},
};

// One twentieth of the monthly reference value, 2004 to 2024.
constexpr std::array kVBGrenze = {
    120.75_cur, 120.75_cur, 122.50_cur, 122.50_cur,
    124.25_cur, 126.00_cur, 127.75_cur, 127.75_cur, 131.25_cur, 134.75_cur, 138.25_cur, 141.75_cur, 145.25_cur,
    148.75_cur, 152.25_cur, 155.75_cur, 159.25_cur, 164.50_cur, 164.50_cur, 169.75_cur, 176.75_cur,
};

struct ZVGrenzeZeile {
    int jahr;
    Currency grenze;
    int abMonat;  // 0: one value for the whole year
    Currency grenzeAb;
};

constexpr std::array kZVGrenze = {
    ZVGrenzeZeile{2008, 6100.22_cur, 0, 0_cur},         ZVGrenzeZeile{2009, 6100.22_cur, 0, 0_cur},
    ZVGrenzeZeile{2010, 6173.42_cur, 0, 0_cur},         ZVGrenzeZeile{2011, 6210.46_cur, 8, 6241.52_cur},
    ZVGrenzeZeile{2012, 6210.46_cur, 3, 6459.97_cur},   ZVGrenzeZeile{2013, 6550.41_cur, 8, 6642.11_cur},
    ZVGrenzeZeile{2014, 6841.37_cur, 0, 0_cur},         ZVGrenzeZeile{2015, 6841.37_cur, 3, 7005.57_cur},
    ZVGrenzeZeile{2016, 7005.57_cur, 3, 7173.70_cur},   ZVGrenzeZeile{2017, 7173.70_cur, 2, 7342.28_cur},
    ZVGrenzeZeile{2018, 7342.28_cur, 3, 7554.47_cur},   ZVGrenzeZeile{2019, 7554.47_cur, 4, 7766.66_cur},
    ZVGrenzeZeile{2020, 7766.66_cur, 3, 7841.56_cur},   ZVGrenzeZeile{2021, 7841.56_cur, 4, 7951.34_cur},
    ZVGrenzeZeile{2022, 7951.34_cur, 4, 8094.46_cur},   ZVGrenzeZeile{2023, 8094.46_cur, 0, 0_cur},
    ZVGrenzeZeile{2024, 8094.46_cur, 3, 8778.71_cur},
};

// The zone (400.01 to 800.00 euros) was introduced in April 2003.
constexpr std::array kGleitzoneUntergrenze = {
    AbMonat{2004, 1, 400.00_cur}, AbMonat{2013, 1, 450.00_cur}, AbMonat{2022, 10, 520.00_cur}, AbMonat{2024, 1, 538.00_cur},
};

// The surcharge exists since 2005.
constexpr std::array kPVZuschlag = {
    AbMonat{2005, 1, 0.25_cur}, AbMonat{2022, 1, 0.35_cur}, AbMonat{2023, 7, 0.60_cur},
};

// clang-format on

}  // namespace

std::optional<Beitragsbemessungsgrenzen> BBGFuer(int jahr)
{
    for (const auto& z : kBBG) {
        if (z.jahr == jahr) return z.werte;
    }
    return std::nullopt;
}

const MonatsWerte* MonatsWerteFuer(int jahr, int monat)
{
    for (const auto& z : kMonate) {
        if (z.jahr == jahr && monat >= z.vonMonat && monat <= z.bisMonat) return &z;
    }
    return nullptr;
}

std::optional<Currency> GleitzoneUntergrenze(int jahr, int monat)
{
    return gueltigAb(kGleitzoneUntergrenze, jahr, monat);
}

std::optional<Currency> KVSatzFuer(int jahr, int monat, int kvZiffer)
{
    const MonatsWerte* z = MonatsWerteFuer(jahr, std::clamp(monat, 1, 12));
    if (z == nullptr) return std::nullopt;
    return kvZiffer == Code(KVZiffer::Ermaessigt) ? z->kvSatzErm : z->kvSatz;
}

std::optional<Currency> KVSatzVorgeschrieben(int jahr, int monat, int kvZiffer)
{
    if (jahr != 2009) return std::nullopt;
    return KVSatzFuer(jahr, monat, kvZiffer);
}

bool KVZusatzJeKasse(int jahr)
{
    return jahr >= 2015;
}

Currency KVZusatzVorgabeFuer(int jahr)
{
    // before 2015 every member paid the same 0.90 points
    return gueltigAb(kKVZusatzDurchschnitt, std::min(jahr, kLetztesRechenjahr), 1).value_or(0.90_cur);
}

bool KVZusatzParitaetisch(int jahr)
{
    return jahr >= 2019;
}

bool RVVollWaehlbar(int jahr, int monat)
{
    return !ab(jahr, monat, 2019, 7);
}

bool InsolvenzgeldumlageMitBeitraegen(int jahr)
{
    return jahr >= 2009;
}

bool VorsorgepauschaleAb2010(int jahr)
{
    return jahr >= 2010;
}

bool VBFreibetragKV(int jahr)
{
    return jahr >= 2020;
}

std::optional<Currency> VBGrenzeFuer(int jahr)
{
    if (jahr < kErstesRechenjahr || jahr > kLetztesRechenjahr) return std::nullopt;
    return kVBGrenze[std::size_t(jahr - kErstesRechenjahr)];
}

Currency PVZuschlagFuer(int jahr, int monat)
{
    return gueltigAb(kPVZuschlag, jahr, monat).value_or(0_cur);
}

Currency PVKinderAbschlagFuer(int kinder)
{
    if (kinder == 2) return 0.25_cur;
    if (kinder == 3) return 0.50_cur;
    if (kinder == 4) return 0.75_cur;
    if (kinder >= 5 && kinder <= 20) return 1.00_cur;
    return 0_cur;
}

bool PVKinderAbschlagGilt(int jahr, int monat)
{
    return ab(jahr, monat, 2023, 7);
}

Currency PVKinderAbschlag(int jahr, int monat, int kinder)
{
    return PVKinderAbschlagGilt(jahr, monat) ? PVKinderAbschlagFuer(kinder) : 0_cur;
}

std::optional<Currency> ZVZusatzumlageGrenze(int jahr, int monat)
{
    for (const auto& z : kZVGrenze) {
        if (z.jahr != jahr) continue;
        if (z.abMonat != 0 && monat >= z.abMonat) return z.grenzeAb;
        return z.grenze;
    }
    return std::nullopt;
}

Currency ZVUmlageSatzFuer(std::string_view art, Currency satzAG)
{
    if (art == "VBL" || art == "individuell") return satzAG;
    if (art == "kvw") return 4.50_cur;
    return 4.25_cur;
}

Currency SanierungsgeldSatzFuer(std::string_view art, int jahr, Currency eingegeben)
{
    if (art == "RZVK") return jahr < 2010 ? 2.50_cur : 3.50_cur;
    if (art == "kvw") {
        if (jahr <= 2008) return 1.00_cur;
        return jahr < 2015 ? 3.00_cur : 3.25_cur;
    }
    return eingegeben;
}

ZVVorgabe ZVVorgabeFuer(std::string_view art, int jahr)
{
    constexpr Currency kEingegeben = 1.00_cur;  // what the Sanierungsgeld field is preset to
    if (art == "RZVK" || art == "kvw") {
        return {ZVUmlageSatzFuer(art, 0_cur), 0_cur, SanierungsgeldSatzFuer(art, jahr, kEingegeben)};
    }
    if (art == "VBL") return {jahr < 2023 ? 6.45_cur : 5.49_cur, 1.41_cur, kEingegeben};
    return {0_cur, 0_cur, kEingegeben};
}

int ZVSteuerfreiProzent(int jahr)
{
    if (jahr < 2014) return 1;
    return jahr < 2020 ? 2 : 3;
}

int BAVGrenzeProzFuer(int jahr)
{
    return BAVZusatzMoeglich(jahr) ? 4 : 8;
}

// The 2018 reform raised the free share to 8 % and dropped the additional amount.
bool BAVZusatzMoeglich(int jahr)
{
    return jahr <= 2017;
}

Currency MinijobRVPauschalsatz(int jahr, int monat)
{
    // 12 % until the flat rates were raised on 1 July 2006
    return (jahr < 2006 || (jahr == 2006 && monat <= 6)) ? 12.00_cur : 15.00_cur;
}

Currency MinijobKVPauschalsatz(int jahr, int monat)
{
    return (jahr < 2006 || (jahr == 2006 && monat <= 6)) ? 11.00_cur : 13.00_cur;
}

Currency MinijobRVMindestbemessung(int jahr)
{
    return jahr <= 2012 ? 155.00_cur : 175.00_cur;
}

Currency KammerbeitragSatz(int bundesland)
{
    return (bundesland == kBundeslandBremen || bundesland == kBundeslandSaarland) ? 0.15_cur : 0_cur;
}

}  // namespace lx
