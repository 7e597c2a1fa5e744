#pragma once
// The wage-tax flow plan 2022.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2022 = {
    .name = "2022",
    .eingaben = kEingaben2022,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 84600_cur,
    .BBGRVOst = 81000_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 0.88_dez,
    .BBGKVPV = 58050_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.0765_dez,
    .pv = {.PVSATZAN = 0.01525_dez,
           .PVSATZANSachsen = 0.02025_dez,
           .PVSATZAG = 0.01525_dez,
           .PVSATZAGSachsen = 0.01025_dez,
           .PVZZuschlag = 0.0035_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 11793_cur,
    .W2STKL5 = 29298_cur,
    .W3STKL5 = 222260_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 10347_cur,
              .p1Faktor = 1088.67_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 14927_cur,
              .p2Faktor = 206.43_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 869.32_cur,
              .z42Ab = 58597_cur,
              .z42Abzug = 9336.45_cur,
              .z45Ab = 277826_cur,
              .z45Abzug = 17671.20_cur},

    .ANP = 1200_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 4008_cur,
    .KFB = 8388_cur,
    .KFBKlasse4 = 4194_cur,

    .SOLZFREI = 16956_cur,
    .SOLZMilderung = 0.119_dez,
};

using LxSteuern2022 = PlanModulMit<kPlan2022>;

}  // namespace lx
