#include "OptionenZustand.h"

namespace lx {

std::span<const Eintrag<Opt>> optionenTabelle()
{
    static const std::vector<Eintrag<Opt>> tabelle = [] {
        std::vector<Eintrag<Opt>> t = {
            {Opt::PageCtrl,
             {.name = "PageCtrl",
              .kind = SteuerArt::PageControl,
              .items = {"Lohnsteuer", "Sozialversicherung", "Zusatzversicherung", "Altersversorgung", "Einmalbezüge",
                        "Versorgungsbezüge", "Altersteilzeit", "Pfändung", "Mehrfachbeschäftigung", "Teilmonat",
                        "Teilzeit", "Stammdaten"},
              .help = 3000}},
        };
        for (auto gruppe : {optionenAllgemein, optionenSeite0, optionenSeite1, optionenSeite2, optionenSeite3,
                            optionenSeite4, optionenSeite5, optionenSeite6, optionenSeite7, optionenSeite8,
                            optionenSeite9, optionenSeite10, optionenSeite11}) {
            for (auto& e : gruppe()) t.push_back(std::move(e));
        }
        return t;
    }();
    return tabelle;
}

}  // namespace lx
