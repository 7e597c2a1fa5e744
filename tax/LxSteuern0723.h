#pragma once
// The wage-tax flow plan of July to December 2023: the 2023 plan with the care
// insurance rates raised from July.

#include "LxSteuern2023.h"

namespace lx {

inline constexpr PlanParameter kPlan0723 = [] {
    PlanParameter p = kPlan2023;
    p.name = "0723";
    p.pv = {.PVSATZAN = 0.017_dez,
            .PVSATZANSachsen = 0.022_dez,
            .PVSATZAG = 0.017_dez,
            .PVSATZAGSachsen = 0.012_dez,
            .PVZZuschlag = 0.006_dez};
    // An annual calculation (LZZ 1) takes the rates averaged over the year.
    p.pvJahr = PvSaetze{.PVSATZAN = 0.016125_dez,
                        .PVSATZANSachsen = 0.021125_dez,
                        .PVSATZAG = 0.016125_dez,
                        .PVSATZAGSachsen = 0.011125_dez,
                        .PVZZuschlag = 0.00475_dez};
    return p;
}();

using LxSteuern0723 = PlanModulMit<kPlan0723>;

}  // namespace lx
