#pragma once
// Everything that must reach the user goes through this interface: message
// boxes, questions, file and folder choosers, showing and hiding the windows,
// help. The program implements it with Qt's boxes and dialogs (app/); tests use
// a recording fake with scripted answers (tests/support), so nothing blocks.
//
// Message texts are the windows' own German texts; a "\r" in them is a line
// break. Every box has the application title as its caption.

#include <optional>
#include <string>
#include <string_view>

namespace lx {

// The windows after the main one, in the order of their creation.
enum class Fenster { Haupt, Erfass, Optionen, Abrechnung, About };

// What a file chooser shows. `filter` is written "Stammdaten|*.abr|Alle Dateien|*.*".
struct DateiAuswahl {
    std::string titel{};
    std::string ordner{};     // start folder; empty = the chooser's own choice
    std::string dateiname{};  // proposed name; empty = none
    std::string filter{};
    std::string endung{};  // default suffix without the dot ("abr", "txt"); empty = none
};

class Dialoge {
public:
    virtual ~Dialoge() = default;

    virtual void Information(std::string_view text) = 0;
    virtual void Warnung(std::string_view text) = 0;
    virtual void Fehler(std::string_view text) = 0;
    // A yes/no question; true for "Ja".
    virtual bool JaNein(std::string_view text) = 0;

    // The chosen file's full path (with the default suffix when the user typed
    // none), or nullopt when the user cancelled.
    virtual std::optional<std::string> DateiOeffnen(const DateiAuswahl& auswahl) = 0;
    virtual std::optional<std::string> DateiSpeichern(const DateiAuswahl& auswahl) = 0;
    // A folder, starting in `ordner`; nullopt when cancelled.
    virtual std::optional<std::string> OrdnerWaehlen(std::string_view titel, std::string_view ordner) = 0;

    // Shows a window: the dialogs non-modally, the about box modally (returns
    // when it is closed). Showing the main window does nothing.
    virtual void Zeigen(Fenster fenster) = 0;
    // Hides a dialog; hiding the main window closes it and so ends the program.
    virtual void Verbergen(Fenster fenster) = 0;
    // Shows the options dialog on page `seite` (0 to 11) and, when `fokus`
    // names one of its controls, puts the focus there.
    virtual void OptionenZeigen(int seite, std::string_view fokus = {}) = 0;
    // Puts the focus into the named control of a window.
    virtual void Fokus(Fenster fenster, std::string_view steuerelement) = 0;

    // Help for a context number of the help file.
    virtual void Hilfe(int kontext) = 0;
};

}  // namespace lx
