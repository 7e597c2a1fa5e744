#include "Exact.h"

#include <ostream>

namespace lx {

namespace {
Int128 abs128(Int128 a) { return a < 0 ? checkedNeg(a) : a; }
}  // namespace

Exact::Exact(Int128 num, Int128 den, bool reduced) : num_(num), den_(den)
{
    if (den_ == 0) throw MoneyError("Division durch null");
    if (den_ < 0) {
        num_ = checkedNeg(num_);
        den_ = checkedNeg(den_);
    }
    if (!reduced) {
        Int128 g = gcd(num_, den_);
        if (g > 1) {
            num_ /= g;
            den_ /= g;
        }
    }
    if (num_ == 0) den_ = 1;
}

Exact::Exact(Currency c) : Exact(c.raw(), Currency::kScale, false) {}

Exact Exact::integer(std::int64_t n) { return Exact(n, 1, true); }

Exact Exact::ratio(Int128 numerator, Int128 denominator) { return Exact(numerator, denominator, false); }

Exact Exact::decimal(Int128 mantissa, int scale) { return Exact(mantissa, pow10(scale), false); }

Exact Exact::operator+(const Exact& o) const
{
    // a/b + c/d over the common denominator lcm(b, d)
    Int128 g = gcd(den_, o.den_);
    Int128 left = checkedMul(num_, o.den_ / g);
    Int128 right = checkedMul(o.num_, den_ / g);
    return Exact(checkedAdd(left, right), checkedMul(den_, o.den_ / g), false);
}

Exact Exact::operator-(const Exact& o) const { return *this + (-o); }

Exact Exact::operator-() const { return Exact(checkedNeg(num_), den_, true); }

Exact Exact::operator*(const Exact& o) const
{
    // cross-reduce first to keep the intermediates small
    Int128 g1 = gcd(num_, o.den_);
    Int128 g2 = gcd(o.num_, den_);
    if (g1 == 0) g1 = 1;
    if (g2 == 0) g2 = 1;
    return Exact(checkedMul(num_ / g1, o.num_ / g2), checkedMul(den_ / g2, o.den_ / g1), false);
}

Exact Exact::operator/(const Exact& o) const
{
    if (o.num_ == 0) throw MoneyError("Division durch null");
    return *this * Exact(o.den_, o.num_, false);
}

std::strong_ordering Exact::operator<=>(const Exact& o) const
{
    int s = (*this - o).sign();
    return s < 0 ? std::strong_ordering::less
                 : (s > 0 ? std::strong_ordering::greater : std::strong_ordering::equal);
}

Exact Exact::round(Round mode, int decimals) const
{
    if (decimals < 0 || decimals > 30) throw MoneyError("Unzulässige Anzahl von Dezimalstellen");
    Int128 scaled = checkedMul(num_, pow10(decimals));
    Int128 q = scaled / den_;  // truncates toward zero
    Int128 r = scaled % den_;  // same sign as scaled
    if (r != 0) {
        int s = scaled < 0 ? -1 : 1;
        bool bump = false;
        switch (mode) {
        case Round::Cut: break;
        case Round::Up: bump = true; break;
        case Round::Floor: bump = s < 0; break;
        case Round::Ceiling: bump = s > 0; break;
        case Round::HalfUp: bump = checkedMul(abs128(r), 2) >= den_; break;
        }
        if (bump) q = checkedAdd(q, s);
    }
    return Exact(q, pow10(decimals), false);
}

Currency Exact::toCurrency(Round mode, int decimals) const
{
    if (decimals < 0 || decimals > 4) throw MoneyError("Unzulässige Anzahl von Dezimalstellen");
    Exact r = round(mode, decimals);
    // r's denominator divides 10^decimals, hence 10^4
    Int128 raw = checkedMul(r.num_, Currency::kScale / r.den_);
    return Currency::fromRaw(narrowToInt64(raw));
}

std::int64_t Exact::toInteger(Round mode) const { return narrowToInt64(round(mode, 0).num_); }

std::string Exact::toString() const
{
    Int128 d = den_;
    int twos = 0, fives = 0;
    while (d % 2 == 0) { d /= 2; ++twos; }
    while (d % 5 == 0) { d /= 5; ++fives; }
    int digits = twos > fives ? twos : fives;
    if (d != 1 || digits > 30) return lx::toString(num_) + "/" + lx::toString(den_);
    Int128 mantissa = num_ * (pow10(digits) / den_);
    bool negative = mantissa < 0;
    std::string text = lx::toString(negative ? -mantissa : mantissa);
    if (digits > 0) {
        if (int(text.size()) <= digits) text.insert(0, std::size_t(digits + 1 - int(text.size())), '0');
        text.insert(text.size() - std::size_t(digits), ".");
    }
    return (negative ? "-" : "") + text;
}

std::ostream& operator<<(std::ostream& os, const Exact& e) { return os << e.toString(); }

namespace {
// Int(100x + offset) / 100: the offset is added before the cut toward zero, whatever the sign.
Currency centNachVersatz(const Exact& x, const Exact& versatz)
{
    return Currency::fromCents((x * 100 + versatz).toInteger(Round::Cut));
}
}  // namespace

Currency RundeCentExakt(const Exact& x) { return centNachVersatz(x, Exact::ratio(1, 2)); }
Currency AufrundenCentExakt(const Exact& x) { return centNachVersatz(x, Exact::ratio(9, 10)); }
Currency AbrundenCentExakt(const Exact& x) { return x.toCurrency(Round::Cut, kCents); }
Currency AbrundenEuroExakt(const Exact& x) { return x.toCurrency(Round::Cut, kEuros); }

Exact Abschneiden(int mode, const Exact& x)
{
    if (mode < 1 || mode > 7) return x;
    return x.round(Round::Cut, mode - 1);
}

}  // namespace lx
