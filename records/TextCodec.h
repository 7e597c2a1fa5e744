#pragma once
// Texts inside the program are UTF-8. Stored files are Windows-1252 unless they
// start with a UTF-8 byte-order mark. All 256 bytes of Windows-1252 map to a
// character (its five unused bytes to the control characters of the same
// number), so any file decodes and encodes back byte for byte.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

// Every byte to its Windows-1252 character, as UTF-8.
std::string cp1252ToUtf8(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text; nullopt when the text is not valid
// UTF-8 or holds a character Windows-1252 lacks.
std::optional<std::string> utf8ToCp1252(std::string_view text);

// The code points of a UTF-8 text; nullopt for invalid UTF-8 (overlong forms,
// surrogates, beyond U+10FFFF, cut sequences).
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text);

// A UTF-8 text with every byte that is not part of a valid sequence replaced
// by U+FFFD. Valid input comes back unchanged.
std::string sanitizeUtf8(std::string_view text);

void appendUtf8(std::string& out, char32_t cp);

// Case folding over ASCII and the letters of Windows-1252 ("Ö" to "ö", "Š" to
// "š", "Ÿ" to "ÿ"); every other character, "ß" among them, stays as it is.
char32_t foldCase(char32_t cp);

// Equal after foldCase of every character; invalid UTF-8 compares byte for byte.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The text after foldCase of every character (invalid UTF-8 unchanged), as a
// sort or lookup key.
std::string foldKey(std::string_view text);

}  // namespace lx
