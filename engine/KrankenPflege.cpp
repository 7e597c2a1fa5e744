// Health (KV) and care (PV) shares of employee and employer: statutory
// insurance, voluntary members, private premiums with the employer's subsidy,
// the transition zone, pension benefits, Saxony's care split, the childless
// surcharge and the child discount, for the month and a one-off payment.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

namespace {

// Half of a private premium, cut to cents; the other half is the premium less it.
Currency halbePraemie(Currency p)
{
    return AbrundenCentExakt(Haelfte(dez(p)));
}

bool vorJuli2005(int jahr, int monat)
{
    return jahr < 2005 || (jahr == 2005 && monat <= 6);
}

}  // namespace

// --- health

Currency TLohnGehalt::kvOrdentlichAN(Currency basis) const
{
    const Currency s2 = HalberSatz(FKVSatz);
    const Currency z = FKVZusatz;
    if (vorJuli2005(FJahr, FMonat)) return Gerundet(Prozent(basis, s2));
    if (FJahr == 2005) return Gerundet(Prozent(basis, z) + dez(Gerundet(Prozent(basis, s2))));
    if (FJahr <= 2014) return Gerundet(Prozent(basis, s2 + z));
    if (FJahr <= 2018) return Gerundet(Prozent(basis, s2)) + Gerundet(Prozent(basis, z));
    return Gerundet(Prozent(basis, s2)) + Gerundet(Prozent(basis, HalberSatz(z)));
}

// From 2019 the contribution on the general rate and the one on the additional
// rate are each rounded, then added (the contribution statement reports the
// additional contribution apart), on either side.
Currency TLohnGehalt::kvOrdentlichAG(Currency basis) const
{
    const Currency anteil = Gerundet(Prozent(basis, HalberSatz(FKVSatz)));
    return KVZusatzParitaetisch(FJahr) ? anteil + Gerundet(Prozent(basis, HalberSatz(FKVZusatz))) : anteil;
}

Currency TLohnGehalt::kvSatzAG() const
{
    return HalberSatz(FKVSatz) + (KVZusatzParitaetisch(FJahr) ? HalberSatz(FKVZusatz) : 0_cur);
}

bool TLohnGehalt::kvANNull() const
{
    return (FBGRKV == KVZiffer::Keine &&
            (FKVBes == Besonderheit::Keine || FKVBes == Besonderheit::PrivatOhneZuschuss)) ||
           FBGRKV == KVZiffer::MinijobPauschal || FKVBes == Besonderheit::PrivatSelbstzahler ||
           FKVBes == Besonderheit::NichtVersichert || FMinijob == 1;
}

bool TLohnGehalt::kvAGNull() const
{
    return (FBGRKV == KVZiffer::Keine &&
            (FKVBes == Besonderheit::Keine || FKVBes == Besonderheit::PrivatOhneZuschuss)) ||
           FKVBes == Besonderheit::NichtVersichert || FVB != VBModus::Keiner;
}

// Voluntary members and private premiums: the month's amount follows the
// premium, not the pay, so a one-off payment adds nothing.
bool TLohnGehalt::kvBeitragAusPraemie() const
{
    return KVFreiwillig() || FKVBes == Besonderheit::PrivatFirmenzahler || FKVBes == Besonderheit::PrivatSelbstzahler;
}

