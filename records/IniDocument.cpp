#include "IniDocument.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

#include "TextCodec.h"

namespace lx {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The text as a message shows it: valid UTF-8, control characters as "?".
std::string shown(std::string_view text)
{
    std::string out = sanitizeUtf8(text);
    for (char& c : out) {
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    }
    return out;
}

[[noreturn]] void refuse(std::string_view text, std::string_view reason)
{
    throw IniError("Der Text \"" + shown(text) + "\" kann nicht gespeichert werden (" + std::string(reason) + ").");
}

void checkCommon(std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos) refuse(text, "Zeilenumbruch");
    if (text.find('\0') != std::string_view::npos) refuse(text, "Nullzeichen");
    if (!decodeUtf8(text)) refuse(text, "kein gültiges UTF-8");
}

void checkName(std::string_view name)
{
    checkCommon(name);
    if (name.empty()) refuse(name, "leerer Name");
    if (trim(name).size() != name.size()) refuse(name, "Leerzeichen am Rand");
}

// A section header's name, or nullopt.
std::optional<std::string_view> sectionName(std::string_view text)
{
    std::string_view t = trim(text);
    if (t.empty() || t.front() != '[') return std::nullopt;
    std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(t.substr(1, close - 1));
}

// A key line's key, or nullopt (also for a section header).
std::optional<std::string_view> keyName(std::string_view text)
{
    if (sectionName(text)) return std::nullopt;
    std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    std::string_view key = trim(text.substr(0, eq));
    if (key.empty()) return std::nullopt;
    return key;
}

bool isBlankLine(std::string_view text)
{
    return trim(text).empty();
}

bool hasHighBytes(std::string_view bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 127) return true;
    }
    return false;
}

// Why a file's bytes are no INI document, or nullptr.
const char* unreadableReason(std::string_view bytes)
{
    if (bytes.size() > IniDocument::kMaxBytes) return "größer als 1 MiB";
    if (bytes.find('\0') != std::string_view::npos) return "enthält ein Nullzeichen";
    if (bytes.starts_with(kBom) && !decodeUtf8(bytes.substr(kBom.size()))) return "kein gültiges UTF-8";
    return nullptr;
}

}  // namespace

std::string fileErrorReason(int errorNumber)
{
    switch (errorNumber) {
        case ENOENT:
            return "nicht gefunden";
        case EACCES:
        case EPERM:
            return "keine Berechtigung";
        case ENOTDIR:
            return "ein Teil des Pfades ist kein Ordner";
        case EISDIR:
            return "ist ein Ordner";
        case ENOSPC:
            return "kein Platz auf dem Datenträger";
        case EROFS:
            return "schreibgeschützter Datenträger";
        case ENAMETOOLONG:
            return "Name zu lang";
        case EIO:
            return "Ein-/Ausgabefehler";
        case ELOOP:
            return "zu viele symbolische Verknüpfungen";
        case EDQUOT:
            return "Speicherkontingent erschöpft";
        case EFBIG:
            return "Datei zu groß";
        default:
            return std::generic_category().message(errorNumber);
    }
}

std::string pathText(const std::filesystem::path& path)
{
    std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string quoteIniValue(std::string_view value)
{
    bool edges = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    bool enclosed =
        value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\'');
    if (edges || enclosed) return "\"" + std::string(value) + "\"";
    return std::string(value);
}

std::string unquoteIniValue(std::string_view raw)
{
    std::string_view v = trim(raw);
    if (v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'')) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

IniDocument::IniDocument(Encoding encoding) : encoding_(encoding) {}

std::string IniDocument::decode(std::string_view raw) const
{
    return encoding_ == Encoding::Cp1252 ? cp1252ToUtf8(raw) : sanitizeUtf8(raw);
}

std::string IniDocument::encode(std::string_view text, std::string_view what) const
{
    if (encoding_ != Encoding::Cp1252) return std::string(text);
    auto bytes = utf8ToCp1252(text);
    if (!bytes) refuse(what, "Zeichen außerhalb von Windows-1252");
    return *bytes;
}

