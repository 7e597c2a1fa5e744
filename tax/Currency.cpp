#include "Currency.h"

#include <ostream>

#include "Int128.h"

namespace lx {

Currency Currency::fromCents(std::int64_t cents)
{
    return fromRaw(narrowToInt64(checkedMul(cents, kScale / 100)));
}

Currency Currency::fromUnits(std::int64_t units)
{
    return fromRaw(narrowToInt64(checkedMul(units, kScale)));
}

Currency Currency::operator+(Currency o) const
{
    return fromRaw(narrowToInt64(Int128(raw_) + o.raw_));
}

Currency Currency::operator-(Currency o) const
{
    return fromRaw(narrowToInt64(Int128(raw_) - o.raw_));
}

Currency Currency::operator-() const { return fromRaw(narrowToInt64(-Int128(raw_))); }

Currency Currency::operator*(std::int64_t factor) const
{
    return fromRaw(narrowToInt64(checkedMul(raw_, factor)));
}

std::string Currency::toString() const
{
    Int128 v = raw_;
    bool negative = v < 0;
    if (negative) v = -v;
    std::string frac = lx::toString(v % kScale);
    frac.insert(0, 4 - frac.size(), '0');
    return (negative ? "-" : "") + lx::toString(v / kScale) + "." + frac;
}

std::ostream& operator<<(std::ostream& os, Currency c) { return os << c.toString(); }

}  // namespace lx
