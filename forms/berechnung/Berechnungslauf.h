#pragma once
// The calculation that the windows start: ENTER in the main window's gross or
// net field, its recalculate buttons, the entry dialog's "Schließen und
// berechnen", and the run itself over the program state, from the inputs read
// and checked to the payslip and the messages.

#include "hauptfenster/HauptZustand.h"

namespace lx {

struct ProgrammZustand;

// ENTER in the gross (`feld` LEdiBrutto) or the net field (LEdiNetto): the
// amount becomes the only pay item and the run starts. An empty text, "0" or
// "0,00" does nothing.
void LEdiBruttoKeyDown(ProgrammZustand& p, Haupt feld);

// BtnBerechnen, BtnBruttoNeu ("Netto neu berechnen") and BtnNettoNeu ("Brutto
// neu berechnen"): the run again with the pay items as they stand, net to
// gross for BtnNettoNeu, gross to net for the other two.
void BtnBruttoNeuClick(ProgrammZustand& p, Haupt sender);

// One run: checks, every input into the working engine, the computation in the
// net field's mode, garnishment, the deductions list and the net field, the
// payslip, the garnishment report and the mini-job warning.
void ActBerechnenExecute(ProgrammZustand& p);
// The action the buttons and the entry dialog run.
void ActBerechnen(ProgrammZustand& p);

// The entry dialog's "Schließen und berechnen": the calculation in the
// current mode, then the dialog hides.
void ErfassBerechnen(ProgrammZustand& p);

}  // namespace lx
