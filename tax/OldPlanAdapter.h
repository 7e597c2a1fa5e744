#pragma once
// The wage-tax plans 2004 to 2007 behind the interface of the later plans, so
// the engine calls every year alike. These modules have an older shape (their
// own argument lists, fewer operations, some amounts in cents); the adapter
// converts units and otherwise hands on the inputs as the caller gives them:
//
// - Entry: each module takes the inputs of its own argument list from
//   LohnsteuerEingaben. LZZFREIB (euros, negative for an addition amount)
//   reaches the module in cents, the unit these plans expect. KRV has the
//   meaning of these years (1 special table, other values general table);
//   VJAHR, AJAHR, STERBE and VKAPA (2006, 2007) go in as given.
// - SolzLzz: the module counts the surcharge in cents; the adapter returns its
//   whole cents in euros.
// - Church tax: the part of the church that Anteil names (1 Protestant,
//   0 Catholic) of the total, a mixed couple's total shared by the area's
//   quota, by the program's church-tax rules with the minimum that 2004 to
//   2009 have in Baden-Württemberg and Lower Saxony.
// - Special payment (2005 only): JRE4 is the annual wage as the later plans
//   take it; this plan gets JRE4 plus the entry's RE4 (the annual wage with
//   the current period), and ALTER1 and the annual allowance FBJahr of the
//   entry (the engine's own annual value, not twelve period allowances). Its church tax follows the area's rules
//   whatever Satz says (the plan has no own rate here).
// - No plan of these years has multi-year pay or VmtBegrenzt: they return 0.
// - Tax class 0 (the flat tax of a mini-job): every operation returns 0.

#include <string_view>

#include "LxSteuern2004.h"
#include "LxSteuern2005.h"
#include "LxSteuern2006.h"
#include "LxSteuern2007.h"
#include "LxSteuernPlan.h"

namespace lx {

// Modul: LxSteuern2004, LxSteuern2005, LxSteuern2006 or LxSteuern2007.
template <class Modul>
class OldPlanAdapter final : public LxSteuernPlan {
public:
    static constexpr std::string_view kName = Modul::kName;

    std::string_view name() const override { return kName; }
    bool bietet(PlanOperation op) const override;

    Currency LohnsteuerLzz(const LohnsteuerEingaben& e) override;
    Currency SolzLzz() override;
    Currency KirchensteuerLzz(int Pflichtig, int Bundesland, int Konfession, int Anteil, Currency Kappung,
                              Currency Satz) override;

    Currency LohnsteuerSonst(Currency SONSTB, Currency JRE4, Currency JVBEZ, Currency VBS) override;
    Currency SolzSonst() override;
    Currency KirchensteuerSonst(int Pflichtig, int Bundesland, int Konfession, int Anteil, int AufVmt, Currency Kappung,
                                Currency Satz) override;

    Currency LohnsteuerVmt(Currency, Currency) override { return 0_cur; }
    Currency SolzVmt() override { return 0_cur; }
    int VmtBegrenzt() override { return 0; }

private:
    static constexpr bool kSonst = requires(Modul & m) { m.SolzSonst(); };

    Modul modul_;
    // Inputs of the entry that the 2005 special payment takes again.
    int ALTER1_ = 0;
    Currency RE4_;
    Currency JFREIB_;
};

extern template class OldPlanAdapter<LxSteuern2004>;
extern template class OldPlanAdapter<LxSteuern2005>;
extern template class OldPlanAdapter<LxSteuern2006>;
extern template class OldPlanAdapter<LxSteuern2007>;

}  // namespace lx
