#pragma once
// Dez<S>: a decimal as the official plans compute with theirs - an integer
// mantissa and a number S of decimals fixed at compile time (the value is
// mantissa / 10^S). The mantissa is 64-bit; a product widens to a 128-bit
// mantissa (Dez<S, Int128>, alias DezBreit<S>) and adds the scales.
//
//   - a sum or difference aligns the scales (the result has the larger one);
//   - a product adds the scales and is exact;
//   - a division names its result scale and rounding: x.divide<2>(12, Round::Cut);
//   - a rescale names its rounding: x.rescale<0>(Round::Up); a value comes
//     back to Currency through toCurrency<decimals>(mode);
//   - comparison aligns the scales, never rounds.
//
// No floating point, no fraction. Every operation that does not fit its
// mantissa throws MoneyError, as does a division by zero. Scales are
// constants, so rounding by a power of ten compiles to a multiplication.

#include <compare>
#include <concepts>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <type_traits>

#include "Currency.h"
#include "DecimalLiteral.h"
#include "Int128.h"

namespace lx {

// How a value is brought to fewer decimals.
enum class Round {
    Cut,      // toward zero
    Up,       // away from zero (any remainder raises the magnitude)
    Floor,    // toward minus infinity
    Ceiling,  // toward plus infinity
    HalfUp,   // to nearest, halves away from zero
};

// Number of decimals for toCurrency(); named for readability at call sites.
inline constexpr int kEuros = 0;
inline constexpr int kCents = 2;
inline constexpr int kFull = 4;  // all four decimals of Currency

template <int S, class M = std::int64_t>
class Dez;
template <int S>
using DezBreit = Dez<S, Int128>;

namespace dezdetail {

template <class M>
inline constexpr bool kMantisse = std::is_same_v<M, std::int64_t> || std::is_same_v<M, Int128>;

// The wider of two mantissa types.
template <class A, class B>
using Breiter = std::conditional_t<std::is_same_v<A, Int128> || std::is_same_v<B, Int128>, Int128, std::int64_t>;

template <class M>
inline constexpr int kMaxScale = std::is_same_v<M, Int128> ? 38 : 18;

constexpr Int128 pow10(int n)
{
    Int128 r = 1;
    for (int i = 0; i < n; ++i) r *= 10;
    return r;
}

// 10^K, computed while compiling. A variable template rather than a consteval
// function: clang 14 refuses consteval calls whose argument is a template
// parameter.
template <int K>
inline constexpr Int128 kZehnHoch = pow10(K);

template <class M>
constexpr M add(M a, M b)
{
    M r;
    if (__builtin_add_overflow(a, b, &r)) throwOverflow();
    return r;
}
template <class M>
constexpr M sub(M a, M b)
{
    M r;
    if (__builtin_sub_overflow(a, b, &r)) throwOverflow();
    return r;
}
template <class M>
constexpr M mul(M a, M b)
{
    M r;
    if (__builtin_mul_overflow(a, b, &r)) throwOverflow();
    return r;
}
template <class M>
constexpr M narrow(Int128 a)
{
    if constexpr (std::is_same_v<M, Int128>) {
        return a;
    } else {
        if (a > INT64_MAX || a < INT64_MIN) throwOverflow();
        return static_cast<std::int64_t>(a);
    }
}

// n / d rounded by mode, d > 0.
template <class I>
constexpr I teile(I n, I d, Round mode)
{
    I q = n / d;  // toward zero
    I r = n % d;  // sign of n
    if (r == 0) return q;
    switch (mode) {
        case Round::Cut:
            return q;
        case Round::Up:
            return n < 0 ? q - 1 : q + 1;
        case Round::Floor:
            return r < 0 ? q - 1 : q;
        case Round::Ceiling:
            return r > 0 ? q + 1 : q;
        case Round::HalfUp: {
            const I betrag = r < 0 ? -r : r;
            if (betrag >= d - betrag) return n < 0 ? q - 1 : q + 1;
            return q;
        }
    }
    return q;
}

// m / 10^K rounded by mode, K a constant: 64-bit work whenever the value fits.
template <int K, class M>
constexpr M teileZehnHoch(M m, Round mode)
{
    if constexpr (K == 0) {
        return m;
    } else if constexpr (std::is_same_v<M, std::int64_t>) {
        if constexpr (K > 18) {
            return m == 0 ? 0 : static_cast<std::int64_t>(teile<Int128>(m, kZehnHoch<K>, mode));
        } else {
            return teile<std::int64_t>(m, static_cast<std::int64_t>(kZehnHoch<K>), mode);
        }
    } else {
        if (m >= INT64_MIN && m <= INT64_MAX) return teileZehnHoch<K, std::int64_t>(static_cast<std::int64_t>(m), mode);
        return teile<Int128>(m, kZehnHoch<K>, mode);
    }
}

// m * 10^K, checked.
template <int K, class M>
constexpr M malZehnHoch(M m)
{
    if constexpr (K == 0) {
        return m;
    } else {
        static_assert(K <= kMaxScale<M>, "scale too large for the mantissa");
        return mul<M>(m, static_cast<M>(kZehnHoch<K>));
    }
}

template <class M>
constexpr M abs(M m)
{
    return m < 0 ? sub<M>(0, m) : m;
}

std::string text(Int128 mantisse, int scale);

}  // namespace dezdetail

template <int S, class M>
class Dez {
    static_assert(S >= 0 && S <= dezdetail::kMaxScale<M>, "scale out of range");
    static_assert(dezdetail::kMantisse<M>, "mantissa is std::int64_t or Int128");

public:
    using Mantisse = M;
    static constexpr int kScale = S;

