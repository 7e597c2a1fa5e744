#include "UnitAbr.h"

TFrmAbrechnung::TFrmAbrechnung(lx::ProgrammZustand& p, lx::Anzeige& anzeige)
    : TLxDialog(p, anzeige, "FrmAbrechnung", "Detailabrechnung", 5000, 720, 560)
{
}
