#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenPfaendung()
{
    using enum Opt;
    return {
        // Its tag marks that the last calculation needed the garnishment
        // special calculation; the reset clears it (GrundstellungPfaendung).
        {PfdComboJaNein,
         {.name = "PfdComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Pfändung rechnen:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = 3008}},
        {PfdComboMethode,
         {.name = "PfdComboMethode",
          .kind = SteuerArt::Combo,
          .label = "Berechnungsmethode:",
          .items = {"Nettomethode", "Bruttomethode"},
          .preset = "Nettomethode",
          .reset = "Nettomethode",
          .help = 3008}},
        {PfdVEdiUntPers,
         {.name = "PfdVEdiUntPers",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Anzahl unterhaltsber. Personen:",
          .max = Currency::fromUnits(9),
          .decimals = 0,
          .length = 1,
          .preset = "0",
          .reset = "0",
          .help = 3008}},
        {PfdVEdiVerbleib,
         {.name = "PfdVEdiVerbleib",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Zu verbleibendes Netto:",
          .max = Currency::fromUnits(1000000),
          .preset = "0,00",
          .reset = "0,00",
          .help = 3008}},
        {PfdComboEntUmw,
         {.name = "PfdComboEntUmw",
          .kind = SteuerArt::Combo,
          .label = "ZV und AV berücksichtigen:",
          .hint = "Zusatzversicherung und Altersversorgung",
          .items = {"ja", "nein"},
          .preset = "nein",
          .help = 3008}},
        {PfdLView,
         {.name = "PfdLView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150}, {"Betrag", 80, Ausrichtung::Rechts}, {"pfändbar", 70, Ausrichtung::Mitte}},
          .help = 3008}},
    };
}

}  // namespace lx
