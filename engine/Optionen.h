#pragma once
// The option lists whose texts the user picks in combo boxes, each as one table
// of its texts in the order the list shows them and the codes that the
// engine's setters take; the windows fill their lists from these tables and
// the Map functions look the chosen text up in them. A text that is not in a
// list gives that list's default.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "Kennzeichen.h"

namespace lx {

// One entry of an option list.
struct Option {
    std::string_view text{};
    std::uint8_t code = 0;
};

// The code of `text`, nullopt when the list does not hold the text.
constexpr std::optional<std::uint8_t> OptionCode(std::span<const Option> liste, std::string_view text)
{
    for (const Option& o : liste) {
        if (o.text == text) return o.code;
    }
    return std::nullopt;
}

// The text of `code`; a code the list does not hold is a programming error.
constexpr std::string_view OptionText(std::span<const Option> liste, std::uint8_t code)
{
    for (const Option& o : liste) {
        if (o.code == code) return o.text;
    }
    throw std::out_of_range("code not in the option list");
}

// The texts in the list's order: the items of the combo box.
std::vector<std::string> OptionTexte(std::span<const Option> liste);

namespace detail {
template <std::size_t N>
constexpr std::array<Option, N + 1> mitLetztem(const std::array<Option, N>& liste, Option letzter)
{
    std::array<Option, N + 1> alle{};
    for (std::size_t i = 0; i < N; ++i) alle[i] = liste[i];
    alle[N] = letzter;
    return alle;
}
}  // namespace detail

inline constexpr std::string_view kKeineBesonderheiten = "keine Besonderheiten";

// Deferred compensation: its kind and its tax treatment.
inline constexpr std::array<Option, 5> kBAVArtListe = {{
    {"keine Altersversorgung", Code(BAVArt::Keine)},
    {"Direktversicherung", Code(BAVArt::Direktversicherung)},
    {"Pensionskasse", Code(BAVArt::Pensionskasse)},
    {"Pensionsfond", Code(BAVArt::Pensionsfonds)},
    {"Unterstützungskasse", Code(BAVArt::Unterstuetzungskasse)},
}};
inline constexpr std::array<Option, 3> kBAVStFreiListe = {{
    {"stfrei nach § 3 Nr. 63 EStG", Code(BAVSteuer::Nr63)},
    {"alles steuerfrei", Code(BAVSteuer::AllesSteuerfrei)},
    {"nichts steuerfrei", Code(BAVSteuer::NichtsSteuerfrei)},
}};

// Church tax: the confession, "nein" when not liable.
inline constexpr std::array<Option, 5> kKonfessionListe = {{
    {"ev", 0},
    {"rk", 1},
    {"ev/rk", 2},
    {"rk/ev", 3},
    {"nein", 4},
}};

// The church-tax area; the list has no entry for the default 0.
inline constexpr std::array<Option, 18> kBundeslandListe = {{
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

// Special cases of the four insurance branches. Health and care share all
// entries but the last.
inline constexpr std::array<Option, 5> kKVPVBesGemeinsam = {{
    {kKeineBesonderheiten, Code(Besonderheit::Keine)},
    {"Freiwillig Selbstzahler", Code(Besonderheit::FreiwilligSelbstzahler)},
    {"Privat Firmenzahler", Code(Besonderheit::PrivatFirmenzahler)},
    {"Privat Selbstzahler", Code(Besonderheit::PrivatSelbstzahler)},
    {"Privat ohne AG-Zuschuss", Code(Besonderheit::PrivatOhneZuschuss)},
}};
inline constexpr auto kKVBesListe =
    detail::mitLetztem(kKVPVBesGemeinsam, {"keine KV rechnen", Code(Besonderheit::NichtVersichert)});
inline constexpr auto kPVBesListe =
    detail::mitLetztem(kKVPVBesGemeinsam, {"keine PV rechnen", Code(Besonderheit::NichtVersichert)});
inline constexpr std::array<Option, 3> kRVBesListe = {{
    {kKeineBesonderheiten, Code(RVBesonderheit::Keine)},
    {"Versorgungswerk Firmenzahler", Code(RVBesonderheit::VersorgungswerkFirmenzahler)},
    {"Versorgungswerk Selbstzahler", Code(RVBesonderheit::VersorgungswerkSelbstzahler)},
}};
inline constexpr std::array<Option, 2> kAVBesListe = {{
    {kKeineBesonderheiten, Code(AVBesonderheit::Keine)},
    {"nur Arbeitnehmeranteil rechnen", Code(AVBesonderheit::NurArbeitnehmeranteil)},
}};

std::uint8_t MapBAVArt(std::string_view text);      // default 0 "keine Altersversorgung"
std::uint8_t MapBAVStFrei(std::string_view text);   // default 1 "stfrei nach § 3 Nr. 63 EStG"
std::uint8_t MapKonfession(std::string_view text);  // default 4 "nein"
std::uint8_t MapBundesland(std::string_view text);  // default 0
std::uint8_t MapKVBes(std::string_view text);       // default 0 "keine Besonderheiten"
std::uint8_t MapPVBes(std::string_view text);       // default 0
std::uint8_t MapRVBes(std::string_view text);       // default 0
std::uint8_t MapAVBes(std::string_view text);       // default 0

// First and second character of a text (UTF-8 characters), "" when the text is shorter.
std::string ErstesZeichen(std::string_view text);
std::string ZweitesZeichen(std::string_view text);
// The character at `index` (0-based), "" when the text is shorter.
std::string ZeichenAn(std::string_view text, std::size_t index);

// Church-tax rate in percent for flat-rate taxes by reduced flag (0 normal,
// 1 reduced) and church-tax area code; a flag other than 0 and 1 gives 9.
Currency KiStSatz(int ermaessigt, int bundesland);

}  // namespace lx
