#pragma once
// The wage-tax flow plan 2018.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2018 = {
    .name = "2018",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 78000_cur,
    .BBGRVOst = 69600_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 0.72_dez,
    .BBGKVPV = 53100_cur,
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
    .W1STKL5 = 10440_cur,
    .W2STKL5 = 27475_cur,
    .W3STKL5 = 208426_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 9000_cur,
              .p1Faktor = 997.80_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13997_cur,
              .p2Faktor = 220.13_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 948.49_cur,
              .z42Ab = 54950_cur,
              .z42Abzug = 8621.75_cur,
              .z45Ab = 260533_cur,
              .z45Abzug = 16437.70_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7428_cur,
    .KFBKlasse4 = 3714_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,
    .solzSonst = SolzSonstRegel::OhneFreigrenze,
};

using LxSteuern2018 = PlanModulMit<kPlan2018>;

}  // namespace lx
