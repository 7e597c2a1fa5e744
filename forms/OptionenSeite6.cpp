#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite6()
{
    return {};
}

}  // namespace lx
