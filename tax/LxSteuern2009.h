#pragma once
// The wage-tax flow plan 2009.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

// Before 2010: KRV 0 pension-insured, 1 not (special table); no factor, no
// private insurance and the provision allowance with the prior deduction.
inline constexpr PlanParameter kPlan2009 = {
    .name = "2009",
    .eingaben = kEingaben2008,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 64800_cur,
    .BBGRVOst = 64800_cur,  // KRV 1 has no pension part
    .RVSATZAN = 0.0995_dez,
    .TBSVORV = 0.36_dez,
    // The health and care part by rates came in 2010.
    .BBGKVPV = 0_cur,
    .kvSatz = KvSatzRegel::Fest,
    .KVSATZAN = 0_dez,
    .KVSATZAG = 0_dez,
    .pv = {},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 9225_cur,
    .W2STKL5 = 26276_cur,
    .W3STKL5 = 200320_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 7834_cur,
              .p1Faktor = 939.68_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13140_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 1007_cur,
              .z42Ab = 52552_cur,
              .z42Abzug = 8064_cur,
              .z45Ab = 250401_cur,
              .z45Abzug = 15576_cur},

    .ANP = 920_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1308_cur,
    .KFB = 6024_cur,
    .KFBKlasse4 = 3012_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
    .sap = SapRegel::Klasse3DoppeltOhne5,
    .anpRundung = AnpRundung::NurArbeitnehmerteil,
    .alte = AlteRundung::Cent,
    .zre4vpNachFreibetraegen = true,
    .vorsorge = VorsorgeRegel::Vorwegabzug,
};

using LxSteuern2009 = PlanModulMit<kPlan2009>;

}  // namespace lx
