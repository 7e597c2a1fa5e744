#pragma once
// The wage-tax flow plan January to November 2011.

#include "LxSteuern2010.h"
#include "PlanModul.h"
#include "PlanParameter.h"

namespace lx {

inline constexpr PlanParameter kPlan2011 = {
    .name = "2011",
    .eingaben = kEingaben2011,
    .operationen = {.LohnsteuerSonst = true, .LohnsteuerVmt = true, .VmtBegrenzt = false},

    .BBGRVWest = 66000_cur,
    .BBGRVOst = 57600_cur,
    .RVSATZAN = 0.0995_dez,
    .TBSVORV = 0.44_dez,
    .BBGKVPV = 44550_cur,
    .kvSatz = KvSatzRegel::Fest,
    .KVSATZAN = 0.079_dez,
    .KVSATZAG = 0.07_dez,
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
    .tarif = kPlan2010.tarif,  // the tariff of 2010 held until 2012

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

using LxSteuern2011 = PlanModulMit<kPlan2011>;

}  // namespace lx
