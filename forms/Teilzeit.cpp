#include "Teilzeit.h"

#include "Exact.h"
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
    const Currency anteil = (Exact(V) / Exact(vollzeitStunden) * Exact(teilzeitStunden)).toCurrency(Round::HalfUp, kFull);
    return RundeModus(TeilzeitRundungsModus(code), anteil);
}

}  // namespace lx
