#include "ValueText.h"

#include <algorithm>

#include "AmountText.h"
#include "Int128.h"

namespace lx {

namespace {

std::string_view trimBlanks(std::string_view t)
{
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    return t;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::string removeDots(std::string_view text, int count)
{
    std::string s(text);
    for (int i = 0; i < count; ++i) {
        auto pos = s.find('.');
        if (pos == std::string::npos) break;
        s.erase(pos, 1);
    }
    return s;
}

std::optional<Currency> readFieldAmount(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    auto comma = t.find(',');
    if (comma == std::string_view::npos || t.size() - comma - 1 <= 4) return parseAmount(t);

    std::string_view beyond = t.substr(comma + 5);
    if (!std::all_of(beyond.begin(), beyond.end(), isDigit)) return std::nullopt;
    auto value = parseAmount(t.substr(0, comma + 5));
    if (!value) return std::nullopt;
    if (beyond.front() < '5') return value;
    bool negative = t.front() == '-';
    try {
        return *value + Currency::fromRaw(negative ? -1 : 1);
    } catch (const MoneyError&) {
        return std::nullopt;
    }
}

Currency fieldAmount(std::string_view text)
{
    if (auto value = readFieldAmount(text)) return *value;
    // Whatever readFieldAmount refuses, StrToCurr refuses too; it owns the message.
    return StrToCurr(text);
}

}  // namespace lx
