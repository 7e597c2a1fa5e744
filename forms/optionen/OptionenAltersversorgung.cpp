#include "Optionen.h"
#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {
using enum Opt;
}  // namespace

std::vector<Eintrag<Opt>> optionenAltersversorgung()
{
    return {
        {AVCombo1Art, seiten::liste("AVCombo1Art", "Altersversorgung Art:", OptionTexte(kBAVArtListe))},
        {AVVEdiAG1, seiten::betrag("AVVEdiAG1", "Arbeitgeberanteil:")},
        {AVVEdiAN1, seiten::betrag("AVVEdiAN1", "Arbeitnehmeranteil:")},
        {AVCombo1StFrei, seiten::liste("AVCombo1StFrei", "Steuerfreiheit:", OptionTexte(kBAVStFreiListe))},
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
        {AVCombo1AnsatzSt, seiten::liste("AVCombo1AnsatzSt", "Steuerlicher Ansatz:", {"monatlich", "jährlich"})},
        {AVLabGesetzgrundlage,
         {.name = "AVLabGesetzgrundlage",
          .kind = SteuerArt::Label,
          .preset = "keine Gesetzesgrundlage",
          .reset = "keine Gesetzesgrundlage"}},
        {AVLab2Gesetz, {.name = "AVLab2Gesetz", .kind = SteuerArt::Label, .reset = ""}},
    };
}

}  // namespace lx
