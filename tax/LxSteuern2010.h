#pragma once
// The wage-tax flow plan 2010.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2010 = {
    .name = "2010",
    .eingaben = {.VMT = true,
                 .PKPV = true,
                 .ENTSCH = true,
                 .f = true,
                 .KVZ = false,
                 .MBV = false,
                 .JRE4ENT = false,
                 .SONSTENT = false,
                 .PKV = true,
                 .PVS = true,
                 .PVZ = true,
                 .AnzKinderPV = false},
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 66000_cur,
    .BBGRVOst = 55800_cur,
    .RVSATZAN = 0.0995_dez,
    .TBSVORV = 0.40_dez,
    .BBGKVPV = 45000_cur,
    .kvSatz = KvSatzRegel::Fest,
    .KVSATZAN = 0.076_dez,
    .KVSATZAG = 0.067_dez,
    .pv = {.PVSATZAN = 0.00975_dez,
           .PVSATZANSachsen = 0.01475_dez,
           .PVSATZAG = 0.00975_dez,
           .PVSATZAGSachsen = 0.00475_dez,
           .PVZZuschlag = 0.0025_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0_dez,
    .W1STKL5 = 9429_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8004_cur,
              .p1Faktor = 912.17_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13470_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 1038_cur,
              .z42Ab = 52882_cur,
              .z42Abzug = 8172_cur,
              .z45Ab = 250731_cur,
              .z45Abzug = 15694_cur},

    .ANP = 920_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1308_cur,
    .KFB = 7008_cur,
    .KFBKlasse4 = 3504_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
};

using LxSteuern2010 = PlanModulMit<kPlan2010>;

}  // namespace lx
