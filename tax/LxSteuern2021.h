#pragma once
// The wage-tax flow plan 2021.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2021 = {
    .name = "2021",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 85200_cur,
    .BBGRVOst = 80400_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 0.84_dez,
    .BBGKVPV = 58050_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.0765_dez,
    .pv = {.PVSATZAN = 0.01525_dez,
           .PVSATZANSachsen = 0.02025_dez,
           .PVSATZAG = 0.01525_dez,
           .PVSATZAGSachsen = 0.01025_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 11237_cur,
    .W2STKL5 = 28959_cur,
    .W3STKL5 = 219690_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 9744_cur,
              .p1Faktor = 995.21_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 14754_cur,
              .p2Faktor = 208.85_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 950.96_cur,
              .z42Ab = 57919_cur,
              .z42Abzug = 9136.63_cur,
              .z45Ab = 274613_cur,
              .z45Abzug = 17374.99_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 8388_cur,
    .KFBKlasse4 = 4194_cur,

    .SOLZFREI = 16956_cur,
    .SOLZMilderung = 0.119_dez,
};

using LxSteuern2021 = PlanModulMit<kPlan2021>;

}  // namespace lx
