#pragma once
// Page 10 "Teilzeit" of the options dialog: its widgets in the page's sheet.

#include "Binder.h"
#include "ProgrammZustand.h"

namespace lx {

void baueOptTeilzeit(Bindungen& b, ProgrammZustand& p, QWidget* seite);

}  // namespace lx
