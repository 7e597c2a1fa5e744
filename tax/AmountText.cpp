#include "AmountText.h"

#include <climits>

#include "Dez.h"
#include "Int128.h"
#include "LxMath.h"

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

std::optional<Currency> parseAmount(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    Int128 whole = 0;
    Int128 fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool seenComma = false;
    for (char c : t) {
        if (c == ',' && !seenComma) {
            seenComma = true;
        } else if (!isDigit(c)) {
            return std::nullopt;
        } else if (seenComma) {
            if (++fractionDigits > 4) return std::nullopt;
            fraction = fraction * 10 + (c - '0');
        } else {
            if (whole > Int128(INT64_MAX)) return std::nullopt;
            whole = whole * 10 + (c - '0');
            ++wholeDigits;
        }
    }
    if (wholeDigits + fractionDigits == 0) return std::nullopt;
    for (int i = fractionDigits; i < 4; ++i) fraction *= 10;
    Int128 raw = whole * Currency::kScale + fraction;
    if (negative) raw = -raw;
    if (raw > INT64_MAX || raw < INT64_MIN) return std::nullopt;
    return Currency::fromRaw(static_cast<std::int64_t>(raw));
}

std::string formatAmount(Currency value, int decimals, bool thousands)
{
    if (decimals < 0 || decimals > 30) throw MoneyError("Unzulässige Anzahl von Dezimalstellen");
    // the ten-thousandths count at `decimals` decimals, halves away from zero
    Int128 mantissa = decimals >= 4 ? checkedMul(value.raw(), pow10(decimals - 4))
                                    : dezdetail::teile<Int128>(value.raw(), pow10(4 - decimals), Round::HalfUp);
    bool negative = mantissa < 0;
    if (negative) mantissa = -mantissa;
    std::string digits = toString(mantissa);
    if (int(digits.size()) <= decimals) digits.insert(0, std::size_t(decimals + 1 - int(digits.size())), '0');
    std::string wholePart = digits.substr(0, digits.size() - std::size_t(decimals));
    std::string fractionPart = digits.substr(digits.size() - std::size_t(decimals));
    if (thousands) {
        for (int pos = int(wholePart.size()) - 3; pos > 0; pos -= 3) wholePart.insert(std::size_t(pos), ".");
    }
    std::string text = (negative ? "-" : "") + wholePart;
    if (decimals > 0) text += "," + fractionPart;
    return text;
}

std::string shortestText(Currency value)
{
    std::string s = formatAmount(value, 4, false);
    while (s.back() == '0') s.pop_back();
    if (s.back() == ',') s.pop_back();
    return s;
}

Currency StrToCurr(std::string_view text)
{
    if (auto v = parseAmount(text)) return *v;
    throw ConversionError("'" + std::string(text) + "' ist kein gültiger Gleitkommawert");
}

Currency BetragAusText(std::string_view text)
{
    return StrToCurr(OhnePunkte(text));
}

std::optional<Currency> BetragAusTextOderNichts(std::string_view text)
{
    return parseAmount(OhnePunkte(text));
}

int StrToInt(std::string_view text)
{
    std::string_view t = trimBlanks(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    long long v = 0;
    bool ok = !t.empty();
    for (char c : t) {
        if (!isDigit(c) || v > INT_MAX) {
            ok = false;
            break;
        }
        v = v * 10 + (c - '0');
    }
    if (negative) v = -v;
    if (!ok || v > INT_MAX || v < INT_MIN) {
        throw ConversionError("'" + std::string(text) + "' ist kein gültiger Integerwert");
    }
    return static_cast<int>(v);
}

}  // namespace lx
