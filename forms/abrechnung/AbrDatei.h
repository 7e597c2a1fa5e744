#pragma once
// The text shown in the payslip window as a text file: Windows-1252, every line
// ended by CR LF. Saving replaces the file whole or leaves it as it was;
// opening reads at most 1 MiB (a payslip file is a few KB, so a larger file is a
// wrong choice that would only fill the memory).

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

// A file that cannot be saved or opened; the German message names the path
// and the reason.
class AbrDateiFehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::size_t kAbrDateiMaxBytes = 1024 * 1024;

// The file's bytes: each line in Windows-1252 ("?" for a character it lacks,
// and for invalid UTF-8) followed by CR LF.
std::string AbrTextBytes(const std::vector<std::string>& zeilen);

// The lines of a file's bytes: Windows-1252 to UTF-8, split at CR LF, LF or CR;
// a final line end adds no empty line.
std::vector<std::string> AbrTextZeilen(std::string_view bytes);

// Throws AbrDateiFehler "Die Datei <Pfad> kann nicht gespeichert werden (<Grund>)."
void AbrSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& zeilen);

// The lines of a file: UTF-8 when it is valid UTF-8 with bytes above 127,
// else Windows-1252. Throws AbrDateiFehler "Die Datei <Pfad> ist größer als 1 MB
// und wird nicht geöffnet.", "Die Datei <Pfad> ist keine Abrechnung als
// Textdatei und wird nicht geöffnet." (NUL and other control bytes, unused
// Windows-1252 bytes) or "Die Datei <Pfad> kann nicht gelesen werden (<Grund>)."
std::vector<std::string> AbrOeffnen(const std::filesystem::path& datei);

}  // namespace lx
