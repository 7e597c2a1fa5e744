#include "Ausstehend.h"

#include "AmountText.h"
#include "Berechnung.h"
#include "ProgrammZustand.h"

namespace lx {

// Until the records can load "Standard", there is none to load.
void LadeStandard(ProgrammZustand& p)
{
    p.haupt.text(Haupt::ComboStamm).clear();
}
// Until the gross-up is built, a run with net-marked items computes once, as
// without them.
void ActNettoHochrechnung(ProgrammZustand& p)
{
    p.LohnGehalt.Berechnen();
    p.haupt.text(Haupt::LEdiNetto) = formatAmount(NettoBrutto(p.LohnGehalt, p.erfass.brutto[kGesamtbrutto]));
}
void ActSonderberechnung(ProgrammZustand&) {}
void ActBPfaendungsabrechnung(ProgrammZustand&) {}
void ActDetailabrechnung(ProgrammZustand&) {}
void ActATZAbrechnung(ProgrammZustand&) {}

void ActDrucken(ProgrammZustand&) {}
void ActAbrSave(ProgrammZustand&) {}
void ActStammSaveExecute(ProgrammZustand&) {}

namespace optionen {
void GrundstellungSeite6(ProgrammZustand&) {}
void GrundstellungSeite7(ProgrammZustand&) {}
void GrundstellungSeite11(ProgrammZustand&) {}
}  // namespace optionen

}  // namespace lx
