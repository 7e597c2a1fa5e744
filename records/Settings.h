#pragma once
// The settings file "Stammpfad.ini": section "StammPfad", key "Pfad", the
// master-data folder. UTF-8 with a byte-order mark, since a path need not fit
// Windows-1252. Where the file and the default folder lie is app/'s choice
// (chooseWritableFolder with the program folder first, then the user's
// configuration or data folder); these functions take the file's path.

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lx {

inline constexpr std::string_view kSettingsFileName = "Stammpfad.ini";

// The stored folder; nullopt when the file or the key is missing, the value is
// empty or the file cannot be read (start-up then takes the default folder).
std::optional<std::string> readStammPfad(const std::filesystem::path& settingsFile);

// The stored folder or the default.
std::string stammPfadOr(const std::filesystem::path& settingsFile, std::string_view fallback);

// Stores the folder, keeping the file's other lines (a Windows-1252 file is
// turned into UTF-8 with a byte-order mark). IniError naming the path and the reason.
void writeStammPfad(const std::filesystem::path& settingsFile, std::string_view folder);

// The first candidate the probe can write in; the last one when none (its
// failures are then reported where a file is written); empty without candidates.
std::filesystem::path chooseWritableFolder(std::span<const std::filesystem::path> candidates,
                                           const std::function<bool(const std::filesystem::path&)>& canWrite);

// A probe for chooseWritableFolder: a new file can be created (and is removed again).
bool canCreateFileIn(const std::filesystem::path& folder);

}  // namespace lx
