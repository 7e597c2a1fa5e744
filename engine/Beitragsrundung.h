#pragma once
// The engine's rounding of contributions and the application of percentage
// rates. Every product is formed exactly; it becomes an amount only through
// one of the roundings below.

#include "Currency.h"
#include "Exact.h"
#include "PlanRundung.h"  // RundeCentExakt, AbrundenCentExakt

namespace lx {

// amount x rate / 100, exactly (rates are percent: 14.60 is 14.6000)
Exact Prozent(Currency betrag, Currency satz);
Exact Prozent(const Exact& betrag, Currency satz);

// "Rounded": cut to three decimals, then to cents by the RundeCent rule.
Currency Gerundet(const Exact& x);

// A rate divided by two at Currency precision.
Currency HalberSatz(Currency satz);

}  // namespace lx
