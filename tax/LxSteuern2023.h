#pragma once
// The wage-tax flow plan 2023 (January to June).

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2023 = {
    .name = "2023",
    .eingaben = kEingaben2022,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 87600_cur,
    .BBGRVOst = 85200_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 1.00_dez,
    .BBGKVPV = 59850_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.078_dez,
    .pv = {.PVSATZAN = 0.01525_dez,
           .PVSATZANSachsen = 0.02025_dez,
           .PVSATZAG = 0.01525_dez,
           .PVSATZAGSachsen = 0.01025_dez,
           .PVZZuschlag = 0.0035_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 12485_cur,
    .W2STKL5 = 31404_cur,
    .W3STKL5 = 222260_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 10908_cur,
              .p1Faktor = 979.18_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 16000_cur,
              .p2Faktor = 192.59_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 966.53_cur,
              .z42Ab = 62810_cur,
              .z42Abzug = 9972.98_cur,
              .z45Ab = 277826_cur,
              .z45Abzug = 18307.73_cur},

    .ANP = 1230_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 4260_cur,
    .KFB = 8952_cur,
    .KFBKlasse4 = 4476_cur,

    .SOLZFREI = 17543_cur,
    .SOLZMilderung = 0.119_dez,
};

using LxSteuern2023 = PlanModulMit<kPlan2023>;

}  // namespace lx
