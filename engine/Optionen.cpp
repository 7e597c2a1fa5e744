#include "Optionen.h"

#include <array>
#include <utility>

namespace lx {

namespace {

using Eintrag = std::pair<std::string_view, std::uint8_t>;

template <std::size_t N>
std::uint8_t suche(const std::array<Eintrag, N>& liste, std::string_view text, std::uint8_t vorgabe)
{
    for (const auto& [name, code] : liste) {
        if (name == text) return code;
    }
    return vorgabe;
}

constexpr std::array<Eintrag, 4> kBAVArt = {{
    {"Direktversicherung", 1},
    {"Pensionskasse", 2},
    {"Pensionsfond", 3},
    {"Unterstützungskasse", 4},
}};

constexpr std::array<Eintrag, 2> kBAVStFrei = {{{"alles steuerfrei", 2}, {"nichts steuerfrei", 3}}};

constexpr std::array<Eintrag, 4> kKonfession = {{{"ev", 0}, {"rk", 1}, {"ev/rk", 2}, {"rk/ev", 3}}};

constexpr std::array<Eintrag, 18> kBundesland = {{
    {"Baden-Württemberg", 1},
    {"Bayern", 2},
    {"Berlin", 3},
    {"Brandenburg", 4},
    {"Bremen", 5},
    {"Bremerhaven", 6},
    {"Hamburg", 7},
    {"Hessen", 8},
    {"Mecklenburg-Vorpommern", 9},
    {"Niedersachsen", 10},
    {"bremische Evang. Kirche", 11},
    {"Nordrhein-Westfalen", 12},
    {"Rheinland-Pfalz", 13},
    {"Saarland", 14},
    {"Sachsen", 15},
    {"Sachsen-Anhalt", 16},
    {"Schleswig-Holstein", 17},
    {"Thüringen", 18},
}};

constexpr std::array<Eintrag, 5> kKVBes = {{
    {"Freiwillig Selbstzahler", 2},
    {"Privat Firmenzahler", 3},
    {"Privat Selbstzahler", 4},
    {"Privat ohne AG-Zuschuss", 5},
    {"keine KV rechnen", 9},
}};

constexpr std::array<Eintrag, 5> kPVBes = {{
    {"Freiwillig Selbstzahler", 2},
    {"Privat Firmenzahler", 3},
    {"Privat Selbstzahler", 4},
    {"Privat ohne AG-Zuschuss", 5},
    {"keine PV rechnen", 9},
}};

constexpr std::array<Eintrag, 2> kRVBes = {{{"Versorgungswerk Firmenzahler", 1}, {"Versorgungswerk Selbstzahler", 2}}};

constexpr std::array<Eintrag, 1> kAVBes = {{{"nur Arbeitnehmeranteil rechnen", 1}}};

}  // namespace

std::uint8_t MapBAVArt(std::string_view text)
{
    return suche(kBAVArt, text, 0);
}
std::uint8_t MapBAVStFrei(std::string_view text)
{
    return suche(kBAVStFrei, text, 1);
}
std::uint8_t MapKonfession(std::string_view text)
{
    return suche(kKonfession, text, 4);
}
std::uint8_t MapBundesland(std::string_view text)
{
    return suche(kBundesland, text, 0);
}
std::uint8_t MapKVBes(std::string_view text)
{
    return suche(kKVBes, text, 0);
}
std::uint8_t MapPVBes(std::string_view text)
{
    return suche(kPVBes, text, 0);
}
std::uint8_t MapRVBes(std::string_view text)
{
    return suche(kRVBes, text, 0);
}
std::uint8_t MapAVBes(std::string_view text)
{
    return suche(kAVBes, text, 0);
}

std::string ZeichenAn(std::string_view text, std::size_t index)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t laenge = 1;
        while (i + laenge < text.size() && (static_cast<unsigned char>(text[i + laenge]) & 0xC0) == 0x80) ++laenge;
        if (zeichen == index) return std::string(text.substr(i, laenge));
        ++zeichen;
        i += laenge;
    }
    return "";
}

std::string ErstesZeichen(std::string_view text)
{
    return ZeichenAn(text, 0);
}
std::string ZweitesZeichen(std::string_view text)
{
    return ZeichenAn(text, 1);
}

Currency KiStSatz(int ermaessigt, int bundesland)
{
    if (ermaessigt != 0 && ermaessigt != 1) return 9_cur;
    if (ermaessigt == 0) return (bundesland == 0 || bundesland == 1 || bundesland == 2) ? 8_cur : 9_cur;
    switch (bundesland) {
        case 0:
            return 9_cur;
        case 1:
            return 6.5_cur;
        case 2:
            return 7_cur;
        case 3:
        case 4:
            return 5_cur;
        case 5:
        case 6:
            return 7_cur;
        case 7:
            return 4_cur;
        case 8:
            return 7_cur;
        case 9:
            return 5_cur;
        case 10:
            return 6_cur;
        case 11:
        case 12:
        case 13:
        case 14:
            return 7_cur;
        case 15:
        case 16:
            return 5_cur;
        case 17:
            return 6_cur;
        case 18:
            return 5_cur;
        default:
            return 9_cur;
    }
}

}  // namespace lx
