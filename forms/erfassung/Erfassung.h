#pragma once
// The entry dialog's handlers: taking, editing and deleting pay items, the
// nine gross totals, the rows mirrored into the options dialog's lists
// (part time TZLView, partial month TALView, garnishment PfdLView, partial
// retirement ATZLView, and TZLiBo naming the entry row of each of the first
// three), the backup around the gross-up, the partial-retirement top-up.
//
// The mirrored lists keep one rule: TZLiBo names the rows that are no
// deduction, ascending, once each; TZLView, TALView and ATZLView have one row
// per entry of TZLiBo; PfdLView row i mirrors entry row i.

#include <optional>
#include <vector>

#include "ErfassZustand.h"
#include "ProgrammZustand.h"

namespace lx {

// The nine totals over the rows, or over those not marked NT.
Bruttosummen BerechneBrutto(const std::vector<Lohnart>& zeilen, bool ohneNT);

// Writes the rows, totals, colours, extra columns and buttons into the
// controls' states, as the window shows them.
void ErfassAnzeigen(ErfassZustand& e);

// The entry dialog's handlers (the options dialog has its own of some names).
namespace erfass {

// Start state: no rows, totals zero, the entry band as at start, no row
// selected or edited, the status panels empty, the mirrored lists empty.
void ActGrundstellung(ProgrammZustand& p);
// Appends the typed row; false (and nothing appended) when the list is full.
// An amount that is no number throws ConversionError before anything changes.
bool ActUebernehmen(ProgrammZustand& p);
void ActBrutti(ProgrammZustand& p);
void ActNTBrutti(ProgrammZustand& p);
// Mirrors the rows into the options dialog's lists: all rows anew when part
// time is off, only the last one when it is on.
void ActTZUebernehmen(ProgrammZustand& p);

// F2, F3, F4 (kind given) and ENTER in the amount field or a flag cell, the
// button "Eingabe übernehmen", "Änderung übernehmen": take the typed row, or
// finish the edit; an empty amount takes nothing.
void ZeileNehmen(ProgrammZustand& p, std::optional<int> typ = std::nullopt);

// While a row is being edited only finishing and cancelling act: starting
// another edit, deleting and clearing do nothing.
void ActEditStart(ProgrammZustand& p);
void ActEditUebernahme(ProgrammZustand& p);
void ActEditAbbruch(ProgrammZustand& p);
// "Zeile löschen" and DEL: the selected row and its mirrored rows.
void ZeileLoeschen(ProgrammZustand& p);
// "Alle Zeilen löschen": asks first.
void AlleZeilenLoeschen(ProgrammZustand& p);
// The kind chosen by a click on its panel.
void TypWaehlen(ProgrammZustand& p, int typ);
// The dialog goes (closed or hidden): an edit in progress is cancelled.
void ErfassSchliessen(ProgrammZustand& p);

// Partial retirement: "Vollzeit" per row, the regular pay and the top-up.
void ActATZAktualis(ProgrammZustand& p);
inline void ActATZBezAktualis(ProgrammZustand& p)
{
    ActATZAktualis(p);
}
// Empties the four mirrored lists and the index list; regular pay, top-up and
// manual regular pay "0,00".
void ActDelLViews(ProgrammZustand& p);
// A value copy of the rows, and back (the totals then leave out NT rows).
void ActErfSichern(ProgrammZustand& p);
void ActErfZurueck(ProgrammZustand& p);

// (ActTZAktualis, ActTZAktiv and ActTBAktiv: TeilmonatTeilzeit.h; the
// button "Schließen und berechnen", which starts the calculation:
// Berechnungslauf.h.)

// The indicators: a left click switches, every click opens the options page.
void PnlTZAktivClick(ProgrammZustand& p, bool links);
void PnlTBAktivClick(ProgrammZustand& p, bool links);

}  // namespace erfass
}  // namespace lx
