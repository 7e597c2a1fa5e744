#pragma once
// The rounding rules of LxMath.h for exact intermediate values (products with
// rates, quotients), which may carry more decimals than Currency holds. Each
// gives the same result as its LxMath rule on the exact decimal value.

#include "Currency.h"
#include "Dez.h"
#include "LxMath.h"

namespace lx {

// The same rules on decimals of any scale.
template <int S, class M>
Currency RundeCentExakt(Dez<S, M> x)
{
    return (x + 0.005_d).template toCurrency<kCents>(Round::Cut);
}
template <int S, class M>
Currency AufrundenCentExakt(Dez<S, M> x)
{
    return (x + 0.009_d).template toCurrency<kCents>(Round::Cut);
}
template <int S, class M>
Currency RundeModusExakt(int mode, Dez<S, M> x)
{
    return RundeModus(mode, RundeCentExakt(x));
}
template <int S, class M>
Currency AbrundenCentExakt(Dez<S, M> x)
{
    return x.template toCurrency<kCents>(Round::Cut);
}
template <int S, class M>
Currency AbrundenEuroExakt(Dez<S, M> x)
{
    return x.template toCurrency<kEuros>(Round::Cut);
}
// RundeCentExakt(n / d) in one exact division, d a whole number or a decimal:
// Int(100 n / d + 0.5) / 100 is (n + 0.005 d) / d cut, once d is positive.
template <int S, class M, class D>
Currency RundeCentQuotient(Dez<S, M> n, D d)
{
    if (d.isZero()) throwDivisionByZero();
    if (d.isNegative()) return RundeCentQuotient(-n, -d);
    return (n + 0.005_d * d).template divide<kCents>(d, Round::Cut).toCurrency(Round::Cut);
}
template <int S, class M, class I>
requires std::integral<I> Currency RundeCentQuotient(Dez<S, M> n, I d)
{
    return RundeCentQuotient(n, Dez<0>::integer(d));
}
template <int S, class M>
Currency RundeCentQuotient(Dez<S, M> n, Currency d)
{
    return RundeCentQuotient(n, dez(d));
}
// x / 5 exactly (one more decimal).
template <int S, class M>
constexpr Dez<S + 1, M> Fuenftel(Dez<S, M> x)
{
    return (x * 2).template div10<1>();
}
// x / 2 exactly (one more decimal).
template <int S, class M>
constexpr Dez<S + 1, M> Haelfte(Dez<S, M> x)
{
    return (x * 5).template div10<1>();
}

}  // namespace lx
