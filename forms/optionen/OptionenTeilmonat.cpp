#include "OptionenZustand.h"
#include "Seitenbausteine.h"

namespace lx {

namespace {

constexpr int kHilfe = 3010;

// A day field: two digits, no decimals. The maximum of every day field follows
// the month (ActTeilmonatGrund); 31 until the month is known.
Steuerelement tagFeld(std::string_view name, std::string_view label, std::string_view hint, int min, std::string preset,
                      std::optional<std::string> reset)
{
    return {.name = name,
            .kind = SteuerArt::ValueEdit,
            .label = label,
            .hint = hint,
            .min = Currency::fromUnits(min),
            .max = 31_cur,
            .decimals = 0,
            .length = 2,
            .preset = std::move(preset),
            .reset = std::move(reset),
            .help = kHilfe};
}

Steuerelement grund(std::string_view name, std::string_view label)
{
    return {.name = name, .kind = SteuerArt::Edit, .label = label, .length = 30, .reset = "", .help = kHilfe};
}

const std::vector<std::string>& teilmonatRegeln()
{
    static const std::vector<std::string> regeln = {
        "Anwesenheitsregel (zu bez. Kal.-Tage (max. 30) : 30 Tage)",
        "Kalendertageregel (zu bez. Kal.-Tage : tats. Kal.-Tage)",
        "Abwesenheitsregel ((30 - tats. Kal.-Tage + zu bez. Kal.-Tage) : 30 Tage)",
        "Arbeitstageregel (Montag bis Freitag bezahlen)",
    };
    return regeln;
}

}  // namespace

std::vector<Eintrag<Opt>> optionenTeilmonat()
{
    return {
        {Opt::TBComboJaNein,
         {.name = "TBComboJaNein",
          .kind = SteuerArt::Combo,
          .label = "Teilmonatsberechnung:",
          .items = {"ja", "nein"},
          .preset = "nein",
          .reset = "nein",
          .help = kHilfe,
          .colour = Farbe::Red}},
        {Opt::TBVEdiVon, tagFeld("TBVEdiVon", "Im aktuellen Abrechnungsmonat beschäftigt vom:",
                                 "wenn Eintritt im laufenden Monat", 1, "1", std::nullopt)},
        {Opt::TBVEdiBis, tagFeld("TBVEdiBis", "bis", "wenn Austritt im laufenden Monat", 1, "31", std::nullopt)},
        {Opt::TBVEdiUB1Von, tagFeld("TBVEdiUB1Von", "Unterbrechung 1:", {}, 0, "0", "0")},
        {Opt::TBVEdiUB1Bis, tagFeld("TBVEdiUB1Bis", "bis", {}, 0, "0", "0")},
        {Opt::TBLEdiGrund1, grund("TBLEdiGrund1", "Grund 1:")},
        {Opt::TBVEdiUB2Von, tagFeld("TBVEdiUB2Von", "Unterbrechung 2:", {}, 0, "0", "0")},
        {Opt::TBVEdiUB2Bis, tagFeld("TBVEdiUB2Bis", "bis", {}, 0, "0", "0")},
        {Opt::TBLEdiGrund2, grund("TBLEdiGrund2", "Grund 2:")},
        {Opt::TBComboRegel,
         {.name = "TBComboRegel",
          .kind = SteuerArt::Combo,
          .label = "Kürzungsregel:",
          .items = teilmonatRegeln(),
          .preset = teilmonatRegeln()[2],
          .reset = teilmonatRegeln()[2],
          .help = kHilfe}},
        {Opt::TALabCapTage,
         {.name = "TALabCapTage", .kind = SteuerArt::Label, .preset = "Januar 2008 = ", .help = kHilfe}},
        {Opt::TALabKalArb,
         {.name = "TALabKalArb",
          .kind = SteuerArt::Label,
          .preset = "31 Kalendertage / 22 Arbeitstage",
          .help = kHilfe}},
        {Opt::TALView,
         {.name = "TALView",
          .kind = SteuerArt::ListView,
          .columns = {{"Lohnart", 150},
                      {"kürzen", 50, Ausrichtung::Mitte},
                      {"voll", 80, Ausrichtung::Rechts},
                      {"gekürzt", 80, Ausrichtung::Rechts}},
          .help = kHilfe}},
        {Opt::TABtnAktualisieren, seiten::aktualisieren("TABtnAktualisieren", kHilfe)},
        {Opt::TABtnUebernehmen, seiten::inErfassungUebernehmen("TABtnUebernehmen", kHilfe)},
    };
}

}  // namespace lx
