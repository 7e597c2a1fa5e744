#pragma once
// The system's rounding rules for money and its small text predicates. Every
// rounding of an amount in the program is one of these (or an Exact rounding
// named at its call).

#include <string>
#include <string_view>

#include "Currency.h"
#include "Exact.h"

namespace lx {

// The amount rules add an offset and then cut toward zero, whatever the sign:
// RundeCent(-1.2340) is -1.22.
Currency RundeCent(Currency x);       // Int(100x + 0.5) / 100
Currency AufrundenCent(Currency x);   // Int(100x + 0.9) / 100
Currency AbrundenCent(Currency x);    // Int(100x) / 100
Currency AufrundenEuro(Currency x);   // Int(x + 0.99)
Currency AbrundenEuro(Currency x);    // Int(x)

// Rounds to cents, then by mode: 2 up to a multiple of 0.10, 3 of 0.50, 4 up to
// whole euros; any other mode (1 "Kaufmännisch runden") keeps the cent value.
Currency RundeModus(int mode, Currency x);

// Truncation toward zero by mode: 1 whole part, 2..7 keep 1..6 decimals; 0 and
// 8 or more return the value unchanged. Works on exact values, so an amount with
// at most k decimals comes back unchanged.
Exact Abschneiden(int mode, const Exact& x);
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
