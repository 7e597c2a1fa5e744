#pragma once
// The pay-item entry dialog: the pay items of the month and their nine gross totals.

#include "LxDialog.h"

class TFrmErfass : public lx::TLxDialog {
    Q_OBJECT
public:
    TFrmErfass(lx::ProgrammZustand& p, lx::Anzeige& anzeige);
};
