#pragma once
// The options dialog's pages of pay-item lists: "Altersteilzeit" (the
// partial-retirement rows `ATZLView`, topped up or not) and "Pfändung" (the
// garnishment mark of each row of `PfdLView`). The rows come from the entry
// dialog; these handlers change only their marks.

#include <array>
#include <string_view>

#include "ProgrammZustand.h"

namespace lx::optionen {

// The pages' shares of the options reset beyond their tables: partial
// retirement's list red; the garnishment switch's tag (the last calculation
// needed the special calculation) 0.
void GrundstellungAltersteilzeit(ProgrammZustand& p);
void GrundstellungPfaendung(ProgrammZustand& p);

// What the yes/no list of partial retirement shows: "ATZ" in the main status
// panel 6 and green for "ja", else an empty panel and red (also after a load).
void ATZAnzeigen(ProgrammZustand& p);

// The yes/no list of partial retirement: ATZAnzeigen; switching it on while part time is off switches part time on,
// shows the part-time page and asks to update it.
void ATZComboJaNeinChange(ProgrammZustand& p);

// The pop-up "aufstocken" / "nicht aufstocken" on the selected row (nothing
// without one); the figures are computed again.
void ATZAufstocken(ProgrammZustand& p, bool aufstocken);
// The button "Berechnung aktualisieren": the figures, when the list has rows.
void ATZBtnAktualisClick(ProgrammZustand& p);

// The garnishment pop-up: its entries' captions and marks, in menu order.
struct PfdMarke {
    std::string_view caption;
    std::string_view mark;
};
inline constexpr std::array<PfdMarke, 6> kPfdMarken = {{
    {"Lohnart ist pfändbar", "x"},
    {"Lohnart ist nicht pfändbar", ""},
    {"Lohnart ist Weihnachtsgeld", "WG"},
    {"Lohnart sind Überstunden", "ÜbStd."},
    {"Lohnart ist VL-Abzug", "VL-Abzug"},
    {"Lohnart ist ein Nettoabzug", "Abzug"},
}};

// Whether entry `eintrag` of kPfdMarken applies to the selected row: not
// without a selected row; for a deduction only the last two.
bool PfdMarkeMoeglich(const ProgrammZustand& p, std::size_t eintrag);
// Sets the selected row's mark when PfdMarkeMoeglich.
void PfdMarkeSetzen(ProgrammZustand& p, std::size_t eintrag);

}  // namespace lx::optionen
