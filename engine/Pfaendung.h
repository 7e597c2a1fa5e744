#pragma once
// Exemption table of wage garnishment and the rounding down to whole tens.

#include "Currency.h"

namespace lx {

struct Pfaendungsfreigrenzen {
    Currency grundfreibetrag[6];  // by dependants 0, 1, 2, 3, 4, 5 or more
    Currency obergrenze;          // net above it is wholly garnishable
};

// The row of the period (1 July to 30 June) holding the year and month; the
// latest row also serves every later month.
const Pfaendungsfreigrenzen& PfaendungsfreigrenzenFuer(int jahr, int monat);

// Tenths of the amount above the basic exemption that stay free, by dependants.
int FreieZehntel(int unterhaltPers);

// The amount cut to whole tens of euros toward zero.
Currency AbrundeZehn(Currency betrag);

// Pay items garnishable only in part. Overtime pay: half of it, rounded to
// the cent, is garnishable and the same half stays exempt.
Currency UeberstundenHaelfte(Currency betrag);
// Christmas bonus: half of it, rounded to the cent, is garnishable, but all
// above 500,00 when half is more (at most 500,00 stay exempt).
Currency PfaendbaresWeihnachtsgeld(Currency betrag);
// The rest of it, which stays exempt: what the garnishable net is lowered by.
Currency UnpfaendbaresWeihnachtsgeld(Currency betrag);

}  // namespace lx
