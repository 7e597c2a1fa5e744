#include "Gleitzone.h"

#include <optional>

#include "Beitragsrundung.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// BE for a total gross `ae` by the formula of the year, exact.
Exact bemessungExakt(Currency ae, Currency g, const GleitzoneParameter& p)
{
    const Exact f(p.faktorF);
    if (ae <= g) return ae * f;
    const Exact ueberG(ae - g);
    if (p.jahr <= 2012) return g * f + (Exact::integer(2) - f) * ueberG;
    const Exact breite(p.og - g);
    return g * f + (Exact(p.og) / breite - Exact(g) / breite * f) * ueberG;
}

Exact bemessungANExakt(Currency ae, Currency g, Currency og)
{
    if (ae <= g) return Exact();
    return Exact(og) / Exact(og - g) * Exact(ae - g);
}

// The value for `ae`, or for the total of multiple employment apportioned to `ae`.
template <class Formel>
Currency mitMehrfach(Currency ae, const GleitzoneParameter& p, Formel formel)
{
    Currency be = RundeCentExakt(formel(ae));
    if (p.mehrfach) {
        const Currency gesamt = ae + p.bruttoAnderer;
        if (gesamt < p.og && gesamt > 0_cur) be = RundeCentExakt(formel(gesamt) * Exact(ae) / Exact(gesamt));
    }
    return be;
}

}  // namespace

bool IstMinijob(std::uint8_t bgrKV, std::uint8_t bgrRV)
{
    return bgrKV == 6 || bgrRV == 5;
}

Currency GleitzoneBemessung(Currency ae, const GleitzoneParameter& p)
{
    const std::optional<Currency> g = GleitzoneUntergrenze(p.jahr, p.monat);
    if (!g || p.og <= *g) return ae;
    return mitMehrfach(ae, p, [&](Currency x) { return bemessungExakt(x, *g, p); });
}

Currency GleitzoneBemessungAN(Currency ae, const GleitzoneParameter& p)
{
    const std::optional<Currency> g = GleitzoneUntergrenze(p.jahr, p.monat);
    if (!g || p.og <= *g) return ae;
    return mitMehrfach(ae, p, [&](Currency x) { return bemessungANExakt(x, *g, p.og); });
}

bool GleitzoneMitANBasis(int jahr, int monat)
{
    return jahr > 2022 || (jahr == 2022 && monat >= 10);
}

}  // namespace lx
