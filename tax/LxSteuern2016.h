#pragma once
// The wage-tax flow plan 2016.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2016 = {
    .name = "2016",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 74400_cur,
    .BBGRVOst = 64800_cur,
    .RVSATZAN = 0.0935_dez,
    .TBSVORV = 0.64_dez,
    .BBGKVPV = 50850_cur,
    .kvSatz = KvSatzRegel::VollerZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.07_dez,
    .pv = {.PVSATZAN = 0.01175_dez,
           .PVSATZANSachsen = 0.01675_dez,
           .PVSATZAG = 0.01175_dez,
           .PVSATZAGSachsen = 0.00675_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 10070_cur,
    .W2STKL5 = 26832_cur,
    .W3STKL5 = 203557_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8652_cur,
              .p1Faktor = 993.62_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13670_cur,
              .p2Faktor = 225.40_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 952.48_cur,
              .z42Ab = 53666_cur,
              .z42Abzug = 8394.14_cur,
              .z45Ab = 254447_cur,
              .z45Abzug = 16027.52_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7248_cur,
    .KFBKlasse4 = 3624_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,
    .solzSonst = SolzSonstRegel::OhneFreigrenze,
};

using LxSteuern2016 = PlanModulMit<kPlan2016>;

}  // namespace lx