Currency TLohnGehalt::BerechneKVAN() const
{
    if (kvANNull()) return 0_cur;
    const Currency b = FKVBasis;
    const Currency s = FKVSatz;
    const Currency z = FKVZusatz;
    const Currency v = FPKVNachSVBrutto == 1 ? b : FBBGKV;
    Currency anteil = kvOrdentlichAN(b);

    if (KVFreiwillig()) {
        // voluntary member: the full premium
        if (vorJuli2005(FJahr, FMonat)) {
            anteil = Gerundet(Prozent(v, s));
        } else if (FJahr <= 2014) {
            anteil = Gerundet(Prozent(v, s + z));
        } else if (FJahr <= 2018) {
            anteil = Gerundet(Prozent(v, s)) + Gerundet(Prozent(v, z));
        } else {
            anteil = RundeCentExakt(Prozent(v, s + z));
        }
        if (mehrfachAufteilen()) anteil = FJahr < 2012 ? aufteilen(anteil) : RundeCentExakt(Prozent(b, s + z));
    }
    if (FKVBes == Besonderheit::PrivatFirmenzahler) {
        // private, premium paid through the employer: premium less subsidy
        const Currency p = FPKVBeitrag;
        anteil = p - std::min(FPKVZuschussMax, p - halbePraemie(p));
        if (FPKVNachSVBrutto == 1 && b < FBBGKV) {
            anteil = Gerundet(dez(Gerundet(Prozent(b, FKVSatzZuschuss))) - Prozent(b, HalberSatz(FKVSatzZuschuss)));
        }
        if (mehrfachAufteilen()) anteil = aufteilen(anteil);
    }
    if (inGleitzone()) {
        const Currency s2 = HalberSatz(s);
        const Currency z2 = HalberSatz(z);
        const Currency u = FSVBruttoUngek;
        if (gleitzoneNeu()) {
            anteil = kvOrdentlichAN(gleitzoneBasisAN());
        } else {
            anteil = Gerundet(Prozent(b, s2)) * 2 - Gerundet(Prozent(u, s2));
            if (KVZusatzParitaetisch(FJahr)) {
                anteil += Gerundet(Prozent(b, z2)) * 2 - Gerundet(Prozent(u, z2));
            } else if (!vorJuli2005(FJahr, FMonat)) {
                anteil += Gerundet(Prozent(b, z));
            }
        }
    }
    if (FVB != VBModus::Keiner) {
        // pension benefits: the full rate
        Currency t = b;
        if (VBFreibetragKV(FJahr) && FVB == VBModus::NichtAbfuehren) t = std::max(b - FVBGrenze, 0_cur);
        anteil = Gerundet(Prozent(t, s)) + Gerundet(Prozent(t, z));
        if (FVBMax > 0_cur && FVBMax < b) anteil = Gerundet(Prozent(FVBMax, s)) + Gerundet(Prozent(FVBMax, z));
        if (!VBFreibetragKV(FJahr) && FVB == VBModus::NichtAbfuehren && FVBGrenze > b) anteil = 0_cur;
    }
    return anteil;
}

Currency TLohnGehalt::BerechneKVAG() const
{
    if (kvAGNull()) return 0_cur;
    const Currency b = FKVBasis;
    const Currency v = FPKVNachSVBrutto == 1 ? b : FBBGKV;
    Currency anteil;
    if (gleitzoneNeu()) {
        // each part's total is the half rate on the zone base, rounded and doubled
        anteil = kvOrdentlichAG(b) * 2 - kvOrdentlichAN(gleitzoneBasisAN());
    } else {
        const Currency basis = inGleitzone() ? FSVBruttoUngek : b;
        anteil = kvOrdentlichAG(basis);
    }
    if (KVFreiwillig()) {
        anteil = Gerundet(Prozent(v, kvSatzAG()));
        if (mehrfachAufteilen()) anteil = FJahr < 2012 ? aufteilen(anteil) : RundeCentExakt(Prozent(b, kvSatzAG()));
    }
    if (FKVBes == Besonderheit::PrivatFirmenzahler || FKVBes == Besonderheit::PrivatSelbstzahler) {
        const Currency p = FPKVBeitrag;
        anteil = std::min(FPKVZuschussMax, p - halbePraemie(p));
        if (FPKVNachSVBrutto == 1 && b < FBBGKV) {
            anteil = Gerundet(dez(Gerundet(Prozent(b, FKVSatzZuschuss))) - Prozent(b, HalberSatz(FKVSatzZuschuss)));
        }
        if (mehrfachAufteilen()) {
            if (FJahr < 2012) {
                anteil = aufteilen(anteil);
            } else {
                const auto halbeP = Haelfte(dez(p));
                const Currency e = dez(FPKVZuschussMax) >= halbeP ? RundeCentExakt(halbeP) : FPKVZuschussMax;
                // e / FBBGKV x b, divided last
                anteil = FBBGKV > 0_cur ? RundeCentQuotient(dez(e) * dez(b), FBBGKV) : 0_cur;
            }
        }
    }
    if (FBGRKV == KVZiffer::MinijobPauschal) anteil = Gerundet(Prozent(b, MinijobKVPauschalsatz(FJahr, FMonat)));
    return anteil;
}

Currency TLohnGehalt::BerechneKVANEB() const
{
    if (FBBGKVAnteil <= 0_cur || kvANNull() || kvBeitragAusPraemie()) return 0_cur;
    const Currency e = FKVBasisEB;
    if (FVB != VBModus::Keiner) return Gerundet(Prozent(e, FKVSatz)) + Gerundet(Prozent(e, FKVZusatz));
    return kvOrdentlichAN(e);
}

