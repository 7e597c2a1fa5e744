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
        for (auto gruppe : {optionenAllgemein, optionenLohnsteuer, optionenSozialversicherung,
                            optionenZusatzversicherung, optionenAltersversorgung, optionenEinmalbezuege,
                            optionenVersorgungsbezuege, optionenAltersteilzeit, optionenPfaendung,
                            optionenMehrfachbeschaeftigung, optionenTeilmonat, optionenTeilzeit, optionenStammpfad}) {
            for (auto& e : gruppe()) t.push_back(std::move(e));
        }
        return t;
    }();
    return tabelle;
}

}  // namespace lx
