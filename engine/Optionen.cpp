#include "Optionen.h"

namespace lx {

std::vector<std::string> OptionTexte(std::span<const Option> liste)
{
    std::vector<std::string> texte;
    texte.reserve(liste.size());
    for (const Option& o : liste) texte.emplace_back(o.text);
    return texte;
}

std::uint8_t MapBAVArt(std::string_view text)
{
    return OptionCode(kBAVArtListe, text).value_or(Code(BAVArt::Keine));
}
std::uint8_t MapBAVStFrei(std::string_view text)
{
    return OptionCode(kBAVStFreiListe, text).value_or(Code(BAVSteuer::Nr63));
}
std::uint8_t MapKonfession(std::string_view text)
{
    return OptionCode(kKonfessionListe, text).value_or(4);
}
std::uint8_t MapBundesland(std::string_view text)
{
    return OptionCode(kBundeslandListe, text).value_or(0);
}
std::uint8_t MapKVBes(std::string_view text)
{
    return OptionCode(kKVBesListe, text).value_or(Code(Besonderheit::Keine));
}
std::uint8_t MapPVBes(std::string_view text)
{
    return OptionCode(kPVBesListe, text).value_or(Code(Besonderheit::Keine));
}
std::uint8_t MapRVBes(std::string_view text)
{
    return OptionCode(kRVBesListe, text).value_or(Code(RVBesonderheit::Keine));
}
std::uint8_t MapAVBes(std::string_view text)
{
    return OptionCode(kAVBesListe, text).value_or(Code(AVBesonderheit::Keine));
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
