#pragma once
// The reset of "Neue Abrechnung" without loading a record: `BtnNeuClick`
// runs it and then LadeStandard; choosing a record runs it before the load.

#include "ProgrammZustand.h"

namespace lx {

// The deductions, the main fields, the options and the entry dialog in their
// start state; the part-time and partial-month indicators off; the payslip
// window's view buttons hidden and its print name empty; the partial-month
// list empty and the buttons that apply part time and partial month enabled.
void ActNeuGrund(ProgrammZustand& p);

}  // namespace lx
