#pragma once
// Mappings from the option texts that the user picks to the codes that the
// engine's setters take. A text that is not in a list gives that list's default.

#include <cstdint>
#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

std::uint8_t MapBAVArt(std::string_view text);      // default 0 "keine Altersversorgung"
std::uint8_t MapBAVStFrei(std::string_view text);   // default 1 "stfrei nach § 3 Nr. 63 EStG"
std::uint8_t MapKonfession(std::string_view text);  // default 4 "nein"
std::uint8_t MapBundesland(std::string_view text);  // default 0
std::uint8_t MapKVBes(std::string_view text);       // default 0 "keine Besonderheiten"
std::uint8_t MapPVBes(std::string_view text);       // default 0
std::uint8_t MapRVBes(std::string_view text);       // default 0
std::uint8_t MapAVBes(std::string_view text);       // default 0

// First and second character of a text (UTF-8 characters), "" when the text is shorter.
std::string ErstesZeichen(std::string_view text);
std::string ZweitesZeichen(std::string_view text);
// The character at `index` (0-based), "" when the text is shorter.
std::string ZeichenAn(std::string_view text, std::size_t index);

// Church-tax rate in percent for flat-rate taxes by reduced flag (0 normal,
// 1 reduced) and church-tax area code; a flag other than 0 and 1 gives 9.
Currency KiStSatz(int ermaessigt, int bundesland);

}  // namespace lx
