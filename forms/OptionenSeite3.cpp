#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite3()
{
    return {};
}

}  // namespace lx
