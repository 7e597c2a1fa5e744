#include "PlanRundung.h"

#include "LxMath.h"

namespace lx {

namespace {
// Int(100x + offset) / 100: the offset is added before the cut toward zero, whatever the sign.
Currency centNachVersatz(const Exact& x, const Exact& versatz)
{
    return Currency::fromCents((x * 100 + versatz).toInteger(Round::Cut));
}
}  // namespace

Currency RundeCentExakt(const Exact& x)
{
    return centNachVersatz(x, Exact::ratio(1, 2));
}

Currency AufrundenCentExakt(const Exact& x)
{
    return centNachVersatz(x, Exact::ratio(9, 10));
}

Currency RundeModusExakt(int mode, const Exact& x)
{
    return RundeModus(mode, RundeCentExakt(x));
}

Currency AbrundenCentExakt(const Exact& x)
{
    return x.toCurrency(Round::Cut, kCents);
}

Currency AbrundenEuroExakt(const Exact& x)
{
    return x.toCurrency(Round::Cut, kEuros);
}

}  // namespace lx
