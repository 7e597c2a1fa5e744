#pragma once
// Where the main window's controls stand and what a user's edit of each runs:
// the toolbar from left to right, and the fields in the order the window
// creates them (which is the order the TAB key walks): the panels down the
// left column, then the gross panel, the deductions list and the master-data
// list down the right one. MainUnit builds the window from these tables.

#include <QMargins>
#include <span>
#include <string_view>

#include "hauptfenster/HauptZustand.h"

namespace lx {

// A handler over the program state.
using HauptHandler = void (*)(ProgrammZustand& p);

// A toolbar button: its icon (TForm1::Bild) and its handler.
struct HauptWerkzeug {
    Haupt id{};
    const char* bild = nullptr;
    HauptHandler klick = nullptr;
};
std::span<const HauptWerkzeug> hauptWerkzeuge();

// What holds the fields below the toolbar.
enum class HauptGruppe { PnlJahrMonat, PnlSteuer, PnlSozVers, PnlZV, PnlBrutto, Abzuege, Stamm, kAnzahl };

enum class GruppenArt {
    Panel,   // a group box with a grid of fields
    Raster,  // a grid of fields without a frame
    Allein,  // one widget that takes the height its column leaves
};

struct HauptGruppenPlatz {
    HauptGruppe id{};
    GruppenArt art = GruppenArt::Panel;
    std::string_view name{};  // the group box's objectName
    int hilfe = 0;
    bool rechts = false;  // in the right column, else in the left one
    // A panel's grid: its margins and spacing (-1 = the style's).
    QMargins rand{6, 4, 6, 4};
    int spaltenAbstand = -1;
    int zeilenAbstand = 2;
};
// In the order of HauptGruppe.
std::span<const HauptGruppenPlatz> hauptGruppen();

// Where a field goes in its group's grid.
enum class Stelle {
    Feld,       // column 1 of `reihe`, its caption (a value edit's own label) in column 0
    NebenFeld,  // beside the field before it, in that field's cell, both left-aligned
    Zelle,      // the cell at `reihe` and `spalte`, spanning `spannweite` columns
};

struct HauptPlatz {
    Haupt id{};
    HauptGruppe gruppe{};
    Stelle stelle = Stelle::Feld;
    int reihe = 0;
    int spalte = 2;
    int spannweite = 1;
    Qt::Alignment ausrichtung{};
    int breite = 0;              // fixed width in pixels; 0 = the widget's own
    bool betragsBreite = false;  // at least as wide as the longest amount the program shows
    bool haeltPlatz = false;     // keeps its space while hidden
    const char* bild = nullptr;  // icon of a button
    HauptHandler beiAenderung = nullptr;
    HauptHandler beiEnter = nullptr;  // ENTER in a value edit
};
// The fields in the order the window creates them; a group's fields stand together.
std::span<const HauptPlatz> hauptPlaetze();

}  // namespace lx
