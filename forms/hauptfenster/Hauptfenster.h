#pragma once
// The main window's handlers over the program state: year and month, the
// contribution-group code and the health rates, tax class and allowance, care
// surcharge and children, the resets and "Neue Abrechnung". A handler that
// sets an edit field with a change handler runs that handler, as the user's
// edit would.

#include <string>
#include <string_view>

#include "ProgrammZustand.h"
#include "Rechengroessen.h"

namespace lx {

inline const std::string kJahrUngueltig = "Bitte ein Berechnungsjahr von " + std::to_string(kErstesRechenjahr) +
                                          " bis " + std::to_string(kLetztesRechenjahr) + " eingeben";

// The health rate "14,60%" for a year, month and the code's first digit ("3":
// reduced rate); empty before 2009.
std::string KVSatzText(int jahr, int monat, char kvZiffer);

// Year or month changed; also run by the options dialog once it has copied its
// month and year here. A typed year outside the years the program computes is refused.
void ActMMJJChange(ProgrammZustand& p);
// Contribution-group code edited: the health rate follows.
void LxEdiBGRChange(ProgrammZustand& p);
// The options dialog's earlier social-insurance days from the engine's month.
void ActSetSVVorTage(ProgrammZustand& p);
// "Neue Abrechnung".
void BtnNeuClick(ProgrammZustand& p);

// Contribution-group code and birth year: digits and backspace pass, ENTER
// and every other character are dropped.
bool LxEdiBGRKeyPress(char32_t taste);
void MEdiKVChange(ProgrammZustand& p);
void LEdiStKlChange(ProgrammZustand& p);
void LEdiStFBChange(ProgrammZustand& p);
void ComboZVChange(ProgrammZustand& p);
void ComboPVerhChange(ProgrammZustand& p);
// The driver runs it before it sets the engine's inputs.
void ActPVKinder(ProgrammZustand& p);
void ActMainGrund(ProgrammZustand& p);
// The extra health rate of the year list's year as the reset sets it: the
// year's average rate once each fund sets its own rate ("+ 1,70%"); earlier years leave it.
void KVZusatzVorgabe(ProgrammZustand& p);

}  // namespace lx
