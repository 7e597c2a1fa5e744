#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite8()
{
    return {};
}

}  // namespace lx
