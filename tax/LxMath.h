#pragma once
// The system's rounding rules for money and its small text predicates. Every
// rounding of an amount in the program is one of these (or a Dez rounding
// named at its call).

#include <cstdint>
#include <string>
#include <string_view>

#include "Currency.h"
#include "Dez.h"

namespace lx {

// The amount rules add an offset and then cut toward zero, whatever the sign:
// RundeCent(-1.2340) is -1.22.
namespace detail {
// Int((raw + offset) / step) * step on the ten-thousandths count; C++ division
// truncates toward zero, which is the rule's Int.
inline Currency offsetCut(Currency x, std::int64_t offset, std::int64_t step)
{
    const Currency shifted = x + Currency::fromRaw(offset);
    return Currency::fromRaw(shifted.raw() / step * step);
}
}  // namespace detail

// Int(100x + 0.5) / 100
inline Currency RundeCent(Currency x)
{
    return detail::offsetCut(x, 50, 100);
}
// Int(100x + 0.9) / 100
inline Currency AufrundenCent(Currency x)
{
    return detail::offsetCut(x, 90, 100);
}
// Int(100x) / 100
inline Currency AbrundenCent(Currency x)
{
    return detail::offsetCut(x, 0, 100);
}
// Int(x + 0.99)
inline Currency AufrundenEuro(Currency x)
{
    return detail::offsetCut(x, 9900, 10000);
}
// Int(x)
inline Currency AbrundenEuro(Currency x)
{
    return detail::offsetCut(x, 0, 10000);
}

// Rounds to cents, then by mode: 2 up to a multiple of 0.10, 3 of 0.50, 4 up to
// whole euros; any other mode (1 "Kaufmännisch runden") keeps the cent value.
inline Currency RundeModus(int mode, Currency x)
{
    const Currency cents = RundeCent(x);
    const std::int64_t raw = cents.raw();
    const std::int64_t euros = raw / 10000 * 10000;               // whole euros toward zero, keeping the sign
    const std::int64_t c = (raw < 0 ? -raw : raw) % 10000 / 100;  // cents 0..99 of the absolute value
    switch (mode) {
        case 2:
            if (c % 10 == 0) return cents;
            return Currency::fromRaw(euros) + Currency::fromRaw((c / 10 + 1) * 1000);
        case 3:
            if (c == 0) return cents;
            return Currency::fromRaw(euros) + Currency::fromRaw(c <= 50 ? 5000 : 10000);
        case 4:
            return AufrundenEuro(cents);
        default:
            return cents;
    }
}

// Truncation toward zero by mode: 1 whole part, 2..7 keep 1..6 decimals; 0 and
// 8 or more return the value unchanged. Works on exact values, so an amount with
// at most k decimals comes back unchanged.
template <int S, class M>
Dez<S, M> Abschneiden(int mode, Dez<S, M> x)
{
    if (mode < 1 || mode > 7) return x;
    M schritt = 1;
    for (int i = mode - 1; i < S; ++i) schritt *= 10;
    return Dez<S, M>::fromMantissa(x.mantissa() / schritt * schritt);
}
Currency Abschneiden(int mode, Currency x);

// The text with its first three "." removed ("1.234.567,89" -> "1234567,89").
std::string OhnePunkte(std::string_view text);

// True exactly for "ja" (case-sensitive).
bool IstJa(std::string_view text);

// Pads with blanks to `length` characters (UTF-8 characters, not bytes), in
// front when `left` is set; a text of that length or longer is never cut.
std::string AuffuellenLeer(std::string_view text, int length, bool left);

// True for "", "0" and "0,00".
bool IstNullText(std::string_view text);

}  // namespace lx
