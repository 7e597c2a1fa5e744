#include "Druckerliste.h"

#include <algorithm>

namespace lx {

DruckerAuswahl DruckerListe(const DruckerKatalog& katalog)
{
    DruckerAuswahl a;
    a.eintraege = katalog.drucker();
    if (a.eintraege.empty()) {
        a.text = std::string(kKeinDrucker);
    } else {
        auto it = std::find(a.eintraege.begin(), a.eintraege.end(), katalog.standardDrucker());
        a.gewaehlt = it == a.eintraege.end() ? 0 : static_cast<int>(it - a.eintraege.begin());
        a.text = a.eintraege[static_cast<std::size_t>(a.gewaehlt)];
    }
    a.eintraege.emplace_back(kPdfDatei);
    return a;
}

}  // namespace lx
