#pragma once
// The computation shared by the wage-tax plans 2004 to 2007. These plans reduce
// the wage of the pay period by the period's allowances first and then turn the
// period amount into an annual one by fixed formulas; what differs between the
// years comes from an OldPlanRules table. One OldPlan object holds the plan
// variables of one module between its entry and the follow-up operations.
//
// Units: amounts arrive and results leave in euros, except the period
// allowance LZZFREIB (arrives in cents) and the period's surcharge (leaves in
// cents). Inside, period amounts are held in cents and annual amounts in euros.
// Arithmetic is exact; an amount beyond the money range throws MoneyError.

#include "Currency.h"
#include "OldPlanRules.h"

namespace lx {

// Inputs of the calculation entry, in the plan's names. A plan that does not
// take an input leaves it at its default.
struct OldPlanInput {
    int VJAHR = 0;     // year the pension began (2006, 2007)
    int AJAHR = 0;     // first year of the old-age relief (2006, 2007)
    int LZZ = 2;       // 1 year, 2 month, 3 week, 4 day
    int ZMVB = 0;      // months of pension in the year (2005 to 2007)
    int ALTER1 = 0;    // 1: old-age relief applies
    Currency RE4{};    // wage of the period, euros
    Currency VBEZ{};   // pension in it, euros
    Currency VBEZM{};  // monthly pension of the first full month, euros (2005 to 2007)
    Currency VBEZS{};  // special pension payments of the year, euros (2005 to 2007)
    Currency STERBE{};
    Currency VKAPA{};
    Currency LZZFREIB{};  // allowance of the period in cents; negative: an addition amount
    int KRV = 0;          // 1: special table (not pension-insured); other values: general table
    int STKL = 1;         // tax class 1 to 6; 0 (flat tax of a mini-job): no wage tax
    Currency ZKF{};       // number of child allowances (steps of 0.5)
};

// Arguments of the church tax; the program's own rules (Kirchensteuer.h) in
// the plan's year.
struct OldChurchTaxArgs {
    bool Pflichtig = false;  // liable to church tax
    int Bundesland = 0;      // church-tax area 1 to 18; other codes use the general rate
    int Konfession = 0;      // 0 "ev", 1 "rk", 2 "ev/rk", 3 "rk/ev"
    int Anteil = 1;          // 1 the Protestant part, 0 the Catholic part
    Currency Kappung{};      // non-zero: limit to the area's share of the wage
    Currency Satz{};         // percent; 0 < Satz < 99 own rate, 99 undivided without the tax-dependent minimum
};

// The plan variables after a calculation; amounts of the period in cents,
// annual amounts in euros. For diagnostics and tests.
struct OldPlanValues {
    int LZZ = 0, ZMVB = 0, ALTER1 = 0, VJAHR = 0, AJAHR = 0, KRV = 0, STKL = 0;
    Currency RE4, VBEZ, VBEZM, VBEZS, STERBE, VKAPA, FREIB;  // cents
    Currency ZKF;
    Currency VFB, ALTE;                     // cents
    Currency FVBZ, ZRE4J, ZRE4VP, ZVBEZ;    // euros
    Currency ZTABFB, KFB, VSP, ZVE, X, ST;  // euros
    int KZTAB = 1;
};

// The income-tax tariff of a plan for an income X in euros, before KZTAB.
Currency OldPlanTariff(const OldPlanRules& rules, Currency x);
// The annual tax of tax classes 5 and 6 (MST5_6) for an income ZZX in euros.
Currency OldPlanClassFiveSix(const OldPlanRules& rules, Currency zzx);
// The annual surcharge SOLZJ in euros for an assessment base JBMG in euros.
Currency OldPlanSurchargeYear(const OldPlanRules& rules, Currency jbmg, int kztab);

class OldPlan {
public:
    explicit OldPlan(const OldPlanRules& rules) : rules_(&rules) {}

    // LSTLZZ in euros. Computes the surcharge and the church-tax base of the
    // period as well, so the follow-up operations may run in any order.
    Currency LohnsteuerLzz(const OldPlanInput& in);
    // SOLZLZZ in cents.
    Currency SolzLzz() const { return solzLzz_; }
    // Church tax of the period in euros: the part of one church (args.Anteil)
    // of the total, which a mixed couple shares by the area's quota.
    Currency KirchensteuerLzz(const OldChurchTaxArgs& args) const;

    // Special payment (plans that have it). STS in euros.
    Currency LohnsteuerSonst(int ALTER1, Currency SONSTB, Currency VBS, Currency JRE4, Currency JVBEZ, Currency JFREIB);
    Currency SolzSonst() const;                                       // euros
    Currency KirchensteuerSonst(const OldChurchTaxArgs& args) const;  // euros, part as KirchensteuerLzz

    const OldPlanRules& rules() const { return *rules_; }
    const OldPlanValues& values() const { return v_; }

private:
    bool active() const { return v_.STKL >= 1 && v_.STKL <= 6 && v_.LZZ >= 1 && v_.LZZ <= 4; }

    void pensionAllowance();
    void oldAgeRelief();
    void reduceAndAnnualise();
    void builtInAllowances();
    void contributionAllowance();
    Currency annualTax(Currency ztabfb);  // sets ZVE and X, returns ST
    Currency churchTax(Currency baseCents, const OldChurchTaxArgs& args, Currency re4Cents, int lzz) const;

    const OldPlanRules* rules_;
    OldPlanValues v_;
    // Results of the period, kept apart from the variables that the special
    // payment reuses.
    int periodLzz_ = 0;
    Currency periodRe4_;  // cents
    Currency lstLzz_;     // cents
    Currency solzLzz_;    // cents
    Currency bk_;         // church-tax base of the period, cents
    Currency sts_;        // euros
};

}  // namespace lx
