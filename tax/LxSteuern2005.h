#pragma once
// Wage-tax plan 2005, the only one of the older plans with a special payment.

#include <string_view>

#include "Currency.h"
#include "OldPlan.h"
#include "OldPlanTables.h"

namespace lx {

class LxSteuern2005 {
public:
    static constexpr std::string_view kName = kRules2005.name;

    // RE4, VBEZ, VBEZM, VBEZS in euros, LZZFREIB in cents (negative: an
    // addition amount). Returns LSTLZZ in euros.
    Currency LohnsteuerLzz(int LZZ, int ZMVB, int ALTER1, Currency RE4, Currency VBEZ, Currency VBEZM, Currency VBEZS,
                           Currency LZZFREIB, int KRV, int STKL, Currency ZKF);
    // SOLZLZZ in cents.
    Currency SolzLzz() const { return plan_.SolzLzz(); }
    // Church tax of the period in euros, the part of the church args.Anteil.
    Currency KirchensteuerLzz(const OldChurchTaxArgs& args) const { return plan_.KirchensteuerLzz(args); }

    // Special payment SONSTB with its pension part VBS; JRE4 the annual wage
    // including the current period, JVBEZ the annual pension in it, JFREIB the
    // annual allowance; all in euros. Returns STS in euros.
    Currency LohnsteuerSonst(int ALTER1, Currency SONSTB, Currency VBS, Currency JRE4, Currency JVBEZ, Currency JFREIB)
    {
        return plan_.LohnsteuerSonst(ALTER1, SONSTB, VBS, JRE4, JVBEZ, JFREIB);
    }
    // Surcharge on STS in euros.
    Currency SolzSonst() const { return plan_.SolzSonst(); }
    // Church tax on STS in euros, the part of the church args.Anteil (always by the area's rules: Satz is not used).
    Currency KirchensteuerSonst(const OldChurchTaxArgs& args) const { return plan_.KirchensteuerSonst(args); }

private:
    OldPlan plan_{kRules2005};
};

}  // namespace lx
