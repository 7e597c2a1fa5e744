#pragma once
// The rounding rules of LxMath.h for exact intermediate values (products with
// rates, quotients), which may carry more decimals than Currency holds. Each
// gives the same result as its LxMath rule on the exact decimal value.

#include "Currency.h"
#include "Exact.h"

namespace lx {

Currency RundeCentExakt(const Exact& x);             // Int(100x + 0.5) / 100
Currency AufrundenCentExakt(const Exact& x);         // Int(100x + 0.9) / 100
Currency RundeModusExakt(int mode, const Exact& x);  // RundeModus of RundeCentExakt(x)
Currency AbrundenCentExakt(const Exact& x);          // cut toward zero to cents
Currency AbrundenEuroExakt(const Exact& x);          // cut toward zero to whole units

}  // namespace lx
