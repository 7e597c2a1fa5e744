#include <algorithm>

#include "OptionenZustand.h"
#include "Rechengroessen.h"
#include "gemeinsam/Jahresliste.h"

namespace lx {

namespace {
using enum Opt;

// The tax-free share's list text of every calculation year (the list shows the year's).
std::vector<std::string> steuerfreiTexte()
{
    std::vector<std::string> texte;
    for (const std::string& jahr : JahreDerListe()) {
        std::string t = std::to_string(ZVSteuerfreiProzent(std::stoi(jahr))) + " Prozent der RV-BBG";
        if (std::find(texte.begin(), texte.end(), t) == texte.end()) texte.push_back(std::move(t));
    }
    return texte;
}
}  // namespace

std::vector<Eintrag<Opt>> optionenZusatzversicherung()
{
    auto prozent = [](std::string_view name, std::string_view label, std::string_view hint, std::string start,
                      std::string reset) {
        return Steuerelement{.name = name,
                             .kind = SteuerArt::ValueLabEdit,
                             .label = label,
                             .hint = hint,
                             .max = 10_cur,
                             .preset = std::move(start),
                             .reset = std::move(reset),
                             .resetEnabled = false,
                             .enabled = false};
    };
    return {
        {ZVComboArt,
         {.name = "ZVComboArt",
          .kind = SteuerArt::Combo,
          .label = "Zusatzversicherung:",
          .items = {"keine", "RZVK", "VBL", "kvw", "individuell"},
          .preset = "keine",
          .reset = "keine",
          .help = 4005}},
        {ZVVEdiPAGA, prozent("ZVVEdiPAGA", "Arbeitgeberanteil Prozentsatz:", {}, "0,00", "0,00")},
        {ZVVEdiPANA, prozent("ZVVEdiPANA", "Arbeitnehmeranteil Prozentsatz:", {}, "0,00", "0,00")},
        {ZVVEdiSanGeld, prozent("ZVVEdiSanGeld", "Sanierungsgeld Prozentsatz:",
                                "Bei VBL bitte vorgeben, da firmenindividuell", "1", "1,00")},
        {ZVVEdiPSt,
         {.name = "ZVVEdiPSt",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Pauschalieren bis:",
          .hint = "bei ZVK: 89,48; bei VBL: 92,03",
          .max = 2000_cur,
          .preset = "146,00",
          .reset = "146,00"}},
        {ZVLabStFrei,
         {.name = "ZVLabStFrei",
          .kind = SteuerArt::Label,
          .label = "Steuerfreiheit:",
          .preset = "Steuerfreiheit:",
          .resetEnabled = false,
          .enabled = false}},
        // Its items follow the year (scheme presets and the main window's year change).
        {ZVComboStFrei,
         {.name = "ZVComboStFrei",
          .kind = SteuerArt::Combo,
          .label = "Steuerfreiheit:",
          .items = {"3 Prozent der RV-BBG", "keine Steuerfreiheit"},
          .preset = "3 Prozent der RV-BBG",
          .reset = "3 Prozent der RV-BBG",
          .resetEnabled = false,
          .enabled = false,
          .auchGueltig = steuerfreiTexte()}},
        {ZVComboZusUml,
         {.name = "ZVComboZusUml",
          .kind = SteuerArt::Combo,
          .label = "Zusatzumlage berechnen:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = 4005}},
        {ZVComboHochr,
         {.name = "ZVComboHochr",
          .kind = SteuerArt::Combo,
          .label = "Indiv. steuer- und sv-pfl. Ant. hochr.:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = 4005}},
        {ZVVEdiMax56,
         {.name = "ZVVEdiMax56",
          .kind = SteuerArt::ValueLabEdit,
          .label = "maximal stfrei nach § 3 Nr. 56:",
          .hint = "wenn Betrag = 0,00, dann automatische Berechnung",
          .max = 1000_cur,
          .preset = "0,00",
          .reset = "0,00"}},
        {ZVLabNameIndZV,
         {.name = "ZVLabNameIndZV",
          .kind = SteuerArt::Label,
          .label = "Bezeichnung der indiv. ZV:",
          .preset = "Bezeichnung der indiv. ZV:",
          .resetEnabled = false,
          .enabled = false}},
        {ZVEdiNameIndZV,
         {.name = "ZVEdiNameIndZV",
          .kind = SteuerArt::AdvEdit,
          .label = "Bezeichnung der indiv. ZV:",
          .length = 6,
          .align = Ausrichtung::Links,
          .preset = "ind.ZV",
          .reset = "ind.ZV",
          .resetEnabled = false,
          .enabled = false,
          .aktivFarbe = Farbe::SkyBlue}},
    };
}

}  // namespace lx
