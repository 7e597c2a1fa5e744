#pragma once
// The control tables of the windows. Each window names its controls in an enum
// whose enumerators are the controls' own names (`Haupt::LVAbz`) and describes
// every control once, in a table of `Eintrag`s with designated initialisers:
//
//   {Haupt::LVAbz, {.name = "LVAbz", .kind = SteuerArt::ListView,
//                   .columns = {{"Abzüge", 225}, {"Betrag", 90, Ausrichtung::Rechts}}, .help = 2000}},
//
// Designated initialisers must follow the order of the members below; leave out
// what does not apply. `FensterZustand<Id>` holds one `SteuerZustand` per entry:
// the window's state that handlers read and write and that the widgets show.
// The table's order is the enum's order; the enum ends with `kAnzahl`.

#include <cstddef>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"

namespace lx {

// What widget an entry becomes (the binder of its kind shows it).
enum class SteuerArt {
    Edit,          // plain single-line edit
    AdvEdit,       // TLxAdvEdit (codes, names, flag cells)
    ValueEdit,     // TLxValueEdit (number without caption)
    ValueLabEdit,  // TLxValueLabEdit (number with its caption label)
    MaskEdit,      // edit with an input mask (`mask`)
    Combo,         // drop-down list; shows and returns any text, also one it does not list
    ComboEdit,     // editable combo box
    Check,         // check box; `label` is its caption
    ListView,      // report list view: `columns`, `rows`, `selected`
    ListBox,       // list of lines: `items`, `selected`
    Panel,         // coloured panel with a caption (`text`) and a `tag`; clickable
    Label,         // display text
    StatusBar,     // fixed-width panels: `columns` give the widths, `items` the texts
    Button,        // push button; `label` is its caption
    SpeedButton,   // toolbar button: takes no focus
    Memo,          // multi-line text (`text`, lines separated by "\n")
    PageControl,   // pages; `selected` is the page shown
};

// The colours the windows use by name; Standard is the widget's own.
enum class Farbe { Standard, BtnFace, WindowText, Yellow, Lime, Red, Green, Maroon, SkyBlue, InactiveCaption };

enum class Ausrichtung { Standard, Links, Rechts, Mitte };

// A list view column.
struct Spalte {
    std::string caption{};
    int width = 0;  // pixels
    Ausrichtung align = Ausrichtung::Links;
    bool operator==(const Spalte&) const = default;
};

// A list view row: the caption and the sub-items, the image index (the kind of
// a pay item) and how the row is drawn.
struct Zeile {
    std::vector<std::string> cells{};
    int image = 0;
    Farbe colour = Farbe::Standard;      // text of the cells after the first
    Farbe background = Farbe::Standard;  // the whole row
    bool strikeOut = false;              // the whole row
    bool operator==(const Zeile&) const = default;
};

// One control as the window's description gives it.
struct Steuerelement {
    std::string_view name{};  // the control's own name: the widget's objectName
    SteuerArt kind = SteuerArt::Edit;
    std::string_view label{};          // caption or label text; the accessible name
    std::string_view hint{};           // tool tip
    std::vector<std::string> items{};  // list entries, status-bar texts
    std::vector<Spalte> columns{};     // list view columns, status-bar widths
    Currency min{};                    // range and decimals of the value edits
    Currency max = Currency::fromUnits(1000000);
    int decimals = 2;
    int length = 0;           // at most this many characters; 0 = no limit
    bool digitsOnly = false;  // a plain edit that takes only digits (code and year fields)
    // The program writes computed amounts into this number field that may lie
    // outside min..max (the yearly allowance is twelve times the monthly one,
    // which may be negative); a stored text is then checked for its form only.
    bool filledBeyondRange = false;
    std::string_view mask{};  // input mask of a MaskEdit (Qt notation)
    Ausrichtung align = Ausrichtung::Standard;
    std::string preset{};                // text when the window is created
    std::optional<std::string> reset{};  // text the window's reset sets; nullopt = left unchanged
    std::optional<bool> resetEnabled{};  // enabled state the reset sets; nullopt = left unchanged
    std::optional<bool> resetChecked{};  // check mark the reset sets; nullopt = left unchanged
    int help = 0;                        // help context; 0 = the window's
    std::string_view shortcut{};         // key sequence of a button ("F2", "Ctrl+N")
    bool enabled = true;                 // presets of the state
    bool visible = true;
    bool checked = false;
    int tag = 0;
    Farbe colour = Farbe::Standard;
    bool gridLines = false;              // a list view draws lines between its cells
    Farbe aktivFarbe = Farbe::Standard;  // an edit's background while it has the focus
    // List texts a stored record may hold besides `items`: what the list holds in other years.
    std::vector<std::string> auchGueltig{};
};

// What a control shows now. Handlers change it; the window shows it after
// every handler.
struct SteuerZustand {
    std::string text{};
    std::vector<std::string> items{};
    std::vector<Spalte> columns{};
    std::vector<Zeile> rows{};
    int selected = -1;  // row of a list, page of a page control; -1 = none
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    int tag = 0;
    Farbe colour = Farbe::Standard;
    Currency min{};  // the value edits' range; a handler may move it
    Currency max{};
};

// The state of a control as the window creates it.
SteuerZustand vorgabeZustand(const Steuerelement& e);

// Whether the control can hold the text as a stored record gives it back:
// at most `length` characters; only digits where `digitsOnly`; in a number
// field an empty text or a number in min..max with at most `decimals`
// decimals (thousands points aside), without decimals only digits and a
// leading "-" when min is negative; in a mask field the mask's literals in
// their places with a digit or blank, or nothing, in each digit place (an
// empty field holds ""); in a drop-down list one of its items (or of
// `auchGueltig`). Other kinds take any text.
bool passtInSteuerelement(const Steuerelement& e, std::string_view text);

// Applies the entry's reset (text, enabled, check mark) where it gives one.
void grundstellung(SteuerZustand& z, const Steuerelement& e);

// A value edit's text as leaving the field makes it: an amount is pulled into
// the state's range and written with the field's decimals (without decimals
// a whole number, no separators); an empty text and one that is no amount
// stay as they are.
// What acts on a typed amount without leaving the field (ENTER, F2 to F4)
// runs it first, so that the figures belong to the value the field shows.
void BereichAnwenden(SteuerZustand& z, const Steuerelement& e);

// A table entry: the enumerator and its description.
template <class Id>
struct Eintrag {
    Id id{};
    Steuerelement e{};
};

// A window's controls: one state per table entry, found by enumerator.
template <class Id>
class FensterZustand {
public:
    using Tabelle = std::span<const Eintrag<Id>>;

