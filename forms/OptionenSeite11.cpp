#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite11()
{
    return {};
}

}  // namespace lx
