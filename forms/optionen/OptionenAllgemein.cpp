#include "OptionenZustand.h"
#include "Rechengroessen.h"
#include "gemeinsam/Jahresliste.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenAllgemein()
{
    return {
        {ComboMonat,
         {.name = "ComboMonat",
          .kind = SteuerArt::Combo,
          .label = "Monat:",
          .items = MonateDerListe(),
          .preset = "Januar",
          .help = 4013}},
        {ComboJahr,
         {.name = "ComboJahr",
          .kind = SteuerArt::Combo,
          .label = "Jahr:",
          .items = JahreDerListe(),
          .preset = std::to_string(kLetztesRechenjahr),
          .help = 4013}},
        {BtnSchliessen,
         {.name = "BtnSchliessen", .kind = SteuerArt::Button, .label = "Schließen", .preset = "Schließen"}},
        // The create handler breaks the caption into two lines.
        {BtnErfassung,
         {.name = "BtnErfassung",
          .kind = SteuerArt::Button,
          .label = "Erfassungsmaske öffnen",
          .preset = "Erfassungsmaske öffnen"}},
        {BtnGrundstellung,
         {.name = "BtnGrundstellung",
          .kind = SteuerArt::Button,
          .label = "Grundstellung",
          .hint = "Grundstellung aller Eingabefelder in den Optionen",
          .preset = "Grundstellung"}},
        {BtnHilfe, {.name = "BtnHilfe", .kind = SteuerArt::Button, .label = "Hilfe", .preset = "Hilfe", .help = 3000}},
    };
}

}  // namespace lx
