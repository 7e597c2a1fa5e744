#pragma once
// The about box: program name and version, the product's web site, and the
// update check. Shown modally.

#include "LxDialog.h"

class QPushButton;

namespace lx {
class UpdateCheck;
}

class TAboutBox : public lx::TLxDialog {
    Q_OBJECT
public:
    TAboutBox(lx::ProgrammZustand& p, lx::Anzeige& anzeige);

    // Tests aim the check at a server of their own.
    lx::UpdateCheck& updateCheck() { return *check_; }

private:
    void BtnUpdateClick();

    lx::UpdateCheck* check_;
    QPushButton* btnUpdate_;
};
