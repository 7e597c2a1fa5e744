#include "Optionen.h"
#include "OptionenZustand.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenAltersversorgung()
{
    return {
        {AVCombo1Art,
         {.name = "AVCombo1Art",
          .kind = SteuerArt::Combo,
          .label = "Altersversorgung Art:",
          .items = OptionTexte(kBAVArtListe),
          .preset = std::string(kBAVArtListe.front().text),
          .reset = std::string(kBAVArtListe.front().text)}},
        {AVVEdiAG1,
         {.name = "AVVEdiAG1",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Arbeitgeberanteil:",
          .preset = "0,00",
          .reset = "0,00"}},
        {AVVEdiAN1,
         {.name = "AVVEdiAN1",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Arbeitnehmeranteil:",
          .preset = "0,00",
          .reset = "0,00"}},
        {AVCombo1StFrei,
         {.name = "AVCombo1StFrei",
          .kind = SteuerArt::Combo,
          .label = "Steuerfreiheit:",
          .items = OptionTexte(kBAVStFreiListe),
          .preset = std::string(kBAVStFreiListe.front().text),
          .reset = std::string(kBAVStFreiListe.front().text)}},
        {AVCombo1ZStFrei,
         {.name = "AVCombo1ZStFrei",
          .kind = SteuerArt::Combo,
          .label = "Zusätzliche Steuerfreiheit:",
          .items = {"zusätzlich 1800 Euro", "nichts zusätzlich"},
          .preset = "nichts zusätzlich",
          .reset = "nichts zusätzlich",
          .resetEnabled = false,
          .enabled = false}},
        {AVVEdi1Pst,
         {.name = "AVVEdi1Pst",
          .kind = SteuerArt::ValueLabEdit,
          .label = "Pauschalieren bis jährlich:",
          .hint = "0 eingeben, wenn nichts pauschaliert werden soll (2148=Gruppenvertrag)",
          .preset = "1752",
          .reset = "1.752,00"}},
        {AVCombo1AnsatzSt,
         {.name = "AVCombo1AnsatzSt",
          .kind = SteuerArt::Combo,
          .label = "Steuerlicher Ansatz:",
          .items = {"monatlich", "jährlich"},
          .preset = "monatlich",
          .reset = "monatlich"}},
        {AVLabGesetzgrundlage,
         {.name = "AVLabGesetzgrundlage",
          .kind = SteuerArt::Label,
          .preset = "keine Gesetzesgrundlage",
          .reset = "keine Gesetzesgrundlage"}},
        {AVLab2Gesetz, {.name = "AVLab2Gesetz", .kind = SteuerArt::Label, .reset = ""}},
    };
}

}  // namespace lx
