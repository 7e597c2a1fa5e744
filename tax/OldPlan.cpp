#include "OldPlan.h"

#include <algorithm>

#include "Exact.h"
#include "Kirchensteuer.h"

namespace lx {

namespace {

// The plans' own rounding routines ("Int" cuts toward zero). They work on the
// exact value and return it with at most four decimals.
Currency roundToCents(const Exact& v)
{
    return (v + Exact(0.005_cur)).toCurrency(Round::Cut, kCents);
}
Currency upToCents(const Exact& v)
{
    return (v + Exact(0.009_cur)).toCurrency(Round::Cut, kCents);
}
Currency upToUnits(const Exact& v)
{
    return (v + Exact(0.99_cur)).toCurrency(Round::Cut, kEuros);
}
Currency downToCents(const Exact& v)
{
    return v.toCurrency(Round::Cut, kCents);
}
Currency downToUnits(const Exact& v)
{
    return v.toCurrency(Round::Cut, kEuros);
}
Exact cutToSix(const Exact& v)
{
    return v.round(Round::Cut, 6);
}
// A value the plan keeps at four decimals.
Currency keepFour(const Exact& v)
{
    return v.toCurrency(Round::HalfUp, kFull);
}
// A value that needs no rounding (at most four decimals by construction).
Currency exact(const Exact& v)
{
    return v.toCurrency(Round::Cut, kFull);
}

// Pension allowance tables, index n for the year 2004 + n (1 up to 2005, 36 from 2040).
int tableIndex(int year)
{
    if (year <= 2005) return 1;
    if (year >= 2040) return 36;
    return year - 2004;
}
Currency tab1(int n)  // allowance and relief percentage as a fraction
{
    if (n <= 0 || n >= 36) return 0_cur;
    if (n <= 16) return 0.400_cur - 0.016_cur * (n - 1);
    return 0.160_cur - 0.008_cur * (n - 16);
}
Currency tab2(int n)
{
    return n == 1 ? 3000_cur : exact(tab1(n) * 7500_cur);
}  // maximum allowance
Currency tab3(int n)
{
    return n == 1 ? 900_cur : exact(tab1(n) * 2250_cur);
}  // allowance supplement
Currency tab5(int n)
{
    return n == 1 ? 1900_cur : exact(tab1(n) * 4750_cur);
}  // maximum old-age relief

// Amounts that the four plans share, each per tariff unit KZTAB.
constexpr Currency kVspVor = 3068_cur;          // VSPVOR
constexpr Currency kVspMax1 = 1334_cur;         // VSPMAX1
constexpr Currency kVspMax2 = 667_cur;          // VSPMAX2
constexpr Currency kVspKurz = 1134_cur;         // VSPKURZ, special table
constexpr Currency kVspHealthLimit = 1500_cur;  // limit of VSP2
constexpr Currency kSolzFreigrenze = 972_cur;   // SOLZFREI

Currency centRounding(CentRounding mode, const Exact& v)
{
    return mode == CentRounding::Nearest ? roundToCents(v) : downToCents(v);
}

// A period amount in cents rounded up to whole units of the plan's unit.
Currency upToPlanUnits(PlanUnit unit, const Exact& cents)
{
    return unit == PlanUnit::Euro ? upToUnits(cents / 100) * 100 : upToUnits(cents);
}

// Period share of an annual amount in cents; rounded up or cut to whole cents
// except for a yearly pay period.
Currency periodShare(int lzz, Currency annualCents, bool up)
{
    Exact share;
    switch (lzz) {
        case 1:
            return annualCents;
        case 2:
            share = annualCents / 12;
            break;
        case 3:
            share = annualCents * 7_cur / 360;
            break;
        default:
            share = annualCents / 360;
            break;
    }
    return up ? upToUnits(share) : downToUnits(share);
}

}  // namespace

void OldPlan::pensionAllowance()
{
    v_.VFB = 0_cur;
    v_.FVBZ = 0_cur;
    if (v_.VBEZ.isZero()) return;
    const OldPlanRules& r = *rules_;
    switch (r.pensionAllowance) {
        case PensionAllowanceKind::PeriodFlat: {
            // A rate of the period's pension, at most the period's share of the maximum.
            const Currency vfb = upToPlanUnits(r.unit, v_.VBEZ * r.flatPensionRate);
            v_.VFB = std::min(vfb, periodShare(v_.LZZ, r.flatPensionMaximum * 100, true));
            return;
        }
        case PensionAllowanceKind::AnnualFlat: {
            Currency vbezb;
            if (v_.LZZ == 1) {
                vbezb = v_.VBEZM * v_.ZMVB + v_.VBEZS;
                v_.FVBZ = exact(r.flatPensionSupplement * v_.ZMVB / 12);
            } else {
                vbezb = v_.VBEZM * 12 + v_.VBEZS;
                v_.FVBZ = r.flatPensionSupplement;
            }
            const Currency fvb = std::min(upToPlanUnits(r.unit, vbezb * r.flatPensionRate), r.flatPensionMaximum * 100);
            v_.VFB = periodShare(v_.LZZ, fvb, true);
            return;
        }
        case PensionAllowanceKind::Tables: {
            const int j = tableIndex(v_.VJAHR);
            Currency vbezb;
            Currency hfvb;  // cents
            if (v_.LZZ == 1) {
                vbezb = v_.VBEZM * v_.ZMVB + v_.VBEZS;
                if (v_.STERBE + v_.VKAPA > 0_cur) {
                    hfvb = tab2(j) * 100;
                    v_.FVBZ = tab3(j);
                } else {
                    hfvb = exact(tab2(j) * 100 * v_.ZMVB / 12);
                    v_.FVBZ = upToUnits(tab3(j) * v_.ZMVB / 12);
                }
            } else {
                vbezb = v_.VBEZM * 12 + v_.VBEZS;
                hfvb = tab2(j) * 100;
                v_.FVBZ = tab3(j);
            }
            // This plan rounds the cent amount with its up-to-cents routine (to hundredths of a cent).
            const Currency fvb = std::min(upToCents(vbezb * tab1(j)), hfvb);
            v_.VFB = periodShare(v_.LZZ, fvb, true);
            return;
        }
    }
}

void OldPlan::oldAgeRelief()
{
    v_.ALTE = 0_cur;
    if (v_.ALTER1 != 1) return;
    const OldPlanRules& r = *rules_;
    const Currency base = v_.RE4 - v_.VBEZ;  // cents
    Currency alte;
    Currency maximum;  // a year, euros
    if (r.pensionAllowance == PensionAllowanceKind::Tables) {
        const int k = tableIndex(v_.AJAHR);
        alte = upToUnits(base * tab1(k));
        maximum = tab5(k);
    } else {
        alte = upToPlanUnits(r.unit, base * r.flatReliefRate);
        maximum = r.flatReliefMaximum;
    }
    v_.ALTE = std::min(alte, periodShare(v_.LZZ, maximum * 100, true));
}

void OldPlan::reduceAndAnnualise()
{
    const OldPlanRules& r = *rules_;
    // Annual amount in euros of a period amount in cents, by the plans' fixed formulas.
    auto annual = [&](Currency p) {
        Exact a;
        switch (v_.LZZ) {
            case 1:
                a = p / 100;
                return r.annualToWholeEuros ? exact(a) : downToCents(a);
            case 2:
                a = (p + 0.67_cur) * 0.12_cur;
                break;
            case 3:
                a = (p + 0.89_cur) * 3.6_cur / 7;
                break;
            default:
                a = (p + 0.56_cur) * 3.6_cur;
                break;
        }
        return r.annualToWholeEuros ? downToUnits(a) : downToCents(a);
    };
    const Currency zre4vp = v_.RE4 - v_.VFB - v_.ALTE;
    v_.ZRE4J = std::max(0_cur, annual(zre4vp - v_.FREIB));
    v_.ZRE4VP = annual(zre4vp);
    switch (r.annualPension) {
        case AnnualPensionKind::None:
            v_.ZVBEZ = 0_cur;
            break;
        case AnnualPensionKind::CutToWholeEuros:
            v_.ZVBEZ = downToUnits(annual(v_.VBEZ - v_.VFB));
            break;
        case AnnualPensionKind::CentsWhenPension:
            v_.ZVBEZ = v_.VBEZ.isZero() ? 0_cur : annual(v_.VBEZ - v_.VFB);
            break;
    }
    v_.ZVBEZ = std::max(0_cur, v_.ZVBEZ);
}

void OldPlan::builtInAllowances()
{
    const OldPlanRules& r = *rules_;
    const int stkl = v_.STKL;
    const auto cls = static_cast<std::size_t>(stkl - 1);
    v_.KZTAB = stkl == 3 ? 2 : 1;
    if (stkl <= 3)
        v_.KFB = exact(v_.ZKF * r.childAllowance);
    else if (stkl == 4)
        v_.KFB = exact(v_.ZKF * r.childAllowanceClass4);
    else
        v_.KFB = 0_cur;

    const Currency efa = stkl == 2 ? r.singleParentRelief : 0_cur;
    Currency anp;
    switch (r.builtInAllowances) {
        case BuiltInAllowancesKind::OneSumPerClass:
            v_.ZTABFB = r.classSums[cls];
            return;
        case BuiltInAllowancesKind::FixedParts:
            if (stkl <= 5) {
                if (v_.VBEZ > 0_cur) anp += r.pensionLumpSum;
                if (v_.RE4 > v_.VBEZ) anp += r.employeeLumpSum;
            }
            v_.ZTABFB = efa + anp + r.specialExpenses[cls] + v_.FVBZ;
            return;
        case BuiltInAllowancesKind::FromAnnualWage:
            // Unlike the later plans, tax class 6 keeps the pension supplement.
            if (v_.ZVBEZ >= 0_cur && v_.ZVBEZ < v_.FVBZ) v_.FVBZ = v_.ZVBEZ;
            if (stkl <= 5) {
                if (v_.ZVBEZ > 0_cur) anp = std::min(r.pensionLumpSum, v_.ZVBEZ - v_.FVBZ);
                if (v_.ZRE4J > v_.ZVBEZ) {
                    const Currency wage = v_.ZRE4J - v_.ZVBEZ;
                    if (wage >= r.employeeLumpSum)
                        anp += r.employeeLumpSum;
                    else
                        anp = r.lumpSumBelowCapCut ? downToUnits(anp + wage) : anp + wage;
                }
            }
            v_.ZTABFB = downToCents(efa + anp + r.specialExpenses[cls] + v_.FVBZ);
            return;
    }
}

void OldPlan::contributionAllowance()
{
    const OldPlanRules& r = *rules_;
    v_.VSP = 0_cur;
    if (v_.STKL >= 5) return;
    const std::int64_t kztab = v_.KZTAB;
    auto wholeEuros = [&](Currency amount) {
        return r.contributionWholeEuros == WholeEuros::Up ? upToUnits(amount) : downToUnits(amount);
    };

    // UPEVP: the pension-insurance part with the health part VSP2.
    Currency vspn;
    if (r.pensionPart.present) {
        Currency vsp1;
        if (v_.KRV != 1) {
            v_.ZRE4VP = std::min(v_.ZRE4VP, r.pensionPart.ceiling);
            vsp1 = keepFour(v_.ZRE4VP * r.pensionPart.share * r.pensionPart.rate);
        }
        const Currency vsp2 = std::min(keepFour(v_.ZRE4VP * 0.11_cur), kVspHealthLimit * kztab);
        vspn = upToUnits(vsp1 + vsp2);
    }

    // MVSP and UMVSP: the allowance with its pre-deduction.
    const Currency vspo = centRounding(r.contributionCents, v_.ZRE4VP * 0.2_cur);
    Currency vspvor = kVspVor * kztab;
    const Currency vspmax1 = kVspMax1 * kztab;
    const Currency vspmax2 = kVspMax2 * kztab;
    Currency vsp;
    if (v_.KRV == 1) {
        const Currency vspkurz = kVspKurz * kztab;
        vsp = vspo <= vspkurz ? wholeEuros(vspo) : vspkurz;
    } else {
        vspvor = std::max(0_cur, vspvor - centRounding(r.contributionCents, v_.ZRE4VP * 0.16_cur));
        if (vspo <= vspvor) {
            vsp = wholeEuros(vspo);
        } else {
            const Currency vsprest = vspo - vspvor;
            if (vsprest <= vspmax1) {
                vsp = wholeEuros(vspvor + vsprest);
            } else {
                const Exact half = (vsprest - vspmax1) / 2;
                const Currency halfRest = r.halfUpToCents ? upToCents(half) : exact(half);
                vsp = wholeEuros(vspvor + vspmax1 + std::min(halfRest, vspmax2));
            }
        }
    }
    v_.VSP = r.pensionPart.present && vspn > vsp ? vspn : vsp;
}

Currency OldPlanTariff(const OldPlanRules& rules, Currency x)
{
    const Tariff& t = rules.tariff;
    if (x < t.basicAllowance + 1_cur) return 0_cur;
    if (x < t.zone3From) {
        const Exact y = cutToSix((x - t.basicAllowance) / 10000);
        const Exact rw = y * t.zone2Factor + t.zone2Base;
        return downToUnits(rw * y);
    }
    if (x < t.zone4From) {
        const Exact y = cutToSix((x - (t.zone3From - 1_cur)) / 10000);
        const Exact rw = y * t.zone3Factor + t.zone3Base;
        return downToUnits(rw * y + t.zone3Constant);
    }
    if (!t.zone5From.isZero() && x >= t.zone5From) return downToUnits(x * t.zone5Rate - t.zone5Less);
    return downToUnits(x * t.zone4Rate - t.zone4Less);
}

namespace {
// UP5_6: twice the tax difference between 125 % and 75 % of the income, at least MIST.
Currency up56(const OldPlanRules& rules, Currency zx)
{
    const Currency st1 = OldPlanTariff(rules, downToCents(zx * 1.25_cur));
    const Currency st2 = OldPlanTariff(rules, downToCents(zx * 0.75_cur));
    const Currency diff = (st1 - st2) * 2;
    const Currency mist = downToUnits(zx * rules.classFiveSix.minimumRate);
    return diff >= mist ? diff : mist;
}
}  // namespace

Currency OldPlanClassFiveSix(const OldPlanRules& rules, Currency zzx)
{
    const ClassFiveSix& c = rules.classFiveSix;
    if (zzx <= c.limit2) {
        Currency st = up56(rules, zzx);
        if (zzx > c.limit1) {
            const Currency hoch = downToUnits(Exact(up56(rules, c.limit1)) + (zzx - c.limit1) * c.rate);
            st = std::min(st, hoch);
        }
        return st;
    }
    Currency st = up56(rules, c.limit2);
    if (c.limit3.isZero() || zzx <= c.limit3) return downToUnits(Exact(st) + (zzx - c.limit2) * c.rate);
    // Cut to whole euros at each limit, as the official plan does.
    st = downToUnits(Exact(st) + (c.limit3 - c.limit2) * c.rate);
    return downToUnits(Exact(st) + (zzx - c.limit3) * c.topRate);
}

Currency OldPlanSurchargeYear(const OldPlanRules& rules, Currency jbmg, int kztab)
{
    const Currency solzfrei = kSolzFreigrenze * kztab;
    if (jbmg <= solzfrei) return 0_cur;
    // 5.5 % of the base, but no more than 20 % of the part above the exemption limit.
    const Currency full = downToCents(jbmg * 0.055_cur);
    const Exact taper = (jbmg - solzfrei) * 0.20_cur;
    return std::min(full, rules.surchargeTaperCutToCents ? downToCents(taper) : exact(taper));
}

Currency OldPlan::annualTax(Currency ztabfb)
{
    const Currency zve = v_.ZRE4J - ztabfb - v_.VSP;
    if (zve < 1_cur) {
        v_.ZVE = 0_cur;
        v_.X = 0_cur;
    } else {
        v_.ZVE = zve;
        v_.X = downToUnits(zve / v_.KZTAB);
    }
    if (v_.STKL >= 5) return OldPlanClassFiveSix(*rules_, v_.X);
    return OldPlanTariff(*rules_, v_.X) * v_.KZTAB;
}

Currency OldPlan::LohnsteuerLzz(const OldPlanInput& in)
{
    v_ = OldPlanValues{};
    v_.LZZ = in.LZZ;
    v_.ZMVB = in.ZMVB;
    v_.ALTER1 = in.ALTER1;
    v_.VJAHR = in.VJAHR;
    v_.AJAHR = in.AJAHR;
    v_.KRV = in.KRV;
    v_.STKL = in.STKL;
    v_.RE4 = in.RE4 * 100;
    v_.VBEZ = in.VBEZ * 100;
    v_.VBEZM = in.VBEZM * 100;
    v_.VBEZS = in.VBEZS * 100;
    v_.STERBE = in.STERBE * 100;
    v_.VKAPA = in.VKAPA * 100;
    v_.FREIB = in.LZZFREIB;
    v_.ZKF = in.ZKF;
    periodLzz_ = in.LZZ;
    periodRe4_ = v_.RE4;
    lstLzz_ = solzLzz_ = bk_ = sts_ = 0_cur;
    // Tax class 0 is the flat tax of a mini-job: no wage tax, surcharge or church tax here.
    if (!active()) return 0_cur;

    pensionAllowance();
    oldAgeRelief();
    reduceAndAnnualise();
    builtInAllowances();
    contributionAllowance();
    v_.ST = annualTax(v_.ZTABFB);
    lstLzz_ = periodShare(v_.LZZ, v_.ST * 100, false);

    // Assessment base of surcharge and church tax: the annual tax with the child allowances.
    const Currency jbmg = v_.ZKF > 0_cur ? annualTax(v_.ZTABFB + v_.KFB) : v_.ST;
    solzLzz_ = periodShare(v_.LZZ, OldPlanSurchargeYear(*rules_, jbmg, v_.KZTAB) * 100, false);
    bk_ = periodShare(v_.LZZ, jbmg * 100, false);
    return exact(lstLzz_ / 100);
}

Currency OldPlan::churchTax(Currency baseCents, const OldChurchTaxArgs& args, Currency re4Cents, int lzz) const
{
    if (!active() || !args.Pflichtig) return 0_cur;
    KirchensteuerFall fall;
    fall.Bundesland = args.Bundesland;
    fall.Konfession = args.Konfession;
    fall.Anteil = args.Anteil;
    fall.Kappung = args.Kappung;
    fall.Satz = args.Satz;
    fall.basisCent = baseCents;
    fall.RE4Cent = re4Cents;
    fall.LSTLZZCent = lstLzz_;
    fall.LZZ = lzz;
    fall.mindestAlt = true;
    return Kirchensteuer(fall);
}

Currency OldPlan::KirchensteuerLzz(const OldChurchTaxArgs& args) const
{
    return churchTax(bk_, args, periodRe4_, periodLzz_);
}

Currency OldPlan::LohnsteuerSonst(int ALTER1, Currency SONSTB, Currency VBS, Currency JRE4, Currency JVBEZ,
                                  Currency JFREIB)
{
    sts_ = 0_cur;
    if (!rules_->hasSpecialPayment || !active() || SONSTB.isZero()) return 0_cur;
    // The annual wage with and without the payment, taxed as a year's pay with
    // the annual allowance; the allowances for contributions stay those of the period.
    v_.LZZ = 1;
    v_.ALTER1 = ALTER1;
    v_.FREIB = JFREIB * 100;
    v_.RE4 = JRE4 * 100;
    v_.VBEZ = JVBEZ * 100;
    pensionAllowance();
    oldAgeRelief();
    reduceAndAnnualise();
    builtInAllowances();
    const Currency lstoso = annualTax(v_.ZTABFB);

    v_.RE4 = (JRE4 + SONSTB) * 100;
    v_.VBEZ = (JVBEZ + VBS) * 100;
    pensionAllowance();
    oldAgeRelief();
    reduceAndAnnualise();
    const Currency lstso = annualTax(v_.ZTABFB);
    sts_ = std::max(0_cur, lstso - lstoso);
    return sts_;
}

Currency OldPlan::SolzSonst() const
{
    if (!active() || sts_.isZero()) return 0_cur;
    return downToCents(sts_ * 0.055_cur);
}

Currency OldPlan::KirchensteuerSonst(const OldChurchTaxArgs& args) const
{
    // The plan has no own rate here: always the area's rules. After a special
    // payment it works on the year (LZZ 1), so a minimum counts for the year.
    OldChurchTaxArgs areaRules = args;
    areaRules.Satz = 0_cur;
    return churchTax(sts_ * 100, areaRules, v_.RE4, v_.LZZ);
}

}  // namespace lx
