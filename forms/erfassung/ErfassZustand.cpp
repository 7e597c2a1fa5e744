#include "ErfassZustand.h"

#include <vector>

namespace lx {

namespace {

using enum Erfass;

Steuerelement flagZelle(std::string_view name, std::string_view hint, const char* vorgabe)
{
    return {.name = name,
            .kind = SteuerArt::AdvEdit,
            .hint = hint,
            .length = 1,
            .align = Ausrichtung::Mitte,
            .preset = vorgabe,
            .reset = vorgabe,
            .aktivFarbe = Farbe::SkyBlue};
}

Steuerelement knopf(std::string_view name, const char* caption, bool sichtbar = true)
{
    return {.name = name, .kind = SteuerArt::Button, .label = caption, .preset = caption, .visible = sichtbar};
}

}  // namespace

std::span<const Eintrag<Erfass>> erfassTabelle()
{
    static const std::vector<Eintrag<Erfass>> tabelle = {
        {LView,
         {.name = "LView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 190},
                      {"Betrag", 90, Ausrichtung::Rechts},
                      {"LST", 40, Ausrichtung::Mitte},
                      {"SV", 40, Ausrichtung::Mitte},
                      {"ZV", 40, Ausrichtung::Mitte},
                      {"EB", 40, Ausrichtung::Mitte},
                      {"LMJ", 40, Ausrichtung::Mitte},
                      {"NT", 40, Ausrichtung::Mitte},
                      {"VB", 40, Ausrichtung::Mitte}}}},
        {LViewBrutti,
         {.name = "LViewBrutti",
          .kind = SteuerArt::ListView,
          .columns = {{"Brutto-Art", 130}, {"Betrag", 90, Ausrichtung::Rechts}}}},
        {AEdiLOA,
         {.name = "AEdiLOA",
          .kind = SteuerArt::AdvEdit,
          .hint = "Bezeichnung der Lohnart",
          .length = 20,
          .preset = "Gehalt",
          .reset = "Gehalt",
          .aktivFarbe = Farbe::SkyBlue}},
        {VEdiBetrag,
         {.name = "VEdiBetrag",
          .kind = SteuerArt::ValueEdit,
          .hint = "zur Übernahme F2, F3 oder F4 drücken",
          .min = -(1000000_cur),
          .max = 1000000_cur,
          .preset = "0,00",
          .reset = "0,00"}},
        {AEdiLST, flagZelle("AEdiLST", "Betrag ist lohnsteuerpflichtig", "x")},
        {AEdiSV, flagZelle("AEdiSV", "Betrag ist sozialversicherungspflichtig", "x")},
        {AEdiZV, flagZelle("AEdiZV", "Betrag ist zusatzversicherungspflichtig", "")},
        {AEdiEB, flagZelle("AEdiEB", "Betrag ist ein Einmalbezug", "")},
        {AEdiLMJ, flagZelle("AEdiLMJ", "Betrag ist Einmalbezug Lohn mehrere Jahre", "")},
        {AEdiNT, flagZelle("AEdiNT", "Betrag soll auf Brutto hochgerechnet werden", "")},
        {AEdiVB, flagZelle("AEdiVB", "Betrag ist Versorgungsbezug mit Freibetrag", "")},
        {PnlBezug, {.name = "PnlBezug", .kind = SteuerArt::Panel, .hint = "Bezug (F2)", .preset = "B"}},
        {PnlSachbezug, {.name = "PnlSachbezug", .kind = SteuerArt::Panel, .hint = "Sachbezug (F3)", .preset = "S"}},
        {PnlAbzug, {.name = "PnlAbzug", .kind = SteuerArt::Panel, .hint = "Abzug (F4)", .preset = "A"}},
        {ChkAbzSteuerung,
         {.name = "ChkAbzSteuerung",
          .kind = SteuerArt::Check,
          .label = "Abzüge gebe ich ohne Minuszeichen ein",
          .checked = true}},
        {PnlTZAktiv,
         {.name = "PnlTZAktiv",
          .kind = SteuerArt::Panel,
          .hint = "Teilzeitberechnung aktivieren und anzeigen",
          .preset = "TZ"}},
        {PnlTBAktiv,
         {.name = "PnlTBAktiv",
          .kind = SteuerArt::Panel,
          .hint = "Teilmonatsabrechnung aktivieren und anzeigen",
          .preset = "TA"}},
        {StatusBar1,
         {.name = "StatusBar1",
          .kind = SteuerArt::StatusBar,
          .items = std::vector<std::string>(4),
          .columns = {{"", 100}, {"", 105}, {"", 80}, {"", 50}}}},
        {BtnUebernehmen, knopf("BtnUebernehmen", "Eingabe übernehmen")},
        {BtnEditieren, knopf("BtnEditieren", "Zeile editieren")},
        {BtnLoeschen, knopf("BtnLoeschen", "Zeile löschen")},
        {BtnAllesLoeschen, knopf("BtnAllesLoeschen", "Alle Zeilen löschen")},
        {BtnAenderung, knopf("BtnAenderung", "Änderung übernehmen", false)},
        {BtnAbbrechen, knopf("BtnAbbrechen", "Editieren abbrechen", false)},
        {BtnOptionen,
         {.name = "BtnOptionen",
          .kind = SteuerArt::Button,
          .label = "Schließen und zu den Optionen",
          .preset = "Schließen und zu\nden Optionen"}},
        {BtnHilfe, {.name = "BtnHilfe", .kind = SteuerArt::Button, .label = "Hilfe", .preset = "Hilfe", .help = 4000}},
        {BtnSchliessen, knopf("BtnSchliessen", "Schließen")},
        {BtnBerechnen,
         {.name = "BtnBerechnen",
          .kind = SteuerArt::Button,
          .label = "Schließen und berechnen",
          .preset = "Schließen und\nberechnen"}},
    };
    return tabelle;
}

}  // namespace lx
