#pragma once
// Handlers that one window calls and another window's work builds. Until that
// work lands they do nothing here; whoever builds one moves it to its own file
// (same name, same namespace) and deletes it from this list.
//
// Namespaces: the main window's handlers are in lx, the entry dialog's in
// lx::erfass, the options dialog's in lx::optionen (both dialogs have an
// `ActGrundstellung` and an `ActTZUebernehmen` of their own).

// Built already, declared where they live: ActTeilmonatGrund and the switches
// and recomputations of part time and the partial month.
#include "TeilmonatTeilzeit.h"

namespace lx {

struct ProgrammZustand;
enum class Haupt;

// (none pending)

}  // namespace lx
