#pragma once
// Record names and the record files of the master-data folder. A record named
// N is the file "N.abr" of the folder; the name is never a path.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

inline constexpr std::string_view kRecordExtension = ".abr";
inline constexpr std::size_t kMaxRecordNames = 255;

// Not empty, valid UTF-8, no "/", "\" or control character, not starting with ".".
bool IsSafeRecordName(std::string_view name);

// The names of the regular files of a folder ending in `extension` in any
// case, without that ending; unsafe names are skipped. Sorted
// case-insensitively, at most kMaxRecordNames. A missing folder lists nothing.
std::vector<std::string> ListFilesByMask(const std::filesystem::path& folder,
                                         std::string_view extension = kRecordExtension);

// The record's file: "<name>.abr" when it is a regular file, else a regular
// file of the folder whose name matches it case-insensitively; nullopt for an
// unsafe name or when there is none (forms/ then says "<Name>.abr nicht gefunden!").
std::optional<std::filesystem::path> findRecordFile(const std::filesystem::path& folder, std::string_view name);

// The name a saved file is listed under: its file name less the ".abr" ending
// (any case); nullopt when it has no such ending or the rest is unsafe (the
// file is then written but not listed).
std::optional<std::string> recordNameOfFile(const std::filesystem::path& file);

// Deletes a record file; IniError "Die Datei <Pfad> kann nicht gelöscht werden
// (<Grund>)." when it stays (a missing file among them: "nicht gefunden"), so
// the name leaves the lists only after success.
void removeRecordFile(const std::filesystem::path& file);

// "<folder>/<name>.abr", the save dialog's proposal.
std::filesystem::path recordFilePath(const std::filesystem::path& folder, std::string_view name);

}  // namespace lx
