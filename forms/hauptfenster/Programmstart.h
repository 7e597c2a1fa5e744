#pragma once
// The main window's create, first-show and destroy handlers. Each runs its
// steps in their fixed order; a step that a later piece builds stands as an
// empty, named step in Programmstart.cpp, to be filled in where it stands.

#include "ProgrammZustand.h"

namespace lx {

inline constexpr const char* kHilfeDateiName = "LxRarivizezoderizu.chm";

// Before any dialog exists: help file check (a missing file is reported and
// the start goes on), month preset from today's date, the deductions rows.
void FormCreate(ProgrammZustand& p);

// On the main window's first show only (later show events change nothing):
// master-data folder and records, engine year and month, the options dialog
// in line with the main window.
void FormShow(ProgrammZustand& p);

// When the main window goes, before the other windows: closes the help.
void FormDestroy(ProgrammZustand& p);

}  // namespace lx
