#include "NeueAbrechnung.h"

#include "Hauptfenster.h"
#include "abrechnung/Abrechnungsfenster.h"
#include "erfassung/Erfassung.h"
#include "optionen/OptionenDialog.h"
#include "optionen/TeilmonatTeilzeit.h"
#include "stammdaten/Stammdaten.h"

namespace lx {

void ActNeuGrund(ProgrammZustand& p)
{
    ActLVGrundExecute(p);
    ActMainGrund(p);
    optionen::ActGrundstellung(p);
    optionen::ActTeilmonatGrund(p);
    erfass::ActGrundstellung(p);
    p.erfass.tzStatus = Status::Aus;
    p.erfass.taStatus = Status::Aus;
    ErfassAnzeigen(p.erfass);
    AbrGrundstellung(p);
    p.opt[Opt::TALView].rows.clear();
    // Controls of windows whose work may not have landed are found by name.
    for (const char* knopf : {"TABtnErfass", "TZBtnErfass"}) {
        if (StammFeld f = stammFeld(p, knopf); f.zustand != nullptr) f.zustand->enabled = true;
    }
}

}  // namespace lx
