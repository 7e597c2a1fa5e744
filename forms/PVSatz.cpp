#include "PVSatz.h"

#include <algorithm>
#include <array>

#include "AmountText.h"

namespace lx {

namespace {

constexpr std::array<std::string_view, 6> kTexte = {"0 Kinder", "1 Kind",   "2 Kinder",
                                                    "3 Kinder", "4 Kinder", "5 oder mehr Kinder"};

}  // namespace

int PVKinderZahl(std::string_view text)
{
    for (std::size_t i = 1; i < kTexte.size(); ++i) {
        if (kTexte[i] == text) return static_cast<int>(i);
    }
    return 0;
}

std::string PVKinderText(int kinder)
{
    return std::string(kTexte[static_cast<std::size_t>(std::clamp(kinder, 0, 5))]);
}

Currency PVSatzFuerKinder(Currency satz, int kinder)
{
    const int abschlaege = std::clamp(kinder, 1, 5) - 1;
    return satz - 0.25_cur * abschlaege;
}

std::string PVSatzText(Currency satz)
{
    return formatAmount(satz) + "%";
}

}  // namespace lx
