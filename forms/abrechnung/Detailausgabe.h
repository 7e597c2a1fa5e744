#pragma once
// The detailed payslip in the program: read its inputs from the windows and
// the engines, build it, show it in the payslip window and write back what it
// changes in the main window and the options dialog. The partial-retirement
// report it asks for goes into the payslip window's hidden list.

namespace lx {

struct ProgrammZustand;
struct DetailEingaben;  // Detailabrechnung.h
struct ATZEingaben;     // Berichte.h

// The payslip's inputs as the windows and the engines hold them now.
DetailEingaben DetailEingabenLesen(const ProgrammZustand& p);
// The partial-retirement report's inputs.
ATZEingaben ATZEingabenLesen(const ProgrammZustand& p);

// The driver's last step. A text that is no number raises ConversionError
// after the payslip view was emptied: nothing is written back and neither a
// half-built nor the previous payslip stays shown.
void ActDetailabrechnung(ProgrammZustand& p);
// The partial-retirement report into LiBoATZ.
void ActATZAbrechnung(ProgrammZustand& p);

}  // namespace lx
