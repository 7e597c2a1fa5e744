#pragma once
// The rules of part time, free of any window: a full-time amount scaled by the
// ratio of weekly hours and rounded by the row's own rounding code.

#include <optional>
#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

// The RundeModus mode of a rounding code: "kfm" 1, "0,10" 2, "0,50" 3,
// "1,00" 4; any other code rounds commercially (1).
int TeilzeitRundungsModus(std::string_view code);

// The message when the full-time hours cannot scale anything (0 or below),
// else nullopt.
std::optional<std::string> PruefeTeilzeitStunden(Currency vollzeitStunden);

// RundeModus(mode of the code, V / full-time hours × part-time hours), the
// quotient kept at four decimals. The full-time hours must be above 0
// (PruefeTeilzeitStunden); 0 raises MoneyError.
Currency TeilzeitBetrag(Currency V, Currency teilzeitStunden, Currency vollzeitStunden, std::string_view code);

}  // namespace lx
