#include "Teilzeit.h"

#include "Dez.h"
#include "LxMath.h"

namespace lx {

int TeilzeitRundungsModus(std::string_view code)
{
    if (code == "0,10") return 2;
    if (code == "0,50") return 3;
    if (code == "1,00") return 4;
    return 1;
}

std::optional<std::string> PruefeTeilzeitStunden(Currency vollzeitStunden)
{
    if (vollzeitStunden > 0_cur) return std::nullopt;
    return "Vollzeit-Wochenstunden müssen größer als 0 sein";
}

Currency TeilzeitBetrag(Currency V, Currency teilzeitStunden, Currency vollzeitStunden, std::string_view code)
{
    // V / full x part in one division at the end, so the share is rounded once.
    const Currency anteil =
        (dez(V) * dez(teilzeitStunden)).divide<kFull>(dez(vollzeitStunden), Round::HalfUp).toCurrency(Round::Cut);
    return RundeModus(TeilzeitRundungsModus(code), anteil);
}

}  // namespace lx
