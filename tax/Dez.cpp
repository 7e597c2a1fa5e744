#include "Dez.h"

namespace lx::dezdetail {

std::string text(Int128 mantisse, int scale)
{
    const bool negativ = mantisse < 0;
    std::string ziffern = lx::toString(negativ ? -mantisse : mantisse);
    if (scale > 0) {
        if (int(ziffern.size()) <= scale) ziffern.insert(0, std::size_t(scale + 1 - int(ziffern.size())), '0');
        ziffern.insert(ziffern.size() - std::size_t(scale), ".");
    }
    return (negativ ? "-" : "") + ziffern;
}

}  // namespace lx::dezdetail
