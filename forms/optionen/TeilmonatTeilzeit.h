#pragma once
// The options pages "Teilmonat" and "Teilzeit" over the program state: they
// recompute their lists (the entry dialog's pay items mirrored), apply them to
// the entry rows and switch the two features on and off.
//
// List row i of TZLView, TALView and ATZLView stands for entry row TZLiBo[i];
// garnishment row j for entry row j. The part-time mark goes to the rows' "TZ"
// column, the partial-month mark to "TA".
//
// With both features applied the entry rows hold the part-time amounts reduced
// for the partial month. Applying part time again, or switching it off,
// replaces those amounts: the partial month then counts as not applied
// (yellow) with its "voll" amounts updated.

#include "ProgrammZustand.h"

namespace lx {

namespace optionen {

// Page 9 for the month: from-day "1", to-day and the day fields' maxima the
// month's last day, no days to pay, both captions, no entry or leaving panel.
void ActTeilmonatGrund(ProgrammZustand& p);

// Recomputes the "gekürzt" amounts after checking the periods; the status
// panels 0 and 1 follow the days. Nothing when the list is empty.
void ActTAAktualis(ProgrammZustand& p);
// Writes the reduced amounts, marks, "Steuertage" and "SV-Tage" into the
// entry dialog. Nothing while the partial month is off or a list is empty.
void ActTAUebernehmen(ProgrammZustand& p);

// Before the entry dialog rebuilds the lists from its rows: an applied
// partial month goes back out of the rows (each row that still holds its
// reduced amount gets its full one, the days return), so that the rebuilt
// "voll" amounts are full ones; the partial month then counts as not applied.
void TeilmonatZuruecknehmen(ProgrammZustand& p);

// Recomputes the "Teilzeit" amounts; applied again at once when applied.
void ActTZAktualis(ProgrammZustand& p);
// Writes the part-time amounts and marks into the entry dialog. Nothing while
// part time is off or a list is empty.
void ActTZUebernehmen(ProgrammZustand& p);

// The yes/no lists: "ja" switches the feature on, anything else off.
void TBComboJaNeinChange(ProgrammZustand& p);
void TZComboJaNeinChange(ProgrammZustand& p);

// Pop-ups of the lists, on the selected row (nothing when none is).
void TALohnartKuerzen(ProgrammZustand& p, bool kuerzen);
void TZHerunterrechnen(ProgrammZustand& p, bool herunter);
// "kfm", "0,10", "0,50" or "1,00"; only for a row marked for part time.
void TZRunden(ProgrammZustand& p, const char* code);

// The dialog's creation (its FormCreate): page 9 for the month, the hours
// "20,00" and "37,00".
void TeilErzeugen(ProgrammZustand& p);
// The options reset's share of pages 9 and 10 beyond the table: the feature is
// switched off when it is on, so its applied amounts go back into the entry
// rows and its column goes. The reset sets "Steuertage" and "SV-Tage" itself,
// before or after this, so the days held from before applying are dropped.
void GrundstellungTeilmonat(ProgrammZustand& p);
void GrundstellungTeilzeit(ProgrammZustand& p);

}  // namespace optionen

namespace erfass {

// Part time / partial month on (`ein`) or off; switching to the state it is in
// does nothing.
void ActTZAktiv(ProgrammZustand& p, bool ein);
void ActTBAktiv(ProgrammZustand& p, bool ein);
// The part-time amounts after a change of rows.
void ActTZAktualis(ProgrammZustand& p);

}  // namespace erfass

}  // namespace lx
