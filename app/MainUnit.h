#pragma once
// The main window: the deductions list, the status bar and the toolbar. Its
// state and handlers live in forms/hauptfenster/ (HauptZustand,
// Programmstart); the window only shows them, laid out from its table
// (HauptLayout.h). Closing it is never refused and ends the program.

#include <QIcon>
#include <QMainWindow>

#include "Binder.h"
#include "HauptLayout.h"
#include "ProgrammZustand.h"

class TLxEditBase;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the widgets, then runs FormCreate.
    TForm1(lx::ProgrammZustand& p, lx::Anzeige& anzeige);
    ~TForm1() override;

    void aktualisieren() { bindungen_.zeigen(); }

    // An icon of the program's own ("neu", "drucken", ...), drawn from its
    // SVG resource at the size and scale asked for.
    static QIcon Bild(const char* name);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // ENTER in `edit` runs `h` and refreshes the windows.
    void EnterRechnet(TLxEditBase* edit, lx::HauptHandler h);

    lx::ProgrammZustand& p_;
    lx::Bindungen bindungen_;
    QMetaObject::Connection jahrGewaehlt_;
    QMetaObject::Connection jahrGetippt_;
    QMetaObject::Connection stammGewaehlt_;
    QMetaObject::Connection stammGetippt_;
    // A typed year or record name is being taken (see the constructor).
    bool eingabeLaeuft_ = false;
};