    constexpr Dez() = default;
    // mantissa / 10^S: Dez<2>::fromMantissa(1460) is 14.60
    static constexpr Dez fromMantissa(M m)
    {
        Dez d;
        d.m_ = m;
        return d;
    }
    static constexpr Dez integer(std::int64_t n) { return fromMantissa(dezdetail::malZehnHoch<S, M>(M(n))); }
    // Currency at four decimals or more (exact).
    static constexpr Dez from(Currency c) requires(S >= 4)
    {
        return fromMantissa(dezdetail::malZehnHoch<S - 4, M>(M(c.raw())));
    }

    constexpr M mantissa() const { return m_; }
    constexpr int sign() const { return m_ > 0 ? 1 : (m_ < 0 ? -1 : 0); }
    constexpr bool isZero() const { return m_ == 0; }
    constexpr bool isNegative() const { return m_ < 0; }

    // Same value at another scale: more decimals exactly, fewer by mode.
    template <int T, class N = M>
    constexpr Dez<T, N> rescale(Round mode) const
    {
        if constexpr (T >= S) {
            using W = dezdetail::Breiter<M, N>;
            return Dez<T, N>::fromMantissa(dezdetail::narrow<N>(dezdetail::malZehnHoch<T - S, W>(W(m_))));
        } else {
            return Dez<T, N>::fromMantissa(dezdetail::narrow<N>(dezdetail::teileZehnHoch<S - T, M>(m_, mode)));
        }
    }
    // Exact: the value at T >= S decimals.
    template <int T, class N = M>
    constexpr Dez<T, N> widen() const requires(T >= S)
    {
        return rescale<T, N>(Round::Cut);
    }
    // The 64-bit form of a wide value (throws when it does not fit).
    constexpr Dez<S> narrow() const { return Dez<S>::fromMantissa(dezdetail::narrow<std::int64_t>(m_)); }
    // Exact division by 10^K: the same mantissa at K more decimals.
    template <int K>
    constexpr Dez<S + K, M> div10() const
    {
        return Dez<S + K, M>::fromMantissa(m_);
    }

    // Brought to `Decimals` (0..4) decimals by mode, as Currency.
    template <int Decimals = kFull>
    constexpr Currency toCurrency(Round mode) const
    {
        static_assert(Decimals >= 0 && Decimals <= 4);
        const Dez<Decimals> r = rescale<Decimals, std::int64_t>(mode);
        return Currency::fromRaw(dezdetail::malZehnHoch<4 - Decimals, std::int64_t>(r.mantissa()));
    }
    // The whole part by mode.
    constexpr std::int64_t toInteger(Round mode) const { return rescale<0, std::int64_t>(mode).mantissa(); }

    // This value divided by d > 0 (or d < 0), at T decimals by mode: one exact integer division.
    template <int T, class D>
    requires std::integral<D>
    constexpr Dez<T> divide(D d, Round mode) const
    {
        if (d == 0) throwDivisionByZero();
        Int128 n = m_;
        Int128 nenner = d;
        if (nenner < 0) {
            n = dezdetail::sub<Int128>(0, n);
            nenner = -nenner;
        }
        if constexpr (T >= S) {
            n = dezdetail::malZehnHoch<T - S, Int128>(n);
        } else {
            nenner = dezdetail::malZehnHoch<S - T, Int128>(nenner);
        }
        if (n >= INT64_MIN && n <= INT64_MAX && nenner <= INT64_MAX)
            return Dez<T>::fromMantissa(dezdetail::teile<std::int64_t>(std::int64_t(n), std::int64_t(nenner), mode));
        return Dez<T>::fromMantissa(dezdetail::narrow<std::int64_t>(dezdetail::teile<Int128>(n, nenner, mode)));
    }
    template <int T, int U, class N>
    constexpr Dez<T> divide(Dez<U, N> d, Round mode) const
    {
        // (m / 10^S) / (d / 10^U) = (m * 10^U) / (d * 10^S)
        if (d.isZero()) throwDivisionByZero();
        Int128 n = m_;
        Int128 nenner = d.mantissa();
        if (nenner < 0) {
            n = dezdetail::sub<Int128>(0, n);
            nenner = dezdetail::sub<Int128>(0, nenner);
        }
        // scale of n / nenner is S - U; bring it to T
        constexpr int diff = T - (S - U);
        if constexpr (diff >= 0)
            n = dezdetail::malZehnHoch<diff, Int128>(n);
        else
            nenner = dezdetail::malZehnHoch<-diff, Int128>(nenner);
        if (n >= INT64_MIN && n <= INT64_MAX && nenner <= INT64_MAX)
            return Dez<T>::fromMantissa(dezdetail::teile<std::int64_t>(std::int64_t(n), std::int64_t(nenner), mode));
        return Dez<T>::fromMantissa(dezdetail::narrow<std::int64_t>(dezdetail::teile<Int128>(n, nenner, mode)));
    }

