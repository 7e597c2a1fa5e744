#include "RecordFiles.h"

#include <algorithm>
#include <cerrno>

#include "IniDocument.h"
#include "TextCodec.h"

namespace lx {

namespace {

bool endsWithIgnoreCase(std::string_view text, std::string_view ending)
{
    return text.size() >= ending.size() && equalsIgnoreCase(text.substr(text.size() - ending.size()), ending);
}

// The regular files of a folder (links followed); a folder that cannot be read,
// or stops being readable on the way, gives what was found so far.
template <typename F>
void forEachRegularFile(const std::filesystem::path& folder, F&& f)
{
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        if (it->is_regular_file(typeEc)) f(it->path());
    }
}

}  // namespace

bool IsSafeRecordName(std::string_view name)
{
    if (name.empty() || name.front() == '.') return false;
    auto cps = decodeUtf8(name);
    if (!cps) return false;
    for (char32_t cp : *cps) {
        if (cp == '/' || cp == '\\' || cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) return false;
    }
    return true;
}

std::vector<std::string> ListFilesByMask(const std::filesystem::path& folder, std::string_view extension)
{
    std::vector<std::string> names;
    if (folder.empty() || extension.empty()) return names;
    forEachRegularFile(folder, [&](const std::filesystem::path& path) {
        std::string file = pathText(path.filename());
        if (!endsWithIgnoreCase(file, extension)) return;
        std::string name = file.substr(0, file.size() - extension.size());
        if (IsSafeRecordName(name)) names.push_back(std::move(name));
    });
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        std::string ka = foldKey(a), kb = foldKey(b);
        return ka != kb ? ka < kb : a < b;
    });
    if (names.size() > kMaxRecordNames) names.resize(kMaxRecordNames);
    return names;
}

std::filesystem::path recordFilePath(const std::filesystem::path& folder, std::string_view name)
{
    return folder / pathFromUtf8(std::string(name) + std::string(kRecordExtension));
}

std::optional<std::filesystem::path> findRecordFile(const std::filesystem::path& folder, std::string_view name)
{
    if (!IsSafeRecordName(name)) return std::nullopt;
    std::error_code ec;
    std::filesystem::path exact = recordFilePath(folder, name);
    if (std::filesystem::is_regular_file(exact, ec)) return exact;
    const std::string wanted = std::string(name) + std::string(kRecordExtension);
    std::optional<std::filesystem::path> found;
    forEachRegularFile(folder, [&](const std::filesystem::path& path) {
        std::string file = pathText(path.filename());
        // Several spellings: the first in byte order, so the choice does not depend on the directory's order.
        if (equalsIgnoreCase(file, wanted) && (!found || file < pathText(found->filename()))) found = path;
    });
    return found;
}

void removeRecordFile(const std::filesystem::path& file)
{
    std::error_code ec;
    auto status = std::filesystem::symlink_status(file, ec);
    int reason = 0;
    if (ec || !std::filesystem::exists(status)) {
        reason = ENOENT;
    } else if (std::filesystem::is_directory(status)) {
        reason = EISDIR;
    } else if (!std::filesystem::remove(file, ec) || ec) {
        reason = ec ? ec.value() : ENOENT;
    }
    if (reason != 0) {
        throw IniError("Die Datei " + pathText(file) + " kann nicht gelöscht werden (" + fileErrorReason(reason) +
                       ").");
    }
}

std::optional<std::string> recordNameOfFile(const std::filesystem::path& file)
{
    std::string name = pathText(file.filename());
    if (!endsWithIgnoreCase(name, kRecordExtension)) return std::nullopt;
    name.resize(name.size() - kRecordExtension.size());
    if (!IsSafeRecordName(name)) return std::nullopt;
    return name;
}

}  // namespace lx
