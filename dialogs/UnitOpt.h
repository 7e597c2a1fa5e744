#pragma once
// The options dialog: every calculation option on twelve pages.

#include <QString>

#include "LxDialog.h"

class QTabWidget;

class TFrmOpt : public lx::TLxDialog {
    Q_OBJECT
public:
    TFrmOpt(lx::ProgrammZustand& p, lx::Anzeige& anzeige);

    // Shows the dialog on page `seite` with the focus on the control named
    // `fokus` (none when empty or unknown).
    void ZeigeSeite(int seite, const QString& fokus);

    QTabWidget* PageCtrl = nullptr;
};
