#pragma once
// The pension tables TAB1 to TAB5 of the flow plans (the same in every plan
// from 2005 on): allowance for pension payments and old-age relief by the year
// in which the pension began (TAB1..TAB3) or the relief first applied (TAB4, TAB5).

#include "Currency.h"
#include "Dez.h"

namespace lx {

// Index of a year: 1 up to 2005, the year - 2004 up to 2039, 36 from 2040 (whose entries are 0).
int versorgungsIndex(int jahr);

Dez<3> TAB1(int index);    // pension allowance, fraction
Currency TAB2(int index);  // maximum pension allowance, euros
Currency TAB3(int index);  // pension allowance supplement, euros
Dez<3> TAB4(int index);    // old-age relief, fraction
Currency TAB5(int index);  // maximum old-age relief, euros

}  // namespace lx
