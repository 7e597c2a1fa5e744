#pragma once
// The wage-tax flow plan 2008.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

// Before 2010: KRV 0 pension-insured, 1 not (special table); no factor, no
// private insurance and the provision allowance with the prior deduction.
inline constexpr PlanParameter kPlan2008 = {
    .name = "2008",
    .eingaben = kEingaben2008,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 63600_cur,
    .BBGRVOst = 63600_cur,  // KRV 1 has no pension part
    .RVSATZAN = 0.0995_dez,
    .TBSVORV = 0.32_dez,
    // The health and care part by rates came in 2010.
    .BBGKVPV = 0_cur,
    .kvSatz = KvSatzRegel::Fest,
    .KVSATZAN = 0_dez,
    .KVSATZAG = 0_dez,
    .pv = {},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 9144_cur,
    .W2STKL5 = 25812_cur,
    .W3STKL5 = 200000_cur,
    .MISTSatz = 0.15_dez,
    .tarif = {.GFB = 7664_cur,
              .p1Faktor = 883.74_cur,
              .p1Sockel = 1500_cur,
              .p2Ab = 12740_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 989_cur,
              .z42Ab = 52152_cur,
              .z42Abzug = 7914_cur,
              .z45Ab = 250001_cur,
              .z45Abzug = 15414_cur},

    .ANP = 920_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1308_cur,
    .KFB = 5808_cur,
    .KFBKlasse4 = 2904_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
    .sap = SapRegel::Klasse3DoppeltOhne5,
    .anpRundung = AnpRundung::Abrunden,
    .fvbzso = FvbzsoRegel::AusHoechstwert,
    .alte = AlteRundung::Cent,
    .zre4vpNachFreibetraegen = true,
    .vorsorge = VorsorgeRegel::Vorwegabzug,
    .vmt = VmtRegel::FuenftelAufGespeicherteBasis,
};

using LxSteuern2008 = PlanModulMit<kPlan2008>;

}  // namespace lx