    constexpr Dez operator-() const { return fromMantissa(dezdetail::sub<M>(0, m_)); }

    // A whole-number factor keeps the scale.
    template <class I>
    requires std::integral<I>
    constexpr Dez operator*(I n) const { return fromMantissa(dezdetail::mul<M>(m_, M(n))); }

    constexpr Dez& operator+=(Dez o) { return *this = *this + o; }
    constexpr Dez& operator-=(Dez o) { return *this = *this - o; }

    std::string toString() const { return dezdetail::text(m_, S); }

private:
    M m_ = 0;
};

// Sums and differences align to the larger scale.
template <int A, class MA, int B, class MB>
constexpr auto operator+(Dez<A, MA> a, Dez<B, MB> b)
{
    constexpr int S = A > B ? A : B;
    using M = dezdetail::Breiter<MA, MB>;
    return Dez<S, M>::fromMantissa(dezdetail::add<M>(a.template rescale<S, M>(Round::Cut).mantissa(),
                                                     b.template rescale<S, M>(Round::Cut).mantissa()));
}
template <int A, class MA, int B, class MB>
constexpr auto operator-(Dez<A, MA> a, Dez<B, MB> b)
{
    constexpr int S = A > B ? A : B;
    using M = dezdetail::Breiter<MA, MB>;
    return Dez<S, M>::fromMantissa(dezdetail::sub<M>(a.template rescale<S, M>(Round::Cut).mantissa(),
                                                     b.template rescale<S, M>(Round::Cut).mantissa()));
}

// A product adds the scales; two 64-bit mantissas give an exact 128-bit one.
template <int A, class MA, int B, class MB>
constexpr DezBreit<A + B> operator*(Dez<A, MA> a, Dez<B, MB> b)
{
    return DezBreit<A + B>::fromMantissa(dezdetail::mul<Int128>(Int128(a.mantissa()), Int128(b.mantissa())));
}

template <int A, class MA, int B, class MB>
constexpr std::strong_ordering operator<=>(Dez<A, MA> a, Dez<B, MB> b)
{
    if constexpr (A == B) {
        return a.mantissa() <=> b.mantissa();
    } else {
        constexpr int S = A > B ? A : B;
        return a.template rescale<S, Int128>(Round::Cut).mantissa() <=>
               b.template rescale<S, Int128>(Round::Cut).mantissa();
    }
}
template <int A, class MA, int B, class MB>
constexpr bool operator==(Dez<A, MA> a, Dez<B, MB> b)
{
    return (a <=> b) == 0;
}

// Currency as the decimal it is (four decimals).
constexpr Dez<4> dez(Currency c)
{
    return Dez<4>::fromMantissa(c.raw());
}

template <int S, class M>
std::ostream& operator<<(std::ostream& os, const Dez<S, M>& d)
{
    return os << d.toString();
}

namespace dezdetail {

// Number of decimals a literal's digits give.
consteval int stellen(const char* s)
{
    int n = 0;
    bool punkt = false;
    for (; *s != '\0'; ++s) {
        if (*s == '.')
            punkt = true;
        else if (punkt && *s != '\'')
            ++n;
    }
    return n;
}

template <char... Ziffern>
struct Literal {
    static constexpr char text[] = {Ziffern..., '\0'};
    static constexpr int scale = stellen(text);
    static constexpr Dez<scale> value = Dez<scale>::fromMantissa(detail::parseFixedPoint<scale>(text));
};

}  // namespace dezdetail

inline namespace literals {
// A decimal constant at exactly the decimals it is written with: 0.42_d is
// Dez<2>, 0.016125_d is Dez<6>, 36_d is Dez<0>.
// Not consteval: clang 14 does not evaluate a consteval literal operator used
// inside a template and leaves an unresolved call; the value is a constant of
// Literal all the same, so a malformed literal still does not compile.
template <char... Ziffern>
constexpr auto operator""_d()
{
    return dezdetail::Literal<Ziffern...>::value;
}
}  // namespace literals

}  // namespace lx
