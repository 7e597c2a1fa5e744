#include "Geringfuegigkeitsgrenze.h"

#include "AmountText.h"
#include "Rechengroessen.h"

namespace lx {

std::optional<Currency> Geringfuegigkeitsgrenze(std::string_view bgr, int jahr, int monat)
{
    if (bgr != "6500" && bgr != "0500" && bgr != "6100") return std::nullopt;
    if (jahr < kErstesListenjahr) return std::nullopt;
    return GleitzoneUntergrenze(jahr, monat);
}

std::optional<std::string> MinijobHinweis(std::string_view bgr, int jahr, int monat, Currency svBrutto)
{
    const auto grenze = Geringfuegigkeitsgrenze(bgr, jahr, monat);
    if (!grenze || *grenze >= svBrutto) return std::nullopt;
    return "Die Geringfügigkeitsgrenze beträgt " + formatAmount(*grenze, 0, false) + " Euro";
}

}  // namespace lx
