#pragma once
// The wage-tax flow plan 2013.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2013 = {
    .name = "2013",
    .eingaben = kEingaben2011,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 69600_cur,
    .BBGRVOst = 58800_cur,
    .RVSATZAN = 0.0945_dez,
    .TBSVORV = 0.52_dez,
    .BBGKVPV = 47250_cur,
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
    .W1STKL5 = 9550_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8130_cur,
              .p1Faktor = 933.70_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13470_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 1014_cur,
              .z42Ab = 52882_cur,
              .z42Abzug = 8196_cur,
              .z45Ab = 250731_cur,
              .z45Abzug = 15718_cur},

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

using LxSteuern2013 = PlanModulMit<kPlan2013>;

}  // namespace lx
