#pragma once
// The pay-item entry dialog's controls and its pay items, their only home
// while the program runs: the rows of LView, the nine totals of LViewBrutti,
// the typed row of the entry band, the part-time and partial-month
// indicators. The handlers are in Erfassung.h.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "Currency.h"
#include "gemeinsam/Steuerelement.h"

namespace lx {

enum class Erfass {
    LView,
    LViewBrutti,
    AEdiLOA,
    VEdiBetrag,
    AEdiLST,
    AEdiSV,
    AEdiZV,
    AEdiEB,
    AEdiLMJ,
    AEdiNT,
    AEdiVB,
    PnlBezug,
    PnlSachbezug,
    PnlAbzug,
    ChkAbzSteuerung,
    PnlTZAktiv,
    PnlTBAktiv,
    StatusBar1,
    BtnUebernehmen,
    BtnEditieren,
    BtnLoeschen,
    BtnAllesLoeschen,
    BtnAenderung,
    BtnAbbrechen,
    BtnOptionen,
    BtnHilfe,
    BtnSchliessen,
    BtnBerechnen,
    kAnzahl
};

std::span<const Eintrag<Erfass>> erfassTabelle();

// The kind of a pay item (its image index in the list).
enum LohnartTyp { kBezug = 0, kSachbezug = 1, kAbzug = 2 };

// The seven flags of a pay item, in the order of the list's columns.
enum LohnartFlag { kLST, kSV, kZV, kEB, kLMJ, kNT, kVB, kFlagAnzahl };

// One pay item. A flag is set or not ("x" or empty in the list and in the
// master data); the part-time and partial-month marks are the extra columns
// "TZ" and "TA".
struct Lohnart {
    std::string name{};
    Currency betrag{};
    std::array<bool, kFlagAnzahl> flags{};
    int typ = kBezug;
    std::string tz{};
    std::string ta{};
    bool operator==(const Lohnart&) const = default;
};

// "x" for a set flag, "" otherwise.
inline const char* flagText(bool an)
{
    return an ? "x" : "";
}

// The three states of the part-time and partial-month indicators: off
// (button face), on but not applied (yellow), applied to the list (lime).
enum class Status { Aus, An, Uebernommen };

// The nine gross totals, in the order of LViewBrutti's rows.
enum Bruttosumme {
    kGesamtbrutto,
    kSteuerbrutto,
    kSteuerbruttoEB,
    kSteuerbruttoLMJ,
    kSVBrutto,
    kSVBruttoEB,
    kZVBrutto,
    kVBBrutto,
    kVBBruttoEB,
    kBruttoAnzahl
};
using Bruttosummen = std::array<Currency, kBruttoAnzahl>;

inline constexpr std::size_t kMaxZeilen = 255;
// The longest amount a total, the gross and net fields or a deduction can
// show: 255 rows of at most 1.000.000,00 each, and its negative. The windows
// size their amount fields and columns by it.
inline constexpr const char* kLaengsterBetrag = "-255.000.000,00";

struct ErfassZustand : FensterZustand<Erfass> {
    ErfassZustand() : FensterZustand<Erfass>(erfassTabelle()) {}

    std::vector<Lohnart> zeilen;          // the list LView, in entry order
    Bruttosummen brutto{};                // what LViewBrutti shows
    int auswahl = 0;                      // the selected row (the list's tag)
    std::optional<std::size_t> editiert;  // the row being edited
    int typ = kBezug;                     // the kind chosen in the entry band
    Status tzStatus = Status::Aus;
    Status taStatus = Status::Aus;
    std::vector<Lohnart> sicherung;  // backup of the rows (ActErfSichern)
};

}  // namespace lx
