#include "Ausstehend.h"

#include "ProgrammZustand.h"

namespace lx {

// Until the records can load "Standard", there is none to load.
void LadeStandard(ProgrammZustand& p)
{
    p.haupt.text(Haupt::ComboStamm).clear();
}
void ActBerechnen(ProgrammZustand&) {}
void ActNettoHochrechnung(ProgrammZustand&) {}
void ActSonderberechnung(ProgrammZustand&) {}
void ActBPfaendungsabrechnung(ProgrammZustand&) {}
void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}

void BtnBruttoNeuClick(ProgrammZustand&, Haupt) {}
void ActDrucken(ProgrammZustand&) {}
void ActAbrSave(ProgrammZustand&) {}
void ActStammSaveExecute(ProgrammZustand&) {}

namespace optionen {
void GrundstellungSeite6(ProgrammZustand&) {}
void GrundstellungSeite7(ProgrammZustand&) {}
void GrundstellungSeite11(ProgrammZustand&) {}
}  // namespace optionen

}  // namespace lx
