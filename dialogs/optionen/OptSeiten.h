#pragma once
// The options dialog's list pages, each built into its page of `PageCtrl` by
// a function of its own file named after the page: "Altersteilzeit" (6,
// OptAltersteilzeit.cpp), "Pfändung" (7, OptPfaendung.cpp) and "Stammdaten"
// (11, OptStammpfad.cpp). The dialog calls them after creating its pages;
// their state and handlers are in forms/ (optionen/OptionenListen.h,
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

void baueOptAltersteilzeit(QWidget* seite, Bindungen& b, ProgrammZustand& p);
void baueOptPfaendung(QWidget* seite, Bindungen& b, ProgrammZustand& p);
void baueOptStammpfad(QWidget* seite, Bindungen& b, ProgrammZustand& p);

// Widens a column whose caption the font would clip.
void spaltenNichtKuerzer(QTreeWidget* liste);

// A pop-up menu for the widget: `fuellen` adds the entries each time it opens,
// and the menu opens only when it returned true.
void popupMenue(QWidget* w, const QString& name, std::function<bool(QMenu&)> fuellen);

}  // namespace lx