Currency TLohnGehalt::BerechneKVAGEB() const
{
    if (FBBGKVAnteil <= 0_cur || kvAGNull() || kvBeitragAusPraemie()) return 0_cur;
    if (FBGRKV == KVZiffer::MinijobPauschal) return Gerundet(Prozent(FKVBasisEB, MinijobKVPauschalsatz(FJahr, FMonat)));
    return kvOrdentlichAG(FKVBasisEB);
}

// --- care

Currency TLohnGehalt::pvZuschlag() const
{
    return (FJahr >= 2005 && FPVZuschlag == 1) ? PVZuschlagFuer(FJahr, FMonat) : 0_cur;
}

Currency TLohnGehalt::pvKinderAbschlagPunkte() const
{
    return PVKinderAbschlag(FJahr, FMonat, FPVKinder);
}

Currency TLohnGehalt::BerechnePVSatzKinder() const
{
    return FPVSatz - pvKinderAbschlagPunkte();
}

// Employee's care rate without surcharge and child discount; Saxony shifts one
// point of the rate to the employee.
Currency TLohnGehalt::pvSatzANOhneKinder() const
{
    if (FSachsen == 1 && FBGRPV != PVZiffer::Halb) return HalberSatz(FPVSatz - 1_cur) + 1_cur;
    return HalberSatz(FPVSatz);
}

// The child discount lowers the employee's rate in Saxony as everywhere else.
Currency TLohnGehalt::pvSatzAN() const
{
    return pvSatzANOhneKinder() - pvKinderAbschlagPunkte();
}

Currency TLohnGehalt::pvSatzAG() const
{
    if (FSachsen == 1 && FBGRPV != PVZiffer::Halb) return HalberSatz(FPVSatz - 1_cur);
    return HalberSatz(FPVSatz);
}

// Care digit 0 means no care insurance.
bool TLohnGehalt::pvANNull() const
{
    return FBGRRV == RVZiffer::MinijobPauschal || FBGRKV == KVZiffer::MinijobPauschal ||
           FPVBes == Besonderheit::PrivatSelbstzahler || FPVBes == Besonderheit::PrivatOhneZuschuss ||
           FPVBes == Besonderheit::NichtVersichert ||
           (FBGRKV == KVZiffer::Keine && (FPVBes == Besonderheit::Keine || FPVBes == Besonderheit::NichtVersichert)) ||
           (FBGRPV == PVZiffer::Keine && FPVBes == Besonderheit::Keine) || FMinijob == 1;
}

bool TLohnGehalt::pvAGNull() const
{
    return FBGRRV == RVZiffer::MinijobPauschal || FBGRKV == KVZiffer::MinijobPauschal ||
           FPVBes == Besonderheit::PrivatOhneZuschuss || FPVBes == Besonderheit::NichtVersichert ||
           (FBGRKV == KVZiffer::Keine && (FPVBes == Besonderheit::Keine || FPVBes == Besonderheit::NichtVersichert)) ||
           (FBGRPV == PVZiffer::Keine && FPVBes == Besonderheit::Keine) || FMinijob == 1 || FVB != VBModus::Keiner;
}

bool TLohnGehalt::pvBeitragAusPraemie() const
{
    return PVFreiwillig() || FPVBes == Besonderheit::PrivatFirmenzahler || FPVBes == Besonderheit::PrivatSelbstzahler;
}

