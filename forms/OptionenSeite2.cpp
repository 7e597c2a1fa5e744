#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite2()
{
    return {};
}

}  // namespace lx
