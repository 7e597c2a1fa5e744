// Deferred compensation (employer-financed amount and the employee's deferral
// of pay): how much of it is tax-free, flat-taxed or free of contributions,
// set against the current pay or, with the annual approach, first against a
// one-off payment of the month.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// Takes up to `betrag` from a one-off amount (never below 0) and returns what it took.
Currency nimmVonEinmal(Currency& einmal, Currency betrag)
{
    const Currency genommen = std::clamp(betrag, 0_cur, std::max(einmal, 0_cur));
    einmal -= genommen;
    return genommen;
}

// Limit of flat-rate taxation, per month or per year.
Currency pauschalGrenze(const TLohnGehalt& lg)
{
    return lg.FBAVMonatlich == 1 ? RundeCentQuotient(dez(lg.FBAVPauschal), 12) : lg.FBAVPauschal;
}

// The free limits are shares of the West pension ceiling, in the East as well.
Currency bbgWest(const TLohnGehalt& lg)
{
    const auto bbg = BBGFuer(lg.FJahr);
    return bbg ? bbg->rvWest : lg.FBBGRV;
}

Currency alles(const TLohnGehalt& lg)
{
    return (lg.FStBrutto + lg.FStBruttoEB) * 2;
}

Currency steuerGrenze(const TLohnGehalt& lg)
{
    if (lg.FBAVStFreiArt == BAVSteuer::AllesSteuerfrei) return alles(lg);
    return lg.BAVSteuerfreiGrenze() + (lg.FBAVZus1800 == 1 ? lg.BAVZusatzGrenze() : 0_cur);
}

Currency svGrenze(const TLohnGehalt& lg)
{
    if (lg.FBAVStFreiArt == BAVSteuer::AllesSteuerfrei) return alles(lg);
    const Currency monat = RundeCentExakt(Prozent(bbgWest(lg), 4_cur));
    return lg.FBAVMonatlich == 1 ? monat : monat * 12;
}

bool steuerfreiNachArt(const TLohnGehalt& lg)
{
    return lg.FBAVArt >= 1 && lg.FBAVArt <= 3 &&
           (lg.FBAVStFreiArt == BAVSteuer::Nr63 || lg.FBAVStFreiArt == BAVSteuer::AllesSteuerfrei);
}

}  // namespace

Currency TLohnGehalt::BAVSteuerfreiGrenze() const
{
    const Currency monat = RundeCentExakt(Prozent(bbgWest(*this), Currency::fromUnits(FBAVGrenzeProz)));
    return FBAVMonatlich == 1 ? monat : monat * 12;
}

Currency TLohnGehalt::BAVZusatzGrenze() const
{
    return FBAVMonatlich == 1 ? kBAVZusatzMonat : kBAVZusatzJahr;
}

void TLohnGehalt::SetBAVGrenze()
{
    FBAVGrenzeProz = Byte(BAVGrenzeProzFuer(FJahr));
}

