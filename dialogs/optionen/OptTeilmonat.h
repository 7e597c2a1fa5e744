#pragma once
// Page 9 "Teilmonat" of the options dialog: its widgets in the page's sheet.

#include "Binder.h"
#include "ProgrammZustand.h"

namespace lx {

void baueOptTeilmonat(Bindungen& b, ProgrammZustand& p, QWidget* seite);

}  // namespace lx
