#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite10()
{
    using enum Opt;
    return {
        {TZComboJaNein,
         {.name = "TZComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Teilzeitberechnung:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .colour = Farbe::Red}},
        {TZLView,
         {.name = "TZLView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150},
                      {"TZ", 30, Ausrichtung::Mitte},
                      {"Rdg.", 40, Ausrichtung::Mitte},
                      {"Vollzeit", 80, Ausrichtung::Rechts},
                      {"Teilzeit", 80, Ausrichtung::Rechts}}}},
        {TZLiBo, {.name = "TZLiBo", .kind = SteuerArt::ListBox, .visible = false}},
    };
}

}  // namespace lx
