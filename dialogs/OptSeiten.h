#pragma once
// The options dialog's list pages, each built into its page of `PageCtrl` by
// a function of its own file (OptSeite6.cpp, ...): "Altersteilzeit" (6),
// "Pfändung" (7) and "Stammdaten" (11). The dialog calls them after creating
// its pages; their state and handlers are in forms/ (optionen/OptionenListen.h,
// stammdaten/OptionenStammdaten.h).

#include "Binder.h"
#include "ProgrammZustand.h"

class QFormLayout;
class QMenu;
class QTreeWidget;
class QWidget;

namespace lx {

// The control `id` as a row of `form` on `eltern`, bound to its state and its
// handlers, with its caption label where it has one (a value edit brings its
// own; a check box, label or button carries its caption itself).
QWidget* optZeile(QFormLayout* form, QWidget* eltern, Bindungen& b, ProgrammZustand& p, Opt id,
                  Bindungen::Handler beiAenderung = {}, Bindungen::Handler beiVerlassen = {});

void baueOptSeite6(QWidget* seite, Bindungen& b, ProgrammZustand& p);
void baueOptSeite7(QWidget* seite, Bindungen& b, ProgrammZustand& p);
void baueOptSeite11(QWidget* seite, Bindungen& b, ProgrammZustand& p);

// A pop-up menu for the widget: `fuellen` adds the entries each time it opens,
// and the menu opens only when it returned true.
// Widens a column whose caption the font would clip.
void spaltenNichtKuerzer(QTreeWidget* liste);

void popupMenue(QWidget* w, const QString& name, std::function<bool(QMenu&)> fuellen);

}  // namespace lx
