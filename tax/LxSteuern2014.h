#pragma once
// The wage-tax flow plan 2014.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2014 = {
    .name = "2014",
    .eingaben = kEingaben2011,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 71400_cur,
    .BBGRVOst = 60000_cur,
    .RVSATZAN = 0.0945_dez,
    .TBSVORV = 0.56_dez,
    .BBGKVPV = 48600_cur,
    .kvSatz = KvSatzRegel::Fest,
    .KVSATZAN = 0.079_dez,
    .KVSATZAG = 0.07_dez,
    .pv = {.PVSATZAN = 0.01025_dez,
           .PVSATZANSachsen = 0.01525_dez,
           .PVSATZAG = 0.01025_dez,
           .PVSATZAGSachsen = 0.00525_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 9763_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8354_cur,
              .p1Faktor = 974.58_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13470_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 971_cur,
              .z42Ab = 52882_cur,
              .z42Abzug = 8239_cur,
              .z45Ab = 250731_cur,
              .z45Abzug = 15761_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1308_cur,
    .KFB = 7008_cur,
    .KFBKlasse4 = 3504_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
};

using LxSteuern2014 = PlanModulMit<kPlan2014>;

}  // namespace lx
