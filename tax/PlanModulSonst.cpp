// The follow-up operations: surcharge and church tax of the period, a special
// payment (MSONST with MOSONST, MRE4SONST, STSMIN, MSOLZSTS) and pay for
// several years (MVMT).

#include <algorithm>

#include "Kirchensteuer.h"
#include "LxMath.h"
#include "PlanModul.h"
#include "PlanRundung.h"

namespace lx {

namespace {

Currency zuCent(Currency euro)
{
    return euro * 100;
}
Currency zuEuro(Currency cent)
{
    return dez(cent).div10<2>().toCurrency(Round::Cut);
}

// 5.5 % of a tax in cents, in euros cut to cents.
Currency solz(Currency steuerCent)
{
    return AbrundenCentExakt(dez(steuerCent).div10<2>() * 0.055_d);
}

}  // namespace

Currency PlanModul::SolzLzz()
{
    if (z_.STKL == 0) return 0_cur;
    return zuEuro(z_.SOLZLZZ);
}

Currency PlanModul::KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                                     Currency Satz)
{
    if (z_.STKL == 0) return 0_cur;
    if (Pflichtig == 0) {
        z_.BK = 0_cur;
        return 0_cur;
    }
    z_.BK = UPANTEIL(z_.JBMG * 100);
    return kirchensteuer(z_.BK, Bundesland, Konfession, Anteil, Kappung, Satz);
}

Currency PlanModul::KirchensteuerSonst(int Pflichtig, int Bundesland, int Konfession, int Anteil, int AufVmt,
                                       Currency Kappung, Currency Satz)
{
    if (z_.STKL == 0 || Pflichtig == 0) return 0_cur;
    if (!bietet(AufVmt == 1 ? PlanOperation::LohnsteuerVmt : PlanOperation::LohnsteuerSonst)) return 0_cur;
    return kirchensteuer(AufVmt == 1 ? z_.STV : z_.STS, Bundesland, Konfession, Anteil, Kappung, Satz);
}

Currency PlanModul::kirchensteuer(Currency basisCent, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                                  Currency Satz) const
{
    KirchensteuerFall fall;
    fall.Bundesland = Bundesland;
    fall.Konfession = Konfession;
    fall.Anteil = Anteil;
    fall.Kappung = Kappung;
    fall.Satz = Satz;
    fall.basisCent = basisCent;
    fall.RE4Cent = z_.RE4;
    fall.LSTLZZCent = z_.LSTLZZ;
    fall.LZZ = z_.LZZ;
    fall.Jahr = kirchensteuerJahr(p_->name);
    return Kirchensteuer(fall);
}

Currency PlanModul::LohnsteuerSonst(Currency SONSTB, Currency JRE4, Currency JVBEZ, Currency VBS)
{
    if (z_.STKL == 0 || !p_->operationen.LohnsteuerSonst) return 0_cur;
    // Special payments are taxed on annual amounts for the rest of the calculation.
    z_.LZZ = 1;
    if (z_.ZMVB == 0) z_.ZMVB = 12;
    if (SONSTB.isZero() && z_.MBV.isZero()) {
        z_.LSTSO = 0_cur;
        z_.STS = 0_cur;
        return 0_cur;
    }
    z_.JRE4 = zuCent(JRE4);
    z_.JVBEZ = zuCent(JVBEZ);
    z_.VBS = zuCent(VBS);

    MOSONST();
    z_.ZRE4J = AbrundenCentExakt(dez(z_.JRE4).div10<2>() + dez(SONSTB));
    z_.ZVBEZJ = AbrundenCentExakt(dez(z_.JVBEZ + z_.VBS).div10<2>());
    z_.VBEZBSO = 0_cur;
    MRE4SONST();
    MLSTJAHR();
    z_.LSTSO = z_.ST * 100;
    const auto mitF = dez(z_.LSTSO - z_.LSTOSO) * dez(z_.f);
    z_.STS = p_->stsStv == SonstRundung::GanzeEuro ? AbrundenEuroExakt(mitF.div10<2>()) * 100 : AbrundenEuroExakt(mitF);
    STSMIN();
    return zuEuro(z_.STS);
}

void PlanModul::MOSONST()
{
    z_.ZRE4J = AbrundenCentExakt(dez(z_.JRE4).div10<2>());
    z_.ZVBEZJ = AbrundenCentExakt(dez(z_.JVBEZ).div10<2>());
    z_.JLFREIB = AbrundenCentExakt(dez(z_.JFREIB).div10<2>());
    z_.JLHINZU = AbrundenCentExakt(dez(z_.JHINZU).div10<2>());
    MRE4();
    MRE4ABZ();
    z_.ZRE4VP -= zuEuro(z_.JRE4ENT);
    MZTABFB();
    MLSTJAHR();
    z_.LSTOSO = z_.ST * 100;
}

void PlanModul::MRE4SONST()
{
    MRE4();
    z_.FVB = z_.FVBSO;
    MRE4ABZ();
    z_.ZRE4VP = z_.ZRE4VP + zuEuro(z_.MBV) - zuEuro(z_.JRE4ENT) - zuEuro(z_.SONSTENT);
    z_.FVBZ = z_.FVBZSO;
    MZTABFB();
}