Currency TLohnGehalt::BerechneBAVSteuer()
{
    FBAVStEB = 0_cur;
    FBAVPauschBasis = 0_cur;
    const Currency ag = FBAVBetrag;
    const Currency an = FBAVAN;
    if (FBAVArt == BAVArt::Keine || (ag == 0_cur && an == 0_cur)) return 0_cur;

    if (FBAVArt == BAVArt::Unterstuetzungskasse) {
        // Unterstuetzungskasse: the deferral is tax-free without limit, from the one-off payment first
        Currency rest = an;
        if (FStBruttoEB > 0_cur) {
            const Currency genommen = nimmVonEinmal(FStBruttoEB, rest);
            FBAVStEB = -genommen;
            rest -= genommen;
        }
        const Currency genommen = std::clamp(rest, 0_cur, std::max(FStBrutto, 0_cur));
        FStBrutto -= genommen;
        return -genommen;
    }

    const Currency p = pauschalGrenze(*this);
    const bool pauschal = FBAVStFreiArt == BAVSteuer::NichtsSteuerfrei && p > 0_cur;
    const bool steuerfrei = steuerfreiNachArt(*this);
    if (steuerfrei && FStKl == 6) {
        // no tax exemption in a second employment: the employer's amount is taxable pay
        FStBrutto += ag;
        return ag;
    }
    bool laufend = FBAVMonatlich == 1 || FStBruttoEB == 0_cur;
    if (FBAVStFreiArt == BAVSteuer::NichtsSteuerfrei && FBAVMonatlich == 0 && an == 0_cur) laufend = false;

    if (pauschal && laufend) {
        if (ag + an <= p) {
            FStBrutto -= an;
            FBAVPauschBasis = ag + an;
            return -an;
        }
        FBAVPauschBasis = p;
        const Currency x = std::max(p - ag, 0_cur);
        FStBrutto -= x;
        if (p < ag) {
            FStBrutto += ag - p;
            return ag - p;
        }
        return -x;
    }
    if (pauschal) {
        const Currency f = p < ag ? 0_cur : std::min(an, p - ag);
        FBAVPauschBasis = std::min(ag, p) + f;
        const Currency genommen = nimmVonEinmal(FStBruttoEB, f);
        FBAVStEB = -genommen;
        const Currency rest = f - genommen;
        FStBrutto -= rest;
        if (ag > p) {
            FStBruttoEB += ag - p;
            FBAVStEB = ag - p;
        }
        return -rest;
    }
    if (!steuerfrei) return 0_cur;

    const Currency t = steuerGrenze(*this);
    if (laufend) {
        if (ag + an <= t) {
            FStBrutto -= an;
            return -an;
        }
        const Currency x = std::max(t - ag, 0_cur);
        FStBrutto -= x;
        if (t <= ag) {
            FStBrutto += ag - t;
            return ag - t;
        }
        return -x;
    }
    // annual approach with a one-off payment: the free part comes off the one-off payment first
    if (t < ag) {
        FStBruttoEB += ag - t;
        FBAVStEB = ag - t;
        return 0_cur;
    }
    const Currency frei = t > ag + an ? an : t - ag;
    const Currency genommen = nimmVonEinmal(FStBruttoEB, frei);
    FBAVStEB = -genommen;
    const Currency rest = frei - genommen;
    FStBrutto -= rest;
    return -rest;
}

Currency TLohnGehalt::BerechneBAVSV()
{
    FBAVSVEB = 0_cur;
    if (FBAVArt == BAVArt::Keine) return 0_cur;
    const Currency ag = FBAVBetrag;
    const Currency an = FBAVAN;
    const Currency s = svGrenze(*this);
    const bool laufend = FBAVMonatlich == 1 || FSVBruttoEB == 0_cur;

    // a change of the current contribution gross applies before and after the zone reduction alike
    auto aendern = [this](Currency delta) {
        FSVBrutto += delta;
        FSVBruttoUngek += delta;
        return delta;
    };

    if (FBAVArt == BAVArt::Unterstuetzungskasse) {
        if (an <= 0_cur) return 0_cur;
        Currency frei = std::min(an, s);
        if (!laufend) {
            const Currency genommen = nimmVonEinmal(FSVBruttoEB, frei);
            FBAVSVEB = -genommen;
            frei -= genommen;
        }
        return aendern(-frei);
    }

    const Currency p = pauschalGrenze(*this);
    const bool steuerfrei = steuerfreiNachArt(*this);
    if (steuerfrei && FStKl == 6) return aendern(ag);

    if (FBAVStFreiArt == BAVSteuer::NichtsSteuerfrei && p > 0_cur) {
        if (laufend) {
            if (FBAVMonatlich == 1) return aendern(ag);
            FSVBruttoEB += ag;
            FBAVSVEB = ag;
            return 0_cur;
        }
        const Currency einmalVorher = FSVBruttoEB;
        const Currency frei = ag + an <= p ? an : p - ag;
        FSVBruttoEB -= frei;
        FBAVSVEB = -frei;
        if (einmalVorher < an) {
            FBAVSVEB = -einmalVorher;
            FSVBruttoEB = 0_cur;
        }
        return 0_cur;
    }
    if (!steuerfrei) return 0_cur;

    if (laufend) {
        if (ag + an <= s) return aendern(-an);
        return aendern(-(s - ag));
    }
    if (s < ag) {
        FSVBruttoEB += ag - s;
        FBAVSVEB = ag - s;
        return 0_cur;
    }
    const Currency frei = std::min(an, s - ag);
    const Currency genommen = nimmVonEinmal(FSVBruttoEB, frei);
    FBAVSVEB = -genommen;
    return aendern(-(frei - genommen));
}

}  // namespace lx
