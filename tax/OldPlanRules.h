#pragma once
// What sets the wage-tax plans 2004 to 2007 apart. The four plans share one
// computation (OldPlan.h): it reduces the period wage by the period's
// allowances first and annualises the rest by fixed formulas. Everything that
// differs between the years is a value of this table, one table per plan
// (OldPlanTables.h).

#include <array>
#include <string_view>

#include "Currency.h"

namespace lx {

// The unit in which a plan counts its period amounts (the computation itself
// always holds cents); the pension allowance and the old-age relief of the
// period are rounded up to whole units of it.
enum class PlanUnit {
    Euro,  // 2004
    Cent,  // 2005 to 2007
};

// How the pension allowance VFB of the period and its supplement FVBZ arise.
enum class PensionAllowanceKind {
    PeriodFlat,  // 2004: a rate of the period pension, limited to the period share of the maximum
    AnnualFlat,  // 2005: a rate of the annual pension from VBEZM/VBEZS, fixed maximum and supplement
    Tables,      // 2006, 2007: rates and maxima from the tables by the year the pension began
};

// How the annual pension ZVBEZ is formed from the period's pension less its allowance.
enum class AnnualPensionKind {
    None,              // 2004, 2005: the plan has no annual pension amount
    CutToWholeEuros,   // 2006: always annualised, then cut to whole euros (2 euros a year for a day-paid
                       // employee without pension, as the official plan gives)
    CentsWhenPension,  // 2007: annualised to cents; 0 when no pension is paid
};

// How the plan forms the allowances built into the tariff (ZTABFB).
enum class BuiltInAllowancesKind {
    OneSumPerClass,  // 2004: one fixed sum per tax class
    FixedParts,      // 2005: ANP from whether a pension and a wage are paid, EFA, SAP
    FromAnnualWage,  // 2006, 2007: ANP from the annual wage and pension as far as they reach
};

// How the pension-contribution allowance is brought to whole euros.
enum class WholeEuros {
    Down,  // cut (2004, 2007)
    Up,    // the plan's "up to whole units" rounding (2005, 2006)
};

// How an amount is brought to cents where the plan rounds it.
enum class CentRounding {
    Nearest,  // Int(100 v + 0.5) / 100 (2004)
    Cut,      // Int(100 v) / 100 (2005 to 2007)
};

// The pension-insurance part of the contribution allowance (UPEVP), from 2005 on.
struct PensionContributionPart {
    bool present = false;
    Currency ceiling;  // annual ZRE4VP is limited to it
    Currency share;    // the tax-free share of the contribution
    Currency rate;     // the contribution rate
};

// Income-tax tariff of the year. X and all amounts in euros.
struct Tariff {
    Currency basicAllowance;  // zone 1 is X < basicAllowance + 1; zone 2's Y counts from it
    Currency zone2Factor;     // RW = Y * zone2Factor + zone2Base
    Currency zone2Base;
    Currency zone3From;  // first X of zone 3; its Y counts from zone3From - 1
    Currency zone3Factor;
    Currency zone3Base;
    Currency zone3Constant;  // ST = down(RW * Y + zone3Constant)
    Currency zone4From;
    Currency zone4Rate;  // ST = down(X * zone4Rate - zone4Less)
    Currency zone4Less;
    Currency zone5From;  // 0 when the plan has no fifth zone
    Currency zone5Rate;
    Currency zone5Less;
};

// Tax classes 5 and 6 (MST5_6 with UP5_6).
struct ClassFiveSix {
    Currency limit1;       // W1STKL5
    Currency limit2;       // W2STKL5
    Currency limit3;       // W3STKL5, 0 when the plan has none
    Currency rate;         // marginal rate above limit1 and limit2
    Currency topRate;      // marginal rate above limit3
    Currency minimumRate;  // MIST: at least this share of the income
};

struct OldPlanRules {
    std::string_view name;  // "2004" ... "2007"
    PlanUnit unit = PlanUnit::Cent;
    // 2004 cuts the annual amounts of a month, week or day to whole euros, the
    // later plans cut every annual amount to cents.
    bool annualToWholeEuros = false;

    PensionAllowanceKind pensionAllowance = PensionAllowanceKind::Tables;
    Currency flatPensionRate;        // PeriodFlat and AnnualFlat
    Currency flatPensionMaximum;     // a year, euros
    Currency flatPensionSupplement;  // FVBZ a year, euros (AnnualFlat)
    Currency flatReliefRate;         // old-age relief, when not from the tables
    Currency flatReliefMaximum;      // a year, euros
    AnnualPensionKind annualPension = AnnualPensionKind::None;

    BuiltInAllowancesKind builtInAllowances = BuiltInAllowancesKind::FromAnnualWage;
    std::array<Currency, 6> classSums{};        // OneSumPerClass, tax classes 1 to 6
    Currency pensionLumpSum;                    // ANP part for a pension (102)
    Currency employeeLumpSum;                   // ANP part for a wage (920)
    bool lumpSumBelowCapCut = false;            // ANP with a wage part below its cap cut to whole euros (2007)
    Currency singleParentRelief;                // EFA in tax class 2
    std::array<Currency, 6> specialExpenses{};  // SAP, tax classes 1 to 6
    Currency childAllowance;                    // KFB per child allowance in tax classes 1 to 3
    Currency childAllowanceClass4;              // in tax class 4

    PensionContributionPart pensionPart;
    CentRounding contributionCents = CentRounding::Cut;  // VSPO and the deduction from VSPVOR
    bool halfUpToCents = true;                           // the half of the rest above VSPMAX1 is rounded up to cents
    WholeEuros contributionWholeEuros = WholeEuros::Down;

    Tariff tariff;
    ClassFiveSix classFiveSix;
    bool surchargeTaperCutToCents = true;  // (JBMG - SOLZFREI) * 20 % cut to cents
    bool hasSpecialPayment = false;        // LohnsteuerSonst, SolzSonst, KirchensteuerSonst
};

}  // namespace lx
