#pragma once
// Texts of the numeric edit fields: the dot removal before a conversion and the
// reading of a field's text. German notation whatever the machine's locale; the
// shortest text that the value setters write is shortestText (AmountText.h).

#include <optional>
#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

// Removes "." characters one at a time from the left, at most `count` of them.
std::string removeDots(std::string_view text, int count = 4);

// A field's text (dots already removed) read as a four-decimal amount. Further
// decimals are rounded half away from zero into the fourth, as a pasted
// "1,23456" must not be refused. nullopt for anything that is not a number
// ("-", ",", "-,", letters) or lies beyond Currency's range.
std::optional<Currency> readFieldAmount(std::string_view text);

// readFieldAmount, or the runtime's ConversionError ("'-' ist kein gültiger
// Gleitkommawert") for a text that denotes no amount.
Currency fieldAmount(std::string_view text);

}  // namespace lx
