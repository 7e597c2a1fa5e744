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
    Currency basis = e.FSVTage >= 30 ? c : RundeCentQuotient(dez(c) * e.FSVTage, 30);
    if (e.FSVBrutto <= basis) basis = e.FSVBrutto;
    if (e.FMehrfach == 1 && c < basis + e.FBruttoAnderer) {
        Currency s = e.FSVBrutto;
        Currency a = e.FBruttoAnderer;
        if (e.FJahr >= 2012) {
            s = std::min(s, c);
            a = std::min(a, c);
        }
        const Currency summe = s + a;
        basis = summe > 0_cur ? RundeCentQuotient(dez(c) * dez(s), summe) : 0_cur;
    }
    return basis;
}

// Share of the annual ceiling reached by the end of this month; without
// earlier days a partial month counts its own days (SGB IV § 23a).
Currency bbgAnteil(Currency c, const LohnEingaben& e)
{
    if (e.FSVTageVorher == 0 && e.FSVTage >= 30) return c;
    return (dez(c) * (e.FSVTageVorher + e.FSVTage)).divide<kFull>(30, Round::HalfUp).toCurrency(Round::Cut);
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
    return RundeCentQuotient(dez(betrag) * 30, FSVTage);
}

Currency TLohnGehalt::aufTage(Currency betrag) const
{
    if (FSVTage >= 30 || FSVTage == 0) return betrag;
    return RundeCentQuotient(dez(betrag) * FSVTage, 30);
}

// Zone rule of the shares: zone on and the month's pay below the upper bound.
// A month with a one-off payment is in the zone only when the current pay and
// the payment together are (joint circular of 21.03.2019, 5.3.5).
bool TLohnGehalt::inGleitzone() const
{
    return FGleitzone == 1 && aufMonat(FSVBruttoUngek + FSVBruttoEB) < FGleitzoneOG;
}

// The contribution gross of the current pay `ae` in this month's zone rule.
Currency TLohnGehalt::gleitzoneBasis(Currency ae) const
{
    if (!inGleitzone() || FVB != VBModus::Keiner || FMinijob != 0) return ae;
    return aufTage(
        GleitzoneBemessung(aufMonat(ae), {FJahr, FMonat, FGleitzoneOG, FFaktorF, FMehrfach == 1, FBruttoAnderer}));
}

// SetSVBrutto formed the zone base for a whole month without a one-off
// payment; a partial month or a one-off payment may change it.
void TLohnGehalt::gleitzoneDesMonats()
{
    if ((FSVTage >= 30 || FSVTage == 0) && FSVBruttoEB == 0_cur) return;
    FSVBrutto = gleitzoneBasis(FSVBruttoUngek);
}

// In the zone the contributions are on the zone base of the current pay and
// the one-off payment together: the one-off shares are the shares of the sum
// less those of the current pay.
void TLohnGehalt::gleitzoneMitEinmalzahlung()
{
    if (FSVBruttoEB == 0_cur || !inGleitzone() || FVB != VBModus::Keiner || FMinijob != 0) return;
    TLohnGehalt summe = *this;
    summe.FSVBruttoUngek = FSVBruttoUngek + FSVBruttoEB;
    summe.FSVBruttoEB = 0_cur;
    summe.FRVBasisEB = 0_cur;
    summe.FSVBrutto = summe.gleitzoneBasis(summe.FSVBruttoUngek);
    summe.FKVBasis = summe.BerechneKVBasis();
    summe.FRVBasis = summe.BerechneRVBasis();
    FKVANEB = summe.BerechneKVAN() - FKVAN;
    FKVAGEB = summe.BerechneKVAG() - FKVAG;
    FRVANEB = summe.BerechneRVAN() - FRVAN;
    FRVAGEB = summe.BerechneRVAG() - FRVAG;
    FAVANEB = summe.BerechneAVAN() - FAVAN;
    FAVAGEB = summe.BerechneAVAG() - FAVAG;
    FPVANEB = summe.BerechnePVAN() - FPVAN;
    FPVAGEB = summe.BerechnePVAG() - FPVAG;
    FInsolvenz = summe.BerechneInsolvenz();
}

// From October 2022 the employee's share inside the zone has a base of its own
// and the employer pays the total less that share. Only where the zone base
// itself applies: with pension benefits the contribution gross is not reduced,
// so the total stays on the actual gross and the old equal split holds.
bool TLohnGehalt::gleitzoneNeu() const
{
    return inGleitzone() && FMinijob == 0 && FVB == VBModus::Keiner && GleitzoneMitANBasis(FJahr, FMonat);
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
    return RundeCentQuotient(dez(betrag) * dez(FSVBrutto), summe);
}

}  // namespace lx
