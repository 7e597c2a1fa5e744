#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenAllgemein()
{
    return {};
}

}  // namespace lx
