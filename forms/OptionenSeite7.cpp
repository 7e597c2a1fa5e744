#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite7()
{
    return {
        {Opt::PfdLView,
         {.name = "PfdLView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150}, {"Betrag", 80, Ausrichtung::Rechts}, {"pfändbar", 70, Ausrichtung::Mitte}}}},
    };
}

}  // namespace lx
