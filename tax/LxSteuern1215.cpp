#include "LxSteuern1215.h"

namespace lx {

// The 2015 plan with the values that hold for the whole year from December on.
constinit const PlanParameter kPlan1215 = {
    .name = "1215",
    .eingaben = {.VMT = true,
                 .PKPV = true,
                 .ENTSCH = true,
                 .f = true,
                 .KVZ = true,
                 .MBV = false,
                 .JRE4ENT = true,
                 .SONSTENT = true,
                 .PKV = true,
                 .PVS = true,
                 .PVZ = true,
                 .AnzKinderPV = false},
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = true},

    .BBGRVWest = 72600_cur,
    .BBGRVOst = 62400_cur,
    .RVSATZAN = 0.0935_dez,
    .TBSVORV = 0.60_dez,
    .BBGKVPV = 49500_cur,
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
    .W1STKL5 = 9873_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = {.GFB = 8472_cur,
              .p1Faktor = 997.60_cur,
              .p1Sockel = 1400_cur,
              .p2Ab = 13470_cur,
              .p2Faktor = 228.74_cur,
              .p2Sockel = 2397_cur,
              .p2Konstante = 948.68_cur,
              .z42Ab = 52882_cur,
              .z42Abzug = 8261.29_cur,
              .z45Ab = 250731_cur,
              .z45Abzug = 15783.19_cur},

    .ANP = 1000_cur,
    .ANPUnterjaehrig = std::nullopt,
    .EFA = 1908_cur,
    .KFB = 7152_cur,
    .KFBKlasse4 = 3576_cur,

    .SOLZFREI = 972_cur,
    .SOLZMilderung = 0.20_dez,

    .solzSonst = SolzSonstRegel::OhneFreigrenze,
    .fvbBisVersorgung = false,
};

}  // namespace lx
