#pragma once
// Kept for the few exact fractions of forms/ and payslip/; the plans and the
// engine compute with Dez (Dez.h), which needs no reduction.
//
// Exact wide value: a fraction of two 128-bit integers, always reduced, with a
// positive denominator. Products and quotients of amounts and rates are held
// this way without any loss; a value turns back into Currency (or into a
// shorter Exact) only through round()/toCurrency() with a rounding named at the
// call. Overflow and division by zero throw MoneyError.

#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "Currency.h"
#include "Dez.h"
#include "Int128.h"

namespace lx {

class Exact {
public:
    constexpr Exact() = default;
    Exact(Currency c);  // NOLINT(google-explicit-constructor): widening never loses anything

    static Exact integer(std::int64_t n);
    static Exact ratio(Int128 numerator, Int128 denominator);
    // mantissa / 10^scale, e.g. decimal(1460, 2) is 14.60
    static Exact decimal(Int128 mantissa, int scale);

    Int128 numerator() const { return num_; }
    Int128 denominator() const { return den_; }
    int sign() const { return num_ > 0 ? 1 : (num_ < 0 ? -1 : 0); }
    bool isZero() const { return num_ == 0; }

    Exact operator+(const Exact& o) const;
    Exact operator-(const Exact& o) const;
    Exact operator*(const Exact& o) const;
    Exact operator/(const Exact& o) const;
    Exact operator-() const;
    Exact operator*(std::int64_t n) const { return *this * integer(n); }
    Exact operator/(std::int64_t n) const { return *this / integer(n); }
    Exact& operator+=(const Exact& o) { return *this = *this + o; }
    Exact& operator-=(const Exact& o) { return *this = *this - o; }

    std::strong_ordering operator<=>(const Exact& o) const;
    bool operator==(const Exact& o) const { return num_ == o.num_ && den_ == o.den_; }

    // The value brought to `decimals` decimals (0..30) by `mode`.
    Exact round(Round mode, int decimals) const;
    // The value brought to `decimals` decimals (0..4) as Currency.
    Currency toCurrency(Round mode, int decimals) const;
    // Whole part by `mode`, as a plain integer.
    std::int64_t toInteger(Round mode) const;

    // Decimal text ("12.345") when the value has a finite decimal form of at
    // most 30 digits after the point, else "num/den"; for diagnostics.
    std::string toString() const;

private:
    Exact(Int128 num, Int128 den, bool reduced);
    Int128 num_ = 0;
    Int128 den_ = 1;
};

// Products and quotients of amounts widen to Exact.
inline Exact operator*(Currency a, Currency b) { return Exact(a) * Exact(b); }
inline Exact operator/(Currency a, Currency b) { return Exact(a) / Exact(b); }
inline Exact operator/(Currency a, std::int64_t n) { return Exact(a) / n; }
inline Exact operator*(Currency a, const Exact& b) { return Exact(a) * b; }
inline Exact operator/(Currency a, const Exact& b) { return Exact(a) / b; }

std::ostream& operator<<(std::ostream& os, const Exact& e);

// The rules of PlanRundung.h and LxMath.h on fractions.
Currency RundeCentExakt(const Exact& x);      // Int(100x + 0.5) / 100
Currency AufrundenCentExakt(const Exact& x);  // Int(100x + 0.9) / 100
Currency AbrundenCentExakt(const Exact& x);   // cut toward zero to cents
Currency AbrundenEuroExakt(const Exact& x);   // cut toward zero to whole units
// Truncation toward zero by mode: 1 whole part, 2..7 keep 1..6 decimals; other modes keep the value.
Exact Abschneiden(int mode, const Exact& x);

}  // namespace lx
