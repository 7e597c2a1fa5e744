// Routines of the plans up to 2009 that the later plans replaced: the
// provision allowance with the prior deduction (UPEVP, MVSP, UMVSP) and 2008's
// pay for several years on a saved base (MVMT).

#include <algorithm>

#include "LxMath.h"
#include "PlanModul.h"
#include "PlanRundung.h"

namespace lx {

namespace {

// The amounts of the provision allowance up to 2009, per tariff unit (times KZTAB).
constexpr Currency kVHB = 1500_cur;      // limit of VSP2
constexpr Currency kVSPVOR = 3068_cur;   // prior deduction
constexpr Currency kVSPMAX1 = 1334_cur;  // maximum beyond the prior deduction
constexpr Currency kVSPMAX2 = 667_cur;   // half of the rest, at most
constexpr Currency kVSPKURZ = 1134_cur;  // maximum when not pension-insured (KRV 1)

}  // namespace

void PlanModul::UPEVPVorwegabzug()
{
    if (z_.KRV == 0) {
        if (z_.ZRE4VP > z_.BBGRV) z_.ZRE4VP = z_.BBGRV;
        Currency basis = z_.ZRE4VP;
        if (p_->TBSVORV) basis = AbrundenCentExakt(dez(basis) * *p_->TBSVORV);
        z_.VSP1 = AbrundenCentExakt(dez(basis) * z_.RVSATZAN);
    } else {
        z_.VSP1 = 0_cur;
    }
    z_.VSP2 = AbrundenCentExakt(dez(z_.ZRE4VP) * 0.11_d);
    const Currency VHB = kVHB * z_.KZTAB;
    if (z_.VSP2 > VHB) z_.VSP2 = VHB;
    z_.VSPN = AufrundenEuro(z_.VSP1 + z_.VSP2);
    MVSPVorwegabzug();
    if (z_.VSPN > z_.VSP) z_.VSP = z_.VSPN;
}

void PlanModul::MVSPVorwegabzug()
{
    const Currency VSPO = AbrundenCentExakt(dez(z_.ZRE4VP) * 0.20_d);
    if (z_.KRV == 1) {
        const Currency VSPKURZ = kVSPKURZ * z_.KZTAB;
        z_.VSP = VSPO <= VSPKURZ ? AbrundenEuro(VSPO) : VSPKURZ;
    } else {
        UMVSP(VSPO, kVSPVOR * z_.KZTAB, kVSPMAX1 * z_.KZTAB, kVSPMAX2 * z_.KZTAB);
    }
}

void PlanModul::UMVSP(Currency VSPO, Currency VSPVOR, Currency VSPMAX1, Currency VSPMAX2)
{
    VSPVOR = std::max(VSPVOR - AbrundenCentExakt(dez(z_.ZRE4VP) * 0.16_d), 0_cur);
    if (VSPO <= VSPVOR) {
        z_.VSP = AbrundenEuro(VSPO);
        return;
    }
    Currency VSPREST = VSPO - VSPVOR;
    if (VSPREST <= VSPMAX1) {
        z_.VSP = AbrundenEuro(VSPVOR + VSPREST);
        return;
    }
    VSPREST = AufrundenCentExakt(Haelfte(dez(VSPREST - VSPMAX1)));
    z_.VSP = AbrundenEuro(VSPVOR + VSPMAX1 + std::min(VSPREST, VSPMAX2));
}

Currency PlanModul::MVMTAufGespeicherteBasis(Currency SONSTB, Currency LST1)
{
    // The base without the pay for several years, as MOSONST or LohnsteuerSonst left it.
    z_.ZRE4S = z_.ZRE4;
    z_.ZTABFBS = z_.ZTABFB;
    z_.FVBZA = z_.FVBZ;

    z_.VBEZBSO = 0_cur;
    z_.ZRE4J = AbrundenCentExakt(dez(z_.VMT + z_.JRE4 + SONSTB * 100).div10<2>());
    z_.ZVBEZJ = AbrundenCentExakt(dez(z_.JVBEZ + z_.VBS).div10<2>());
    MRE4SONST();
    MLSTJAHR();  // KENNVMT 0: normal taxation of the whole pay
    const Currency normal = z_.ST * 100;

    z_.ZTABFB = z_.ZTABFB - z_.FVBZ + z_.FVBZA;
    Currency STV;
    if (SONSTB * 100 + z_.JRE4 - z_.JFREIB + z_.JHINZU >= 0_cur) {
        z_.KENNVMT = 1;
        z_.VMTA = Fuenftel(dez(z_.VMT).div10<2>() - dez(z_.ZTABFB) + dez(z_.ZTABFBS)).toCurrency(Round::Cut);
        MLSTJAHR();
        STV = (z_.ST * 100 - LST1) * 5;
    } else {
        z_.KENNVMT = 2;
        MLSTJAHR();
        STV = z_.ST * 100 * 5;
    }
    if (STV > normal - LST1) {
        STV = normal - LST1;
        z_.vmtBegrenzt = 1;
    }
    return STV;
}

}  // namespace lx
