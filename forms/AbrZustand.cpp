#include "AbrZustand.h"

#include <vector>

namespace lx {

std::span<const Eintrag<Abr>> abrTabelle()
{
    static const std::vector<Eintrag<Abr>> tabelle = {
        {Abr::LEdiDruckName, {.name = "LEdiDruckName", .kind = SteuerArt::Edit, .label = "Name:", .reset = ""}},
    };
    return tabelle;
}

}  // namespace lx
