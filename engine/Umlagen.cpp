// Employer levies (U1, U2, insolvency money), partial-retirement top-up with
// its additional pension contribution, and the employees' chamber levy.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

// U1 and U2 are on the actual pay up to the pension ceiling, in the transition
// zone too (AAG § 7 (2)): not on the zone's reduced base.
Currency TLohnGehalt::umlageBasis() const
{
    if (!inGleitzone()) return FRVBasis;
    const Currency grenze = FSVTage >= 30 ? FBBGRV : RundeCentQuotient(dez(FBBGRV) * FSVTage, 30);
    return std::min(FSVBruttoUngek, grenze);
}

Currency TLohnGehalt::BerechneU1() const
{
    if (FVB != VBModus::Keiner || FRVBasis <= 0_cur) return 0_cur;
    return RundeCentExakt(Prozent(umlageBasis(), FU1Satz));
}

Currency TLohnGehalt::BerechneU2() const
{
    if (FVB != VBModus::Keiner || FRVBasis <= 0_cur) return 0_cur;
    return Gerundet(Prozent(umlageBasis(), FU2Satz));
}

Currency TLohnGehalt::BerechneInsolvenz() const
{
    // collected through the contributions since 2009, suspended in 2011
    if (!InsolvenzgeldumlageMitBeitraegen(FJahr) || FJahr == 2011 || FRVBasis <= 0_cur) return 0_cur;
    return Gerundet(Prozent(FRVBasis + FRVBasisEB, FInsolvenzSatz));
}

Currency TLohnGehalt::BerechneATZAufstockung() const
{
    if (FATZ == 0) return 0_cur;
    return RundeCentExakt(Prozent(FATZRegelentgelt, FATZAufstockung));
}

Currency TLohnGehalt::BerechneATZRVBasis() const
{
    if (FATZ == 0) return 0_cur;
    Currency x = RundeCentExakt(Prozent(FATZRegelentgelt, FATZAufstRV));
    const Currency grenze90 = RundeCentExakt(Prozent(FBBGRV, 90_cur));
    if (x > grenze90 - FATZRegelentgelt) x = grenze90 - FATZRegelentgelt;
    if (FRVBasis + x > FBBGRV) x = FBBGRV - FRVBasis;
    // pay already at or above these limits leaves no room for an additional contribution
    return std::max(x, 0_cur);
}

Currency TLohnGehalt::BerechneATZRVBeitrag() const
{
    if (FATZ == 0) return 0_cur;
    return RundeCentExakt(Prozent(FATZRVBasis, FRVSatz));
}

Currency TLohnGehalt::BerechneKammerbeitrag() const
{
    if (FKammer == 2) return 0_cur;
    const Currency satz = KammerbeitragSatz(FBundesland);
    if (FBundesland == kBundeslandBremen) {
        // on the month's taxable pay, also in a partial month
        if (stBruttoMonat_ <= 250_cur) return 0_cur;
        return AbrundenCentExakt(Prozent(stBruttoMonat_, satz));
    }
    if (FBundesland == kBundeslandSaarland) {
        if (FMinijob == 1) return 0_cur;
        const Currency basis = std::min(RundeCentExakt(Prozent(FBBGRV, 75_cur)), FRVBasis);
        return AbrundenCentExakt(Prozent(basis, satz));
    }
    return 0_cur;
}

}  // namespace lx
