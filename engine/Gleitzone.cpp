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

}  // namespace

bool IstMinijob(std::uint8_t bgrKV, std::uint8_t bgrRV)
{
    return bgrKV == 6 || bgrRV == 5;
}

Currency GleitzoneBemessung(Currency ae, const GleitzoneParameter& p)
{
    const std::optional<Currency> g = GleitzoneUntergrenze(p.jahr, p.monat);
    if (!g || p.og <= *g) return ae;
    Currency be = RundeCentExakt(bemessungExakt(ae, *g, p));
    if (p.mehrfach) {
        const Currency gesamt = ae + p.bruttoAnderer;
        if (gesamt < p.og && gesamt > 0_cur) {
            // the base of the total, apportioned to this employment
            be = RundeCentExakt(bemessungExakt(gesamt, *g, p) * Exact(ae) / Exact(gesamt));
        }
    }
    return be;
}

}  // namespace lx
