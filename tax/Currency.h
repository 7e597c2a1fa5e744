#pragma once
// Money: a signed 64-bit count of ten-thousandths of a euro. Sums and
// differences stay exact Currency values; products and quotients are formed
// as decimals (dez(c), see Dez.h) and come back only through a rounding named
// at the call.

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "DecimalLiteral.h"
#include "Int128.h"

namespace lx {

class Currency {
public:
    static constexpr std::int64_t kScale = 10000;  // ten-thousandths per unit

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t tenThousandths)
    {
        Currency c;
        c.raw_ = tenThousandths;
        return c;
    }
    static Currency fromCents(std::int64_t cents)
    {
        std::int64_t r;
        if (__builtin_mul_overflow(cents, kScale / 100, &r)) throwOverflow();
        return fromRaw(r);
    }
    // whole euros (or whole cents inside a plan)
    static Currency fromUnits(std::int64_t units)
    {
        std::int64_t r;
        if (__builtin_mul_overflow(units, kScale, &r)) throwOverflow();
        return fromRaw(r);
    }

    constexpr std::int64_t raw() const { return raw_; }
    constexpr bool isZero() const { return raw_ == 0; }
    constexpr bool isNegative() const { return raw_ < 0; }

    Currency operator+(Currency o) const
    {
        std::int64_t r;
        if (__builtin_add_overflow(raw_, o.raw_, &r)) throwOverflow();
        return fromRaw(r);
    }
    Currency operator-(Currency o) const
    {
        std::int64_t r;
        if (__builtin_sub_overflow(raw_, o.raw_, &r)) throwOverflow();
        return fromRaw(r);
    }
    Currency operator-() const
    {
        std::int64_t r;
        if (__builtin_sub_overflow(std::int64_t(0), raw_, &r)) throwOverflow();
        return fromRaw(r);
    }
    Currency& operator+=(Currency o) { return *this = *this + o; }
    Currency& operator-=(Currency o) { return *this = *this - o; }
    // Scaling by a whole number is exact and stays Currency.
    Currency operator*(std::int64_t factor) const
    {
        std::int64_t r;
        if (__builtin_mul_overflow(raw_, factor, &r)) throwOverflow();
        return fromRaw(r);
    }

    constexpr auto operator<=>(const Currency&) const = default;

    // Plain decimal text with four decimals and a point ("-12.3400"), for
    // diagnostics and test output; user-visible texts are in AmountText.h.
    std::string toString() const;

private:
    std::int64_t raw_ = 0;
};

std::ostream& operator<<(std::ostream& os, Currency c);

inline namespace literals {
// Exact amount literals for tables and tests: 14.60_cur, 4987.50_cur, -(0.01_cur).
template <char... Digits>
constexpr Currency operator""_cur()
{
    return Currency::fromRaw(detail::FixedPointLiteral<4, Digits...>::value);
}
}  // namespace literals

}  // namespace lx
