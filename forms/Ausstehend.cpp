#include "Ausstehend.h"

#include "AmountText.h"
#include "Berechnung.h"
#include "ProgrammZustand.h"

namespace lx {

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

}  // namespace lx
