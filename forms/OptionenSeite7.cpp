#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite7()
{
    return {};
}

}  // namespace lx
