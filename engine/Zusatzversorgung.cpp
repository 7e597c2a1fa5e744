// Supplementary pension scheme of the public service: employer levy,
// additional levy, Sanierungsgeld, employee contribution, and the parts of the
// levies that are taxable, flat-taxed or liable to contributions.

#include <algorithm>

#include "Beitragsrundung.h"
#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"

namespace lx {

Currency TLohnGehalt::ZVUmlageSatz() const
{
    return ZVUmlageSatzFuer(FZVArt, FZVSatzAG);
}

Currency TLohnGehalt::BerechneZVAG() const
{
    return RundeCentExakt(Prozent(FZVBrutto, FZVUmlageSatz));
}

Currency TLohnGehalt::BerechneZVZusatzumlage() const
{
    if (FZVUmlage != 1) return 0_cur;
    const auto grenze = ZVZusatzumlageGrenze(FJahr, FMonat);
    if (!grenze || FZVBrutto <= *grenze) return 0_cur;
    return RundeCentExakt(Prozent(FZVBrutto - *grenze, kZVZusatzumlageSatz));
}

Currency TLohnGehalt::BerechneSanierungsgeld()
{
    FSanierungsgeldSatz = SanierungsgeldSatzFuer(FZVArt, FJahr, FSanierungsgeldSatz);
    return RundeCentExakt(Prozent(FZVBrutto, FSanierungsgeldSatz));
}

Currency TLohnGehalt::BerechneZVStPfl()
{
    // settle the tax-free maximum for the rest of this computation
    Currency m = FZVMax56;
    if (m == 0_cur) {
        m = RundeCentExakt(Prozent(FBBGRV, Currency::fromUnits(ZVSteuerfreiProzent(FJahr))));
    } else if (m > FZVAG) {
        m = FZVAG;
    }
    if (FBAVArt != BAVArt::Keine && (FBAVStFreiArt == BAVSteuer::Nr63 || FBAVStFreiArt == BAVSteuer::AllesSteuerfrei))
        m = std::max(m - (FBAVBetrag + FBAVAN), 0_cur);
    FZVMax56 = m;

    const Currency umlagen = FZVAG + FZVZusatzumlage;
    if (FStKl == 6) return umlagen;
    return std::max(umlagen - m - FZVPStGrenze, 0_cur);
}

Currency TLohnGehalt::BerechneZVPauschal()
{
    const Currency umlagen = FZVAG + FZVZusatzumlage;
    if (FZVMax56 > umlagen) FZVMax56 = umlagen;
    if (FStKl == 6) return 0_cur;
    return std::min(FZVPStGrenze, umlagen - FZVMax56);
}

Currency TLohnGehalt::BerechneZVSVPfl() const
{
    const Currency umlagen = FZVAG + FZVZusatzumlage;
    Currency frei;
    if (FStKl == 6) {
        frei = 0_cur;
    } else if (FZVMax56 != 0_cur) {
        frei = std::min(FZVMax56, FZVAG);
    } else {
        frei = RundeCentExakt(Prozent(FBBGRV, 1_cur));
    }
    if (FBAVArt != BAVArt::Keine) frei = std::max(frei - (FBAVBetrag + FBAVAN), 0_cur);
    frei = std::min(frei, umlagen);
    const Currency einzeln = std::max(umlagen - frei - FZVPauschal, 0_cur);

    // Gross equivalent of a levy amount at the scheme's rate; a scheme
    // without employer rate has none.
    const Currency satz = FZVUmlageSatz;
    auto bruttoWert = [satz](Currency x) { return satz == 0_cur ? 0_cur : RundeCentQuotient(dez(x) * 100, satz); };
    Currency ergebnis;
    if (frei + FZVPauschal > 100_cur) {
        const Currency hinzu100 = RundeCentExakt(Prozent(bruttoWert(100_cur), 2.5_cur)) - 13.30_cur;
        ergebnis = frei + FZVPauschal - 100_cur + einzeln + hinzu100;
    } else {
        ergebnis = einzeln + RundeCentExakt(Prozent(bruttoWert(frei) + bruttoWert(FZVPauschal), 2.5_cur)) - 13.30_cur;
    }
    return std::max(ergebnis, 0_cur);
}

Currency TLohnGehalt::BerechneZVAN() const
{
    if (FZVArt.empty() || FZVArt == "keine" || FZVSatzAN == 0_cur) return 0_cur;
    return RundeCentExakt(Prozent(FZVBrutto, FZVSatzAN));
}

}  // namespace lx
