#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite9()
{
    return {};
}

}  // namespace lx