Currency TLohnGehalt::BerechnePVAN() const
{
    if (pvANNull()) return 0_cur;
    const Currency b = FKVBasis;
    const Currency p = FPVSatz;
    const Currency v = FPKVNachSVBrutto == 1 ? b : FBBGKV;
    const Currency zuschlag = pvZuschlag();
    const Currency abschlag = pvKinderAbschlagPunkte();
    // the full rate that a member pays alone (voluntary member, pension benefits)
    const Currency vollerSatz = p + zuschlag - abschlag;

    Currency anteil = Gerundet(Prozent(b, pvSatzAN() + zuschlag));
    if (PVFreiwillig()) {
        anteil = Gerundet(Prozent(v, vollerSatz));
        if (mehrfachAufteilen()) anteil = FJahr < 2012 ? aufteilen(anteil) : RundeCentExakt(Prozent(b, vollerSatz));
    }
    if (FPVBes == Besonderheit::PrivatFirmenzahler) {
        const Currency q = FPPVBeitrag;
        const Currency grenze = Gerundet(Prozent(FBBGKV, pvSatzAG()));
        anteil = q - std::min(q - halbePraemie(q), grenze);
        if (FPKVNachSVBrutto == 1 && b < FBBGKV) anteil = Gerundet(Prozent(b, HalberSatz(p)));
        if (mehrfachAufteilen()) anteil = aufteilen(anteil);
    }
    if (inGleitzone()) {
        if (gleitzoneNeu()) {
            // the childless surcharge on the zone base (SGB IV § 20 (2a)), borne by the employee
            // alone; the child discount lowers the employee's own share
            const Currency be = gleitzoneBasisAN();
            anteil = Gerundet(Prozent(be, pvSatzANOhneKinder())) + Gerundet(Prozent(b, zuschlag)) -
                     Gerundet(Prozent(be, abschlag));
        } else {
            // total on the zone base less the employer's share on the actual gross
            Currency gesamt = Gerundet(Prozent(b, HalberSatz(p))) * 2;
            if (zuschlag > 0_cur) gesamt += Gerundet(Prozent(b, zuschlag));
            anteil = gesamt - Gerundet(Prozent(FSVBruttoUngek, pvSatzAG()));
        }
    }
    if (FVB != VBModus::Keiner) {
        anteil = Gerundet(Prozent(b, vollerSatz));
        if (FVBMax > 0_cur && FVBMax < b) anteil = Gerundet(Prozent(FVBMax, vollerSatz));
        if (FVB == VBModus::NichtAbfuehren && FVBGrenze > b) anteil = 0_cur;
    }
    return anteil;
}

Currency TLohnGehalt::BerechnePVAG() const
{
    if (pvAGNull()) return 0_cur;
    const Currency b = FKVBasis;
    const Currency p = FPVSatz;
    const Currency v = FPKVNachSVBrutto == 1 ? b : FBBGKV;
    Currency anteil;
    if (gleitzoneNeu()) {
        anteil = Gerundet(Prozent(b, HalberSatz(p))) * 2 - Gerundet(Prozent(gleitzoneBasisAN(), pvSatzANOhneKinder()));
    } else {
        const Currency basis = inGleitzone() ? FSVBruttoUngek : b;
        anteil = Gerundet(Prozent(basis, pvSatzAG()));
    }
    // The employer's subsidy of a voluntary or private member follows the
    // employer's rate: in Saxony at most the ceiling at the Saxony rate.
    const Currency g = pvSatzAG();
    const Currency zuschussMax = g == HalberSatz(p) ? FPPVZuschussMax : Gerundet(Prozent(FBBGKV, g));
    if (PVFreiwillig()) {
        anteil = Gerundet(Prozent(v, g));
        if (mehrfachAufteilen()) anteil = FJahr < 2012 ? aufteilen(anteil) : Gerundet(Prozent(b, g));
    }
    if (FPVBes == Besonderheit::PrivatFirmenzahler || FPVBes == Besonderheit::PrivatSelbstzahler) {
        const Currency q = FPPVBeitrag;
        const Currency hq = halbePraemie(q);
        const Currency u = std::min(q - hq, Gerundet(Prozent(FBBGKV, g)));
        anteil = std::min(zuschussMax, u);
        if (FPKVNachSVBrutto == 1 && b < FBBGKV) anteil = Gerundet(Prozent(b, g));
        if (mehrfachAufteilen()) {
            if (FJahr < 2012) {
                anteil = aufteilen(anteil);
            } else {
                const Currency j = hq <= zuschussMax ? hq : zuschussMax;
                anteil = FBBGKV > 0_cur ? RundeCentQuotient(dez(j) * dez(b), FBBGKV) : 0_cur;
            }
        }
    }
    return anteil;
}

Currency TLohnGehalt::BerechnePVANEB() const
{
    if (FBBGKVAnteil <= 0_cur || pvANNull() || pvBeitragAusPraemie()) return 0_cur;
    const Currency zuschlag = pvZuschlag();
    if (FVB != VBModus::Keiner) return Gerundet(Prozent(FKVBasisEB, FPVSatz + zuschlag - pvKinderAbschlagPunkte()));
    return Gerundet(Prozent(FKVBasisEB, pvSatzAN() + zuschlag));
}

Currency TLohnGehalt::BerechnePVAGEB() const
{
    if (FBBGKVAnteil <= 0_cur || pvAGNull() || pvBeitragAusPraemie()) return 0_cur;
    return Gerundet(Prozent(FKVBasisEB, pvSatzAG()));
}

}  // namespace lx
