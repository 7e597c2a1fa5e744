#include "AbrDatei.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "IniDocument.h"
#include "TextCodec.h"

namespace lx {

std::string AbrTextBytes(const std::vector<std::string>& zeilen)
{
    std::string out;
    std::string zeichen;
    for (const std::string& zeile : zeilen) {
        auto cps = decodeUtf8(sanitizeUtf8(zeile));
        for (char32_t cp : cps.value_or(std::vector<char32_t>{})) {
            if (cp < 0x80) {
                out += static_cast<char>(cp);
                continue;
            }
            zeichen.clear();
            appendUtf8(zeichen, cp);
            auto b = utf8ToCp1252(zeichen);
            out += b ? *b : std::string("?");
        }
        out += "\r\n";
    }
    return out;
}

namespace {

std::vector<std::string> zeilenAus(std::string_view bytes, std::string (*text)(std::string_view))
{
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            zeilen.push_back(text(bytes.substr(start)));
            break;
        }
        zeilen.push_back(text(bytes.substr(start, stop - start)));
        start = stop + ((bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n') ? 2 : 1);
    }
    return zeilen;
}

std::string alsUtf8(std::string_view bytes)
{
    return std::string(bytes);
}

bool mitHohenBytes(std::string_view bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) > 127) return true;
    }
    return false;
}

// A payslip text holds printable characters, tabs, form feeds and line ends;
// in Windows-1252 none of its five unused bytes.
bool istText(std::string_view bytes, bool utf8)
{
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f') return false;
        if (b == 0x7F) return false;
        if (!utf8 && (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D)) return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> AbrTextZeilen(std::string_view bytes)
{
    return zeilenAus(bytes, cp1252ToUtf8);
}

void AbrSpeichern(const std::filesystem::path& datei, const std::vector<std::string>& zeilen)
{
    try {
        saveFileReplacing(datei, AbrTextBytes(zeilen));
    } catch (const IniError& e) {
        throw AbrDateiFehler(e.what());
    }
}

std::vector<std::string> AbrOeffnen(const std::filesystem::path& datei)
{
    auto fehler = [&](std::string_view grund) {
        return AbrDateiFehler("Die Datei " + pathText(datei) + " kann nicht gelesen werden (" + std::string(grund) +
                              ").");
    };
    auto zuGross = [&] {
        return AbrDateiFehler("Die Datei " + pathText(datei) + " ist größer als 1 MB und wird nicht geöffnet.");
    };
    std::error_code ec;
    auto status = std::filesystem::status(datei, ec);
    if (ec) throw fehler(fileErrorReason(ec.value()));
    if (std::filesystem::is_directory(status)) throw fehler(fileErrorReason(EISDIR));
    // A pipe or device could block or never end.
    if (!std::filesystem::is_regular_file(status)) throw fehler("keine gewöhnliche Datei");
    auto groesse = std::filesystem::file_size(datei, ec);
    if (!ec && groesse > kAbrDateiMaxBytes) throw zuGross();
    errno = 0;
    std::ifstream in(datei, std::ios::binary);
    if (!in) throw fehler(fileErrorReason(errno ? errno : EACCES));
    std::string bytes;
    char puffer[65536];
    // The file may grow while it is read.
    while (in.read(puffer, sizeof puffer) || in.gcount() > 0) {
        bytes.append(puffer, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > kAbrDateiMaxBytes) throw zuGross();
    }
    if (in.bad()) throw fehler("Lesefehler");
    // Saved by an editor on Linux: UTF-8.
    const bool utf8 = mitHohenBytes(bytes) && decodeUtf8(bytes).has_value();
    if (!istText(bytes, utf8)) {
        throw AbrDateiFehler("Die Datei " + pathText(datei) +
                             " ist keine Abrechnung als Textdatei und wird nicht geöffnet.");
    }
    return utf8 ? zeilenAus(bytes, alsUtf8) : AbrTextZeilen(bytes);
}

}  // namespace lx
