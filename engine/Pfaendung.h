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
// Christmas bonus (ZPO § 850a Nr. 4): exempt up to the amount below, the rest
// garnishable. Up to 2021 half of the month's pay `monatsverdienst` (the
// payments beside the bonus), at most 500,00; from 1 January 2022 half of the
// month's basic exemption for no dependant, rounded up to full ten euros.
Currency WeihnachtsgeldFreibetrag(int jahr, int monat, Currency monatsverdienst);
// The part that stays exempt, what the garnishable net is lowered by, and the rest.
Currency UnpfaendbaresWeihnachtsgeld(Currency betrag, int jahr, int monat, Currency monatsverdienst);
Currency PfaendbaresWeihnachtsgeld(Currency betrag, int jahr, int monat, Currency monatsverdienst);

}  // namespace lx
