#include "HauptZustand.h"

#include <array>

#include "ProgrammZustand.h"

namespace lx {

namespace {

using enum Haupt;

const std::vector<std::string> kMonate = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

std::vector<std::string> jahre()
{
    std::vector<std::string> j;
    for (int jahr = 2024; jahr >= 2008; --jahr) j.push_back(std::to_string(jahr));
    return j;
}

const std::array<const char*, 7> kAbzuege = {"Lohnsteuer",          "Solidaritätszuschlag", "Kirchensteuer",
                                             "Krankenversicherung", "Rentenversicherung",   "Arbeitslosenversicherung",
                                             "Pflegeversicherung"};

}  // namespace

std::span<const Eintrag<Haupt>> hauptTabelle()
{
    static const std::vector<Eintrag<Haupt>> tabelle = {
        {ComboJahr,
         {.name = "ComboJahr",
          .kind = SteuerArt::ComboEdit,
          .label = "Berechnung für:",
          .items = jahre(),
          .preset = "2024",
          .help = 2000}},
        {ComboMonat,
         {.name = "ComboMonat", .kind = SteuerArt::Combo, .items = kMonate, .preset = "Januar", .help = 2000}},
        {LVAbz,
         {.name = "LVAbz",
          .kind = SteuerArt::ListView,
          .columns = {{"Abzüge", 225}, {"Betrag", 90, Ausrichtung::Rechts}},
          .help = 2000,
          .gridLines = true}},
        {StatusBar,
         {.name = "StatusBar",
          .kind = SteuerArt::StatusBar,
          .items = std::vector<std::string>(kPanelAnzahl),
          .columns = {{"", 100}, {"", 105}, {"", 20}, {"", 20}, {"", 80}, {"", 30}, {"", 30}, {"", 50}}}},
        {BtnBrErfass,
         {.name = "BtnBrErfass", .kind = SteuerArt::SpeedButton, .hint = "Brutto einzeln erfassen", .help = 5002}},
        {BtnDetailberechnung,
         {.name = "BtnDetailberechnung",
          .kind = SteuerArt::SpeedButton,
          .hint = "Detailabrechnung anzeigen",
          .help = 5015}},
        {BtnOptionen,
         {.name = "BtnOptionen", .kind = SteuerArt::SpeedButton, .hint = "Optionen anzeigen", .help = 5002}},
        {BtnHilfe, {.name = "BtnHilfe", .kind = SteuerArt::SpeedButton, .hint = "Hilfe anzeigen", .help = 5012}},
        {BtnProgInto, {.name = "BtnProgInto", .kind = SteuerArt::SpeedButton, .hint = "Programminfo", .help = 5002}},
        {BtnSchliessen,
         {.name = "BtnSchliessen", .kind = SteuerArt::SpeedButton, .hint = "Programm beenden", .help = 5002}},
        {ComboZV,
         {.name = "ComboZV",
          .kind = SteuerArt::Combo,
          .label = "Zusatzversicherung:",
          .items = {"keine", "RZVK", "VBL", "kvw", "individuell"},
          .preset = "keine"}},
        {LxEdiBGR,
         {.name = "LxEdiBGR",
          .kind = SteuerArt::AdvEdit,
          .label = "Beitragsgruppe:",
          .length = 4,
          .align = Ausrichtung::Mitte,
          .preset = "1111"}},
        // Pension-payment contributions: tag 0 none (hidden), 1 paid, 2 not paid below a twentieth.
        {PnlVB,
         {.name = "PnlVB",
          .kind = SteuerArt::Panel,
          .hint = "Soz.vers. für Versorgungsbezüge berechnen",
          .preset = "VB",
          .visible = false,
          .colour = Farbe::SkyBlue}},
    };
    return tabelle;
}

void ActLVGrundExecute(ProgrammZustand& p)
{
    auto& rows = p.haupt[LVAbz].rows;
    rows.clear();
    for (const char* name : kAbzuege) rows.push_back(Zeile{.cells = {name, "0,00"}});
}

void BtnBrErfassClick(ProgrammZustand& p)
{
    p.dialoge.Zeigen(Fenster::Erfass);
}

void BtnOptionenClick(ProgrammZustand& p, int seite)
{
    p.dialoge.OptionenZeigen(seite);
}

void BtnDetailberechnungClick(ProgrammZustand& p)
{
    p.dialoge.Zeigen(Fenster::Abrechnung);
}

void BtnHilfeClick(ProgrammZustand& p)
{
    p.dialoge.Hilfe(1001);
}

void BtnProgIntoClick(ProgrammZustand& p)
{
    p.dialoge.Zeigen(Fenster::About);
}

void BtnSchliessenClick(ProgrammZustand& p)
{
    p.dialoge.Verbergen(Fenster::Haupt);
}

Currency GetPVSatz(const ProgrammZustand& p)
{
    return p.LohnGehalt.FPVSatz;
}

}  // namespace lx
