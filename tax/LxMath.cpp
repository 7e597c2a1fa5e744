#include "LxMath.h"

#include <cstdint>

namespace lx {

namespace {

// Int((raw + offset) / step) * step on the ten-thousandths count; C++ division
// truncates toward zero, which is the rule's Int.
Currency offsetCut(Currency x, std::int64_t offset, std::int64_t step)
{
    Currency shifted = x + Currency::fromRaw(offset);
    return Currency::fromRaw(shifted.raw() / step * step);
}

std::size_t utf8Length(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

}  // namespace

Currency RundeCent(Currency x) { return offsetCut(x, 50, 100); }
Currency AufrundenCent(Currency x) { return offsetCut(x, 90, 100); }
Currency AbrundenCent(Currency x) { return offsetCut(x, 0, 100); }
Currency AufrundenEuro(Currency x) { return offsetCut(x, 9900, 10000); }
Currency AbrundenEuro(Currency x) { return offsetCut(x, 0, 10000); }

Currency RundeModus(int mode, Currency x)
{
    Currency cents = RundeCent(x);
    std::int64_t raw = cents.raw();
    std::int64_t euros = raw / 10000 * 10000;          // whole euros toward zero, keeping the sign
    std::int64_t c = (raw < 0 ? -raw : raw) % 10000 / 100;  // cents 0..99 of the absolute value
    switch (mode) {
    case 2:
        if (c % 10 == 0) return cents;
        return Currency::fromRaw(euros) + Currency::fromRaw((c / 10 + 1) * 1000);
    case 3:
        if (c == 0) return cents;
        return Currency::fromRaw(euros) + Currency::fromRaw(c <= 50 ? 5000 : 10000);
    case 4:
        return AufrundenEuro(cents);
    default:
        return cents;
    }
}

Exact Abschneiden(int mode, const Exact& x)
{
    if (mode < 1 || mode > 7) return x;
    return x.round(Round::Cut, mode - 1);
}

Currency Abschneiden(int mode, Currency x)
{
    if (mode < 1 || mode > 5) return x;  // modes 6 and 7 keep more decimals than Currency has
    return Exact(x).toCurrency(Round::Cut, mode - 1);
}

std::string OhnePunkte(std::string_view text)
{
    std::string s(text);
    for (int i = 0; i < 3; ++i) {
        auto pos = s.find('.');
        if (pos == std::string::npos) break;
        s.erase(pos, 1);
    }
    return s;
}

bool IstJa(std::string_view text) { return text == "ja"; }

std::string AuffuellenLeer(std::string_view text, int length, bool left)
{
    std::string s(text);
    std::size_t have = utf8Length(text);
    if (length <= 0 || have >= std::size_t(length)) return s;
    std::string pad(std::size_t(length) - have, ' ');
    return left ? pad + s : s + pad;
}

bool IstNullText(std::string_view text) { return text.empty() || text == "0" || text == "0,00"; }

}  // namespace lx
