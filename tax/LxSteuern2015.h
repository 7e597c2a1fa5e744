#pragma once
// The wage-tax flow plan January to November 2015.

#include "LxSteuern2014.h"
#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2015 = {
    .name = "2015",
    .eingaben = kEingaben2015,
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
    .W1STKL5 = 9763_cur,
    .W2STKL5 = 26441_cur,
    .W3STKL5 = 200584_cur,
    .MISTSatz = 0.14_dez,
    .tarif = kPlan2014.tarif,  // the tariff of 2014 until December 2015 (LxSteuern1215.h)

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

using LxSteuern2015 = PlanModulMit<kPlan2015>;

}  // namespace lx
