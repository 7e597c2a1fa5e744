#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite9()
{
    return {
        {Opt::TALView,
         {.name = "TALView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150},
                      {"kürzen", 50, Ausrichtung::Mitte},
                      {"voll", 80, Ausrichtung::Rechts},
                      {"gekürzt", 80, Ausrichtung::Rechts}}}},
    };
}

}  // namespace lx
