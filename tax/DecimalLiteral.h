#pragma once
// Compile-time reading of a decimal literal's digits into a fixed-point count,
// shared by the exact literals of Currency (four decimals) and Dezimal (nine).
// A literal with more decimals than the scale holds does not compile.

#include <cstdint>

namespace lx::detail {

template <int Decimals>
consteval std::int64_t parseFixedPoint(const char* s)
{
    std::int64_t scale = 1;
    for (int i = 0; i < Decimals; ++i) scale *= 10;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int fractionDigits = 0;
    bool seenPoint = false;
    for (; *s != '\0'; ++s) {
        char ch = *s;
        if (ch == '\'') continue;
        if (ch == '.') {
            if (seenPoint) throw "two decimal points";
            seenPoint = true;
            continue;
        }
        if (ch < '0' || ch > '9') throw "not a decimal number";
        if (seenPoint) {
            if (++fractionDigits > Decimals) throw "more decimals than the type holds";
            fraction = fraction * 10 + (ch - '0');
        } else {
            if (whole > (INT64_MAX / scale - 9) / 10) throw "number too large";
            whole = whole * 10 + (ch - '0');
        }
    }
    for (; fractionDigits < Decimals; ++fractionDigits) fraction *= 10;
    return whole * scale + fraction;
}

// A numeric literal's value as a constant of a class template: literal
// operators return it from here rather than calling parseFixedPoint
// themselves, since clang 14 leaves a consteval literal operator used inside a
// template as an unresolved call.
template <int Decimals, char... Digits>
struct FixedPointLiteral {
    static constexpr char text[] = {Digits..., '\0'};
    static constexpr std::int64_t value = parseFixedPoint<Decimals>(text);
};

}  // namespace lx::detail
