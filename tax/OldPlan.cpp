#include "OldPlan.h"

#include <algorithm>

#include "Dez.h"
#include "Kirchensteuer.h"

namespace lx {

namespace {

// The plans' own rounding routines ("Int" cuts toward zero). They work on the
// exact value and return it with at most four decimals.
template <int S, class M>
Currency roundToCents(Dez<S, M> v)
{
    return (v + 0.005_d).template toCurrency<kCents>(Round::Cut);
}
template <int S, class M>
Currency upToCents(Dez<S, M> v)
{
    return (v + 0.009_d).template toCurrency<kCents>(Round::Cut);
}
template <int S, class M>
Currency upToUnits(Dez<S, M> v)
{
    return (v + 0.99_d).template toCurrency<kEuros>(Round::Cut);
}
Currency upToUnits(Currency v)
{
    return upToUnits(dez(v));
}
template <int S, class M>
Currency downToCents(Dez<S, M> v)
{
    return v.template toCurrency<kCents>(Round::Cut);
}
Currency downToCents(Currency v)
{
    return downToCents(dez(v));
}
template <int S, class M>
Currency downToUnits(Dez<S, M> v)
{
    return v.template toCurrency<kEuros>(Round::Cut);
}
Currency downToUnits(Currency v)
{
    return downToUnits(dez(v));
}
// A value the plan keeps at four decimals.
template <int S, class M>
Currency keepFour(Dez<S, M> v)
{
    return v.toCurrency(Round::HalfUp);
}
// A value that needs no rounding beyond the four decimals of Currency.
template <int S, class M>
Currency exact(Dez<S, M> v)
{
    return v.toCurrency(Round::Cut);
}
// The rules on a quotient n / d (d > 0), in one exact division: the offset is
// added to n as d times the offset.
Currency upToUnits(Currency n, std::int64_t d)
{
    return (dez(n) + 0.99_d * d).divide<kEuros>(d, Round::Cut).toCurrency(Round::Cut);
}
Currency downToUnits(Currency n, std::int64_t d)
{
    return dez(n).divide<kEuros>(d, Round::Cut).toCurrency(Round::Cut);
}
Currency exact(Currency n, std::int64_t d)
{
    return dez(n).divide<kFull>(d, Round::Cut).toCurrency(Round::Cut);
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
    return n == 1 ? 3000_cur : tab1(n) * 7500;
}  // maximum allowance
Currency tab3(int n)
{
    return n == 1 ? 900_cur : tab1(n) * 2250;
}  // allowance supplement
Currency tab5(int n)
{
    return n == 1 ? 1900_cur : tab1(n) * 4750;
}  // maximum old-age relief

// Amounts that the four plans share, each per tariff unit KZTAB.
constexpr Currency kVspVor = 3068_cur;          // VSPVOR
constexpr Currency kVspMax1 = 1334_cur;         // VSPMAX1
constexpr Currency kVspMax2 = 667_cur;          // VSPMAX2
constexpr Currency kVspKurz = 1134_cur;         // VSPKURZ, special table
constexpr Currency kVspHealthLimit = 1500_cur;  // limit of VSP2
constexpr Currency kSolzFreigrenze = 972_cur;   // SOLZFREI

template <int S, class M>
Currency centRounding(CentRounding mode, Dez<S, M> v)
{
    return mode == CentRounding::Nearest ? roundToCents(v) : downToCents(v);
}

// A period amount in cents rounded up to whole units of the plan's unit.
template <int S, class M>
Currency upToPlanUnits(PlanUnit unit, Dez<S, M> cents)
{
    return unit == PlanUnit::Euro ? upToUnits(cents.template div10<2>()) * 100 : upToUnits(cents);
}

// Period share of an annual amount in cents; rounded up or cut to whole cents
// except for a yearly pay period.
Currency periodShare(int lzz, Currency annualCents, bool up)
{
    Currency n = annualCents;
    std::int64_t d;
    switch (lzz) {
        case 1:
            return annualCents;
        case 2:
            d = 12;
            break;
        case 3:
            n = annualCents * 7;
            d = 360;
            break;
        default:
            d = 360;
            break;
    }
    return up ? upToUnits(n, d) : downToUnits(n, d);
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
            const Currency vfb = upToPlanUnits(r.unit, dez(v_.VBEZ) * dez(r.flatPensionRate));
            v_.VFB = std::min(vfb, periodShare(v_.LZZ, r.flatPensionMaximum * 100, true));
            return;
        }
        case PensionAllowanceKind::AnnualFlat: {
            Currency vbezb;
            if (v_.LZZ == 1) {
                vbezb = v_.VBEZM * v_.ZMVB + v_.VBEZS;
                v_.FVBZ = exact(r.flatPensionSupplement * v_.ZMVB, 12);
            } else {
                vbezb = v_.VBEZM * 12 + v_.VBEZS;
                v_.FVBZ = r.flatPensionSupplement;
            }
            const Currency fvb =
                std::min(upToPlanUnits(r.unit, dez(vbezb) * dez(r.flatPensionRate)), r.flatPensionMaximum * 100);
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
                    hfvb = exact(tab2(j) * 100 * v_.ZMVB, 12);
                    v_.FVBZ = upToUnits(tab3(j) * v_.ZMVB, 12);
                }
            } else {
                vbezb = v_.VBEZM * 12 + v_.VBEZS;
                hfvb = tab2(j) * 100;
                v_.FVBZ = tab3(j);
            }
            // This plan rounds the cent amount with its up-to-cents routine (to hundredths of a cent).
            const Currency fvb = std::min(upToCents(dez(vbezb) * dez(tab1(j))), hfvb);
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
        alte = upToUnits(dez(base) * dez(tab1(k)));
        maximum = tab5(k);
    } else {
        alte = upToPlanUnits(r.unit, dez(base) * dez(r.flatReliefRate));
        maximum = r.flatReliefMaximum;
    }
    v_.ALTE = std::min(alte, periodShare(v_.LZZ, maximum * 100, true));
}

