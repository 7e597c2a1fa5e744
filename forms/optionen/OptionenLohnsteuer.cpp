#include "Optionen.h"
#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenLohnsteuer()
{
    return {
        {LSTComboStTab,
         seiten::liste("LSTComboStTab", "Steuertabelle:", {"Allgemeine Steuertabelle", "Besondere Steuertabelle"})},
        {LSTVEdiStTage,
         {.name = "LSTVEdiStTage",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Steuertage:",
          .min = 1_cur,
          .max = 30_cur,
          .decimals = 0,
          .length = 2,
          .preset = "30",
          .reset = "30"}},
        {LSTVEdiFBJahr,
         {.name = "LSTVEdiFBJahr",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Steuerfreibetrag Jahr:",
          .filledBeyondRange = true,
          .preset = "0,00",
          .reset = "0,00"}},
        {LSTChkFBJahr,
         {.name = "LSTChkFBJahr",
          .kind = SteuerArt::Check,
          .label = "automatisch berechnen",
          .resetChecked = true,
          .checked = true}},
        {LSTComboBundesland,
         {.name = "LSTComboBundesland",
          .kind = SteuerArt::Combo,
          .label = "Bundesland für Kirchensteuer:",
          .items = OptionTexte(kBundeslandListe),
          .preset = "Nordrhein-Westfalen"}},
        {LSTComboErmKiSt,
         {.name = "LSTComboErmKiSt",
          .kind = SteuerArt::Combo,
          .label = "Ermäßigte pauschale Kirchensteuer:",
          .items = {"ja", "nein"},
          .preset = "ja"}},
        {LSTVEdiPKV,
         {.name = "LSTVEdiPKV",
          .kind = SteuerArt::ValueLabEdit,
          .label = "PKV + PPV-Grundversorgung:",
          .max = 10000_cur,
          .preset = "0,00",
          .reset = "0,00"}},
        {LSTChkPKV,
         {.name = "LSTChkPKV",
          .kind = SteuerArt::Check,
          .label = "identisch mit PKV+PPV-Beträge  im Register Sozialversicherung",
          .resetChecked = true,
          .checked = true}},
        {LSTComboKammerbeitrag, seiten::liste("LSTComboKammerbeitrag", "Kammerbeitrag Bremen/Saarland:",
                                              {"automatisch berechnen", "nicht berechnen"})},
    };
}

}  // namespace lx
