#include "OptionenZustand.h"
#include "Rechengroessen.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenVersorgungsbezuege()
{
    return {
        {VBVEdiJahr,
         {.name = "VBVEdiJahr",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Erstes Jahr der Zahlung des Versorgungsbezugs:",
          .hint = "wenn vor 2005, dann 2005 eingeben",
          .min = Currency::fromUnits(kErstesVBBeginnJahr),
          // a pension may begin in any year the program computes
          .max = Currency::fromUnits(kLetztesRechenjahr),
          .decimals = 0,
          .length = 4,
          .preset = std::to_string(kErstesVBBeginnJahr),
          .reset = std::to_string(kErstesVBBeginnJahr)}},
        {VBVEdiErsterVers,
         {.name = "VBVEdiErsterVers",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Erster gezahlter monatlicher Versorgungsbezug:",
          .filledBeyondRange = true,
          .preset = "0,00",
          .reset = "0,00"}},
        {VBVEdiEB,
         {.name = "VBVEdiEB",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Einmalbezug im ersten Jahr des Versorgungsbezugs:",
          .filledBeyondRange = true,
          .preset = "0,00",
          .reset = "0,00"}},
        {VBVEdiMonate,
         {.name = "VBVEdiMonate",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Zahl der Monate, für die Versorgungsbezug gezahlt wird:",
          .min = 1_cur,
          .max = 12_cur,
          .decimals = 0,
          .preset = "12",
          .reset = "12"}},
        {SVComboVB, seiten::liste("SVComboVB", "Versorgungsbezugsrechnung Sozialversicherung:",
                                  {"keine KV- und PV-Beiträge berechnen", "Beitr. unter 1/20 der Bezugsgr. abführen",
                                   "Beitr. unter 1/20 der Bezugsgr. nicht abf."})},
        {SVVEdiVBMax,
         {.name = "SVVEdiVBMax",
          .kind = SteuerArt::ValueLabEdit,
          .label = "VBMax:",
          .max = 10000_cur,
          .preset = "0,00",
          .reset = "0,00",
          .help = 4007}},
        {VBBtnErfassung,
         {.name = "VBBtnErfassung",
          .kind = SteuerArt::Button,
          .label = "Werte aus Erfassungsmaske einsetzen",
          .preset = "Werte aus Erfassungsmaske einsetzen"}},
    };
}

}  // namespace lx
