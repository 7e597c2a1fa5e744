#pragma once
// The driver's inputs read from the windows' controls.

#include "BerechnungsEingaben.h"

namespace lx {

struct ProgrammZustand;

// Every input of a run from the windows' controls: the main window's fields,
// the options and the entry dialog's totals. A text that is no number raises
// ConversionError; nothing is changed.
BerechnungsEingaben LeseEingaben(const ProgrammZustand& p);

}  // namespace lx
