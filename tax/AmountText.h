#pragma once
// German amount texts ("#,##0.00": decimal comma, "." as thousands separator),
// independent of the machine's locale, and the runtime-style conversions that
// raise the German conversion error texts.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

// A text that does not denote a number; the message is the one the user sees.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads an amount written with a decimal comma: optional blanks around it, an
// optional sign, digits, optionally "," and up to four decimals ("12", "-3,5",
// ",25", "7,"). Thousands separators must already be removed (OhnePunkte).
// Anything else, a lone sign or comma, or a value beyond Currency's range gives
// nullopt.
std::optional<Currency> parseAmount(std::string_view text);

// "#,##0.00"-style text with `decimals` (0..4) decimals, halves rounded away
// from zero; `thousands` inserts "." every three digits ("1.234.567,89").
std::string formatAmount(Currency value, int decimals = 2, bool thousands = true);

// Shortest decimal text with a decimal comma and no thousands separators:
// 350 gives "350", 1.5 gives "1,5", -0.25 gives "-0,25".
std::string shortestText(Currency value);

// parseAmount or ConversionError "'text' ist kein gültiger Gleitkommawert".
Currency StrToCurr(std::string_view text);

// A field's amount text as the program reads it: the first three "." dropped
// (OhnePunkte), then StrToCurr, whose error names the text without them.
Currency BetragAusText(std::string_view text);
// The same, with nullopt for a text that is no amount (yet), such as a lone "-".
std::optional<Currency> BetragAusTextOderNichts(std::string_view text);

// Whole number (optional blanks and sign) or ConversionError
// "'text' ist kein gültiger Integerwert".
int StrToInt(std::string_view text);

}  // namespace lx