IniDocument IniDocument::fromBytes(std::string_view bytes)
{
    if (const char* reason = unreadableReason(bytes)) {
        throw IniError("Die Datei kann nicht gelesen werden (" + std::string(reason) + ").");
    }
    IniDocument doc(Encoding::Cp1252);
    if (bytes.starts_with(kBom)) {
        doc.encoding_ = Encoding::Utf8Bom;
        bytes.remove_prefix(kBom.size());
    } else if (hasHighBytes(bytes) && decodeUtf8(bytes)) {
        doc.encoding_ = Encoding::Utf8;
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        Line line;
        if (stop == std::string_view::npos) {
            line.raw = std::string(bytes.substr(start));
            start = bytes.size();
        } else {
            line.raw = std::string(bytes.substr(start, stop - start));
            std::size_t endLen = (bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n') ? 2 : 1;
            line.end = std::string(bytes.substr(stop, endLen));
            start = stop + endLen;
        }
        line.text = doc.decode(line.raw);
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

IniDocument IniDocument::load(const std::filesystem::path& file)
{
    auto fail = [&](std::string_view reason) -> IniError {
        return IniError("Die Datei " + pathText(file) + " kann nicht gelesen werden (" + std::string(reason) + ").");
    };
    std::error_code ec;
    auto status = std::filesystem::status(file, ec);
    if (ec) throw fail(fileErrorReason(ec.value()));
    if (std::filesystem::is_directory(status)) throw fail(fileErrorReason(EISDIR));
    // A pipe or device could block or never end.
    if (!std::filesystem::is_regular_file(status)) throw fail("keine gewöhnliche Datei");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw fail(fileErrorReason(errno ? errno : EACCES));
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kMaxBytes) throw fail("größer als 1 MiB");
    }
    if (in.bad()) throw fail("Lesefehler");
    if (const char* reason = unreadableReason(bytes)) throw fail(reason);
    return fromBytes(bytes);
}

std::string IniDocument::bytes() const
{
    std::string out;
    if (encoding_ == Encoding::Utf8Bom) out += kBom;
    for (const Line& line : lines_) out += line.raw + line.end;
    return out;
}

void IniDocument::save(const std::filesystem::path& file) const
{
    saveFileReplacing(file, bytes());
}

void IniDocument::setEncoding(Encoding encoding)
{
    if (encoding == encoding_) return;
    std::vector<Line> converted = lines_;
    Encoding old = encoding_;
    encoding_ = encoding;
    try {
        for (Line& line : converted) line.raw = encode(line.text, line.text);
    } catch (...) {
        encoding_ = old;
        throw;
    }
    lines_ = std::move(converted);
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = sectionName(lines_[i].text);
        if (name && equalsIgnoreCase(*name, section)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(std::string_view section, std::string_view key) const
{
    auto head = findSection(section);
    if (!head) return std::nullopt;
    for (std::size_t i = *head + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i].text)) break;
        auto name = keyName(lines_[i].text);
        if (name && equalsIgnoreCase(*name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    auto at = findKey(section, key);
    if (!at) return std::nullopt;
    const std::string& text = lines_[*at].text;
    return unquoteIniValue(std::string_view(text).substr(text.find('=') + 1));
}

std::string IniDocument::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    auto v = value(section, key);
    return v ? *v : std::string(fallback);
}

bool IniDocument::hasSection(std::string_view section) const
{
    return findSection(section).has_value();
}

std::string IniDocument::lineEnd() const
{
    for (const Line& line : lines_) {
        if (!line.end.empty()) return line.end;
    }
    return "\r\n";
}

void IniDocument::write(std::string_view section, std::string_view key, std::string_view value)
{
    checkName(section);
    if (section.find(']') != std::string_view::npos) refuse(section, "\"]\" im Abschnittsnamen");
    checkName(key);
    if (key.find('=') != std::string_view::npos) refuse(key, "\"=\" im Schlüssel");
    if (key.front() == '[') refuse(key, "\"[\" am Anfang des Schlüssels");
    checkCommon(value);
    const std::string quoted = quoteIniValue(value);
    // Encode everything before the first change, so a refusal leaves the document as it was.
    const std::string rawValue = encode(quoted, value);

    if (auto at = findKey(section, key)) {
        if (this->value(section, key) == value) return;
        Line& line = lines_[*at];
        std::size_t eq = line.raw.find('=');
        line.raw = line.raw.substr(0, eq + 1) + rawValue;
        line.text = decode(line.raw);
        return;
    }
    const std::string rawKey = encode(key, key);
    const std::string end = lineEnd();
    Line keyLine{rawKey + "=" + rawValue, std::string(key) + "=" + quoted, end};

    if (auto head = findSection(section)) {
        std::size_t last = *head;
        for (std::size_t i = *head + 1; i < lines_.size(); ++i) {
            if (sectionName(lines_[i].text)) break;
            if (!isBlankLine(lines_[i].text)) last = i;
        }
        if (lines_[last].end.empty()) lines_[last].end = end;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(keyLine));
        return;
    }
    const std::string rawSection = encode(section, section);
    if (!lines_.empty() && lines_.back().end.empty()) lines_.back().end = end;
    lines_.push_back(Line{"[" + rawSection + "]", "[" + std::string(section) + "]", end});
    lines_.push_back(std::move(keyLine));
}

std::vector<std::string> IniDocument::lines() const
{
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const Line& line : lines_) out.push_back(line.text);
    return out;
}

bool IniDocument::replaceLines(std::string_view from, std::string_view to)
{
    checkCommon(to);
    const std::string raw = encode(to, to);
    bool changed = false;
    for (Line& line : lines_) {
        if (line.text == from) {
            line.raw = raw;
            line.text = std::string(to);
            changed = true;
        }
    }
    return changed;
}

}  // namespace lx
