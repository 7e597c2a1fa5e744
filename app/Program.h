#pragma once
// The program's main block, shared by the executable and the start-up tests:
// the program state first, then the five windows in their fixed order. They
// go in the reverse order: FormDestroy, the windows from the last created to
// the main window, last the state with the engines.

#include <QString>
#include <memory>

#include "Binder.h"
#include "DialogeQt.h"
#include "DruckerQt.h"
#include "ProgrammZustand.h"

class QApplication;
class TForm1;
class TFrmErfass;
class TFrmOpt;
class TFrmAbrechnung;
class TAboutBox;

namespace lx {

// What tests replace; empty members take the program's own.
struct Umgebung {
    Dialoge* dialoge = nullptr;
    const Uhr* uhr = nullptr;
    QString programmOrdner{};  // default: QCoreApplication::applicationDirPath()
    // The help units, started by the main block before the windows; none
    // when left out.
    Hilfesystem* hilfe = nullptr;
    const DruckerKatalog* druckerKatalog = nullptr;  // default: the system's printers
};

// Everything the program creates at start, owned in one place.
struct ProgramWindows {
    explicit ProgramWindows(const Umgebung& umgebung);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    std::unique_ptr<SystemUhr> systemUhr;  // when no clock was given
    std::unique_ptr<DialogeQt> dialogeQt;  // when no Dialoge were given
    QtDruckGeraet druckGeraet;
    ProgrammZustand zustand;
    Anzeige anzeige;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TFrmErfass> frmErfass;
    std::unique_ptr<TFrmOpt> frmOpt;
    std::unique_ptr<TFrmAbrechnung> frmAbrechnung;
    std::unique_ptr<TAboutBox> aboutBox;
};

// Loads Qt's German texts (buttons "Ja" / "Nein", the file dialogs); false
// when the translation is missing, which is no error.
bool ladeUebersetzung(QApplication& app);

// Sets the application title, loads the translation and creates the windows
// in their fixed order, the main window centred and no larger than the screen.
std::unique_ptr<ProgramWindows> startProgram(QApplication& app, const Umgebung& umgebung = {});

}  // namespace lx
