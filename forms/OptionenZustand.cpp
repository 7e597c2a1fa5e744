#include "OptionenZustand.h"

#include <vector>

namespace lx {

std::span<const Eintrag<Opt>> optionenTabelle()
{
    using enum Opt;
    static const std::vector<Eintrag<Opt>> tabelle = {
        {PageCtrl,
         {.name = "PageCtrl",
          .kind = SteuerArt::PageControl,
          .items = {"Lohnsteuer", "Sozialversicherung", "Zusatzversicherung", "Altersversorgung", "Einmalbezüge",
                    "Versorgungsbezüge", "Altersteilzeit", "Pfändung", "Mehrfachbeschäftigung", "Teilmonat", "Teilzeit",
                    "Stammdaten"},
          .help = 3000}},
    };
    return tabelle;
}

}  // namespace lx
