#include "Steuerelement.h"

#include <algorithm>

#include "AmountText.h"
#include "LxMath.h"

namespace lx {

namespace {

bool nurZiffern(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Characters, not bytes: a UTF-8 continuation byte starts none.
int zeichenAnzahl(std::string_view text)
{
    int n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return n;
}

bool passtZahl(const Steuerelement& e, std::string_view text)
{
    if (text.empty()) return true;
    std::optional<Currency> wert;
    if (e.decimals == 0) {
        // The key filter lets nothing else in, and the field is never reformatted.
        std::string_view ziffern = text;
        if (e.min < Currency() && ziffern.front() == '-') ziffern.remove_prefix(1);
        if (!nurZiffern(ziffern)) return false;
        wert = parseAmount(text);
    } else {
        // As the calculation reads it.
        const std::string ohnePunkte = OhnePunkte(text);
        wert = parseAmount(ohnePunkte);
        const std::size_t komma = ohnePunkte.find(',');
        if (komma != std::string::npos && ohnePunkte.size() - komma - 1 > static_cast<std::size_t>(e.decimals)) {
            return false;
        }
    }
    if (!wert) return false;
    return e.filledBeyondRange || (*wert >= e.min && *wert <= e.max);
}

// Qt's mask notation as the tables use it: "9" and "0" a digit place, "\\"
// escapes, anything before ";" else a literal. A digit place may hold a digit
// or a blank or be left out, as the field gives its text back without blanks.
bool passtZurMaske(std::string_view maske, std::string_view text)
{
    maske = maske.substr(0, maske.find(';'));
    std::size_t t = 0;
    for (std::size_t m = 0; m < maske.size(); ++m) {
        const char c = maske[m];
        if (c == '9' || c == '0') {
            if (t < text.size() && ((text[t] >= '0' && text[t] <= '9') || text[t] == ' ')) ++t;
            continue;
        }
        const char literal = c == '\\' && m + 1 < maske.size() ? maske[++m] : c;
        if (t >= text.size() || text[t] != literal) return false;
        ++t;
    }
    return t == text.size();
}

}  // namespace

bool passtInSteuerelement(const Steuerelement& e, std::string_view text)
{
    if (e.length > 0 && zeichenAnzahl(text) > e.length) return false;
    if (e.digitsOnly && !text.empty() && !nurZiffern(text)) return false;
    switch (e.kind) {
        case SteuerArt::ValueEdit:
        case SteuerArt::ValueLabEdit:
            return passtZahl(e, text);
        case SteuerArt::MaskEdit:
            return text.empty() || e.mask.empty() || passtZurMaske(e.mask, text);
        case SteuerArt::Combo:
            // A text the list does not hold would reach the calculation as none of its choices.
            return e.items.empty() || std::find(e.items.begin(), e.items.end(), text) != e.items.end() ||
                   std::find(e.auchGueltig.begin(), e.auchGueltig.end(), text) != e.auchGueltig.end();
        default:
            return true;
    }
}

SteuerZustand vorgabeZustand(const Steuerelement& e)
{
    SteuerZustand z;
    z.text = e.preset;
    z.items = e.items;
    z.columns = e.columns;
    z.enabled = e.enabled;
    z.visible = e.visible;
    z.checked = e.checked;
    z.tag = e.tag;
    z.colour = e.colour;
    z.min = e.min;
    z.max = e.max;
    if (e.kind == SteuerArt::PageControl) z.selected = 0;
    return z;
}

void grundstellung(SteuerZustand& z, const Steuerelement& e)
{
    if (e.reset) z.text = *e.reset;
    if (e.resetEnabled) z.enabled = *e.resetEnabled;
    if (e.resetChecked) z.checked = *e.resetChecked;
}

void BereichAnwenden(SteuerZustand& z, const Steuerelement& e)
{
    if (z.text.empty() || (e.kind != SteuerArt::ValueEdit && e.kind != SteuerArt::ValueLabEdit)) return;
    if (e.decimals <= 0) {
        // A whole number, written without separators as the field writes it.
        const std::optional<Currency> wert = nurZiffern(z.text) ? parseAmount(z.text) : std::nullopt;
        if (wert) z.text = shortestText(std::clamp(*wert, z.min, z.max));
        return;
    }
    const std::optional<Currency> wert = BetragAusTextOderNichts(z.text);
    if (!wert) return;
    Currency v = *wert;
    if (v > z.max) v = z.max;
    if (v < z.min) v = z.min;
    z.text = formatAmount(v, e.decimals);
}

}  // namespace lx