void PlanModul::STSMIN()
{
    if (!z_.STS.isNegative()) return;
    if (!z_.MBV.isZero()) {
        // A negative tax from the pension-fund contribution is offset against the period's results.
        z_.LSTLZZ = std::max(z_.LSTLZZ + z_.STS, 0_cur);
        z_.SOLZLZZ = std::max(AbrundenEuroExakt(dez(z_.SOLZLZZ) + dez(z_.STS) * 0.055_d), 0_cur);
        z_.BK = std::max(z_.BK + z_.STS, 0_cur);
    }
    z_.STS = 0_cur;
}

Currency PlanModul::SolzSonst()
{
    if (z_.STKL == 0 || !p_->operationen.LohnsteuerSonst) return 0_cur;
    return MSOLZSTS();
}

Currency PlanModul::MSOLZSTS()
{
    if (p_->solzSonst == SolzSonstRegel::OhneFreigrenze) return z_.STS > 0_cur ? solz(z_.STS) : 0_cur;
    const Currency SOLZSZVE = z_.ZKF > 0_cur ? z_.ZVE - z_.KFB : z_.ZVE;
    z_.X = SOLZSZVE < 1_cur ? 0_cur : AbrundenCentExakt(dez(SOLZSZVE).divide<kCents>(z_.KZTAB, Round::Cut));
    if (z_.STKL < 5)
        UPTAB();
    else
        MST5_6();
    const Currency SOLZSBMG = AbrundenCentExakt(dez(z_.ST) * dez(z_.f));
    if (SOLZSBMG > z_.SOLZFREI && !z_.STS.isZero()) return solz(z_.STS);
    return 0_cur;
}

Currency PlanModul::LohnsteuerVmt(Currency SONSTB, Currency JRE4)
{
    if (z_.STKL == 0 || !p_->operationen.LohnsteuerVmt) return 0_cur;
    z_.JRE4 = zuCent(JRE4);
    if (z_.VMT <= 0_cur) {
        z_.STV = 0_cur;
        return 0_cur;
    }
    // The official plan always runs its special-payment step first, which sets
    // LZZ to 1: the annual calculations below run so also without a special
    // payment (December 2011's employee lump sum depends on it). The church tax
    // on STV keeps the period's LZZ for its minimum.
    const int LZZ = z_.LZZ;
    const int ZMVB = z_.ZMVB;
    z_.LZZ = 1;
    if (z_.ZMVB == 0) z_.ZMVB = 12;
    Currency LST1;
    if (z_.LSTSO.isZero()) {
        MOSONST();
        LST1 = z_.LSTOSO;
    } else {
        LST1 = z_.LSTSO;
    }
    if (p_->vmt == VmtRegel::FuenftelAufGespeicherteBasis) {
        z_.STV = MVMTAufGespeicherteBasis(SONSTB, LST1);
    } else {
        z_.VBEZBSO = 0_cur;
        z_.ZRE4J = AbrundenCentExakt(dez(z_.JRE4 + zuCent(SONSTB) + z_.VMT).div10<2>());
        z_.ZVBEZJ = AbrundenCentExakt(dez(z_.JVBEZ + z_.VBS).div10<2>());

        z_.KENNVMT = 2;  // normal taxation of the whole pay
        MRE4SONST();
        MLSTJAHR();
        const Currency LST3 = z_.ST * 100;

        MRE4ABZ();
        z_.ZRE4VP = z_.ZRE4VP - zuEuro(z_.JRE4ENT) - zuEuro(z_.SONSTENT);
        z_.KENNVMT = 1;  // one-fifth rule
        MLSTJAHR();
        const Currency LST2 = z_.ST * 100;

        z_.STV = LST2 - LST1;
        if (z_.STV > LST3 - LST1) {
            z_.STV = LST3 - LST1;
            z_.vmtBegrenzt = 1;
        }
    }
    z_.LZZ = LZZ;
    z_.ZMVB = ZMVB;
    if (z_.STV.isNegative()) {
        z_.STV = 0_cur;
    } else {
        const auto mitF = dez(z_.STV) * dez(z_.f);
        z_.STV =
            p_->stsStv == SonstRundung::GanzeEuro ? AbrundenEuroExakt(mitF.div10<2>()) * 100 : AbrundenEuroExakt(mitF);
    }
    return zuEuro(z_.STV);
}

Currency PlanModul::SolzVmt()
{
    if (z_.STKL == 0 || !p_->operationen.LohnsteuerVmt) return 0_cur;
    if (p_->solzSonst == SolzSonstRegel::OhneFreigrenze) return z_.STV > 0_cur ? solz(z_.STV) : 0_cur;
    const Currency SOLZVBMG = zuEuro(z_.STV) + z_.JBMG;
    return SOLZVBMG > z_.SOLZFREI ? solz(z_.STV) : 0_cur;
}

int PlanModul::VmtBegrenzt()
{
    if (!p_->operationen.VmtBegrenzt) return 0;
    return z_.vmtBegrenzt;
}

}  // namespace lx
