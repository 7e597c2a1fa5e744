#include "UnitAbout.h"

TAboutBox::TAboutBox(lx::ProgrammZustand& p, lx::Anzeige& anzeige)
    : TLxDialog(p, anzeige, "AboutBox", "Info über", 6000, 360, 260)
{
    setModal(true);
}
