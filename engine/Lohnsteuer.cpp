// The wage-tax step of the main computation: the plan's inputs from the
// engine's fields, and the results back into them.

#include "Lohnsteuer.h"

#include "Dez.h"
#include "Gehaltsroutinen.h"

namespace lx {

std::uint8_t Alter1(int gebJahr, int jahr)
{
    return gebJahr > 0 && std::int64_t(gebJahr) + 65 <= jahr ? 1 : 0;
}

Freibetrag FreibetragAus(Currency feld)
{
    return {.periode = dez(feld).div10<2>().toCurrency(Round::Cut),
            .jahr = (dez(feld) * 12).div10<2>().toCurrency(Round::Cut)};
}

LohnsteuerDaten LohnsteuerDatenAus(const TLohnGehalt& lg, Currency pkpv)
{
    LohnsteuerDaten e;
    e.jahr = lg.FJahr;
    e.monat = lg.FMonat;
    e.ALTER1 = Alter1(lg.FGebJahr, lg.FJahr);
    e.AJAHR = lg.FGebJahr > 0 ? lg.FGebJahr + 65 : 0;
    e.VJAHR = lg.FVBBeginnJahr;
    e.ZMVB = lg.FVBMonate;
    e.RE4 = lg.FStBrutto;
    const Freibetrag freibetrag = FreibetragAus(lg.FStFreibetrag);
    if (freibetrag.periode >= 0_cur) {
        e.LZZFREIB = freibetrag.periode;
        e.JFREIB = freibetrag.jahr;
    } else {
        e.LZZHINZU = -freibetrag.periode;
        e.JHINZU = -freibetrag.jahr;
    }
    e.VMT = lg.FStBruttoLMJ;
    e.VBEZ = lg.FVBBrutto;
    e.VBS = lg.FVBBruttoEB;
    e.VBEZM = lg.FVBErsterVers;
    e.VBEZS = lg.FVBEinmal;
    e.JVBEZ = lg.FVBBruttoJahr;
    e.PKPV = pkpv;
    e.f = lg.FFaktor;
    e.KVZ = lg.FKVZusatz;
    e.ZKF = lg.FKiFB;
    e.STKL = lg.FStKl;
    e.LZZ = lg.FLZZ;
    e.KRV = lg.FKRV;
    e.PKV = lg.FPKV;
    e.pvKinder = lg.FPVKinder;
    e.af = lg.FFaktorAktiv;
    e.PVS = lg.FSachsen;
    e.PVZ = lg.FPVZuschlag;
    e.SONSTB = lg.FStBruttoEB;
    e.JRE4 = lg.FStBruttoJahr;
    e.FBJahr = lg.FFBJahr;
    e.kirchensteuerpflichtig = lg.FKonfession != 4;
    e.bundesland = lg.FBundesland;
    e.konfession = lg.FKonfession;
    return e;
}

void TLohnGehalt::BerechneLohnsteuer()
{
    const LohnsteuerDaten e = LohnsteuerDatenAus(*this, pkpvSteuer_);
    FAlter1 = e.ALTER1;
    const LohnsteuerErgebnis r = LohnsteuerNachPlan(plaene_, e);
    FLSt = r.LSt;
    FSolZ = r.SolZ;
    FKiStEv = r.KiStEv;
    FKiStRk = r.KiStRk;
    // without a one-off payment or multi-year pay their taxes are 0 whatever the plan left
    const bool einmal = FStBruttoEB > 0_cur;
    const bool mehrjaehrig = FStBruttoLMJ > 0_cur;
    FLStEB = einmal ? r.LStEB : 0_cur;
    FSolZEB = einmal ? r.SolZEB : 0_cur;
    FKiStEvEB = einmal ? r.KiStEvEB : 0_cur;
    FKiStRkEB = einmal ? r.KiStRkEB : 0_cur;
    FLStLMJ = mehrjaehrig ? r.LStLMJ : 0_cur;
    FSolZLMJ = mehrjaehrig ? r.SolZLMJ : 0_cur;
    FKiStEvLMJ = mehrjaehrig ? r.KiStEvLMJ : 0_cur;
    FKiStRkLMJ = mehrjaehrig ? r.KiStRkLMJ : 0_cur;
    FVmtBegrenzt = r.VmtBegrenzt;
}

}  // namespace lx
