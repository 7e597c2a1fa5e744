#pragma once
// The about box: program name and version, the update check. Shown modally.

#include "LxDialog.h"

class TAboutBox : public lx::TLxDialog {
    Q_OBJECT
public:
    TAboutBox(lx::ProgrammZustand& p, lx::Anzeige& anzeige);
};
