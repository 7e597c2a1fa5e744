// Dispatch of the wage tax to the flow plan of the year and month.
//
// The flow-plan modules and their registry are not part of this library yet:
// until they are, no plan is found and every tax is 0. Wiring them in means
// replacing the body below by: ask the registry for the plan of e.jahr and
// e.monat; when there is none return {}; otherwise call LohnsteuerLzz with the
// inputs of e, then SolzLzz and KirchensteuerLzz twice (Protestant and Catholic
// part); when e.SONSTB > 0 LohnsteuerSonst (SONSTB, JRE4, JVBEZ 0, VBS 0),
// SolzSonst, KirchensteuerSonst; when e.VMT > 0 LohnsteuerVmt (SONSTB, JRE4),
// SolzVmt, KirchensteuerSonst on the multi-year tax; VmtBegrenzt where the
// plan offers it, else 0.

#include "Lohnsteuer.h"

namespace lx {

LohnsteuerErgebnis LohnsteuerNachPlan(const LohnsteuerEingaben& /*e*/)
{
    return {};
}

}  // namespace lx
