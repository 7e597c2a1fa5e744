#include "Jahresliste.h"

#include "DatumUnit.h"
#include "Rechengroessen.h"

namespace lx {

std::vector<std::string> JahreDerListe()
{
    std::vector<std::string> j;
    for (int jahr = kLetztesRechenjahr; jahr >= kErstesListenjahr; --jahr) j.push_back(std::to_string(jahr));
    return j;
}

const std::vector<std::string>& MonateDerListe()
{
    static const std::vector<std::string> monate(kMonatsnamen.begin(), kMonatsnamen.end());
    return monate;
}

}  // namespace lx
