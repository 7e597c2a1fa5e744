#pragma once
// The engine's rounding of contributions and the application of percentage
// rates. Every product is formed exactly; it becomes an amount only through
// one of the roundings below.

#include "Currency.h"
#include "Dez.h"
#include "LxMath.h"
#include "PlanRundung.h"  // RundeCentExakt, AbrundenCentExakt, RundeCentQuotient, Haelfte

namespace lx {

// amount x rate / 100, exactly (rates are percent: 14.60 is 14.6000)
inline DezBreit<10> Prozent(Currency betrag, Currency satz)
{
    return (dez(betrag) * dez(satz)).div10<2>();
}

// "Rounded": cut to three decimals, then to cents by the RundeCent rule.
template <int S, class M>
Currency Gerundet(Dez<S, M> x)
{
    return RundeCent(x.template toCurrency<3>(Round::Cut));
}

// A rate divided by two at Currency precision.
inline Currency HalberSatz(Currency satz)
{
    return Haelfte(dez(satz)).toCurrency(Round::HalfUp);
}

}  // namespace lx
