#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {
using enum Opt;

// An amount that the payslip writes back after one-off pay.
Steuerelement zurueckgeschrieben(std::string_view name, std::string_view label, std::string_view hint = {})
{
    Steuerelement e = seiten::betrag(name, label, hint);
    e.filledBeyondRange = true;
    return e;
}

Steuerelement automatisch(std::string_view name)
{
    return {.name = name,
            .kind = SteuerArt::Check,
            .label = "automatisch berechnen",
            .resetChecked = true,
            .checked = true};
}

constexpr std::string_view kOhneEB = "ohne Einmalbezüge aktueller Abrechnungsmonat";

}  // namespace

std::vector<Eintrag<Opt>> optionenEinmalbezuege()
{
    return {
        {EBVEdiKVBrVor, zurueckgeschrieben("EBVEdiKVBrVor", "KV-Brutto bis einschl. Vormonat:")},
        {EBVEdiRVBrVor, zurueckgeschrieben("EBVEdiRVBrVor", "RV-Brutto bis einschl. Vormonat:")},
        // Set by the month; the reset leaves it.
        {EBVEdiTgVor,
         {.name = "EBVEdiTgVor",
          .kind = SteuerArt::ValueLabEdit,
          .label = "SV-Tage bis einschl. Vormonat:",
          .max = 330_cur,
          .decimals = 0,
          .length = 3,
          .preset = "1"}},
        {EBChkSVAuto, automatisch("EBChkSVAuto")},
        {EBVEdiStJahr, zurueckgeschrieben("EBVEdiStJahr", "Steuerliches Jahreseinkommen:", kOhneEB)},
        {EBVEdiVBJahr, seiten::betrag("EBVEdiVBJahr", "Steuerl. Jahreseink. Versorg.bezüge:", kOhneEB)},
        {EBChkStAuto, automatisch("EBChkStAuto")},
    };
}

}  // namespace lx
