#pragma once
// Opens the tariff routines of any plan table for tests.

#include "Dez.h"
#include "PlanModul.h"

namespace lx::test {

class PlanPruefling : public PlanModul {
public:
    using PlanModul::PlanModul;

    // ST of an amount X as MLSTJAHR hands it on: UPTAB in classes 1 to 4 (X
    // already split in class 3), MST5_6 in classes 5 and 6.
    Currency tarif(Currency X, int stkl)
    {
        z_ = PlanZustand{};
        z_.STKL = stkl;
        z_.KZTAB = stkl == 3 ? 2 : 1;
        z_.X = X;
        if (stkl < 5)
            UPTAB();
        else
            MST5_6();
        return z_.ST;
    }

    // ST of an annual taxable income: classes 1 to 4 split it by KZTAB first.
    Currency st(Currency X, int stkl)
    {
        const Currency geteilt =
            stkl < 5 ? dez(X).divide<kEuros>(stkl == 3 ? 2 : 1, Round::Cut).toCurrency(Round::Cut) : X;
        return tarif(geteilt, stkl);
    }
};

}  // namespace lx::test
