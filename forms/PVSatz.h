#pragma once
// The care-insurance rate by number of children and the children list's texts,
// shared by the options dialog's children list and the main window's check of
// the children before a calculation.

#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

// "1 Kind" 1, "2 Kinder" 2, "3 Kinder" 3, "4 Kinder" 4, "5 oder mehr Kinder" 5;
// any other text ("0 Kinder" among them) 0.
int PVKinderZahl(std::string_view text);

// The list's text for a number of children: 0 (or less) "0 Kinder", 5 and more
// "5 oder mehr Kinder".
std::string PVKinderText(int kinder);

// The care rate less 0,25 percentage points for each child from the second,
// at most 1,00 (five children and more).
Currency PVSatzFuerKinder(Currency satz, int kinder);

// "#,##0.00" followed by "%": 2,90%.
std::string PVSatzText(Currency satz);

}  // namespace lx
