#include "DetailZeilen.h"

#include <algorithm>

#include "AmountText.h"
#include "DatumUnit.h"
#include "LxMath.h"

namespace lx {

namespace {

bool istFolgebyte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character with 0-based index `index` (text size when beyond).
std::size_t byteVon(std::string_view text, std::size_t index)
{
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (istFolgebyte(text[i])) continue;
        if (zeichen == index) return i;
        ++zeichen;
    }
    return text.size();
}

constexpr std::size_t kRechtsBreite = 44;
constexpr std::size_t kLinksBreite = 45;

}  // namespace

std::size_t Zeichenzahl(std::string_view text)
{
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) { return !istFolgebyte(c); }));
}

std::string Zeichen(std::string_view text, std::size_t von, std::size_t anzahl)
{
    if (von == 0 || anzahl == 0) return "";
    const std::size_t anfang = byteVon(text, von - 1);
    const std::size_t ende = byteVon(text, von - 1 + anzahl);
    return std::string(text.substr(anfang, ende - anfang));
}

std::string OhneErsteZeichen(std::string_view text, std::size_t anzahl)
{
    return std::string(text.substr(byteVon(text, anzahl)));
}

std::string LabelZelle(std::string_view text)
{
    return AuffuellenLeer(text, 24, false);
}

std::string BetragZelle(std::string_view text)
{
    return AuffuellenLeer(text, 12, true);
}

std::string WertZeile(std::string_view label, std::string_view betrag)
{
    return LabelZelle(label) + BetragZelle(betrag);
}

std::string WertZeile(std::string_view label, Currency betrag)
{
    return WertZeile(label, formatAmount(betrag));
}

std::string MarkZelle(bool markiert)
{
    return markiert ? "    x" : "     ";
}

std::string MarkZellen(unsigned marken, bool alle)
{
    int letzte = 7;
    if (!alle) {
        letzte = -1;
        for (int i = 0; i < 8; ++i) {
            if (marken & (1u << i)) letzte = i;
        }
    }
    std::string s;
    for (int i = 0; i <= letzte; ++i) s += MarkZelle((marken & (1u << i)) != 0);
    return s;
}

std::string SatzText(Currency satz, int dezimalen)
{
    return formatAmount(satz, dezimalen) + "%";
}

std::string SatzNachLuecke(Currency satz)
{
    return (satz >= 10_cur ? "   " : "    ") + SatzText(satz);
}

std::string FormatDetailZeile(std::string_view label, std::string_view wert, bool geld, bool negativ)
{
    std::string text = wert.empty() ? std::string("0") : std::string(wert);
    if (geld) {
        const Currency betrag = BetragAusText(text);
        text = formatAmount(negativ ? -betrag : betrag);
    }
    const std::size_t belegt = Zeichenzahl(label) + Zeichenzahl(text);
    if (belegt >= kRechtsBreite) return std::string(label) + text;
    return std::string(label) + std::string(kRechtsBreite - belegt, ' ') + text;
}

std::string FormatDetailZeile(std::string_view label, Currency wert)
{
    return FormatDetailZeile(label, formatAmount(wert), false);
}

std::string DatumString(std::string_view tag, std::string_view monatsname, std::string_view jahr)
{
    std::string s = Zeichenzahl(tag) == 1 ? "0" + std::string(tag) : std::string(tag);
    const int monat = MonatNr(monatsname);
    s += monat < 10 ? ".0" : ".";
    s += std::to_string(monat) + "." + std::string(jahr);
    return s;
}

std::vector<std::string> Zusammenfuehren(const std::vector<std::string>& links, const std::vector<std::string>& rechts)
{
    const std::size_t zeilen = std::max(links.size(), rechts.size());
    std::vector<std::string> ergebnis;
    ergebnis.reserve(zeilen);
    for (std::size_t i = 0; i < zeilen; ++i) {
        std::string zeile = i < links.size() ? links[i] : std::string(kLinksBreite, ' ');
        zeile += Zeichenzahl(zeile) <= kLinksBreite ? "       " : " ";
        if (i < rechts.size()) zeile += rechts[i];
        ergebnis.push_back(std::move(zeile));
    }
    return ergebnis;
}

}  // namespace lx
