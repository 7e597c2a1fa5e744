#include "AbrZustand.h"

#include <vector>

namespace lx {

std::span<const Eintrag<Abr>> abrTabelle()
{
    static const std::vector<Eintrag<Abr>> tabelle = {};
    return tabelle;
}

}  // namespace lx
