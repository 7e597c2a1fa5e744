#include "NettoIteration.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "Dez.h"
#include "LxMath.h"
#include "PlanRundung.h"

namespace lx {

std::string AbbruchMeldung(bool sonderberechnung)
{
    return std::string(sonderberechnung ? "Hochr.in Sonderber." : "Hochrechnung") + " nach " +
           std::to_string(kSchrittgrenze) + " Schritten abgebrochen";
}

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

// Trials of the rules that were computed before, after which the halving
// counts as cycling: net to gross repeats one only a few times near its end.
constexpr int kZyklus = 20;

// Distances from the best trial where the cycling began, each probed above
// before below: 0,04 and 0,06 doubling up to about 80 euros, so the steps of
// the net near it are seen first.
std::vector<Currency> suchweiten()
{
    std::vector<Currency> w;
    for (std::int64_t cent = 4; cent <= 8192; cent *= 2) {
        w.push_back(Currency::fromCents(cent));
        if (cent * 3 / 2 <= 8192) w.push_back(Currency::fromCents(cent * 3 / 2));
    }
    return w;
}

// The narrowest pair of neighbouring trials lo < hi whose nets lie below and
// above the target with a gross between them not yet computed. Between its
// steps the net rises by about a cent per cent of gross, so such a pair holds
// a gross that nets the target unless a step jumps over it.
std::optional<std::pair<Currency, Currency>> klammer(const std::map<Currency, Currency>& berechnet, Currency ziel)
{
    std::optional<std::pair<Currency, Currency>> k;
    for (auto it = berechnet.begin(); it != berechnet.end() && std::next(it) != berechnet.end(); ++it) {
        const auto& [lo, nLo] = *it;
        const auto& [hi, nHi] = *std::next(it);
        if (nLo < ziel && nHi > ziel && hi - lo > 0.01_cur && (!k || hi - lo < k->second - k->first)) k = {lo, hi};
    }
    return k;
}

// The middle of the narrowest bracket: neighbouring trials with a cent
// between them whose nets lie on either side of the target.
std::optional<Currency> klammerMitte(const std::map<Currency, Currency>& berechnet, Currency ziel)
{
    std::optional<std::pair<Currency, Currency>> eng;
    for (auto it = berechnet.begin(); it != berechnet.end() && std::next(it) != berechnet.end(); ++it) {
        const auto& [lo, nLo] = *it;
        const auto& [hi, nHi] = *std::next(it);
        const bool beiderseits = (nLo < ziel && nHi > ziel) || (nLo > ziel && nHi < ziel);
        if (beiderseits && hi - lo > 0.01_cur && (!eng || hi - lo < eng->second - eng->first)) eng = {lo, hi};
    }
    if (!eng) return std::nullopt;
    return RundeCent((dez(eng->first) + Haelfte(dez(eng->second - eng->first))).toCurrency(Round::Cut));
}

// The cent nearest `mitte` not yet computed, above before below, at most
// `weite` away.
std::optional<Currency> naechsterFreier(const std::map<Currency, Currency>& berechnet, Currency mitte,
                                        Currency untergrenze, std::int64_t weite)
{
    for (std::int64_t cent = 1; cent <= weite; ++cent) {
        const Currency schritt = Currency::fromCents(cent);
        if (!berechnet.contains(mitte + schritt)) return mitte + schritt;
        if (mitte - schritt >= untergrenze && !berechnet.contains(mitte - schritt)) return mitte - schritt;
    }
    return std::nullopt;
}

// The middle of a gap of more than a euro between neighbouring trials where
// the net falls as the gross rises (the one whose upper net is nearest the
// target): a dip through the target may hide there, as where a voluntary
// member's contribution sets in above the transition zone.
std::optional<Currency> fallendeLuecke(const std::map<Currency, Currency>& berechnet, Currency ziel)
{
    std::optional<std::pair<Currency, Currency>> luecke;
    Currency lueckeAbstand;
    for (auto it = berechnet.begin(); it != berechnet.end() && std::next(it) != berechnet.end(); ++it) {
        const auto& [lo, nLo] = *it;
        const auto& [hi, nHi] = *std::next(it);
        if (hi - lo <= 1.00_cur || nHi >= nLo) continue;
        const Currency a = abstand(nHi, ziel);
        if (!luecke || a < lueckeAbstand) {
            luecke = {lo, hi};
            lueckeAbstand = a;
        }
    }
    if (!luecke) return std::nullopt;
    return RundeCent((dez(luecke->first) + Haelfte(dez(luecke->second - luecke->first))).toCurrency(Round::Cut));
}

// The middle of the widest gap of more than a euro between neighbouring
// trials: the net can rise and fall back again in between.
std::optional<Currency> weitesteLuecke(const std::map<Currency, Currency>& berechnet)
{
    std::optional<std::pair<Currency, Currency>> weit;
    for (auto it = berechnet.begin(); it != berechnet.end() && std::next(it) != berechnet.end(); ++it) {
        const Currency lo = it->first;
        const Currency hi = std::next(it)->first;
        if (hi - lo > 1.00_cur && (!weit || hi - lo > weit->second - weit->first)) weit = {lo, hi};
    }
    if (!weit) return std::nullopt;
    return RundeCent((dez(weit->first) + Haelfte(dez(weit->second - weit->first))).toCurrency(Round::Cut));
}

// Places the last search looks around at most.
constexpr std::size_t kMitten = 8;

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
    int wiederholt = 0;   // trials of the rules computed before
    bool zyklus = false;  // the halving cycles
    Currency mitte;       // the best trial when it began
    const std::vector<Currency> weiten = suchweiten();
    std::size_t probe = 0;  // probes around it made or skipped

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
        if (G < regeln.untergrenze) G = regeln.untergrenze;
        // Where the net falls back as the gross rises (whole-euro tax steps,
        // five times over for multi-year pay), halving jumps past the target
        // and cycles between a few grosses. Once it does, a trial that would
        // repeat or leave the narrowest bracket around the target halves the
        // bracket instead; without a bracket, a repeat is replaced by a probe
        // further from the cycling, which may open one in another step.
        if (berechnet.contains(G) && ++wiederholt >= kZyklus && !zyklus) {
            zyklus = true;
            mitte = bestBrutto;
        }
        if (zyklus) {
            const auto kl = klammer(berechnet, ziel);
            if (kl && (berechnet.contains(G) || G <= kl->first || G >= kl->second)) {
                G = RundeCent((dez(kl->first) + Haelfte(dez(kl->second - kl->first))).toCurrency(Round::Cut));
            }
            while (!kl && berechnet.contains(G) && probe < 2 * weiten.size()) {
                const Currency weite = weiten[probe / 2];
                const Currency kandidat = probe % 2 == 0 ? mitte + weite : mitte - weite;
                ++probe;
                if (!berechnet.contains(kandidat) && kandidat >= regeln.untergrenze) G = kandidat;
            }
        }
        // A gross computed before would give the same net again: try the
        // nearest ones around the best trial instead.
        for (std::int64_t cent = 1; berechnet.contains(G) || G < regeln.untergrenze; ++cent) {
            const Currency schritt = Currency::fromCents(cent);
            G = !berechnet.contains(bestBrutto + schritt) ? bestBrutto + schritt : bestBrutto - schritt;
        }
        merke(G, netto(G));
    }
    e.abgebrochen = e.netto != ziel;
    // The last trial of a search that gave up may be far off (a probe): the
    // result is the trial nearest the target, computed once more so that the
    // engine holds it.
    if (e.abgebrochen && bestBrutto != e.brutto) {
        e.brutto = bestBrutto;
        e.netto = netto(bestBrutto);
    }
    return e;
}

