#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenStammpfad()
{
    using enum Opt;
    return {
        // Replaced at start-up by the stored or the default folder.
        {JVEdiPfad,
         {.name = "JVEdiPfad",
          .kind = SteuerArt::Edit,
          .label = "Pfad für gespeicherte Stammdaten:",
          .preset = "Programmpfad",
          .help = 3012}},
        {JVBtnOrdner,
         {.name = "JVBtnOrdner", .kind = SteuerArt::Button, .hint = "Ordner wählen", .preset = "...", .help = 3012}},
        {AllgBtnPfadSpeichern,
         {.name = "AllgBtnPfadSpeichern",
          .kind = SteuerArt::Button,
          .label = "Stammdatenpfad speichern",
          .preset = "Stammdatenpfad speichern",
          .help = 3012}},
        {AllgBtnAktualisieren,
         {.name = "AllgBtnAktualisieren",
          .kind = SteuerArt::Button,
          .label = "Stammdatenanzeige aktualisieren",
          .preset = "Stammdatenanzeige aktualisieren",
          .help = 3012}},
        {AllgLiBoNameStamm, {.name = "AllgLiBoNameStamm", .kind = SteuerArt::ListBox, .help = 3012}},
        {AllgLiBoDatenStamm, {.name = "AllgLiBoDatenStamm", .kind = SteuerArt::ListBox, .help = 3012}},
    };
}

}  // namespace lx
