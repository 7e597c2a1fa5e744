#pragma once
// The program's state: everything the windows show and the handlers work on,
// in one object without any widget. The program creates it before the first
// window and frees it after the last one, so no handler that runs while the
// windows close can reach a freed engine. Tests build it without any window.

#include <optional>
#include <string>
#include <vector>

#include "Currency.h"
#include "Gehaltsroutinen.h"
#include "abrechnung/AbrZustand.h"
#include "abrechnung/Druckerliste.h"
#include "erfassung/ErfassZustand.h"
#include "gemeinsam/Dialoge.h"
#include "gemeinsam/Hilfesystem.h"
#include "gemeinsam/Uhr.h"
#include "hauptfenster/HauptZustand.h"
#include "optionen/OptionenZustand.h"

namespace lx {

struct ProgrammZustand {
    ProgrammZustand(Dialoge& d, const Uhr& u) : dialoge(d), uhr(u) {}
    ProgrammZustand(const ProgrammZustand&) = delete;
    ProgrammZustand& operator=(const ProgrammZustand&) = delete;

    Dialoge& dialoge;
    const Uhr& uhr;

    // The folder of the running program, without a trailing separator; set by
    // the program before the windows are created.
    std::string programmOrdner;
    // The help file's full path (FormCreate).
    std::string hilfeDatei;
    // The help integration; the program sets it before the windows are
    // created, tests may leave it out.
    Hilfesystem* hilfe = nullptr;
    // The settings file "Stammpfad.ini" and the master-data folder used when it
    // names none; the program chooses both before the windows (beside the
    // program when it can write there). Empty: in the program's folder.
    std::string einstellungsDatei;
    std::string stammOrdnerVorgabe;
    // The folder of the file the main window's save question chose last; the
    // payslip's and the record's save start there.
    std::string speicherOrdner;
    // Where print jobs go; the program sets its printers, tests a recorder.
    DruckGeraet* druckGeraet = nullptr;

    // The working engine and the second one for the gross-up of net-marked
    // items and the garnishment special calculation; all fields zero until
    // their year is set.
    TLohnGehalt LohnGehalt;
    TLohnGehalt LohnGehalt2;

    Byte FNTHochrechnung = 0;  // 1 when the last calculation grossed up net-marked items
    // Net amounts of the net-marked items: current, one-off, multi-year.
    Currency NTSummeLfd;
    Currency NTSummeEBZ;
    Currency NTSummeLMJ;

    // While a calculation runs: the information its steps give, shown once the
    // windows hold all of its figures (Melden).
    std::optional<std::vector<std::string>> laufMeldungen;

    // The windows' controls.
    HauptZustand haupt;
    ErfassZustand erfass;
    OptionenZustand opt;
    AbrZustand abr;
};

// An information of a calculation's step: held for the end of the run while
// one runs, else shown at once.
inline void Melden(ProgrammZustand& p, std::string text)
{
    if (p.laufMeldungen) {
        p.laufMeldungen->push_back(std::move(text));
    } else {
        p.dialoge.Information(text);
    }
}

}  // namespace lx
