#pragma once
// The main window's controls and its handlers that the start-up needs: the
// year and month lists, the deductions list, the status bar and the toolbar
// buttons that open the other windows. The main window's issue adds the rest
// of its fields here.

#include <span>

#include "Steuerelement.h"

namespace lx {

struct ProgrammZustand;

enum class Haupt {
    ComboJahr,
    ComboMonat,
    LVAbz,
    StatusBar,
    BtnBrErfass,
    BtnDetailberechnung,
    BtnOptionen,
    BtnHilfe,
    BtnProgInto,
    BtnSchliessen,
    ComboZV,
    LxEdiBGR,
    PnlVB,
    kAnzahl
};

std::span<const Eintrag<Haupt>> hauptTabelle();

// The status bar's panels by number (an empty text means "off").
enum StatusPanel {
    kPanelEintritt = 0,  // "Eintritt " + date
    kPanelAustritt = 1,  // "Austritt " + date
    kPanelTZ = 2,        // "TZ"
    kPanelTA = 3,        // "TA"
    kPanelStunden = 4,   // weekly hours + " Wo.Std."
    kPanelMfB = 5,       // "MfB"
    kPanelATZ = 6,       // "ATZ"
    kPanelFrei = 7,
    kPanelAnzahl = 8
};

struct HauptZustand : FensterZustand<Haupt> {
    HauptZustand() : FensterZustand<Haupt>(hauptTabelle()) {}

    // The status panel's text.
    std::string& panel(int nummer) { return (*this)[Haupt::StatusBar].items.at(static_cast<std::size_t>(nummer)); }

    bool formShowGelaufen = false;  // FormShow runs once, on the first show
};

// The seven deductions rows, each "0,00".
void ActLVGrundExecute(ProgrammZustand& p);

// The toolbar: entry dialog, options dialog on page `seite` (0 for the toolbar
// button, 1 and 2 for the buttons beside the panels), payslip window, about box.
void BtnBrErfassClick(ProgrammZustand& p);
void BtnOptionenClick(ProgrammZustand& p, int seite = 0);
void BtnDetailberechnungClick(ProgrammZustand& p);
// The help file at the main window's context.
void BtnHilfeClick(ProgrammZustand& p);
void BtnProgIntoClick(ProgrammZustand& p);
// Closes the main window, which ends the program.
void BtnSchliessenClick(ProgrammZustand& p);

// The working engine's care-insurance rate, for the options dialog.
Currency GetPVSatz(const ProgrammZustand& p);

}  // namespace lx
