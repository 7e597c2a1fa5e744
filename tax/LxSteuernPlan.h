#pragma once
// The interface of a wage-tax flow-plan module, as the payroll engine calls it.
//
// One module per official flow plan; kPlanKalender (PlanRegistry.h) lists the
// plans with the pay months each serves. A module keeps the plan's variables
// between its operations, so one calculation is:
//
//   LohnsteuerLzz            (starts the calculation, clears everything earlier)
//   SolzLzz
//   KirchensteuerLzz  x2     (Protestant part Anteil 1, Catholic part Anteil 0)
//   when a special payment:      LohnsteuerSonst, SolzSonst, KirchensteuerSonst x2 (AufVmt 0)
//   when pay for several years:  LohnsteuerVmt,   SolzVmt,   KirchensteuerSonst x2 (AufVmt 1)
//   VmtBegrenzt
//
// Amounts in and out are euros. An operation that the plan does not have
// (bietet() is false) returns 0 and changes nothing, so a caller never reads a
// value left over from another calculation. After an entry with tax class 0
// (the flat tax of a mini-job) every operation returns 0.

#include <cstdint>
#include <string_view>

#include "Currency.h"

namespace lx {

// Inputs of the calculation entry, named as in the flow plans and listed in the
// 2024 plan's argument order. Every plan reads the inputs that its own argument
// list has and treats the others as absent (0, f as 1): the engine may fill all.
struct LohnsteuerEingaben {
    int AJAHR = 0;        // first year of the old-age relief
    int VJAHR = 0;        // year in which the pension payments began
    int ZMVB = 0;         // months with pension payments (0..12)
    Currency RE4{};       // wage of the pay period
    Currency LZZFREIB{};  // allowance of the pay period; negative: an addition amount (LZZHINZU)
    Currency JFREIB{};    // annual allowance; negative: an addition amount (JHINZU)
    Currency VMT{};       // pay for several years
    Currency VBEZ{};      // pension payments in RE4
    Currency VBS{};       // pension payments in a special payment
    Currency VBEZM{};     // monthly pension of the first full month
    Currency VBEZS{};     // special pension payments in the year
    Currency JVBEZ{};     // annual pension payments
    Currency PKPV{};      // private health and care premium per month
    Currency ENTSCH{};    // compensation in VMT
    Currency JRE4ENT{};   // tax-free compensation in JRE4
    Currency SONSTENT{};  // tax-free compensation in a special payment
    Currency f = 1_cur;   // factor of the factor procedure (read only when af is 1)
    Currency KVZ{};       // additional health-insurance rate in percent (1.70)
    Currency MBV{};       // non-recurring pension-fund contribution (always 0 from the engine)
    Currency ZKF{};       // number of child allowances, in halves (1.5)
    int STKL = 0;         // tax class 1..6; 0 = no wage tax
    int LZZ = 2;          // pay period: 1 year, 2 month, 3 week, 4 day
    int KRV = 0;          // 0 general table West, 1 general table East, 2 special table
    int PKV = 0;          // 0 statutory, 1 private, 2 private with employer subsidy
    int AnzKinderPV = 0;  // children for the care-insurance rate (2024 on)
    int ALTER1 = 0;       // 1 when the old-age relief applies
    int af = 0;           // 1 when the factor f applies
    int PVS = 0;          // 1 for Saxony's care-insurance rates
    int PVZ = 0;          // 1 for the care-insurance surcharge of the childless
    Currency STERBE{};    // death benefits (2006, 2007 argument lists; 0 from the engine)
    Currency VKAPA{};     // capitalised pension payments (2006, 2007; 0 from the engine)
    Currency FBJahr{};    // annual allowance of the 2005 plan's special payment (its JFREIB)
};

// The operations after the entry that a plan may lack.
enum class PlanOperation : std::uint8_t {
    LohnsteuerSonst,  // with SolzSonst and KirchensteuerSonst on a special payment
    LohnsteuerVmt,    // with SolzVmt and KirchensteuerSonst on pay for several years
    VmtBegrenzt,
};

class LxSteuernPlan {
public:
    virtual ~LxSteuernPlan() = default;

    // The plan's name: "2024", "1211", "0723", ...
    virtual std::string_view name() const = 0;
    // False when the plan has no such operation (then it returns 0).
    virtual bool bietet(PlanOperation op) const = 0;

    // LSTLZZ: wage tax of the pay period. Starts a calculation.
    virtual Currency LohnsteuerLzz(const LohnsteuerEingaben& e) = 0;
    // SOLZLZZ: solidarity surcharge of the pay period.
    virtual Currency SolzLzz() = 0;
    // Church tax of the pay period (Pflichtig 0/1, church-tax area code 1..18,
    // Konfession 0 ev, 1 rk, 2 ev/rk, 3 rk/ev; Anteil 1 Protestant, 0 Catholic
    // part; Kappung non-zero caps by the area's rate of the wage; Satz 0 the
    // area's rules, 0 < Satz < 99 an own rate in percent, 99 the undivided tax).
    virtual Currency KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                                      Currency Satz) = 0;

    // STS: wage tax on a special payment SONSTB, with the annual wage JRE4 and
    // the annual pension JVBEZ and its part VBS in the payment.
    virtual Currency LohnsteuerSonst(Currency SONSTB, Currency JRE4, Currency JVBEZ, Currency VBS) = 0;
    virtual Currency SolzSonst() = 0;
    // Church tax on STS (AufVmt 0) or on STV (AufVmt 1); other arguments as KirchensteuerLzz.
    virtual Currency KirchensteuerSonst(int Pflichtig, int Bundesland, int Konfession, int Anteil, int AufVmt,
                                        Currency Kappung, Currency Satz) = 0;

    // STV: wage tax on the pay for several years VMT given to the entry, next
    // to a special payment SONSTB and the annual wage JRE4.
    virtual Currency LohnsteuerVmt(Currency SONSTB, Currency JRE4) = 0;
    virtual Currency SolzVmt() = 0;
    // 1 when this calculation's multi-year tax was limited to normal taxation.
    virtual int VmtBegrenzt() = 0;
};

}  // namespace lx
