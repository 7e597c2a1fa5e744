#pragma once
// The wage-tax flow plan 2020.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2020 = {
    .name = "2020",
    .eingaben = kEingaben2015,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 82800_cur,
    .BBGRVOst = 77400_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = 0.80_dez,
    .BBGKVPV = 56250_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.0755_dez,
    .pv = {.PVSATZAN = 0.01525_dez,
           .PVSATZANSachsen = 0.02025_dez,
           .PVSATZAG = 0.01525_dez,
           .PVSATZAGSachsen = 0.01025_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 10898_cur,
    .W2STKL5 = 28526_cur,
    .W3STKL5 = 216400_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 9408_cur,
              .p1Faktor = 972.87_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 14533_cur,
              .p2Faktor = 212.02_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 972.79_cur,
              .z42Ab = 57052_cur,
              .z42Abzug = 8963.74_cur,
              .z45Ab = 270501_cur,
              .z45Abzug = 17078.74_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7812_cur,
    .KFBKlasse4 = 3906_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,
    .solzSonst = SolzSonstRegel::OhneFreigrenze,
};

using LxSteuern2020 = PlanModulMit<kPlan2020>;

}  // namespace lx
