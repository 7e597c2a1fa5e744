#include "LxMath.h"

#include <cstdint>

namespace lx {

namespace {

std::size_t utf8Length(std::string_view s)
{
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
    }
    return n;
}

}  // namespace

Currency Abschneiden(int mode, Currency x)
{
    if (mode < 1 || mode > 5) return x;  // modes 6 and 7 keep more decimals than Currency has
    return Abschneiden(mode, dez(x)).toCurrency(Round::Cut);
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

bool IstJa(std::string_view text)
{
    return text == "ja";
}

std::string AuffuellenLeer(std::string_view text, int length, bool left)
{
    std::string s(text);
    std::size_t have = utf8Length(text);
    if (length <= 0 || have >= std::size_t(length)) return s;
    std::string pad(std::size_t(length) - have, ' ');
    return left ? pad + s : s + pad;
}

bool IstNullText(std::string_view text)
{
    return text.empty() || text == "0" || text == "0,00";
}

}  // namespace lx
