#include "HauptZustand.h"

#include <array>

#include "AmountText.h"
#include "DatumUnit.h"
#include "Nettobetrag.h"
#include "Optionen.h"
#include "ProgrammZustand.h"

namespace lx {

namespace {

using enum Haupt;

const std::array<const char*, 7> kAbzuege = {"Lohnsteuer",          "Solidaritätszuschlag", "Kirchensteuer",
                                             "Krankenversicherung", "Rentenversicherung",   "Arbeitslosenversicherung",
                                             "Pflegeversicherung"};

}  // namespace

bool GebJahrAngegeben(std::string_view text)
{
    return text.size() >= 4;
}

int GebJahrDesFelds(std::string_view text)
{
    return GebJahrAngegeben(text) ? StrToInt(text) : kGebJahrVorgabe;
}

std::span<const Eintrag<Haupt>> hauptTabelle()
{
    static const std::vector<Eintrag<Haupt>> tabelle = {
        {ComboJahr,
         {.name = "ComboJahr",
          .kind = SteuerArt::ComboEdit,
          .label = "Berechnung für:",
          .items = JahreDerListe(),
          .preset = std::to_string(kLetztesRechenjahr),
          .help = 2000}},
        {ComboMonat,
         {.name = "ComboMonat", .kind = SteuerArt::Combo, .items = MonateDerListe(), .preset = "Januar", .help = 2000}},
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
        {BtnNeu, {.name = "BtnNeu", .kind = SteuerArt::SpeedButton, .hint = "Neue Abrechnung", .help = 5001}},
        {BtnBrErfass,
         {.name = "BtnBrErfass", .kind = SteuerArt::SpeedButton, .hint = "Brutto einzeln erfassen", .help = 5002}},
        {BtnBerechnen, {.name = "BtnBerechnen", .kind = SteuerArt::SpeedButton, .hint = "Berechnen", .help = 5002}},
        {BtnDetailberechnung,
         {.name = "BtnDetailberechnung",
          .kind = SteuerArt::SpeedButton,
          .hint = "Detailabrechnung anzeigen",
          .help = 5015}},
        {BtnDrucken,
         {.name = "BtnDrucken", .kind = SteuerArt::SpeedButton, .hint = "Abrechnung drucken", .help = 5013}},
        {BtnSpeichern,
         {.name = "BtnSpeichern", .kind = SteuerArt::SpeedButton, .hint = "Abrechnung speichern", .help = 5014}},
        {BtnOptionen,
         {.name = "BtnOptionen", .kind = SteuerArt::SpeedButton, .hint = "Optionen anzeigen", .help = 5002}},
        {BtnStammSpeichern,
         {.name = "BtnStammSpeichern", .kind = SteuerArt::SpeedButton, .hint = "Stammdaten speichern", .help = 5002}},
        {BtnHilfe, {.name = "BtnHilfe", .kind = SteuerArt::SpeedButton, .hint = "Hilfe anzeigen", .help = 5012}},
        {BtnProgInto, {.name = "BtnProgInto", .kind = SteuerArt::SpeedButton, .hint = "Programminfo", .help = 5002}},
        {BtnSchliessen,
         {.name = "BtnSchliessen", .kind = SteuerArt::SpeedButton, .hint = "Programm beenden", .help = 5002}},
        {LEdiBrutto,
         {.name = "LEdiBrutto",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Brutto:",
          .hint = "Brutto eingeben und ENTER drücken",
          .align = Ausrichtung::Rechts,
          .preset = "0,00",
          .reset = "0,00",
          .help = 2006}},
        {LEdiNetto,
         {.name = "LEdiNetto",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Netto -  (Auszahlungsbetrag):",
          .hint = "Netto eingeben und ENTER drücken",
          .preset = "0,00",
          .reset = "0,00",
          .help = 2006}},
        {LEdiStKl,
         {.name = "LEdiStKl",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Steuerklasse:",
          .hint = "0 (Null) bei 2% Pauschalsteuer",
          .max = Currency::fromUnits(6),
          .decimals = 0,
          .length = 1,
          .align = Ausrichtung::Mitte,
          .preset = "1",
          .reset = "1",
          .help = 2002}},
        {LEdiFaktor,
         {.name = "LEdiFaktor",
          .kind = SteuerArt::ValueEdit,
          .hint = "Faktor bei Steuerklasse 4 (Null = ohne Faktor)",
          .max = Currency::fromUnits(1),
          .decimals = 3,
          .preset = "0",
          .help = 2002,
          .visible = false}},
        {LEdiKiFB,
         {.name = "LEdiKiFB",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Kinderfreibetrag:",
          .max = Currency::fromUnits(20),
          .decimals = 1,
          .preset = "0,0",
          .reset = "0,0",
          .help = 2002}},
        {LEdiStFB,
         {.name = "LEdiStFB",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Steuerfreibetrag:",
          .hint = "Hinzurechnungsbetrag als Minusbetrag eingeben",
          .min = Currency::fromUnits(-1000000),
          .preset = "0,00",
          .reset = "0,00",
          .help = 2002}},
        {ComboKiJaNein,
         {.name = "ComboKiJaNein",
          .kind = SteuerArt::Combo,
          .label = "Kirchensteuer:",
          .items = OptionTexte(kKonfessionListe),
          .preset = std::string(kKonfessionListe.front().text),
          .reset = std::string(kKonfessionListe.front().text),
          .help = 2002}},
        {LxEdiBGR,
         {.name = "LxEdiBGR",
          .kind = SteuerArt::AdvEdit,
          .label = "Beitragsgruppe:",
          .length = 4,
          .digitsOnly = true,
          .align = Ausrichtung::Mitte,
          .preset = "1111",
          .reset = "1111",
          .help = 2003,
          .aktivFarbe = Farbe::InactiveCaption}},
        // The driver cuts both rates by position ("14,60%", "+ 1,30%"); Qt's
        // mask: "9" a digit required, "0" one allowed.
        {MEdiKV,
         {.name = "MEdiKV",
          .kind = SteuerArt::MaskEdit,
          .label = "KV-Beitragssatz:",
          .mask = "99,00%;_",
          .preset = "14,60%",
          .help = 2003,
          .enabled = false}},
        {MEdiKVZus,
         {.name = "MEdiKVZus",
          .kind = SteuerArt::MaskEdit,
          .hint = "KV-Zusatzbeitrag",
          .mask = "+ 9,00%;_",
          .preset = "+ 1,30%",
          .help = 2003}},
        {ComboPVerh,
         {.name = "ComboPVerh",
          .kind = SteuerArt::Combo,
          .label = "Erhöhte PV:",
          .hint = "erhöhte PV für Kinderlose",
          .items = {"ja", "nein"},
          .preset = "ja",
          .reset = "ja",
          .help = 2003}},
        {PnlVB,
         {.name = "PnlVB",
          .kind = SteuerArt::Panel,
          .hint = "Soz.vers. für Versorgungsbezüge berechnen",
          .preset = "VB",
          .help = 3002,
          .visible = false,
          .colour = Farbe::SkyBlue}},
        {LEdiGebJahr,
         {.name = "LEdiGebJahr",
          .kind = SteuerArt::AdvEdit,
          .label = "Geburtsjahr:",
          .length = 4,
          .digitsOnly = true,
          .align = Ausrichtung::Mitte,
          .preset = std::to_string(kGebJahrVorgabe),
          .reset = std::to_string(kGebJahrVorgabe),
          .help = 2004,
          .aktivFarbe = Farbe::InactiveCaption}},
        {ComboZV,
         {.name = "ComboZV",
          .kind = SteuerArt::Combo,
          .label = "Zusatzversicherung:",
          .items = {"keine", "RZVK", "VBL", "kvw", "individuell"},
          .preset = "keine",
          .reset = "keine",
          .help = 2005}},
        // The text can be typed as well as chosen (Stammdaten.h).
        {ComboStamm, {.name = "ComboStamm", .kind = SteuerArt::ComboEdit, .label = "Stammdaten:"}},
        {LiBoUniversal,
         {.name = "LiBoUniversal", .kind = SteuerArt::ListBox, .items = std::vector<std::string>(3), .visible = false}},
        {BtnBruttoErfass,
         {.name = "BtnBruttoErfass", .kind = SteuerArt::Button, .hint = "Brutto einzeln erfassen", .help = 2006}},
        {BtnBruttoNeu,
         {.name = "BtnBruttoNeu",
          .kind = SteuerArt::Button,
          .hint = "Netto neu berechnen",
          .preset = "Netto neu berechnen",
          .help = 2006,
          .visible = false}},
        {BtnNettoNeu,
         {.name = "BtnNettoNeu",
          .kind = SteuerArt::Button,
          .hint = "Brutto neu berechnen",
          .preset = "Brutto neu berechnen",
          .help = 2006,
          .visible = false}},
        {BtnSteuerErfass,
         {.name = "BtnSteuerErfass",
          .kind = SteuerArt::Button,
          .hint = "Optionen Lohnsteuer",
          .preset = ">>",
          .help = 2002}},
        {BtnSozVersErfass,
         {.name = "BtnSozVersErfass",
          .kind = SteuerArt::Button,
          .hint = "Optionen Sozialversicherung",
          .preset = ">>",
          .help = 3002}},
        {BtnZVErfass,
         {.name = "BtnZVErfass",
          .kind = SteuerArt::Button,
          .hint = "Optionen Zusatzversicherung",
          .preset = ">>",
          .help = 2005}},
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

std::array<Currency, 7> AbzugsBetraege(const TLohnGehalt& lg)
{
    return Abzugszeilen(lg);
}

Currency GetPVSatz(const ProgrammZustand& p)
{
    return p.LohnGehalt.FPVSatz;
}

}  // namespace lx
