#pragma once
// The detailed-payslip window: the payslip text, the reports and the print settings.

#include "LxDialog.h"

class TFrmAbrechnung : public lx::TLxDialog {
    Q_OBJECT
public:
    TFrmAbrechnung(lx::ProgrammZustand& p, lx::Anzeige& anzeige);
};
