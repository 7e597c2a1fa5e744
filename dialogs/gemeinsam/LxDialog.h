#pragma once
// What the four dialogs share: named after their window, captioned, with
// their help context; non-modal, hidden until shown, hidden again when closed
// (the program ends only with the main window), and never larger than the
// screen they open on. Each binds its controls through `bindungen` and shows
// its state again whenever a handler ran.

#include <QDialog>

#include "Binder.h"
#include "ProgrammZustand.h"

namespace lx {

class TLxDialog : public QDialog {
    Q_OBJECT
public:
    TLxDialog(ProgrammZustand& p, Anzeige& anzeige, const char* name, const char* caption, int hilfe, int breite,
              int hoehe);

    // Shows the state in the window's widgets.
    virtual void aktualisieren() { bindungen.zeigen(); }

protected:
    void showEvent(QShowEvent* event) override;

    ProgrammZustand& p;
    Bindungen bindungen;
};

}  // namespace lx
