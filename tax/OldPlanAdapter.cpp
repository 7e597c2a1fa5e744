#include "OldPlanAdapter.h"

#include "Dez.h"

namespace lx {

namespace {

// Each module's entry with its own argument list; LZZFREIB in cents.
Currency eintritt(LxSteuern2004& m, const LohnsteuerEingaben& e, Currency LZZFREIB)
{
    return m.LohnsteuerLzz(e.LZZ, e.ALTER1, e.RE4, e.VBEZ, LZZFREIB, e.KRV, e.STKL, e.ZKF);
}
Currency eintritt(LxSteuern2005& m, const LohnsteuerEingaben& e, Currency LZZFREIB)
{
    return m.LohnsteuerLzz(e.LZZ, e.ZMVB, e.ALTER1, e.RE4, e.VBEZ, e.VBEZM, e.VBEZS, LZZFREIB, e.KRV, e.STKL, e.ZKF);
}
template <const OldPlanRules& Regeln>
Currency eintritt(OldPlanModul2006<Regeln>& m, const LohnsteuerEingaben& e, Currency LZZFREIB)
{
    return m.LohnsteuerLzz(e.VJAHR, e.AJAHR, e.LZZ, e.RE4, e.VBEZ, e.VBEZM, e.VBEZS, e.STERBE, e.VKAPA, LZZFREIB, e.KRV,
                           e.STKL, e.ZMVB, e.ZKF, e.ALTER1);
}

OldChurchTaxArgs kirchensteuerArgs(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                                   Currency Satz)
{
    return {.Pflichtig = Pflichtig != 0,
            .Bundesland = Bundesland,
            .Konfession = Konfession,
            .Anteil = Anteil,
            .Kappung = Kappung,
            .Satz = Satz};
}

}  // namespace

template <class Modul>
bool OldPlanAdapter<Modul>::bietet(PlanOperation op) const
{
    return op == PlanOperation::LohnsteuerSonst && kSonst;
}

template <class Modul>
Currency OldPlanAdapter<Modul>::LohnsteuerLzz(const LohnsteuerEingaben& e)
{
    ALTER1_ = e.ALTER1;
    RE4_ = e.RE4;
    JFREIB_ = e.FBJahr;
    return eintritt(modul_, e, e.LZZFREIB * 100);
}

template <class Modul>
Currency OldPlanAdapter<Modul>::SolzLzz()
{
    // Whole cents of the module's amount in cents.
    const Currency cent = modul_.SolzLzz();
    return dez(cent).div10<2>().toCurrency<kCents>(Round::Cut);
}

template <class Modul>
Currency OldPlanAdapter<Modul>::KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil,
                                                 Currency Kappung, Currency Satz)
{
    return modul_.KirchensteuerLzz(kirchensteuerArgs(Pflichtig, Bundesland, Konfession, Anteil, Kappung, Satz));
}

template <class Modul>
Currency OldPlanAdapter<Modul>::LohnsteuerSonst(Currency SONSTB, Currency JRE4, Currency JVBEZ, Currency VBS)
{
    if constexpr (kSonst) {
        return modul_.LohnsteuerSonst(ALTER1_, SONSTB, VBS, JRE4 + RE4_, JVBEZ, JFREIB_);
    } else {
        return 0_cur;
    }
}

template <class Modul>
Currency OldPlanAdapter<Modul>::SolzSonst()
{
    if constexpr (kSonst) {
        return modul_.SolzSonst();
    } else {
        return 0_cur;
    }
}

template <class Modul>
Currency OldPlanAdapter<Modul>::KirchensteuerSonst(int Pflichtig, int Bundesland, int Konfession, int Anteil,
                                                   int AufVmt, Currency Kappung, Currency Satz)
{
    if constexpr (kSonst) {
        if (AufVmt != 0) return 0_cur;  // no multi-year pay in these plans
        return modul_.KirchensteuerSonst(kirchensteuerArgs(Pflichtig, Bundesland, Konfession, Anteil, Kappung, Satz));
    } else {
        return 0_cur;
    }
}

template class OldPlanAdapter<LxSteuern2004>;
template class OldPlanAdapter<LxSteuern2005>;
template class OldPlanAdapter<LxSteuern2006>;
template class OldPlanAdapter<LxSteuern2007>;

}  // namespace lx
