#pragma once
// The marginal-employment limit of the mini-job codes and the information
// shown when the SV gross is above it.

#include <optional>
#include <string>
#include <string_view>

#include "Currency.h"

namespace lx {

// The marginal-employment limit for a mini-job code ("6500", "0500", "6100")
// in the years the year list offers, else none.
std::optional<Currency> Geringfuegigkeitsgrenze(std::string_view bgr, int jahr, int monat);
// The information when the SV gross is above the limit.
std::optional<std::string> MinijobHinweis(std::string_view bgr, int jahr, int monat, Currency svBrutto);

}  // namespace lx
