#include "ErfassZustand.h"

#include <vector>

namespace lx {

std::span<const Eintrag<Erfass>> erfassTabelle()
{
    static const std::vector<Eintrag<Erfass>> tabelle = {};
    return tabelle;
}

}  // namespace lx
