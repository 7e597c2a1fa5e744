#pragma once
// The controls of the detailed-payslip window (FrmAbrechnung). Its issue fills the enum and the
// table; other issues add the entries their handlers read or write.

#include <span>

#include "Steuerelement.h"

namespace lx {

enum class Abr {
    LEdiDruckName,  // the print name (master data "DetailAbr", "Name")
    kAnzahl
};

std::span<const Eintrag<Abr>> abrTabelle();

struct AbrZustand : FensterZustand<Abr> {
    AbrZustand() : FensterZustand<Abr>(abrTabelle()) {}
};

}  // namespace lx
