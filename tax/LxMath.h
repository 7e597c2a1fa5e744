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
// Int(x + offset) at `Stellen` decimals (Round::Cut is the rule's Int).
template <int Stellen>
inline Currency offsetCut(Currency x, Currency offset)
{
    return dez(x + offset).toCurrency<Stellen>(Round::Cut);
}
}  // namespace detail

// Int(100x + 0.5) / 100
inline Currency RundeCent(Currency x)
{
    return detail::offsetCut<kCents>(x, 0.005_cur);
}
// Int(100x + 0.9) / 100
inline Currency AufrundenCent(Currency x)
{
    return detail::offsetCut<kCents>(x, 0.009_cur);
}
// Int(100x) / 100
inline Currency AbrundenCent(Currency x)
{
    return detail::offsetCut<kCents>(x, 0_cur);
}
// Int(x + 0.99)
inline Currency AufrundenEuro(Currency x)
{
    return detail::offsetCut<kEuros>(x, 0.99_cur);
}
// Int(x)
inline Currency AbrundenEuro(Currency x)
{
    return detail::offsetCut<kEuros>(x, 0_cur);
}

// Rounds to cents, then by mode: 2 up to a multiple of 0.10, 3 of 0.50, 4 up to
// whole euros; any other mode (1 "Kaufmännisch runden") keeps the cent value.
// Modes 2 and 3 raise the cents of the absolute value on the whole euros
// toward zero, as the rule has always done for a negative amount too.
inline Currency RundeModus(int mode, Currency x)
{
    const Currency cents = RundeCent(x);
    if (mode == 4) return AufrundenEuro(cents);
    if (mode != 2 && mode != 3) return cents;
    const Currency euros = AbrundenEuro(cents);
    const Currency rest = cents - euros;  // the sign of the amount
    const Currency betrag = rest.isNegative() ? -rest : rest;
    if (mode == 2) {
        const Currency zehner = dez(betrag).toCurrency<1>(Round::Cut);
        return zehner == betrag ? cents : euros + zehner + 0.10_cur;
    }
    if (betrag.isZero()) return cents;
    return euros + (betrag <= 0.50_cur ? 0.50_cur : 1_cur);
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
