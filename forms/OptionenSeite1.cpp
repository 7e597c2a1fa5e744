#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite1()
{
    return {};
}

}  // namespace lx
