#include "Currency.h"

#include <ostream>

#include "Int128.h"

namespace lx {

std::string Currency::toString() const
{
    Int128 v = raw_;
    bool negative = v < 0;
    if (negative) v = -v;
    std::string frac = lx::toString(v % kScale);
    frac.insert(0, 4 - frac.size(), '0');
    return (negative ? "-" : "") + lx::toString(v / kScale) + "." + frac;
}

std::ostream& operator<<(std::ostream& os, Currency c)
{
    return os << c.toString();
}

}  // namespace lx
