#include "AbrZustand.h"

#include <vector>

#include "gemeinsam/Version.h"

namespace lx {

std::span<const Eintrag<Abr>> abrTabelle()
{
    using enum Abr;
    using K = SteuerArt;
    static const std::vector<Eintrag<Abr>> tabelle = {
        // Hidden until a calculation brings the report they show; the tag marks the view shown.
        {BtnAbr,
         {.name = "BtnAbr",
          .kind = K::Button,
          .label = "Abrechnung",
          .hint = "Abrechnung anzeigen",
          .preset = "Abrechnung",
          .visible = false,
          .tag = 1}},
        {BtnPfd,
         {.name = "BtnPfd",
          .kind = K::Button,
          .label = "Pfändung",
          .hint = "Pfändungsberechnung anzeigen",
          .preset = "Pfändung",
          .visible = false}},
        {BtnATZ,
         {.name = "BtnATZ",
          .kind = K::Button,
          .label = "Altersteilzeit",
          .hint = "Altersteilzeitberechnung anzeigen",
          .preset = "Altersteilzeit",
          .visible = false}},
        {ComboDrucker, {.name = "ComboDrucker", .kind = K::Combo, .label = "Drucker:"}},
        {LEdiDruckName,
         {.name = "LEdiDruckName", .kind = K::Edit, .label = "Name für Ausdruck:", .length = 30, .reset = ""}},
        {MemoAbr, {.name = "MemoAbr", .kind = K::Memo, .preset = std::string(kAppTitle) + " " + kVersion}},
        {LiBoPfd, {.name = "LiBoPfd", .kind = K::ListBox, .visible = false}},
        {LiBoATZ, {.name = "LiBoATZ", .kind = K::ListBox, .visible = false}},
        {LiBoPrintAbr, {.name = "LiBoPrintAbr", .kind = K::ListBox, .visible = false}},
        {BtnDrucken,
         {.name = "BtnDrucken",
          .kind = K::Button,
          .label = "Drucken",
          .hint = "Abrechnung drucken",
          .preset = "Drucken"}},
        {BtnSpeichern,
         {.name = "BtnSpeichern",
          .kind = K::Button,
          .label = "Speichern",
          .hint = "Abrechnung speichern",
          .preset = "Speichern"}},
        {BtnOeffnen,
         {.name = "BtnOeffnen", .kind = K::Button, .label = "Öffnen", .hint = "Abrechnung öffnen", .preset = "Öffnen"}},
        {BtnHilfe,
         {.name = "BtnHilfe", .kind = K::Button, .label = "Hilfe", .hint = "Programmhilfe öffnen", .preset = "Hilfe"}},
        {BtnSchliessen,
         {.name = "BtnSchliessen",
          .kind = K::Button,
          .label = "Schließen",
          .hint = "Fenster schließen",
          .preset = "Schließen"}},
    };
    return tabelle;
}

}  // namespace lx
