#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite0()
{
    return {};
}

}  // namespace lx
