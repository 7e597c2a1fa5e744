#pragma once
// The engine's side of the wage tax: the inputs that it hands to the flow plan
// of the year and month, and the results that it takes back. The flow plan is
// asked in exactly one place, LohnsteuerNachPlan (LohnsteuerPlan.cpp).

#include <cstdint>

#include "Currency.h"
#include "LxSteuernPlan.h"
#include "PlanRegistry.h"

namespace lx {

class TLohnGehalt;

// The wage-tax data of one computation in euros (the plans' names), taken
// from the engine's fields; LohnsteuerNachPlan hands them to the plan.
struct LohnsteuerDaten {
    int jahr = 0;
    int monat = 0;
    int AJAHR = 0;  // birth year + 65, 0 when the birth year is not known
    int VJAHR = 0;
    std::uint8_t ZMVB = 0;
    Currency RE4;       // taxable current pay of the period (a day's pay when LZZ is 4)
    Currency LZZFREIB;  // allowance of the period
    Currency LZZHINZU;  // addition of the period (a negative allowance)
    Currency JFREIB;
    Currency JHINZU;
    Currency VMT;
    Currency VBEZ;
    Currency VBS;
    Currency VBEZM;
    Currency VBEZS;
    Currency JVBEZ;
    Currency PKPV;  // the employee's private health and care premium
    Currency f;     // factor of tax class IV
    Currency KVZ;
    Currency ZKF;
    std::uint8_t STKL = 0;
    std::uint8_t LZZ = 0;
    std::uint8_t KRV = 0;
    std::uint8_t PKV = 0;
    std::uint8_t pvKinder = 0;  // children for the care rate
    std::uint8_t ALTER1 = 0;
    std::uint8_t af = 0;
    std::uint8_t PVS = 0;
    std::uint8_t PVZ = 0;
    // special payment and multi-year pay
    Currency SONSTB;
    Currency JRE4;
    Currency FBJahr;  // annual allowance (2005 plan)
    // church tax
    bool kirchensteuerpflichtig = false;
    std::uint8_t bundesland = 0;
    std::uint8_t konfession = 0;
};

// Taxes of one computation in euros; the period taxes before the tax-day multiplication.
struct LohnsteuerErgebnis {
    Currency LSt, SolZ, KiStEv, KiStRk;
    Currency LStEB, SolZEB, KiStEvEB, KiStRkEB;
    Currency LStLMJ, SolZLMJ, KiStEvLMJ, KiStRkLMJ;
    std::uint8_t VmtBegrenzt = 0;  // 0 for plans that do not report it
};

// ALTER1: 1 when the birth year is known and at most year - 65.
std::uint8_t Alter1(int gebJahr, int jahr);

// The tax allowance of the pay period and of the year in euros (negative: an
// addition amount) from the engine's field, which holds the monthly amount
// times 100. Raises MoneyError when the year's amount leaves the money range.
struct Freibetrag {
    Currency periode, jahr;
};
Freibetrag FreibetragAus(Currency feld);

// The plan's inputs from the engine's fields as they stand at the wage-tax step.
LohnsteuerDaten LohnsteuerDatenAus(const TLohnGehalt& lg, Currency pkpv);

// The plan's inputs from the wage-tax data; each plan reads those of its own argument list.
LohnsteuerEingaben PlanEingaben(const LohnsteuerDaten& d);

// Runs the flow plan of the inputs' year and month, a module of the caller's
// own: period tax, surcharge and church tax; special payment when SONSTB > 0;
// multi-year pay when VMT > 0. A year without a plan computes no tax (all 0).
LohnsteuerErgebnis LohnsteuerNachPlan(PlanSatz& plaene, const LohnsteuerDaten& e);

}  // namespace lx
