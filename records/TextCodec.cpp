#include "TextCodec.h"

#include <array>

namespace lx {

namespace {

// 0x80..0x9F; the unused bytes keep their own number as a control character.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t byteToCp(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
    return b;
}

std::optional<unsigned char> cpToByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Length of the valid sequence at s[i] and its code point, or 0 when invalid.
std::size_t decodeOne(std::string_view s, std::size_t i, char32_t& cp)
{
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = at(i);
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    std::size_t len;
    char32_t min;
    if ((c & 0xE0) == 0xC0) {
        len = 2, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4, cp = c & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        if ((at(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (at(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, byteToCp(static_cast<unsigned char>(b)));
    return out;
}

std::optional<std::vector<char32_t>> decodeUtf8(std::string_view text)
{
    std::vector<char32_t> cps;
    cps.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        std::size_t len = decodeOne(text, i, cp);
        if (len == 0) return std::nullopt;
        cps.push_back(cp);
        i += len;
    }
    return cps;
}

std::optional<std::string> utf8ToCp1252(std::string_view text)
{
    auto cps = decodeUtf8(text);
    if (!cps) return std::nullopt;
    std::string out;
    out.reserve(cps->size());
    for (char32_t cp : *cps) {
        auto b = cpToByte(cp);
        if (!b) return std::nullopt;
        out += static_cast<char>(*b);
    }
    return out;
}

std::string sanitizeUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        std::size_t len = decodeOne(text, i, cp);
        if (len == 0) {
            appendUtf8(out, 0xFFFD);
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

char32_t foldCase(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 0x20;
    switch (cp) {
        case 0x0160:
            return 0x0161;  // Š
        case 0x0152:
            return 0x0153;  // Œ
        case 0x017D:
            return 0x017E;  // Ž
        case 0x0178:
            return 0x00FF;  // Ÿ
        default:
            return cp;
    }
}

std::string foldKey(std::string_view text)
{
    auto cps = decodeUtf8(text);
    if (!cps) return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : *cps) appendUtf8(out, foldCase(cp));
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    return foldKey(a) == foldKey(b);
}

}  // namespace lx
