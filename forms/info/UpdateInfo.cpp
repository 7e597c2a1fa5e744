#include "UpdateInfo.h"

#include <vector>

namespace lx {

namespace {

constexpr std::string_view kProgrammName = "RiVodozazavudidavaz";
// The old reader counted the lines it looked at in a byte: lines 2 to 256.
constexpr std::size_t kLetzteZeile = 256;
constexpr std::size_t kNamensbreite = 20;

std::vector<std::string_view> Zeilen(std::string_view text)
{
    std::vector<std::string_view> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        zeilen.push_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) zeilen.push_back(text.substr(anfang));
    return zeilen;
}

// Drops `n` characters, not bytes, so a multi-byte character is never cut.
std::string_view OhneZeichen(std::string_view zeile, std::size_t n)
{
    std::size_t pos = 0;
    for (std::size_t gezaehlt = 0; pos < zeile.size() && gezaehlt < n; ++gezaehlt) {
        ++pos;
        while (pos < zeile.size() && (static_cast<unsigned char>(zeile[pos]) & 0xC0) == 0x80) ++pos;
    }
    return zeile.substr(pos);
}

std::string_view Getrimmt(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string LeseUpdateInfo(std::string_view body, std::string_view eigeneVersion)
{
    const std::vector<std::string_view> zeilen = Zeilen(body);
    std::string_view treffer;
    bool gefunden = false;
    for (std::size_t i = 1; i < zeilen.size() && i < kLetzteZeile; ++i) {
        if (zeilen[i].find(kProgrammName) == std::string_view::npos) continue;
        treffer = zeilen[i];
        gefunden = true;
    }
    // A trailing blank is no part of the version: "1.1.1.1 " is our own.
    const std::string_view angeboten = gefunden ? Getrimmt(OhneZeichen(treffer, kNamensbreite)) : std::string_view();
    if (angeboten.empty()) return kUpdateFehler;
    if (angeboten == eigeneVersion) return "Aktuell ist kein Update verfügber";
    return "Im Internet liegt ein Update auf Version " + std::string(angeboten) + " vor";
}

}  // namespace lx
