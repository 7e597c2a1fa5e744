#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite4()
{
    return {};
}

}  // namespace lx
