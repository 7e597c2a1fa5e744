#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite6()
{
    using enum Opt;
    return {
        {ATZLxVEdiAufst,
         {.name = "ATZLxVEdiAufst",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Aufstockung:",
          .min = 20_cur,
          .max = 100_cur,
          .decimals = 0,
          .preset = "20",
          .reset = "20"}},
        {ATZmanReg,
         {.name = "ATZmanReg", .kind = SteuerArt::ValueLabEdit, .label = "Regelarbeitsentgelt manuell:", .max = 99999_cur}},
        {ATZLabRegEnt,
         {.name = "ATZLabRegEnt", .kind = SteuerArt::Label, .label = "Regelarbeitsentgelt autom.:", .preset = "0,00"}},
        {ATZLabAufst, {.name = "ATZLabAufst", .kind = SteuerArt::Label, .label = "Aufstockungsbetrag:", .preset = "0,00"}},
        {ATZLView,
         {.name = "ATZLView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150},
                      {"Aufstockung", 75, Ausrichtung::Mitte},
                      {"Teilzeit", 70, Ausrichtung::Rechts},
                      {"Vollzeit", 70, Ausrichtung::Rechts}}}},
    };
}

}  // namespace lx
