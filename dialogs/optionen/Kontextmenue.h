#pragma once
// A list's pop-up menu: entries that run a handler through the binder, so that
// the window shows the state again afterwards.

#include <QAction>

#include "Binder.h"

namespace lx {

// Appends an entry named `name` to the pop-up menu of `liste`.
QAction* kontextEintrag(Bindungen& b, QWidget* liste, const char* name, const char* text, Bindungen::Handler h);
// Appends a separator.
void kontextTrenner(QWidget* liste);

}  // namespace lx
