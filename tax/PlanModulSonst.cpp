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
    return (Exact(cent) / 100).toCurrency(Round::Cut, kFull);
}

// 5.5 % of a tax in cents, in euros cut to cents.
Currency solz(Currency steuerCent)
{
    return AbrundenCentExakt(Exact(steuerCent) / 100 * Exact::ratio(55, 1000));
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
    fall.mindestAlt = p_->kirchensteuerMindestAlt;
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
    z_.ZRE4J = AbrundenCentExakt(Exact(z_.JRE4) / 100 + Exact(SONSTB));
    z_.ZVBEZJ = AbrundenCentExakt(Exact(z_.JVBEZ + z_.VBS) / 100);
    z_.VBEZBSO = 0_cur;
    MRE4SONST();
    MLSTJAHR();
    z_.LSTSO = z_.ST * 100;
    const Exact mitF = Exact(z_.LSTSO - z_.LSTOSO) * Exact(z_.f);
    z_.STS = p_->stsStv == SonstRundung::GanzeEuro ? AbrundenEuroExakt(mitF / 100) * 100 : AbrundenEuroExakt(mitF);
    STSMIN();
    return zuEuro(z_.STS);
}

void PlanModul::MOSONST()
{
    z_.ZRE4J = AbrundenCentExakt(Exact(z_.JRE4) / 100);
    z_.ZVBEZJ = AbrundenCentExakt(Exact(z_.JVBEZ) / 100);
    z_.JLFREIB = AbrundenCentExakt(Exact(z_.JFREIB) / 100);
    z_.JLHINZU = AbrundenCentExakt(Exact(z_.JHINZU) / 100);
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
        z_.SOLZLZZ = std::max(AbrundenEuroExakt(Exact(z_.SOLZLZZ) + Exact(z_.STS) * Exact::ratio(55, 1000)), 0_cur);
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
    z_.X = SOLZSZVE < 1_cur ? 0_cur : AbrundenCentExakt(Exact(SOLZSZVE) / z_.KZTAB);
    if (z_.STKL < 5)
        UPTAB();
    else
        MST5_6();
    const Currency SOLZSBMG = AbrundenCentExakt(Exact(z_.ST) * Exact(z_.f));
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
        z_.ZRE4J = AbrundenCentExakt(Exact(z_.JRE4 + zuCent(SONSTB) + z_.VMT) / 100);
        z_.ZVBEZJ = AbrundenCentExakt(Exact(z_.JVBEZ + z_.VBS) / 100);

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
        const Exact mitF = Exact(z_.STV) * Exact(z_.f);
        z_.STV = p_->stsStv == SonstRundung::GanzeEuro ? AbrundenEuroExakt(mitF / 100) * 100 : AbrundenEuroExakt(mitF);
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
