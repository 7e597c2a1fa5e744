// The calculation entry and the annual tax: MPARA, MRE4JL, MRE4, MRE4ABZ,
// MBERECH with MZTABFB, MLSTJAHR, UPEVP, MVSP, UPMLST, the tariff, MST5_6,
// UPANTEIL and MSOLZ.

#include "PlanModul.h"

#include <algorithm>

#include "LxMath.h"
#include "PlanRundung.h"
#include "Versorgungstabellen.h"

namespace lx {

namespace {

constexpr Currency kVersorgungsPauschale = 102_cur;  // ANP part for pension payments, at most
constexpr Currency kSAP = 36_cur;                    // special-expenses lump sum, tax classes 1 to 5
constexpr Currency kVHBKlasse3 = 3000_cur;           // limit of VSP2 in tax class 3
constexpr Currency kVHB = 1900_cur;                  // limit of VSP2 otherwise

Currency zuCent(Currency euro)
{
    return euro * 100;
}
Currency zuEuro(Currency cent)
{
    return dez(cent).div10<2>().toCurrency(Round::Cut);
}

// Care-insurance rate reductions: 0 or 1 child none, then one step per child up to four.
int pvaAusKindern(int kinder)
{
    return std::clamp(kinder - 1, 0, 4);
}

}  // namespace

bool PlanModul::bietet(PlanOperation op) const
{
    switch (op) {
        case PlanOperation::LohnsteuerSonst:
            return p_->operationen.LohnsteuerSonst;
        case PlanOperation::LohnsteuerVmt:
            return p_->operationen.LohnsteuerVmt;
        case PlanOperation::VmtBegrenzt:
            return p_->operationen.VmtBegrenzt;
    }
    return false;
}

Currency PlanModul::LohnsteuerLzz(const LohnsteuerEingaben& e)
{
    // A new calculation starts from a clean state: nothing of an earlier one
    // (special payment, multi-year flag, church-tax base) may reach it.
    neuerZustand();
    if (e.STKL == 0) return 0_cur;  // flat-taxed mini-job: every follow-up operation gives 0 too

    eingabenSpeichern(e);
    MPARA();
    MRE4JL();
    z_.VBEZBSO = 0_cur;
    z_.KENNVMT = 0;
    MRE4();
    MRE4ABZ();
    MBERECH();
    return zuEuro(z_.LSTLZZ);
}

void PlanModul::eingabenSpeichern(const LohnsteuerEingaben& e)
{
    const PlanEingaben& nimmt = p_->eingaben;
    z_.AJAHR = e.AJAHR;
    z_.VJAHR = e.VJAHR;
    z_.ZMVB = e.ZMVB;
    z_.RE4 = zuCent(e.RE4);
    // A negative allowance is an addition amount.
    if (e.LZZFREIB.isNegative())
        z_.LZZHINZU = zuCent(-e.LZZFREIB);
    else
        z_.LZZFREIB = zuCent(e.LZZFREIB);
    if (e.JFREIB.isNegative())
        z_.JHINZU = zuCent(-e.JFREIB);
    else
        z_.JFREIB = zuCent(e.JFREIB);
    if (nimmt.VMT) z_.VMT = zuCent(e.VMT);
    z_.VBEZ = zuCent(e.VBEZ);
    z_.VBS = zuCent(e.VBS);
    z_.VBEZM = zuCent(e.VBEZM);
    z_.VBEZS = zuCent(e.VBEZS);
    z_.JVBEZ = zuCent(e.JVBEZ);
    if (nimmt.PKPV) z_.PKPV = zuCent(e.PKPV);
    if (nimmt.ENTSCH) z_.ENTSCH = zuCent(e.ENTSCH);
    if (nimmt.JRE4ENT) z_.JRE4ENT = zuCent(e.JRE4ENT);
    if (nimmt.SONSTENT) z_.SONSTENT = zuCent(e.SONSTENT);
    if (nimmt.f) {
        z_.f = e.f;
        z_.af = e.af;
    }
    if (nimmt.KVZ) z_.KVZ = e.KVZ;
    if (nimmt.MBV) z_.MBV = zuCent(e.MBV);
    z_.ZKF = e.ZKF;
    z_.STKL = e.STKL;
    z_.LZZ = e.LZZ;
    z_.KRV = e.KRV;
    if (nimmt.PKV) z_.PKV = e.PKV;
    if (nimmt.AnzKinderPV) z_.PVA = pvaAusKindern(e.AnzKinderPV);
    z_.ALTER1 = e.ALTER1;
    if (nimmt.PVS) z_.PVS = e.PVS;
    if (nimmt.PVZ) z_.PVZ = e.PVZ;
}

void PlanModul::MPARA()
{
    const PlanParameter& p = *p_;
    if (z_.KRV < 2) {
        z_.BBGRV = z_.KRV == 0 ? p.BBGRVWest : p.BBGRVOst;
        z_.RVSATZAN = p.RVSATZAN;
    }
    z_.BBGKVPV = p.BBGKVPV;
    switch (p.kvSatz) {
        case KvSatzRegel::HalberZusatz:
            z_.KVSATZAN = Haelfte(dez(z_.KVZ)).div10<2>() + p.KVSATZAN;
            break;
        case KvSatzRegel::VollerZusatz:
            z_.KVSATZAN = dez(z_.KVZ).div10<2>() + p.KVSATZAN;
            break;
        case KvSatzRegel::Fest:
            z_.KVSATZAN = p.KVSATZAN;
            break;
    }
    z_.KVSATZAG = p.KVSATZAG;
    const PvSaetze& pv = (z_.LZZ == 1 && p.pvJahr) ? *p.pvJahr : p.pv;
    z_.PVSATZAN = z_.PVS == 1 ? pv.PVSATZANSachsen : pv.PVSATZAN;
    z_.PVSATZAG = z_.PVS == 1 ? pv.PVSATZAGSachsen : pv.PVSATZAG;
    if (z_.PVZ == 1)
        z_.PVSATZAN += pv.PVZZuschlag;
    else
        z_.PVSATZAN -= p.PVAAbschlag * z_.PVA;
    z_.SOLZFREI = p.SOLZFREI;
}

void PlanModul::MRE4JL()
{
    auto jahresbetrag = [this](Currency cent) {
        const Dez<6> euro = dez(cent).div10<2>();
        switch (z_.LZZ) {
            case 1:
                return AbrundenCentExakt(euro);
            case 2:
                return AbrundenCentExakt(euro * 12);
            case 3:
                return AbrundenCentExakt((euro * 360).divide<kCents>(7, Round::Cut));
            case 4:
                return AbrundenCentExakt(euro * 360);
            default:
                return 0_cur;
        }
    };
    z_.ZRE4J = jahresbetrag(z_.RE4);
    z_.ZVBEZJ = jahresbetrag(z_.VBEZ);
    z_.JLFREIB = jahresbetrag(z_.LZZFREIB);
    z_.JLHINZU = jahresbetrag(z_.LZZHINZU);
    if (z_.af == 0) z_.f = 1_cur;
}

void PlanModul::MRE4()
{
    if (z_.ZVBEZJ.isZero()) {
        z_.FVBZ = z_.FVB = z_.FVBZSO = z_.FVBSO = 0_cur;
    } else {
        const int J = versorgungsIndex(z_.VJAHR);
        if (z_.LZZ == 1) {
            z_.VBEZB = z_.VBEZM * z_.ZMVB + z_.VBEZS;
            // the twelfth of a year's amount times the months, divided last: exact
            z_.HFVB = AbrundenEuroExakt((dez(TAB2(J)) * z_.ZMVB).divide<kEuros>(12, Round::Cut));
            z_.FVBZ = RundeModus(4, RundeCentQuotient(dez(TAB3(J)) * z_.ZMVB, 12));
        } else {
            z_.VBEZB = z_.VBEZM * 12 + z_.VBEZS;
            z_.HFVB = TAB2(J);
            z_.FVBZ = TAB3(J);
        }
        z_.FVB = AufrundenCentExakt(dez(z_.VBEZB).div10<2>() * TAB1(J));
        if (z_.FVB > z_.HFVB) z_.FVB = z_.HFVB;
        if (p_->fvbBisVersorgung && z_.FVB > z_.ZVBEZJ) z_.FVB = z_.ZVBEZJ;

        z_.FVBSO = AufrundenCentExakt(dez(z_.FVB) + dez(z_.VBEZBSO).div10<2>() * TAB1(J));
        if (z_.FVBSO > TAB2(J)) z_.FVBSO = TAB2(J);
        const Currency HFVBZSO = AbrundenCentExakt(dez(z_.VBEZB + z_.VBEZBSO).div10<2>() - dez(z_.FVBSO));
        if (p_->fvbzso == FvbzsoRegel::AusHoechstwert) {
            z_.FVBZSO = HFVBZSO >= TAB3(J) ? TAB3(J) : RundeModus(4, HFVBZSO);
        } else {
            z_.FVBZSO = RundeModusExakt(4, dez(z_.FVBZ) + dez(z_.VBEZBSO).div10<2>());
            if (z_.FVBZSO > HFVBZSO) z_.FVBZSO = RundeModus(4, HFVBZSO);
            if (z_.FVBZSO > TAB3(J)) z_.FVBZSO = TAB3(J);
        }

        const Currency HFVBZ = AbrundenCentExakt(dez(z_.VBEZB).div10<2>() - dez(z_.FVB));
        if (z_.FVBZ > HFVBZ) z_.FVBZ = RundeModus(4, HFVBZ);
    }
    MRE4ALTE();
}

void PlanModul::MRE4ALTE()
{
    if (z_.ALTER1 == 0) {
        z_.ALTE = 0_cur;
        return;
    }
    const int K = versorgungsIndex(z_.AJAHR);
    const Currency BMG = z_.ZRE4J - z_.ZVBEZJ;
    const auto alte = dez(BMG) * TAB4(K);
    z_.ALTE = p_->alte == AlteRundung::Cent ? alte.toCurrency<kCents>(Round::Up) : alte.toCurrency<kEuros>(Round::Up);
    if (z_.ALTE > TAB5(K)) z_.ALTE = TAB5(K);
}

void PlanModul::MRE4ABZ()
{
    z_.ZRE4 = std::max(z_.ZRE4J - z_.FVB - z_.ALTE - z_.JLFREIB + z_.JLHINZU, 0_cur);
    z_.ZRE4VP = p_->zre4vpNachFreibetraegen ? std::max(z_.ZRE4J - z_.FVB - z_.ALTE, 0_cur) : z_.ZRE4J;
    if (z_.KENNVMT == 2) z_.ZRE4VP -= zuEuro(z_.ENTSCH);
    z_.ZVBEZ = std::max(z_.ZVBEZJ - z_.FVB, 0_cur);
}

void PlanModul::MBERECH()
{
    MZTABFB();
    MLSTJAHR();
    z_.LSTJAHR = mitFaktor(z_.ST, p_->lstjahr);
    z_.LSTLZZ = UPANTEIL(z_.LSTJAHR * 100);
    if (z_.ZKF > 0_cur) {
        z_.ZTABFB += z_.KFB;
        MRE4ABZ();
        MLSTJAHR();
        z_.JBMG = mitFaktor(z_.ST, p_->jbmg);
    } else {
        z_.JBMG = z_.LSTJAHR;
    }
    MSOLZ();
}

Currency PlanModul::mitFaktor(Currency st, JahresRundung rundung) const
{
    const auto produkt = dez(st) * dez(z_.f);
    return rundung == JahresRundung::GanzeEuro ? AbrundenEuroExakt(produkt) : produkt.toCurrency(Round::Cut);
}

void PlanModul::MZTABFB()
{
    const PlanParameter& p = *p_;
    z_.ANP = 0_cur;
    if (z_.ZVBEZ >= 0_cur && z_.ZVBEZ < z_.FVBZ) z_.FVBZ = z_.ZVBEZ;
    if (z_.STKL < 6) {
        if (z_.ZVBEZ > 0_cur) {
            const Currency rest = z_.ZVBEZ - z_.FVBZ;
            const bool aufrunden = p.anpRundung == AnpRundung::BeideTeile;
            z_.ANP = rest >= kVersorgungsPauschale ? kVersorgungsPauschale : aufrunden ? RundeModus(4, rest) : rest;
        }
    } else {
        z_.FVBZ = 0_cur;
        z_.FVBSO = 0_cur;
    }
    if (z_.STKL < 6 && z_.ZRE4 > z_.ZVBEZ) {
        const Currency grenze = (z_.LZZ != 1 && p.ANPUnterjaehrig) ? *p.ANPUnterjaehrig : p.ANP;
        const Currency lohn = z_.ZRE4 - z_.ZVBEZ;
        const bool aufrunden = p.anpRundung != AnpRundung::Abrunden;
        z_.ANP = lohn >= grenze ? z_.ANP + grenze
                 : aufrunden    ? RundeModus(4, z_.ANP + lohn)
                                : AbrundenEuro(z_.ANP + lohn);
    }

    z_.KZTAB = 1;
    z_.EFA = 0_cur;
    z_.SAP = 0_cur;
    z_.KFB = 0_cur;
    auto kinder = [this](Currency jeKind) { return (dez(z_.ZKF) * dez(jeKind)).toCurrency(Round::Cut); };
    switch (z_.STKL) {
        case 1:
            z_.SAP = kSAP;
            z_.KFB = kinder(p.KFB);
            break;
        case 2:
            z_.EFA = p.EFA;
            z_.SAP = kSAP;
            z_.KFB = kinder(p.KFB);
            break;
        case 3:
            z_.KZTAB = 2;
            z_.SAP = p.sap == SapRegel::Klasse3DoppeltOhne5 ? kSAP * 2 : kSAP;
            z_.KFB = kinder(p.KFB);
            break;
        case 4:
            z_.SAP = kSAP;
            z_.KFB = kinder(p.KFBKlasse4);
            break;
        case 5:
            z_.SAP = p.sap == SapRegel::Klasse3DoppeltOhne5 ? 0_cur : kSAP;
            break;
        default:
            break;
    }
    z_.ZTABFB = AbrundenCent(z_.EFA + z_.ANP + z_.SAP + z_.FVBZ);
}

void PlanModul::MLSTJAHR()
{
    if (p_->vorsorge == VorsorgeRegel::Teilbetraege)
        UPEVP();
    else if (z_.STKL < 5)
        UPEVPVorwegabzug();
    else
        z_.VSP = 0_cur;
    if (p_->vmt == VmtRegel::FuenftelAufGespeicherteBasis && z_.KENNVMT != 0) {
        if (z_.KENNVMT == 1)
            z_.ZVE = z_.ZRE4S - z_.ZTABFBS + z_.VMTA - z_.VSP;
        else
            z_.ZVE = AbrundenCentExakt(Fuenftel(dez(z_.ZRE4 - z_.ZTABFB)) - dez(z_.VSP));
        UPMLST();
        return;
    }
    if (z_.KENNVMT != 1) {
        z_.ZVE = z_.ZRE4 - z_.ZTABFB - z_.VSP;
        UPMLST();
        return;
    }
    // One-fifth rule for pay for several years.
    const Currency vmt = zuEuro(z_.VMT);
    z_.ZVE = z_.ZRE4 - z_.ZTABFB - z_.VSP - vmt;
    if (z_.ZVE.isNegative()) {
        z_.ZVE = AbrundenCentExakt(Fuenftel(dez(vmt + z_.ZVE)));
        UPMLST();
        z_.ST = z_.ST * 5;
    } else {
        UPMLST();
        const Currency STOVMT = z_.ST;
        z_.ZVE = AbrundenCentExakt(Fuenftel(dez(z_.VMT)).div10<2>() + dez(z_.ZVE));
        UPMLST();
        z_.ST = STOVMT + (z_.ST - STOVMT) * 5;
    }
}

void PlanModul::UPEVP()
{
    if (z_.KRV < 2) {
        if (z_.ZRE4VP > z_.BBGRV) z_.ZRE4VP = z_.BBGRV;
        Currency basis = z_.ZRE4VP;
        if (p_->TBSVORV) basis = AbrundenCentExakt(dez(basis) * *p_->TBSVORV);
        z_.VSP1 = AbrundenCentExakt(dez(basis) * z_.RVSATZAN);
    } else {
        z_.VSP1 = 0_cur;
    }
    z_.VSP2 = AbrundenCentExakt(dez(z_.ZRE4VP) * 0.12_d);
    const Currency VHB = z_.STKL == 3 ? kVHBKlasse3 : kVHB;
    if (z_.VSP2 > VHB) z_.VSP2 = VHB;
    z_.VSPN = RundeModus(4, z_.VSP1 + z_.VSP2);
    MVSP();
    if (z_.VSPN > z_.VSP) z_.VSP = z_.VSPN;
}

void PlanModul::MVSP()
{
    if (z_.ZRE4VP > z_.BBGKVPV) z_.ZRE4VP = z_.BBGKVPV;
    if (z_.PKV > 0) {
        if (z_.STKL == 6) {
            z_.VSP3 = 0_cur;
        } else {
            const Dez<6> praemie = (dez(z_.PKPV) * 12).div10<2>();
            z_.VSP3 = z_.PKV == 2 ? AbrundenCentExakt(praemie - (z_.KVSATZAG + z_.PVSATZAG) * dez(z_.ZRE4VP))
                                  : AbrundenCentExakt(praemie);
        }
    } else {
        z_.VSP3 = AbrundenCentExakt((z_.KVSATZAN + z_.PVSATZAN) * dez(z_.ZRE4VP));
    }
    z_.VSP = RundeModus(4, z_.VSP3 + z_.VSP1);
}

void PlanModul::UPMLST()
{
    if (z_.ZVE < 1_cur) {
        z_.ZVE = 0_cur;
        z_.X = 0_cur;
    } else {
        z_.X = AbrundenEuroExakt(dez(z_.ZVE).divide<kEuros>(z_.KZTAB, Round::Cut));
    }
    if (z_.STKL < 5)
        UPTAB();
    else
        MST5_6();
}

void PlanModul::UPTAB()
{
    const Tarif& t = p_->tarif;
    const Currency X = z_.X;
    Currency ST;
    if (X < t.GFB + 1_cur) {
        ST = 0_cur;
    } else if (X < t.p2Ab) {
        const Dez<6> Y = dez(X - t.GFB).div10<4>().rescale<6>(Round::Cut);
        const auto RW = Y * dez(t.p1Faktor) + dez(t.p1Sockel);
        ST = AbrundenEuroExakt(RW * Y);
    } else if (X < t.z42Ab) {
        const Dez<6> Y = dez(X - (t.p2Ab - 1_cur)).div10<4>().rescale<6>(Round::Cut);
        const auto RW = Y * dez(t.p2Faktor) + dez(t.p2Sockel);
        ST = AbrundenEuroExakt(RW * Y + dez(t.p2Konstante));
    } else if (X < t.z45Ab) {
        ST = AbrundenEuroExakt(dez(X) * 0.42_d - dez(t.z42Abzug));
    } else {
        ST = AbrundenEuroExakt(dez(X) * 0.45_d - dez(t.z45Abzug));
    }
    z_.ST = ST * z_.KZTAB;
}

void PlanModul::MST5_6()
{
    const PlanParameter& p = *p_;
    const Currency ZZX = z_.X;
    if (ZZX > p.W2STKL5) {
        Currency ST = UP5_6(p.W2STKL5);
        if (ZZX > p.W3STKL5) {
            ST = AbrundenEuroExakt(dez(ST) + dez(p.W3STKL5 - p.W2STKL5) * 0.42_d);
            ST = AbrundenEuroExakt(dez(ST) + dez(ZZX - p.W3STKL5) * 0.45_d);
        } else {
            ST = AbrundenEuroExakt(dez(ST) + dez(ZZX - p.W2STKL5) * 0.42_d);
        }
        z_.ST = ST;
    } else {
        z_.ST = UP5_6(ZZX);
        if (ZZX > p.W1STKL5) {
            const Currency VERGL = z_.ST;
            const Currency HOCH = AbrundenEuroExakt(dez(UP5_6(p.W1STKL5)) + dez(ZZX - p.W1STKL5) * 0.42_d);
            z_.ST = HOCH < VERGL ? HOCH : VERGL;
        }
    }
}

Currency PlanModul::UP5_6(Currency ZX)
{
    z_.X = AbrundenCentExakt(dez(ZX) * 1.25_d);
    UPTAB();
    const Currency ST1 = z_.ST;
    z_.X = AbrundenCentExakt(dez(ZX) * 0.75_d);
    UPTAB();
    const Currency ST2 = z_.ST;
    const Currency DIFF = (ST1 - ST2) * 2;
    const Currency MIST = AbrundenEuroExakt(dez(ZX) * p_->MISTSatz);
    return DIFF >= MIST ? DIFF : MIST;
}

Currency PlanModul::UPANTEIL(Currency JW) const
{
    switch (z_.LZZ) {
        case 1:
            return JW;
        case 2:
            return AbrundenEuroExakt(dez(JW).divide<kEuros>(12, Round::Cut));
        case 3:
            return AbrundenEuroExakt((dez(JW) * 7).divide<kEuros>(360, Round::Cut));
        case 4:
            return AbrundenEuroExakt(dez(JW).divide<kEuros>(360, Round::Cut));
        default:
            return 0_cur;
    }
}

void PlanModul::MSOLZ()
{
    z_.SOLZFREI = p_->SOLZFREI * z_.KZTAB;
    if (z_.JBMG > z_.SOLZFREI) {
        Currency SOLZJ = AbrundenCentExakt(dez(z_.JBMG) * 0.055_d);
        const Currency SOLZMIN = AbrundenCentExakt(dez(z_.JBMG - z_.SOLZFREI) * p_->SOLZMilderung);
        if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
        z_.SOLZLZZ = UPANTEIL(SOLZJ * 100);
    } else {
        z_.SOLZLZZ = 0_cur;
    }
}

}  // namespace lx
