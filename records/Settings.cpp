#include "Settings.h"

#include <cerrno>
#include <cstdio>
#include <random>

#include "IniDocument.h"

namespace lx {

namespace {

constexpr std::string_view kSection = "StammPfad";
constexpr std::string_view kKey = "Pfad";

}  // namespace

std::optional<std::string> readStammPfad(const std::filesystem::path& settingsFile)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(settingsFile, ec)) return std::nullopt;
    try {
        auto value = IniDocument::load(settingsFile).value(kSection, kKey);
        if (!value || value->empty()) return std::nullopt;
        return value;
    } catch (const IniError&) {
        return std::nullopt;
    }
}

std::string stammPfadOr(const std::filesystem::path& settingsFile, std::string_view fallback)
{
    auto stored = readStammPfad(settingsFile);
    return stored ? *stored : std::string(fallback);
}

void writeStammPfad(const std::filesystem::path& settingsFile, std::string_view folder)
{
    std::error_code ec;
    bool exists = std::filesystem::exists(std::filesystem::symlink_status(settingsFile, ec));
    IniDocument doc = exists ? IniDocument::load(settingsFile) : IniDocument(IniDocument::Encoding::Utf8Bom);
    doc.setEncoding(IniDocument::Encoding::Utf8Bom);
    doc.write(kSection, kKey, folder);
    doc.save(settingsFile);
}

std::filesystem::path chooseWritableFolder(std::span<const std::filesystem::path> candidates,
                                           const std::function<bool(const std::filesystem::path&)>& canWrite)
{
    for (const auto& folder : candidates) {
        if (canWrite(folder)) return folder;
    }
    return candidates.empty() ? std::filesystem::path() : candidates.back();
}

bool canCreateFileIn(const std::filesystem::path& folder)
{
    std::random_device seed;
    std::mt19937 gen(seed());
    for (int attempt = 0; attempt < 10; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, ".lx-probe-%08x", static_cast<unsigned>(gen()));
        std::filesystem::path probe = folder / name;
        if (std::FILE* f = std::fopen(probe.c_str(), "wbx")) {
            std::fclose(f);
            std::error_code ec;
            std::filesystem::remove(probe, ec);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

}  // namespace lx
