#include "UnitErfass.h"

TFrmErfass::TFrmErfass(lx::ProgrammZustand& p, lx::Anzeige& anzeige)
    : TLxDialog(p, anzeige, "FrmErfass", "Beträge erfassen", 4000, 640, 520)
{
}
