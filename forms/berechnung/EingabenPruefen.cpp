#include "EingabenPruefen.h"

#include <string_view>

#include "Kennzeichen.h"
#include "Optionen.h"
#include "optionen/OptionenZustand.h"

namespace lx {

namespace {

std::optional<Stopp> bereich(std::string_view name, int wert, int von, int bis, std::optional<OptionenSeite> seite,
                             std::string_view fokus)
{
    if (wert >= von && wert <= bis) return std::nullopt;
    return Stopp{std::string(name) + ": \"" + std::to_string(wert) + "\" ist kein gültiger Wert (" +
                     std::to_string(von) + " bis " + std::to_string(bis) + ")",
                 seite ? SeitenNr(*seite) : kHauptfenster, std::string(fokus)};
}

}  // namespace

std::optional<Stopp> PruefeEingaben(const BerechnungsEingaben& w)
{
    if (w.vbBlock() && w.vbErsterVers == 0_cur) {
        return Stopp{"Bitte Grundlagen für Versor-\rgungsfreibetrag eingeben",
                     SeitenNr(OptionenSeite::Versorgungsbezuege), "VBVEdiErsterVers"};
    }
    if (ZeichenAn(w.bgr, 1) != "0" && w.rvBes != RVBesonderheit::Keine) {
        return Stopp{"RV Versorgungswerk nur bei RV-BGR 0 möglich", kHauptfenster, ""};
    }
    if (w.zvArt == "individuell" && w.zvSatzAG == 0_cur && w.zvSatzAN == 0_cur) {
        return Stopp{"Bitte-ZV-Umlagesätze eingeben", SeitenNr(OptionenSeite::Zusatzversicherung), "ZVVEdiPAGA"};
    }
    if (auto s = bereich("Steuerklasse", w.stKl, 0, 6, std::nullopt, "LEdiStKl")) return s;
    if (auto s = bereich("Steuertage", w.stTage, 1, 30, OptionenSeite::Lohnsteuer, "LSTVEdiStTage")) return s;
    if (auto s = bereich("SV-Tage", w.svTage, 1, 30, OptionenSeite::Sozialversicherung, "SVVEdiSVTage")) return s;
    if (auto s = bereich("SV-Tage bis einschl. Vormonat", w.svTageVorher, 0, 330, OptionenSeite::Einmalbezuege,
                         "EBVEdiTgVor"))
        return s;
    if (w.vbBlock()) {
        if (auto s = bereich("Zahl der Monate, für die Versorgungsbezug gezahlt wird", w.vbMonate, 1, 12,
                             OptionenSeite::Versorgungsbezuege, "VBVEdiMonate")) {
            return s;
        }
    }
    return std::nullopt;
}

}  // namespace lx
