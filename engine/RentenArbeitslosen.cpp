// Pension (RV) and unemployment (AV) shares of employee and employer, for the
// month and for a one-off payment.

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

// The flat-rate rules with pension obligation belong to mini-jobs only; the
// option keeps its value when the code changes back to a regular employment.
bool TLohnGehalt::MinijobMitRVPflicht() const
{
    return FMinijob == 1 && FBGRRV == RVZiffer::Voll && FMiniRVPflicht == 1;
}

bool TLohnGehalt::RVAGPauschal() const
{
    return MinijobMitRVPflicht() || FBGRRV == RVZiffer::MinijobPauschal;
}

Currency TLohnGehalt::minijobRVSatz() const
{
    return MinijobRVPauschalsatz(FJahr, FMonat);
}

bool TLohnGehalt::rvANNull() const
{
    return (FBGRRV == RVZiffer::Keine && FRVBes == RVBesonderheit::Keine) || FBGRRV == RVZiffer::MinijobPauschal ||
           FBGRRV == RVZiffer::NurArbeitgeberHalb || (FMinijob == 1 && FBGRRV != RVZiffer::Voll) ||
           FRVBes == RVBesonderheit::VersorgungswerkSelbstzahler;
}

bool TLohnGehalt::rvAGNull() const
{
    return FBGRRV == RVZiffer::Keine && FRVBes == RVBesonderheit::Keine;
}

bool TLohnGehalt::avANNull() const
{
    return FBGRRV == RVZiffer::MinijobPauschal || FBGRAV == AVZiffer::Keine || FBGRAV == AVZiffer::NurArbeitgeberHalb ||
           FBGRKV == KVZiffer::MinijobPauschal || FMinijob == 1;
}

bool TLohnGehalt::avAGNull() const
{
    return FBGRRV == RVZiffer::MinijobPauschal || FBGRAV == AVZiffer::Keine || FBGRKV == KVZiffer::MinijobPauschal ||
           FAVBes == AVBesonderheit::NurArbeitnehmeranteil || FMinijob == 1;
}

Currency TLohnGehalt::BerechneRVAN() const
{
    if (rvANNull()) return 0_cur;
    const Currency halb = HalberSatz(FRVSatz);
    if (MinijobMitRVPflicht()) {
        // the employee tops the employer's flat rate up to the full rate, at least on the minimum base
        const Currency f = minijobRVSatz();
        Currency mindest = MinijobRVMindestbemessung(FJahr);
        if (FSVTage < 30) mindest = RundeCentQuotient(dez(mindest) * FSVTage, 30);
        // the minimum is a floor of the month's whole pay, a one-off payment included
        // (SGB VI § 163 (8)): below it the employee's share of the month is what the
        // whole pay needs beyond the one-off payment's shares, computed already
        if (mindest > FRVBasis) {
            const Currency ganz = FRVBasis + FRVBasisEB;
            if (mindest <= ganz) return RundeCentExakt(Prozent(ganz, FRVSatz - f)) - FRVANEB;
            return RundeCentExakt(Prozent(mindest, FRVSatz)) - RundeCentExakt(Prozent(FRVBasis, f)) - FRVAGEB - FRVANEB;
        }
        return RundeCentExakt(Prozent(FRVBasis, FRVSatz - f));
    }
    const Currency anteil = Gerundet(Prozent(FRVBasis, halb));
    if (inGleitzone() && FMinijob == 0) {
        if (FRVVoll == 1) return RundeCentExakt(Prozent(FSVBruttoUngek, halb));
        if (gleitzoneNeu()) return Gerundet(Prozent(gleitzoneBasisAN(), halb));
        return anteil * 2 - Gerundet(Prozent(FSVBruttoUngek, halb));
    }
    return anteil;
}

Currency TLohnGehalt::BerechneRVAG() const
{
    if (rvAGNull()) return 0_cur;
    if (RVAGPauschal()) return RundeCentExakt(Prozent(FRVBasis, minijobRVSatz()));
    const Currency halb = HalberSatz(FRVSatz);
    if (gleitzoneNeu() && FRVVoll == 0) {
        // the total is the half rate on the zone base, rounded and doubled (BVV § 2 (2))
        return Gerundet(Prozent(FRVBasis, halb)) * 2 - Gerundet(Prozent(gleitzoneBasisAN(), halb));
    }
    const Currency basis = inGleitzone() ? FSVBruttoUngek : FRVBasis;
    return Gerundet(Prozent(basis, halb));
}

Currency TLohnGehalt::BerechneAVAN() const
{
    if (avANNull()) return 0_cur;
    const Currency halb = HalberSatz(FAVSatz);
    const Currency anteil = Gerundet(Prozent(FRVBasis, halb));
    if (gleitzoneNeu()) return Gerundet(Prozent(gleitzoneBasisAN(), halb));
    if (inGleitzone()) return anteil * 2 - Gerundet(Prozent(FSVBruttoUngek, halb));
    return anteil;
}

Currency TLohnGehalt::BerechneAVAG() const
{
    if (avAGNull()) return 0_cur;
    const Currency halb = HalberSatz(FAVSatz);
    if (gleitzoneNeu()) {
        return Gerundet(Prozent(FRVBasis, halb)) * 2 - Gerundet(Prozent(gleitzoneBasisAN(), halb));
    }
    const Currency basis = inGleitzone() ? FSVBruttoUngek : FRVBasis;
    return Gerundet(Prozent(basis, halb));
}

// A one-off share is 0 exactly when the same side's month share is 0 by code,
// special case or mini-job status; otherwise the month's rate rule applies to
// the one-off base.

Currency TLohnGehalt::BerechneRVANEB() const
{
    if (FBBGRVAnteil <= 0_cur || rvANNull()) return 0_cur;
    if (MinijobMitRVPflicht()) return RundeCentExakt(Prozent(FRVBasisEB, FRVSatz - minijobRVSatz()));
    return Gerundet(Prozent(FRVBasisEB, HalberSatz(FRVSatz)));
}

Currency TLohnGehalt::BerechneRVAGEB() const
{
    if (FBBGRVAnteil <= 0_cur || rvAGNull()) return 0_cur;
    if (RVAGPauschal()) return RundeCentExakt(Prozent(FRVBasisEB, minijobRVSatz()));
    return Gerundet(Prozent(FRVBasisEB, HalberSatz(FRVSatz)));
}

Currency TLohnGehalt::BerechneAVANEB() const
{
    if (FBBGRVAnteil <= 0_cur || avANNull()) return 0_cur;
    return Gerundet(Prozent(FRVBasisEB, HalberSatz(FAVSatz)));
}

Currency TLohnGehalt::BerechneAVAGEB() const
{
    if (FBBGRVAnteil <= 0_cur || avAGNull()) return 0_cur;
    return Gerundet(Prozent(FRVBasisEB, HalberSatz(FAVSatz)));
}

}  // namespace lx
