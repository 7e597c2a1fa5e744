#pragma once
// Reading the update file of the product's web site: which version it offers
// and what the about box tells the user about it.

#include <string>
#include <string_view>

namespace lx {

// The file on the web site's root that names the current version.
inline constexpr const char* kUpdateFileName = "LxUpdateInformationen.txt";

// Shown when the file cannot be fetched or names no version.
inline constexpr const char* kUpdateFehler = "Fehler beim Prüfen der Update-Informationen";

// The message for the downloaded `body` (UTF-8) against our own version: the
// last line among the 2nd to the 256th that names the program, less the
// program's name and a blank (its first 20 characters), blanks trimmed, is the
// offered version. Lines end in CRLF, LF or CR. A file without such a line
// (or with nothing after the name) gives kUpdateFehler.
std::string LeseUpdateInfo(std::string_view body, std::string_view eigeneVersion);

}  // namespace lx
