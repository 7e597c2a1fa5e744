// Dispatch of the wage tax to the flow plan of the year and month. The plan's
// module keeps its state between the entry and the follow-up operations, so
// the calls below run in this order, all on one module.

#include "Lohnsteuer.h"
#include "PlanRegistry.h"

namespace lx {

LohnsteuerEingaben PlanEingaben(const LohnsteuerDaten& d)
{
    LohnsteuerEingaben e;
    e.AJAHR = d.AJAHR;
    e.VJAHR = d.VJAHR;
    e.ZMVB = d.ZMVB;
    e.RE4 = d.RE4;
    e.LZZFREIB = d.LZZFREIB - d.LZZHINZU;
    e.JFREIB = d.JFREIB - d.JHINZU;
    e.VMT = d.VMT;
    e.VBEZ = d.VBEZ;
    e.VBS = d.VBS;
    e.VBEZM = d.VBEZM;
    e.VBEZS = d.VBEZS;
    e.JVBEZ = d.JVBEZ;
    e.PKPV = d.PKPV;
    e.f = d.f;
    e.KVZ = d.KVZ;
    e.ZKF = d.ZKF;
    e.STKL = d.STKL;
    e.LZZ = d.LZZ;
    e.KRV = d.KRV;
    e.PKV = d.PKV;
    e.AnzKinderPV = d.pvKinder;
    e.ALTER1 = d.ALTER1;
    e.af = d.af;
    e.PVS = d.PVS;
    e.PVZ = d.PVZ;
    e.FBJahr = d.FBJahr;
    return e;
}

namespace {

constexpr int kEvangelisch = 1;  // Anteil of the Protestant part
constexpr int kKatholisch = 0;   // Anteil of the Catholic part

}  // namespace

LohnsteuerErgebnis LohnsteuerNachPlan(PlanSatz& plaene, const LohnsteuerDaten& d)
{
    LxSteuernPlan* plan = plaene.fuer(d.jahr, d.monat);
    if (plan == nullptr) return {};  // a year without a plan computes no tax

    LohnsteuerErgebnis r;
    const int pflichtig = d.kirchensteuerpflichtig ? 1 : 0;
    const int land = d.bundesland;
    const int konf = d.konfession;
    const Currency ohneKappung{};
    const Currency ohneSatz{};

    r.LSt = plan->LohnsteuerLzz(PlanEingaben(d));
    r.SolZ = plan->SolzLzz();
    r.KiStEv = plan->KirchensteuerLzz(pflichtig, land, konf, kEvangelisch, ohneKappung, ohneSatz);
    r.KiStRk = plan->KirchensteuerLzz(pflichtig, land, konf, kKatholisch, ohneKappung, ohneSatz);

    if (d.SONSTB > 0_cur && plan->bietet(PlanOperation::LohnsteuerSonst)) {
        r.LStEB = plan->LohnsteuerSonst(d.SONSTB, d.JRE4, 0_cur, 0_cur);
        r.SolZEB = plan->SolzSonst();
        r.KiStEvEB = plan->KirchensteuerSonst(pflichtig, land, konf, kEvangelisch, 0, ohneKappung, ohneSatz);
        r.KiStRkEB = plan->KirchensteuerSonst(pflichtig, land, konf, kKatholisch, 0, ohneKappung, ohneSatz);
    }
    if (d.VMT > 0_cur && plan->bietet(PlanOperation::LohnsteuerVmt)) {
        r.LStLMJ = plan->LohnsteuerVmt(d.SONSTB, d.JRE4);
        r.SolZLMJ = plan->SolzVmt();
        r.KiStEvLMJ = plan->KirchensteuerSonst(pflichtig, land, konf, kEvangelisch, 1, ohneKappung, ohneSatz);
        r.KiStRkLMJ = plan->KirchensteuerSonst(pflichtig, land, konf, kKatholisch, 1, ohneKappung, ohneSatz);
    }
    r.VmtBegrenzt = plan->bietet(PlanOperation::VmtBegrenzt) ? static_cast<std::uint8_t>(plan->VmtBegrenzt()) : 0;
    return r;
}

}  // namespace lx
