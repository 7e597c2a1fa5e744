#include "OptionenZustand.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenAllgemein()
{
    std::vector<std::string> jahre;
    for (int jahr = 2024; jahr >= 2008; --jahr) jahre.push_back(std::to_string(jahr));
    return {
        {ComboMonat,
         {.name = "ComboMonat",
          .kind = SteuerArt::Combo,
          .label = "Monat:",
          .items = {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
                    "November", "Dezember"},
          .preset = "Januar",
          .help = 4013}},
        {ComboJahr,
         {.name = "ComboJahr",
          .kind = SteuerArt::Combo,
          .label = "Jahr:",
          .items = jahre,
          .preset = "2024",
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
