#include "Druckauftrag.h"

namespace lx {

namespace {

bool enthaelt(std::string_view text, std::string_view wort)
{
    return text.find(wort) != std::string_view::npos;
}

}  // namespace

std::string DruckTitel(std::string_view ersteZeile, const DruckAngaben& angaben)
{
    std::string t(ersteZeile);
    // The checks run in this order, so the last word found decides.
    if (enthaelt(ersteZeile, "Zudezivudirodeded")) t = "Zudezivudirodeded ";
    if (enthaelt(ersteZeile, "Pfändungsberechnung")) t = "Pfändungsberechnung (" + angaben.pfdMethode + ") ";
    if (enthaelt(ersteZeile, "Altersteilzeitberechnung")) t = "Altersteilzeitberechnung ";
    if (!angaben.druckName.empty()) t += angaben.druckName + " ";
    return t + angaben.monat + " " + angaben.jahr;
}

std::string DruckFusszeile(const DruckAngaben& angaben)
{
    return "        Erstellt am " + angaben.datum + " mit Programm " + angaben.programm + " " + angaben.version;
}

std::vector<DruckZeile> DruckAuftragErstellen(const std::vector<std::string>& zeilen, const DruckAngaben& angaben)
{
    std::vector<DruckZeile> job;
    if (zeilen.size() <= 5) return job;
    job.reserve(zeilen.size() + 6);
    for (int i = 0; i < 4; ++i) job.push_back({"", 9});
    job.push_back({"      " + DruckTitel(zeilen.front(), angaben), 12});
    for (std::size_t i = 1; i < zeilen.size(); ++i) job.push_back({"       " + zeilen[i], 9});
    job.push_back({"", 9});
    job.push_back({DruckFusszeile(angaben), 8});
    return job;
}

std::vector<DruckSeite> DruckLayout(const std::vector<DruckZeile>& auftrag,
                                    const std::function<int(int punkt)>& zeilenHoehe, int seitenHoehe)
{
    std::vector<DruckSeite> seiten;
    int y = 0;
    for (std::size_t i = 0; i < auftrag.size(); ++i) {
        int h = zeilenHoehe(auftrag[i].punkt);
        if (seiten.empty() || (!seiten.back().empty() && y + h > seitenHoehe)) {
            seiten.emplace_back();
            y = 0;
        }
        seiten.back().push_back({i, y});
        y += h;
    }
    return seiten;
}

}  // namespace lx
