#pragma once
// An INI text file held line by line, read and written by the private-profile
// rules that stored records rely on. Lines that are not touched go back to the
// file byte for byte.
//
// Bytes: UTF-8 when the file starts with a UTF-8 byte-order mark (kept on
// saving) or when it is valid UTF-8 with bytes above 127, as editors on Linux
// save it (saved again without a mark); else Windows-1252. A file over 1 MiB,
// with a NUL byte or with a mark and invalid UTF-8 after it is not read. (A
// Windows-1252 text whose every byte above 127 forms UTF-8, such as "Ã¤",
// reads as UTF-8: no German text looks like that.)
// Lines end in CRLF, LF or CR, mixed as they come; the last may have none.
//
// Reading: a line whose first non-blank character is "[" and that holds a "]"
// opens the section named by the text between them (trimmed). A line holding
// "=" is a key (the text before the first "=", trimmed) and its value. Every
// other line, and a key before any section, matches nothing. Names compare
// case-insensitively over ASCII and the letters of Windows-1252 ("PVERHÖHT"
// finds "PVerhöht", "ß" does not find "SS"); only the first matching section is
// searched and its first matching key wins. A value is trimmed of blanks and
// tabs, then one pair of enclosing '"' or '\'' is removed. An empty value is
// "", not the caller's default.
//
// Writing: an existing key's line keeps everything up to its "=" (spelling,
// blanks) and its line end; only the value changes, and not at all when it
// already reads as the new value. A new key goes after the last non-blank line
// of its section, a new section to the end, both with the file's first line
// end (CRLF in a file without one). A value that would not read back (blanks
// at either end, enclosing quotes) is written inside '"'. Refused, with an
// IniError naming the text and the document unchanged: CR, LF or NUL anywhere,
// "=" in a key, "]" in a section, empty or blank-edged names, a key starting
// with "[", invalid UTF-8 and, in a Windows-1252 file, a character it lacks.
//
// All texts in and out are UTF-8.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ReplacingSave.h"

namespace lx {

// A refused text, an unreadable file or a failed save; the message is German
// and names the text or the path and the reason.
class IniError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniDocument {
public:
    enum class Encoding { Cp1252, Utf8Bom, Utf8 };

    static constexpr std::size_t kMaxBytes = 1024 * 1024;

    // An empty document; saved, it has no byte-order mark unless Utf8Bom.
    explicit IniDocument(Encoding encoding = Encoding::Cp1252);

    // The document of a file's bytes; IniError when over kMaxBytes, with a NUL
    // or with a byte-order mark before invalid UTF-8.
    static IniDocument fromBytes(std::string_view bytes);

    // Reads a file; IniError "Die Datei <Pfad> kann nicht gelesen werden (<Grund>)."
    static IniDocument load(const std::filesystem::path& file);

    // The file's bytes: byte-order mark, lines and their ends.
    std::string bytes() const;

    // saveFileReplacing (ReplacingSave.h) with bytes().
    void save(const std::filesystem::path& file) const;

    Encoding encoding() const { return encoding_; }

    // Re-encodes every line (lossless from Windows-1252 to UTF-8; to
    // Windows-1252 IniError when a line has a character it lacks).
    void setEncoding(Encoding encoding);

    // The value of the first matching key of the first matching section.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // value() or the default when the key is missing.
    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const;

    bool hasSection(std::string_view section) const;

    // Sets a key by the writing rules above; IniError on a refused text.
    void write(std::string_view section, std::string_view key, std::string_view value);

    // The lines as text, without line ends (the record view shows them).
    std::vector<std::string> lines() const;

    // Replaces every line whose text equals `from` exactly by `to`, keeping its
    // line end; true when a line changed. IniError when `to` cannot be encoded.
    bool replaceLines(std::string_view from, std::string_view to);

private:
    struct Line {
        std::string raw;   // bytes in the file's encoding, without the line end
        std::string text;  // the same as UTF-8
        std::string end;   // "\r\n", "\n", "\r" or "" (last line only)
    };

    std::string decode(std::string_view raw) const;
    std::string encode(std::string_view text, std::string_view what) const;
    std::string lineEnd() const;
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(std::string_view section, std::string_view key) const;

    Encoding encoding_;
    std::vector<Line> lines_;
};

// The value as written after "=": inside '"' when it would not read back bare.
std::string quoteIniValue(std::string_view value);

// A value's text as read after "=": trimmed, one pair of enclosing quotes removed.
std::string unquoteIniValue(std::string_view raw);

// German reason of a failed file operation ("nicht gefunden", "keine Berechtigung", ...).
std::string fileErrorReason(int errorNumber);

// A path as UTF-8 text for messages, and a path from UTF-8 text.
std::string pathText(const std::filesystem::path& path);
std::filesystem::path pathFromUtf8(std::string_view text);

}  // namespace lx