void OldPlan::reduceAndAnnualise()
{
    const OldPlanRules& r = *rules_;
    // Annual amount in euros of a period amount in cents, by the plans' fixed formulas.
    auto annual = [&](Currency p) {
        auto gerundet = [&](auto a) { return r.annualToWholeEuros ? downToUnits(a) : downToCents(a); };
        switch (v_.LZZ) {
            case 1: {
                const auto a = dez(p).div10<2>();
                return r.annualToWholeEuros ? exact(a) : downToCents(a);
            }
            case 2:
                return gerundet(dez(p + 0.67_cur) * 0.12_d);
            case 3: {
                // (p + 0.89) x 3.6 / 7, one division at the rounding
                const auto a = dez(p + 0.89_cur) * 3.6_d;
                return r.annualToWholeEuros ? a.divide<kEuros>(7, Round::Cut).toCurrency(Round::Cut)
                                            : a.divide<kCents>(7, Round::Cut).toCurrency(Round::Cut);
            }
            default:
                return gerundet(dez(p + 0.56_cur) * 3.6_d);
        }
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
        v_.KFB = exact(dez(v_.ZKF) * dez(r.childAllowance));
    else if (stkl == 4)
        v_.KFB = exact(dez(v_.ZKF) * dez(r.childAllowanceClass4));
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
            vsp1 = keepFour(dez(v_.ZRE4VP) * dez(r.pensionPart.share) * dez(r.pensionPart.rate));
        }
        const Currency vsp2 = std::min(keepFour(dez(v_.ZRE4VP) * 0.11_d), kVspHealthLimit * kztab);
        vspn = upToUnits(vsp1 + vsp2);
    }

    // MVSP and UMVSP: the allowance with its pre-deduction.
    const Currency vspo = centRounding(r.contributionCents, dez(v_.ZRE4VP) * 0.2_d);
    Currency vspvor = kVspVor * kztab;
    const Currency vspmax1 = kVspMax1 * kztab;
    const Currency vspmax2 = kVspMax2 * kztab;
    Currency vsp;
    if (v_.KRV == 1) {
        const Currency vspkurz = kVspKurz * kztab;
        vsp = vspo <= vspkurz ? wholeEuros(vspo) : vspkurz;
    } else {
        vspvor = std::max(0_cur, vspvor - centRounding(r.contributionCents, dez(v_.ZRE4VP) * 0.16_d));
        if (vspo <= vspvor) {
            vsp = wholeEuros(vspo);
        } else {
            const Currency vsprest = vspo - vspvor;
            if (vsprest <= vspmax1) {
                vsp = wholeEuros(vspvor + vsprest);
            } else {
                const auto half = (dez(vsprest - vspmax1) * 5).div10<1>();
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
        const Dez<6> y = dez(x - t.basicAllowance).div10<4>().rescale<6>(Round::Cut);
        const auto rw = y * dez(t.zone2Factor) + dez(t.zone2Base);
        return downToUnits(rw * y);
    }
    if (x < t.zone4From) {
        const Dez<6> y = dez(x - (t.zone3From - 1_cur)).div10<4>().rescale<6>(Round::Cut);
        const auto rw = y * dez(t.zone3Factor) + dez(t.zone3Base);
        return downToUnits(rw * y + dez(t.zone3Constant));
    }
    if (!t.zone5From.isZero() && x >= t.zone5From) return downToUnits(dez(x) * dez(t.zone5Rate) - dez(t.zone5Less));
    return downToUnits(dez(x) * dez(t.zone4Rate) - dez(t.zone4Less));
}

namespace {
// UP5_6: twice the tax difference between 125 % and 75 % of the income, at least MIST.
Currency up56(const OldPlanRules& rules, Currency zx)
{
    const Currency st1 = OldPlanTariff(rules, downToCents(dez(zx) * 1.25_d));
    const Currency st2 = OldPlanTariff(rules, downToCents(dez(zx) * 0.75_d));
    const Currency diff = (st1 - st2) * 2;
    const Currency mist = downToUnits(dez(zx) * dez(rules.classFiveSix.minimumRate));
    return diff >= mist ? diff : mist;
}
}  // namespace

Currency OldPlanClassFiveSix(const OldPlanRules& rules, Currency zzx)
{
    const ClassFiveSix& c = rules.classFiveSix;
    if (zzx <= c.limit2) {
        Currency st = up56(rules, zzx);
        if (zzx > c.limit1) {
            const Currency hoch = downToUnits(dez(up56(rules, c.limit1)) + dez(zzx - c.limit1) * dez(c.rate));
            st = std::min(st, hoch);
        }
        return st;
    }
    Currency st = up56(rules, c.limit2);
    if (c.limit3.isZero() || zzx <= c.limit3) return downToUnits(dez(st) + dez(zzx - c.limit2) * dez(c.rate));
    // Cut to whole euros at each limit, as the official plan does.
    st = downToUnits(dez(st) + dez(c.limit3 - c.limit2) * dez(c.rate));
    return downToUnits(dez(st) + dez(zzx - c.limit3) * dez(c.topRate));
}

Currency OldPlanSurchargeYear(const OldPlanRules& rules, Currency jbmg, int kztab)
{
    const Currency solzfrei = kSolzFreigrenze * kztab;
    if (jbmg <= solzfrei) return 0_cur;
    // 5.5 % of the base, but no more than 20 % of the part above the exemption limit.
    const Currency full = downToCents(dez(jbmg) * 0.055_d);
    const auto taper = dez(jbmg - solzfrei) * 0.20_d;
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
        v_.X = downToUnits(zve, v_.KZTAB);
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
    return exact(dez(lstLzz_).div10<2>());
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
    fall.Jahr = kirchensteuerJahr(rules_->name);
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
    return downToCents(dez(sts_) * 0.055_d);
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
