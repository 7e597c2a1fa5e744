#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite6()
{
    using enum Opt;
    return {
        {ATZComboJaNein,
         {.name = "ATZComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Altersteilzeit:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = 3007,
          .colour = Farbe::Red}},
        {ATZLxVEdiAufst,
         {.name = "ATZLxVEdiAufst",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Aufstockung:",
          .min = 20_cur,
          .max = 100_cur,
          .decimals = 0,
          .preset = "20",
          .reset = "20"}},
        {ATZneuAufstRV,
         {.name = "ATZneuAufstRV",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Aufst. Rentenvers.:",
          .hint = "... % vom Regelarbeitsentgelt x RV-Satz",
          .min = Currency::fromUnits(20),
          .max = Currency::fromUnits(100),
          .decimals = 0,
          .preset = "80",
          .reset = "80",
          .help = 3007}},
        {ATZmanReg,
         {.name = "ATZmanReg",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Regelarbeitsentgelt manuell:",
          .max = 99999_cur}},
        {ATZLabRegEnt,
         {.name = "ATZLabRegEnt", .kind = SteuerArt::Label, .label = "Regelarbeitsentgelt autom.:", .preset = "0,00"}},
        {ATZLabAufst,
         {.name = "ATZLabAufst", .kind = SteuerArt::Label, .label = "Aufstockungsbetrag:", .preset = "0,00"}},
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
