#pragma once
// 128-bit integer helpers for the exact money arithmetic. Every operation that
// could wrap around checks for overflow and throws MoneyError instead.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace lx {

__extension__ typedef __int128 Int128;
__extension__ typedef unsigned __int128 UInt128;

// Overflow or division by zero in money arithmetic: a programming or input
// error, never a value to carry on with.
class MoneyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throw MoneyError for an overflow or a division by zero.
[[noreturn]] void throwOverflow();
[[noreturn]] void throwDivisionByZero();

Int128 checkedAdd(Int128 a, Int128 b);
Int128 checkedSub(Int128 a, Int128 b);
Int128 checkedMul(Int128 a, Int128 b);
Int128 checkedNeg(Int128 a);
std::int64_t narrowToInt64(Int128 a);

// 10^n for n in 0..38.
Int128 pow10(int n);

// Greatest common divisor of |a| and |b| (gcd(0, 0) is 0).
Int128 gcd(Int128 a, Int128 b);

std::string toString(Int128 a);

}  // namespace lx
