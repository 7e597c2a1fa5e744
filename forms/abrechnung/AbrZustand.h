#pragma once
// The controls of the detailed-payslip window (FrmAbrechnung): the text shown,
// the hidden lists that hold the payslip and the two reports, the view buttons,
// the print settings and the window's buttons.

#include <span>

#include "gemeinsam/Steuerelement.h"

namespace lx {

enum class Abr {
    BtnAbr,
    BtnPfd,
    BtnATZ,
    ComboDrucker,
    LEdiDruckName,
    MemoAbr,
    LiBoPfd,
    LiBoATZ,
    LiBoPrintAbr,
    BtnDrucken,
    BtnSpeichern,
    BtnOeffnen,
    BtnHilfe,
    BtnSchliessen,
    kAnzahl
};

std::span<const Eintrag<Abr>> abrTabelle();

struct AbrZustand : FensterZustand<Abr> {
    AbrZustand() : FensterZustand<Abr>(abrTabelle()) {}
};

}  // namespace lx