NettoIterationErgebnis NettoSuche(Currency start, Currency ziel, const std::function<Currency(Currency)>& netto,
                                  const NettoIterationRegeln& regeln, int nachsuche, std::int64_t abtastung)
{
    return NettoSucheNachErster(start, netto(start), ziel, netto, regeln, nachsuche, abtastung);
}

NettoIterationErgebnis NettoSucheNachErster(Currency start, Currency startNetto, Currency ziel,
                                            const std::function<Currency(Currency)>& netto,
                                            const NettoIterationRegeln& regeln, int nachsuche, std::int64_t abtastung)
{
    std::map<Currency, Currency> berechnet{{start, startNetto}};
    Currency zuletzt = start;
    auto merkend = [&](Currency G) {
        const Currency n = netto(G);
        berechnet[G] = n;
        zuletzt = G;
        return n;
    };
    NettoIterationErgebnis e = NettoIterationNachErster(start, startNetto, ziel, merkend, regeln);
    if (!e.abgebrochen) return e;

    // Brackets first; once each ends at neighbouring cents, the cents around
    // the nearest trial one by one: where the net falls back at every tax
    // step, a step can hold the target between two trials above it.
    auto naeher = [&](const auto& a, const auto& b) { return abstand(a.second, ziel) < abstand(b.second, ziel); };
    // Without a bracket, grosses 1,00, 2,00, 4,00 ... away from the nearest
    // trial, above before below, may open one where the net turns back (a
    // voluntary member's minimum contribution, the one-fifth rule).
    std::optional<Currency> fern;
    std::int64_t fernCent = 100;
    bool fernOben = true;
    int runde = 0;
    auto naechster = [&]() -> std::optional<Currency> {
        if (auto mitte = klammerMitte(berechnet, ziel)) return mitte;
        const auto best = std::min_element(berechnet.begin(), berechnet.end(), naeher);
        if (!fern) fern = best->first;
        while (fernCent <= 1638400) {
            const Currency weite = Currency::fromCents(fernCent);
            Currency G = fernOben ? *fern + weite : *fern - weite;
            if (!fernOben) fernCent *= 2;
            fernOben = !fernOben;
            // below the lowest gross: the lowest itself, so the net's course
            // from there up is bracketed too
            if (G < regeln.untergrenze) G = regeln.untergrenze;
            if (!berechnet.contains(G)) return G;
        }
        // then two cents around the nearest trial to one gap: first where the
        // net falls, else the widest
        if (++runde % 3 == 0) {
            if (auto mitte = fallendeLuecke(berechnet, ziel)) return mitte;
            if (auto mitte = weitesteLuecke(berechnet)) return mitte;
        }
        return naechsterFreier(berechnet, best->first, regeln.untergrenze, nachsuche);
    };
    for (int i = 0; i < nachsuche; ++i) {
        const std::optional<Currency> G = naechster();
        if (!G) break;
        ++e.berechnungen;
        if (merkend(*G) == ziel) {
            e.brutto = *G;
            e.netto = ziel;
            e.abgebrochen = false;
            return e;
        }
    }
    // Where the net jumps by euros every few cents (the one-fifth rule, the
    // tax of a one-off payment beside the running pay), a single cent may
    // hold the target: every cent around the nearest trial and around each
    // pair of neighbouring cents whose nets lie on either side of the
    // target, nearest first, all of them ring by ring.
    std::vector<Currency> mitten{std::min_element(berechnet.begin(), berechnet.end(), naeher)->first};
    for (auto it = berechnet.begin(); it != berechnet.end() && std::next(it) != berechnet.end(); ++it) {
        const auto& [lo, nLo] = *it;
        const auto& [hi, nHi] = *std::next(it);
        const bool beiderseits = (nLo < ziel && nHi > ziel) || (nLo > ziel && nHi < ziel);
        // clang 14 captures no structured binding: the lambda takes the trial by value
        const bool abseits = std::all_of(mitten.begin(), mitten.end(), [&, probe = lo](Currency m) {
            return abstand(m, probe) > Currency::fromCents(abtastung / 10);
        });
        if (beiderseits && hi - lo == 0.01_cur && abseits && mitten.size() < kMitten) mitten.push_back(lo);
    }
    std::int64_t rest = 4 * abtastung;
    for (std::int64_t cent = 1; cent <= abtastung && rest > 0; ++cent) {
        for (const Currency m : mitten) {
            for (const Currency G : {m + Currency::fromCents(cent), m - Currency::fromCents(cent)}) {
                if (G < regeln.untergrenze || berechnet.contains(G)) continue;
                ++e.berechnungen;
                --rest;
                if (merkend(G) == ziel) {
                    e.brutto = G;
                    e.netto = ziel;
                    e.abgebrochen = false;
                    return e;
                }
            }
        }
    }
    // None found: the nearest trial (on a tie the lower gross), which the
    // engine holds once it is computed again.
    const auto best = std::min_element(berechnet.begin(), berechnet.end(), naeher);
    if (best->first != e.brutto && abstand(best->second, ziel) < abstand(e.netto, ziel)) {
        e.brutto = best->first;
        e.netto = best->second;
    }
    if (zuletzt != e.brutto) {
        ++e.berechnungen;
        e.netto = merkend(e.brutto);
    }
    return e;
}

}  // namespace lx
