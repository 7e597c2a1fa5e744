#include "OptionenZustand.h"
#include "Seitenbausteine.h"

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
        {MfBVEdiBrutAnd, seiten::betrag("MfBVEdiBrutAnd", "Ungekürztes SV-Brutto anderes Dienstverhältnis:")},
    };
}

}  // namespace lx
