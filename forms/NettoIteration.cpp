#include "NettoIteration.h"

#include <cstdint>
#include <map>

#include "Dez.h"
#include "LxMath.h"
#include "PlanRundung.h"

namespace lx {

namespace {

Currency abstand(Currency a, Currency b)
{
    return a > b ? a - b : b - a;
}

// G moved by half the difference of its net n to the target, rounded to cents.
Currency halbierungsschritt(Currency G, Currency n, Currency ziel)
{
    return RundeCent((dez(G) - Haelfte(dez(n - ziel))).toCurrency(Round::HalfUp));
}

}  // namespace

Currency HochrechnungZuschlag(int k)
{
    if (k == 200) return 0.01_cur;
    if (k == 250) return -(0.01_cur);
    return 0_cur;
}

NettoIterationErgebnis NettoIteration(Currency start, Currency ziel, const std::function<Currency(Currency)>& netto,
                                      const NettoIterationRegeln& regeln)
{
    return NettoIterationNachErster(start, netto(start), ziel, netto, regeln);
}

NettoIterationErgebnis NettoIterationNachErster(Currency start, Currency startNetto, Currency ziel,
                                                const std::function<Currency(Currency)>& netto,
                                                const NettoIterationRegeln& regeln)
{
    std::map<Currency, Currency> berechnet;  // trial gross -> its net
    Currency bestBrutto;
    Currency bestNetto;
    NettoIterationErgebnis e;

    auto merke = [&](Currency G, Currency n) {
        ++e.berechnungen;
        berechnet.emplace(G, n);
        const bool besser = berechnet.size() == 1 || abstand(n, ziel) < abstand(bestNetto, ziel) ||
                            (abstand(n, ziel) == abstand(bestNetto, ziel) && G < bestBrutto);
        if (besser) {
            bestBrutto = G;
            bestNetto = n;
        }
        e.brutto = G;
        e.netto = n;
    };

    merke(start, startNetto);
    while (e.netto != ziel && e.berechnungen < regeln.grenze) {
        const int k = e.berechnungen;
        Currency G = regeln.steuerklasse6 && k >= 101 && k <= 119 ? e.brutto + 0.01_cur
                                                                   : halbierungsschritt(e.brutto, e.netto, ziel);
        if (regeln.zuschlag) G += regeln.zuschlag(k);
        // A gross computed before would give the same net again: try the
        // nearest ones around the best trial instead.
        for (std::int64_t cent = 1; berechnet.contains(G); ++cent) {
            const Currency schritt = Currency::fromCents(cent);
            G = !berechnet.contains(bestBrutto + schritt) ? bestBrutto + schritt : bestBrutto - schritt;
        }
        merke(G, netto(G));
    }
    e.abgebrochen = e.netto != ziel;
    return e;
}

}  // namespace lx
