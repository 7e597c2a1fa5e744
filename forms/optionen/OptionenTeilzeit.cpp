#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {

constexpr int kHilfe = 3011;

Steuerelement stunden(std::string_view name, std::string_view label, std::string wert)
{
    return {
        .name = name, .kind = SteuerArt::ValueLabEdit, .label = label, .preset = wert, .reset = wert, .help = kHilfe};
}

}  // namespace

std::vector<Eintrag<Opt>> optionenTeilzeit()
{
    return {
        {Opt::TZComboJaNein,
         {.name = "TZComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Teilzeitberechnung:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = kHilfe,
          .colour = Farbe::Red}},
        {Opt::TZVEdiWoStd, stunden("TZVEdiWoStd", "Teilzeit-Wochenstunden:", "20,00")},
        {Opt::TZVEdiWoVZ, stunden("TZVEdiWoVZ", "Vollzeit-Wochenstunden:", "37,00")},
        {Opt::TZLabHinweis,
         {.name = "TZLabHinweis",
          .kind = SteuerArt::Label,
          .preset = "(Über Kontextmenü (rechte Maustaste) Teilzeitsteuerung einzelner Beträge ändern)",
          .help = kHilfe}},
        {Opt::TZLView,
         {.name = "TZLView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150},
                      {"TZ", 30, Ausrichtung::Mitte},
                      {"Rdg.", 40, Ausrichtung::Mitte},
                      {"Vollzeit", 80, Ausrichtung::Rechts},
                      {"Teilzeit", 80, Ausrichtung::Rechts}},
          .help = kHilfe}},
        {Opt::TZLiBo, {.name = "TZLiBo", .kind = SteuerArt::ListBox, .visible = false}},
        {Opt::TZBtnAktualisieren, seiten::aktualisieren("TZBtnAktualisieren", kHilfe)},
        {Opt::TZBtnUebernehmen, seiten::inErfassungUebernehmen("TZBtnUebernehmen", kHilfe)},
    };
}

}  // namespace lx
