#include "OptionenZustand.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenMehrfachbeschaeftigung()
{
    return {
        {MfBComboJaNein,
         {.name = "MfBComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Mehrfachbeschäftigt:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein"}},
        {MfBVEdiBrutAnd,
         {.name = "MfBVEdiBrutAnd",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Ungekürztes SV-Brutto anderes Dienstverhältnis:",
          .preset = "0,00",
          .reset = "0,00"}},
    };
}

}  // namespace lx
