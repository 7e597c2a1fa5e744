#include "Beitragsrundung.h"

#include "LxMath.h"

namespace lx {

Exact Prozent(Currency betrag, Currency satz)
{
    return betrag * satz / 100;
}

Exact Prozent(const Exact& betrag, Currency satz)
{
    return betrag * Exact(satz) / 100;
}

Currency Gerundet(const Exact& x)
{
    return RundeCent(Abschneiden(4, x).toCurrency(Round::Cut, 3));
}

Currency HalberSatz(Currency satz)
{
    return (Exact(satz) / 2).toCurrency(Round::HalfUp, kFull);
}

}  // namespace lx
