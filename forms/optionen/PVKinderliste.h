#pragma once
// The options dialog's number-of-children list and the care rate it shows:
// the rate less the child discount (0,25 points per child from the second, at
// most 1,00), as the engine takes it off from July 2023.

#include <algorithm>
#include <string>
#include <string_view>

#include "AmountText.h"
#include "Currency.h"
#include "Rechengroessen.h"

namespace lx {

inline constexpr std::string_view kPVKinderTexte[] = {"0 Kinder", "1 Kind",   "2 Kinder",
                                                      "3 Kinder", "4 Kinder", "5 oder mehr Kinder"};

// "1 Kind" 1 ... "5 oder mehr Kinder" 5; any other text 0.
inline int PVKinderAnzahl(std::string_view text)
{
    for (int i = 1; i <= 5; ++i) {
        if (text == kPVKinderTexte[i]) return i;
    }
    return 0;
}

// The list's text for a number of children; 5 and more "5 oder mehr Kinder".
inline std::string PVKinderText(int kinder)
{
    return std::string(kPVKinderTexte[std::clamp(kinder, 0, 5)]);
}

// The care rate for `kinder` children, "#,##0.00" followed by "%".
inline std::string PnlPVSatz(Currency satz, int kinder)
{
    return formatAmount(satz - PVKinderAbschlagFuer(std::clamp(kinder, 0, 5))) + "%";
}

}  // namespace lx
