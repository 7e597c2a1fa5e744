#include "OptionenZustand.h"

namespace lx {

std::vector<Eintrag<Opt>> optionenSeite5()
{
    return {};
}

}  // namespace lx
