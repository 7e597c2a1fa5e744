#include "Optionen.h"
#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {
using enum Opt;

// A display panel of the year's rates, written by the main window's year and month change.
Steuerelement satz(std::string_view name, std::string_view label, std::string preset)
{
    return {.name = name, .kind = SteuerArt::Panel, .label = label, .preset = std::move(preset)};
}

}  // namespace

std::vector<Eintrag<Opt>> optionenSozialversicherung()
{
    return {
        {SVComboRechtskreis, seiten::liste("SVComboRechtskreis", "Rechtskreis:", {"West", "Ost"})},
        {SVVEdiSVTage,
         {.name = "SVVEdiSVTage",
          .kind = SteuerArt::ValueLabEdit,
          .label = "SV-Tage:",
          .min = 1_cur,
          .max = 30_cur,
          .decimals = 0,
          .preset = "30",
          .reset = "30"}},
        {SVComboKVBez, seiten::liste("SVComboKVBez", "Krankenversicherung:", OptionTexte(kKVBesListe))},
        {SVComboRVBez, seiten::liste("SVComboRVBez", "Rentenversicherung:", OptionTexte(kRVBesListe))},
        {SVComboAVBez, seiten::liste("SVComboAVBez", "Arbeitslosenversicherung:", OptionTexte(kAVBesListe))},
        {SVComboPVBez, seiten::liste("SVComboPVBez", "Pflegeversicherung:", OptionTexte(kPVBesListe))},
        {SVComboGleitzone, seiten::liste("SVComboGleitzone", "Gleitzone (Übergangsbereich):",
                                         {"Gleitzone rechnen", "keine Gleitzone rechnen"})},
        {SVComboRVVoll,
         {.name = "SVComboRVVoll",
          .kind = SteuerArt::Combo,
          .label = "RV-AN-Anteil bei Gleitzone voll:",
          .hint = "ab 01.07.19 nicht mehr möglich",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein"}},
        {SVComboGfERV,
         seiten::liste("SVComboGfERV", "Minijob:", {"Verzicht auf RV-Pflicht", "kein Verzicht auf RV-Pflicht"})},
        {SVComboFrWPKV, seiten::liste("SVComboFrWPKV", "Freiwillig-/Privat-Versicherte:",
                                      {"normale Berechnung", "nach tatsächlichem SV-Brutto"})},
        {SVComboUmlage, seiten::liste("SVComboUmlage", "Umlage 1 / Umlage 2:",
                                      {"Umlage 2 rechnen", "U1 und U 2 rechnen", "keine Umlage rechnen"})},
        {SVVEdiU1Satz,
         {.name = "SVVEdiU1Satz",
          .kind = SteuerArt::ValueLabEdit,
          .label = "U 1 - Satz:",
          .max = 20_cur,
          .preset = "1,5"}},
        {SVVEdiU2Satz,
         {.name = "SVVEdiU2Satz",
          .kind = SteuerArt::ValueLabEdit,
          .label = "U 2 - Satz:",
          .max = 20_cur,
          .preset = "0,2"}},
        {ComboSachsen,
         {.name = "ComboSachsen",
          .kind = SteuerArt::Combo,
          .label = "Pflegeversicherung Sachsen:",
          .items = {"ja", "nein"},
          .preset = "nein"}},
        // The main window hides and shows the children list together with this label.
        {SVLabPVAnzKi,
         {.name = "SVLabPVAnzKi",
          .kind = SteuerArt::Label,
          .label = "Anzahl Kinder PV:",
          .preset = "Anzahl Kinder PV:"}},
        {SVComboPVKi,
         {.name = "SVComboPVKi",
          .kind = SteuerArt::Combo,
          .label = "Anzahl Kinder PV:",
          .items = {"0 Kinder", "1 Kind", "2 Kinder", "3 Kinder", "4 Kinder", "5 oder mehr Kinder"},
          .preset = "0 Kinder",
          .reset = "0 Kinder",
          .resetEnabled = false,
          .enabled = false}},
        {LEdiPKV,
         {.name = "LEdiPKV",
          .kind = SteuerArt::ValueLabEdit,
          .label = "PKV Gesamt:",
          .max = 9999_cur,
          .preset = "350",
          .reset = "350,00",
          .help = 4007}},
        {LEdiPPV,
         {.name = "LEdiPPV",
          .kind = SteuerArt::ValueLabEdit,
          .label = "PPV Gesamt:",
          .preset = "50",
          .reset = "50,00",
          .help = 4008}},
        {SVLabEdiKKasse, {.name = "SVLabEdiKKasse", .kind = SteuerArt::Edit, .label = "Krankenkasse:", .length = 22}},
        {PnlKVSatz, satz("PnlKVSatz", "KV-Satz:", "14,60%")},
        {PnlZaehne, satz("PnlZaehne", "KV-Zusatzbeitrag:", "+ 0,90%")},
        {PnlRVSatz, satz("PnlRVSatz", "RV-Satz:", "18,60%")},
        {PnlAVSatz, satz("PnlAVSatz", "AV-Satz:", "2,60%")},
        {PnlPVSatz, satz("PnlPVSatz", "PV-Satz:", "3,40%")},
        {PnlPVKinder, satz("PnlPVKinder", "PV-Zuschlag Kinderlose:", "+ 0,60%")},
    };
}

}  // namespace lx
