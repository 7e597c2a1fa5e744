// Contribution bases of the month and of a one-off payment, and the facts of
// the transition zone that the shares of every branch use.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Gleitzone.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// Month base against the ceiling `c` (health/care or pension/unemployment).
Currency monatsBasis(Currency c, const LohnEingaben& e)
{
    Currency basis = e.FSVTage >= 30 ? c : RundeCentExakt(c * Exact::integer(e.FSVTage) / 30);
    if (e.FSVBrutto <= basis) basis = e.FSVBrutto;
    if (e.FMehrfach == 1 && c < basis + e.FBruttoAnderer) {
        Currency s = e.FSVBrutto;
        Currency a = e.FBruttoAnderer;
        if (e.FJahr >= 2012) {
            s = std::min(s, c);
            a = std::min(a, c);
        }
        const Currency summe = s + a;
        basis = summe > 0_cur ? RundeCentExakt(c * s / summe) : 0_cur;
    }
    return basis;
}

// Share of the annual ceiling reached by the end of this month.
Currency bbgAnteil(Currency c, const LohnEingaben& e)
{
    if (e.FSVTageVorher == 0) return c;
    return (c * Exact::integer(e.FSVTageVorher + e.FSVTage) / 30).toCurrency(Round::HalfUp, kFull);
}

Currency basisEB(Currency anteil, Currency vorher, Currency monatsbasis, Currency brutto)
{
    Currency rest = anteil - vorher - monatsbasis;
    if (rest < 0_cur) rest = 0_cur;
    return std::min(rest, brutto);
}

}  // namespace

Currency TLohnGehalt::BerechneVBGrenze() const
{
    return VBGrenzeFuer(FJahr).value_or(0_cur);
}

Currency TLohnGehalt::BerechneKVBasis() const
{
    return monatsBasis(FBBGKV, *this);
}

Currency TLohnGehalt::BerechneRVBasis() const
{
    return monatsBasis(FBBGRV, *this);
}

void TLohnGehalt::BerechneSVBruttoVor()
{
    if (FSVAuto != 1) return;
    const int vormonate = std::max(FMonat - 1, 0);
    const Currency vorher = FSVBrutto * vormonate;
    FKVBruttoVor = std::min(vorher, FBBGKV * vormonate);
    FRVBruttoVor = std::min(vorher, FBBGRV * vormonate);
}

Currency TLohnGehalt::BerechneBBGKVAnteil() const
{
    return bbgAnteil(FBBGKV, *this);
}

Currency TLohnGehalt::BerechneBBGRVAnteil() const
{
    return bbgAnteil(FBBGRV, *this);
}

Currency TLohnGehalt::BerechneKVBasisEB() const
{
    return basisEB(FBBGKVAnteil, FKVBruttoVor, FKVBasis, FSVBruttoEB);
}

Currency TLohnGehalt::BerechneRVBasisEB() const
{
    return basisEB(FBBGRVAnteil, FRVBruttoVor, FRVBasis, FSVBruttoEB);
}

// A partial month is judged as a whole month: its pay is scaled to 30 days,
// the zone base formed and scaled back (joint circular of 20.12.2022, 4.3.2.5).
Currency TLohnGehalt::aufMonat(Currency betrag) const
{
    if (FSVTage >= 30 || FSVTage == 0) return betrag;
    return RundeCentExakt(betrag * Exact::integer(30) / FSVTage);
}

Currency TLohnGehalt::aufTage(Currency betrag) const
{
    if (FSVTage >= 30 || FSVTage == 0) return betrag;
    return RundeCentExakt(betrag * Exact::integer(FSVTage) / 30);
}

// Zone rule of the shares: zone on and the month's pay below the upper bound.
bool TLohnGehalt::inGleitzone() const
{
    return FGleitzone == 1 && aufMonat(FSVBruttoUngek) < FGleitzoneOG;
}

// The contribution gross of a partial month: SetSVBrutto formed the zone base
// for a whole month.
void TLohnGehalt::gleitzoneTeilmonat()
{
    if (FSVTage >= 30 || FSVTage == 0) return;
    FSVBrutto = FSVBruttoUngek;
    if (inGleitzone() && FVB == 0 && FMinijob == 0) {
        FSVBrutto = aufTage(GleitzoneBemessung(
            aufMonat(FSVBruttoUngek), {FJahr, FMonat, FGleitzoneOG, FFaktorF, FMehrfach == 1, FBruttoAnderer}));
    }
}

// From October 2022 the employee's share inside the zone has a base of its own
// and the employer pays the total less that share. Only where the zone base
// itself applies: with pension benefits the contribution gross is not reduced,
// so the total stays on the actual gross and the old equal split holds.
bool TLohnGehalt::gleitzoneNeu() const
{
    return inGleitzone() && FMinijob == 0 && FVB == 0 && GleitzoneMitANBasis(FJahr, FMonat);
}

Currency TLohnGehalt::gleitzoneBasisAN() const
{
    return aufTage(GleitzoneBemessungAN(aufMonat(FSVBruttoUngek),
                                        {FJahr, FMonat, FGleitzoneOG, FFaktorF, FMehrfach == 1, FBruttoAnderer}));
}

bool TLohnGehalt::mehrfachAufteilen() const
{
    return FMehrfach != 0 && FBBGKV < FSVBrutto + FBruttoAnderer;
}

Currency TLohnGehalt::aufteilen(Currency betrag) const
{
    const Currency summe = FSVBrutto + FBruttoAnderer;
    if (summe <= 0_cur) return betrag;
    return RundeCentExakt(betrag * FSVBrutto / summe);
}

}  // namespace lx
