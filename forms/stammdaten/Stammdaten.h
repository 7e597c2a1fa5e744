#pragma once
// The master-data records in the windows: loading a record into the controls
// of its key table (records/RecordKeys.h), saving the controls as a record,
// the record list `ComboStamm` of the main window and the start-up steps that
// read the master-data folder and load "Standard".
//
// The master-data folder is the text of the options dialog's `JVEdiPfad`. A
// record's control is found by its name in the windows' tables; a control
// that no window has yet is skipped on loading and saved with its fallback
// (stammFelderOhneFenster lists them).
//
// `ComboStamm`: a name chosen from the list loads at once (ComboStammChange);
// a typed name loads on ENTER or when the field is left, and only when the
// text differs from the one last handled (ComboStammEingabe), so typing
// "Max2" never loads "Max" on the way. Text the program sets loads nothing.

#include <filesystem>
#include <string_view>
#include <vector>

#include "ProgrammZustand.h"
#include "Record.h"

namespace lx {

// The state of the control a record key names, with its table entry; both
// nullptr while no window has that control.
struct StammFeld {
    SteuerZustand* zustand = nullptr;
    const Steuerelement* element = nullptr;
};
StammFeld stammFeld(ProgrammZustand& p, std::string_view name);

// The controls of the key table that no window has (yet), in table order.
std::vector<std::string_view> stammFelderOhneFenster(ProgrammZustand& p);

// The master-data folder (`JVEdiPfad`) and the settings file.
std::filesystem::path stammOrdner(const ProgrammZustand& p);
std::filesystem::path einstellungsDatei(const ProgrammZustand& p);

// The windows' state as a record: the key table's controls, the pay items,
// the partial-retirement and garnishment rows.
Record stammSatz(ProgrammZustand& p);

// Reads and checks the whole file first; on any error shows it and changes
// nothing (false). Then, with `grundstellung`, the reset of "Neue Abrechnung";
// then the controls in the key table's order (the contribution group runs its
// change handler), the rows, the part-time and partial-month lists mirrored
// from the pay items, the gross totals; the file's lines into
// `AllgLiBoDatenStamm`. A migrated file that could not be written back is
// still loaded, and the user is told.
bool LoadStammdaten(ProgrammZustand& p, const std::filesystem::path& datei, bool grundstellung = true);

// "Stammdaten speichern": a text the load would refuse is named and nothing
// is asked; else the file chosen in the master-data folder, the record
// written; the lists change only after the file was written.
void ActStammSaveExecute(ProgrammZustand& p);

// A record chosen from `ComboStamm`'s list: "<Name>.abr nicht gefunden!" when
// the folder has no such record (nothing reset), else reset and load.
void ComboStammChange(ProgrammZustand& p);
// ENTER in `ComboStamm` or leaving it: ComboStammChange when the text changed
// since it was last handled.
void ComboStammEingabe(ProgrammZustand& p);
// Sets `ComboStamm`'s text as the program does: handled, loads nothing.
void setzeStammText(ProgrammZustand& p, std::string text);

// The end of "Neue Abrechnung": "Standard" when the folder holds it, loaded
// without a second reset; else `ComboStamm` emptied.
void LadeStandard(ProgrammZustand& p);

// Start-up (FormShow steps 1 to 4): the stored or default folder into
// `JVEdiPfad`; its records into `ComboStamm` and `AllgLiBoNameStamm`, the
// month into the options; "Standard" loaded when it exists.
void StammPfadLesen(ProgrammZustand& p);
void StammdatenAuflisten(ProgrammZustand& p);
void StammlistenKopieren(ProgrammZustand& p);
void StandardLaden(ProgrammZustand& p);

// Partial-retirement rows marked "nein" are drawn red and struck through.
void zeichneATZZeile(Zeile& zeile);

}  // namespace lx
