#pragma once
// The main window's controls: year and month, the tax and social-insurance
// fields, gross and net, the deductions list, the status bar, the toolbar and
// the buttons beside the panels. Its handlers over the program state are in
// Hauptfenster.h.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "Gehaltsroutinen.h"
#include "Rechengroessen.h"
#include "gemeinsam/Jahresliste.h"
#include "gemeinsam/Steuerelement.h"

namespace lx {

struct ProgrammZustand;

// The birth year field "LEdiGebJahr": a text of fewer than four characters
// gives no birth year, and a calculation takes the field's preset instead.
inline constexpr int kGebJahrVorgabe = 1990;
bool GebJahrAngegeben(std::string_view text);
// The year the field stands for: its number, or kGebJahrVorgabe.
int GebJahrDesFelds(std::string_view text);

enum class Haupt {
    ComboJahr,
    ComboMonat,
    LVAbz,
    StatusBar,
    // the toolbar, left to right
    BtnNeu,
    BtnBrErfass,
    BtnBerechnen,
    BtnDetailberechnung,
    BtnDrucken,
    BtnSpeichern,
    BtnOptionen,
    BtnStammSpeichern,
    BtnHilfe,
    BtnProgInto,
    BtnSchliessen,
    // the fields
    LEdiBrutto,
    LEdiNetto,  // tag 1: the last calculation went from net to gross
    LEdiStKl,
    LEdiFaktor,
    LEdiKiFB,
    LEdiStFB,
    ComboKiJaNein,
    LxEdiBGR,
    MEdiKV,
    MEdiKVZus,
    ComboPVerh,
    PnlVB,  // tag: the engine's pension-benefit mode
    LEdiGebJahr,
    ComboZV,
    ComboStamm,
    LiBoUniversal,  // never shown: the net amounts of the net-marked items
    // the buttons beside the fields
    BtnBruttoErfass,
    BtnBruttoNeu,
    BtnNettoNeu,
    BtnSteuerErfass,
    BtnSozVersErfass,
    BtnZVErfass,
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
    // The year the last change of year took; the year list shows it again when
    // a typed year is refused.
    std::string jahrAngenommen = std::to_string(kLetztesRechenjahr);
    // ComboStamm's text when a record was last loaded or the text last set by
    // the program: typed text loads only when it differs (Stammdaten.h).
    std::string stammBehandelt{};
    // "Erhöhte PV" reads "nein" because the age rule switched it off; it comes
    // back for a calculation the rule no longer applies to. Any setting of the
    // list through its handler (the user, a reset, a record) forgets it.
    bool pvAltersregel = false;
    // The record whose data the windows hold ("" for none): a refused record's
    // name gives way to it.
    std::string stammGeladen{};
};

// The seven deductions in the list's order, from the working engine's results:
// deductions negative, an employer subsidy paid to the employee positive.
std::array<Currency, 7> AbzugsBetraege(const TLohnGehalt& lg);

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
