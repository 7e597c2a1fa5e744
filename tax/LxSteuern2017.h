#pragma once
// The wage-tax flow plan 2017.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2017 = {
    .name = "2017",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 76200_cur,
    .BBGRVOst = 68400_cur,
    .RVSATZAN = 0.0935_dez,
    .TBSVORV = 0.68_dez,
    .BBGKVPV = 52200_cur,
    .kvSatz = KvSatzRegel::VollerZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.07_dez,
    .pv = {.PVSATZAN = 0.01275_dez,
           .PVSATZANSachsen = 0.01775_dez,
           .PVSATZAG = 0.01275_dez,
           .PVSATZAGSachsen = 0.00775_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 10240_cur,
    .W2STKL5 = 27029_cur,
    .W3STKL5 = 205043_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8820_cur,
              .p1Faktor = 1007.27_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13770_cur,
              .p2Faktor = 223.76_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 939.57_cur,
              .z42Ab = 54058_cur,
              .z42Abzug = 8475.44_cur,
              .z45Ab = 256304_cur,
              .z45Abzug = 16164.53_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7356_cur,
    .KFBKlasse4 = 3678_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,
    .solzSonst = SolzSonstRegel::OhneFreigrenze,
};

using LxSteuern2017 = PlanModulMit<kPlan2017>;

}  // namespace lx
