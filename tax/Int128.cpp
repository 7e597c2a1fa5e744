#include "Int128.h"

namespace lx {

void throwOverflow()
{
    throw MoneyError("Überlauf bei einer Betragsberechnung");
}
void throwDivisionByZero()
{
    throw MoneyError("Division durch null");
}

namespace {
[[noreturn]] void overflow()
{
    throwOverflow();
}
}  // namespace

Int128 checkedAdd(Int128 a, Int128 b)
{
    Int128 r;
    if (__builtin_add_overflow(a, b, &r)) overflow();
    return r;
}

Int128 checkedSub(Int128 a, Int128 b)
{
    Int128 r;
    if (__builtin_sub_overflow(a, b, &r)) overflow();
    return r;
}

Int128 checkedMul(Int128 a, Int128 b)
{
    Int128 r;
    if (__builtin_mul_overflow(a, b, &r)) overflow();
    return r;
}

Int128 checkedNeg(Int128 a)
{
    return checkedSub(0, a);
}

std::int64_t narrowToInt64(Int128 a)
{
    if (a > INT64_MAX || a < INT64_MIN) overflow();
    return static_cast<std::int64_t>(a);
}

Int128 pow10(int n)
{
    if (n < 0 || n > 38) throw MoneyError("Unzulässige Anzahl von Dezimalstellen");
    Int128 r = 1;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}

Int128 gcd(Int128 a, Int128 b)
{
    UInt128 x = a < 0 ? UInt128(0) - UInt128(a) : UInt128(a);
    UInt128 y = b < 0 ? UInt128(0) - UInt128(b) : UInt128(b);
    while (y != 0) {
        UInt128 t = x % y;
        x = y;
        y = t;
    }
    return Int128(x);
}

std::string toString(Int128 a)
{
    if (a == 0) return "0";
    bool negative = a < 0;
    UInt128 u = negative ? UInt128(0) - UInt128(a) : UInt128(a);
    std::string digits;
    while (u != 0) {
        digits.insert(digits.begin(), char('0' + int(u % 10)));
        u /= 10;
    }
    return negative ? "-" + digits : digits;
}

}  // namespace lx
