#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite10()
{
    return {};
}

}  // namespace lx