    // Throws std::logic_error when the table does not hold every enumerator
    // once, in the enum's order.
    explicit FensterZustand(Tabelle tabelle) : tabelle_(tabelle)
    {
        if (tabelle.size() != static_cast<std::size_t>(Id::kAnzahl)) {
            throw std::logic_error("control table and enum differ in length");
        }
        zustaende_.reserve(tabelle.size());
        for (std::size_t i = 0; i < tabelle.size(); ++i) {
            if (static_cast<std::size_t>(tabelle[i].id) != i) {
                throw std::logic_error("control table out of the enum's order at " + std::string(tabelle[i].e.name));
            }
            zustaende_.push_back(vorgabeZustand(tabelle[i].e));
        }
    }

    SteuerZustand& operator[](Id id) { return zustaende_[index(id)]; }
    const SteuerZustand& operator[](Id id) const { return zustaende_[index(id)]; }
    const Steuerelement& element(Id id) const { return tabelle_[index(id)].e; }
    std::string_view name(Id id) const { return element(id).name; }
    Tabelle tabelle() const { return tabelle_; }

    std::string& text(Id id) { return (*this)[id].text; }
    const std::string& text(Id id) const { return (*this)[id].text; }

    // The window's reset by table: every entry that names a reset value.
    void grundstellung()
    {
        for (std::size_t i = 0; i < tabelle_.size(); ++i) lx::grundstellung(zustaende_[i], tabelle_[i].e);
    }

private:
    static std::size_t index(Id id) { return static_cast<std::size_t>(id); }

    Tabelle tabelle_;
    std::vector<SteuerZustand> zustaende_{};
};

}  // namespace lx
