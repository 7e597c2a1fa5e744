#include "OldPlanChurchTax.h"

#include <algorithm>
#include <array>

#include "Exact.h"

namespace lx {

namespace {

struct Area {
    Currency rate;            // percent
    Currency capPercent;      // of the wage; 0: no cap
    Currency minimumAlways;   // a month; 0: none
    Currency minimumWithTax;  // a month, when the period has wage tax; 0: none
};

// Codes 1 to 18 in the order of the options list; index 0 serves every other code.
// These plans also apply a monthly minimum of 0.30 in Baden-Württemberg (1) and
// Lower Saxony (10).
constexpr std::array<Area, 19> kAreas{{
    {9_cur, 0_cur, 0_cur, 0_cur},       // none
    {8_cur, 0_cur, 0.30_cur, 0_cur},    // Baden-Württemberg
    {8_cur, 0_cur, 0_cur, 0_cur},       // Bayern
    {9_cur, 3.0_cur, 0_cur, 0_cur},     // Berlin
    {9_cur, 3.0_cur, 0_cur, 0_cur},     // Brandenburg
    {9_cur, 3.5_cur, 0_cur, 0_cur},     // Bremen
    {9_cur, 3.5_cur, 0_cur, 0_cur},     // Bremerhaven
    {9_cur, 3.0_cur, 0.30_cur, 0_cur},  // Hamburg
    {9_cur, 0_cur, 0.15_cur, 0_cur},    // Hessen
    {9_cur, 3.0_cur, 0.30_cur, 0_cur},  // Mecklenburg-Vorpommern
    {9_cur, 3.5_cur, 0.30_cur, 0_cur},  // Niedersachsen
    {9_cur, 3.5_cur, 0_cur, 0_cur},     // bremische Evang. Kirche
    {9_cur, 0_cur, 0_cur, 0_cur},       // Nordrhein-Westfalen
    {9_cur, 0_cur, 0_cur, 0_cur},       // Rheinland-Pfalz
    {9_cur, 0_cur, 0_cur, 0_cur},       // Saarland
    {9_cur, 3.5_cur, 0_cur, 0.30_cur},  // Sachsen
    {9_cur, 3.5_cur, 0_cur, 0.30_cur},  // Sachsen-Anhalt
    {9_cur, 3.0_cur, 0.30_cur, 0_cur},  // Schleswig-Holstein
    {9_cur, 3.5_cur, 0_cur, 0.30_cur},  // Thüringen
}};

const Area& areaOf(int code)
{
    if (code < 1 || code > 18) return kAreas[0];
    return kAreas[static_cast<std::size_t>(code)];
}

// Int(100 x + 0.5) / 100
Currency roundToCents(const Exact& x)
{
    return (x + Exact(0.005_cur)).toCurrency(Round::Cut, kCents);
}

}  // namespace

Currency OldPlanChurchTax(Currency baseCents, const OldChurchTaxArgs& args, Currency wageEuros, bool periodTaxPositive,
                          int lzz)
{
    if (!args.Pflichtig) return 0_cur;
    const Area& area = areaOf(args.Bundesland);
    Currency satz = args.Satz;
    if (satz < 0_cur || satz > 99_cur) satz = 0_cur;
    const bool ownRate = satz > 0_cur && satz < 99_cur;
    const Currency rate = ownRate ? satz : area.rate;

    // The base times the rate, rounded to hundredths of a cent, then cut to whole cents in euros.
    const Currency hundredths = roundToCents(baseCents * rate / 100);
    Currency k = (hundredths / 100).toCurrency(Round::Cut, kCents);
    if (ownRate) return k;

    const std::int64_t months = lzz == 1 ? 12 : 1;
    if (!args.Kappung.isZero() && !area.capPercent.isZero())
        k = std::min(k, roundToCents(wageEuros * area.capPercent / 100));
    k = std::max(k, area.minimumAlways * months);
    if (satz == 99_cur) return k;
    if (args.Konfession != 1 && periodTaxPositive) k = std::max(k, area.minimumWithTax * months);
    return k;
}

}  // namespace lx
