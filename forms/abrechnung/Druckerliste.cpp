#include "Druckerliste.h"

#include <algorithm>

namespace lx {

DruckerAuswahl DruckerListe(const DruckerKatalog& katalog)
{
    DruckerAuswahl a;
    a.eintraege = katalog.drucker();
    // Without a printer the PDF file is the one way to print: chosen at once.
    a.gewaehlt = 0;
    if (!a.eintraege.empty()) {
        auto it = std::find(a.eintraege.begin(), a.eintraege.end(), katalog.standardDrucker());
        if (it != a.eintraege.end()) a.gewaehlt = static_cast<int>(it - a.eintraege.begin());
    }
    a.eintraege.emplace_back(kPdfDatei);
    a.text = a.eintraege[static_cast<std::size_t>(a.gewaehlt)];
    return a;
}

}  // namespace lx
