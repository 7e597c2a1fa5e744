#pragma once
// The wage-tax flow plan 2019.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2019 = {
    .name = "2019",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 80400_cur,
    .BBGRVOst = 73800_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 0.76_dez,
    .BBGKVPV = 54450_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.0745_dez,
    .pv = {.PVSATZAN = 0.01525_dez,
           .PVSATZANSachsen = 0.02025_dez,
           .PVSATZAG = 0.01525_dez,
           .PVSATZAGSachsen = 0.01025_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 10635_cur,
    .W2STKL5 = 27980_cur,
    .W3STKL5 = 212261_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 9168_cur,
              .p1Faktor = 980.14_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 14255_cur,
              .p2Faktor = 216.16_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 965.58_cur,
              .z42Ab = 55961_cur,
              .z42Abzug = 8780.90_cur,
              .z45Ab = 265327_cur,
              .z45Abzug = 16740.68_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7620_cur,
    .KFBKlasse4 = 3810_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,
    .solzSonst = SolzSonstRegel::OhneFreigrenze,
};

using LxSteuern2019 = PlanModulMit<kPlan2019>;

}  // namespace lx
