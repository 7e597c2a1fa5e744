#include "Gleitzone.h"

#include <optional>

#include "Beitragsrundung.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// A formula's exact value as a quotient: the zone formulas divide by the width
// of the zone, so the division comes last, at the rounding.
struct Quotient {
    DezBreit<12> zaehler;
    DezBreit<4> nenner;
};

Quotient ganz(DezBreit<12> wert)
{
    return {wert, DezBreit<4>::integer(1)};
}

// BE for a total gross `ae` by the formula of the year.
Quotient bemessungExakt(Currency ae, Currency g, const GleitzoneParameter& p)
{
    const Dez<4> f = dez(p.faktorF);
    if (ae <= g) return ganz((dez(ae) * f).widen<12>());
    const Dez<4> ueberG = dez(ae - g);
    const auto gf = dez(g) * f;
    if (p.jahr <= 2012) return ganz((gf + (2_d - f) * ueberG).widen<12>());
    // g f + (og / breite - g / breite f) (ae - g) = (g f breite + (og - g f) (ae - g)) / breite
    const Dez<4> breite = dez(p.og - g);
    return {gf * breite + (dez(p.og) - gf) * ueberG, breite.widen<4, Int128>()};
}

Quotient bemessungANExakt(Currency ae, Currency g, Currency og)
{
    if (ae <= g) return ganz(DezBreit<12>());
    return {(dez(og) * dez(ae - g)).widen<12>(), dez(og - g).widen<4, Int128>()};
}

// The value for `ae`, or for the total of multiple employment apportioned to `ae`.
template <class Formel>
Currency mitMehrfach(Currency ae, const GleitzoneParameter& p, Formel formel)
{
    const Quotient q = formel(ae);
    Currency be = RundeCentQuotient(q.zaehler, q.nenner);
    if (p.mehrfach) {
        const Currency gesamt = ae + p.bruttoAnderer;
        if (gesamt < p.og && gesamt > 0_cur) {
            const Quotient qg = formel(gesamt);
            be = RundeCentQuotient(qg.zaehler * dez(ae), qg.nenner * dez(gesamt));
        }
    }
    return be;
}

}  // namespace

bool IstMinijob(std::uint8_t bgrKV, std::uint8_t bgrRV)
{
    return bgrKV == KVZiffer::MinijobPauschal || bgrRV == RVZiffer::MinijobPauschal;
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
