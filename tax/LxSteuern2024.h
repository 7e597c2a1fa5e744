#pragma once
// The wage-tax flow plan 2024.

#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2024 = {
    .name = "2024",
    .eingaben = {.VMT = true,
                 .PKPV = true,
                 .ENTSCH = true,
                 .f = true,
                 .KVZ = true,
                 .MBV = true,
                 .JRE4ENT = true,
                 .SONSTENT = true,
                 .PKV = true,
                 .PVS = true,
                 .PVZ = true,
                 .AnzKinderPV = true},
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 90600_cur,
    .BBGRVOst = 89400_cur,
    .RVSATZAN = 0.093_dez,
    .TBSVORV = std::nullopt,
    .BBGKVPV = 62100_cur,
    .kvSatz = KvSatzRegel::HalberZusatz,
    .KVSATZAN = 0.07_dez,
    .KVSATZAG = 0.0785_dez,
    .pv = {.PVSATZAN = 0.017_dez,
           .PVSATZANSachsen = 0.022_dez,
           .PVSATZAG = 0.017_dez,
           .PVSATZAGSachsen = 0.012_dez,
           .PVZZuschlag = 0.006_dez},
    .pvJahr = std::nullopt,
    .PVAAbschlag = 0.0025_dez,
    .W1STKL5 = 13279_cur,
    .W2STKL5 = 33380_cur,
    .W3STKL5 = 222260_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 11604_cur,
              .p1Faktor = 922.98_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 17006_cur,
              .p2Faktor = 181.19_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 1025.38_cur,
              .z42Ab = 66761_cur,
              .z42Abzug = 10602.13_cur,
              .z45Ab = 277826_cur,
              .z45Abzug = 18936.88_cur},

    .ANP = 1230_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 4260_cur,
    .KFB = 9312_cur,
    .KFBKlasse4 = 4656_cur,

    .SOLZFREI = 18130_cur,
    .SOLZMilderung = 0.119_dez,
};

using LxSteuern2024 = PlanModulMit<kPlan2024>;

}  // namespace lx
