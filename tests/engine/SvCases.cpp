// sv_cases FILE [--open IDS] [--id ID]
//
// Runs each pay month of a file of social-insurance results (tab-separated,
// first line the column names; inputs in euros, results in cents) through the
// engine: the inputs are set in the engine's calling order, then Berechnen, and
// the asserted result columns ("*" is not asserted) are compared to the cent.
// Lines with the same id are alternatives: a case holds when one of its lines
// holds in every asserted column.
//
// IDS names cases known to fail (one id a line, "#" starts a comment): such a
// case is reported as open and does not fail the run, but an open case that
// holds does, so the list is kept short. --id runs one case and prints every
// compared value. Ends with "N passed, M failed, K open"; exit status 0 only
// when nothing failed.

#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "Currency.h"
#include "Gehaltsroutinen.h"
#include "Vektorzeilen.h"

using namespace lx;

namespace {

using vektoren::Fehler;
using vektoren::leseZahl;
using vektoren::teile;

using Feld = Currency LohnErgebnisse::*;
struct Ergebnisspalte {
    const char* name;
    Feld feld;
    Feld eb;  // the one-off share added to it for a month's total, or nullptr
};
const Ergebnisspalte kErgebnisse[] = {
    {"KVAN", &LohnErgebnisse::FKVAN, nullptr},
    {"KVAG", &LohnErgebnisse::FKVAG, nullptr},
    {"RVAN", &LohnErgebnisse::FRVAN, nullptr},
    {"RVAG", &LohnErgebnisse::FRVAG, nullptr},
    {"AVAN", &LohnErgebnisse::FAVAN, nullptr},
    {"AVAG", &LohnErgebnisse::FAVAG, nullptr},
    {"PVAN", &LohnErgebnisse::FPVAN, nullptr},
    {"PVAG", &LohnErgebnisse::FPVAG, nullptr},
    {"KVANEB", &LohnErgebnisse::FKVANEB, nullptr},
    {"KVAGEB", &LohnErgebnisse::FKVAGEB, nullptr},
    {"RVANEB", &LohnErgebnisse::FRVANEB, nullptr},
    {"RVAGEB", &LohnErgebnisse::FRVAGEB, nullptr},
    {"AVANEB", &LohnErgebnisse::FAVANEB, nullptr},
    {"AVAGEB", &LohnErgebnisse::FAVAGEB, nullptr},
    {"PVANEB", &LohnErgebnisse::FPVANEB, nullptr},
    {"PVAGEB", &LohnErgebnisse::FPVAGEB, nullptr},
    {"U1", &LohnErgebnisse::FU1, nullptr},
    {"U2", &LohnErgebnisse::FU2, nullptr},
    {"Insolvenz", &LohnErgebnisse::FInsolvenz, nullptr},
    {"KVANT", &LohnErgebnisse::FKVAN, &LohnErgebnisse::FKVANEB},
    {"KVAGT", &LohnErgebnisse::FKVAG, &LohnErgebnisse::FKVAGEB},
    {"RVANT", &LohnErgebnisse::FRVAN, &LohnErgebnisse::FRVANEB},
    {"RVAGT", &LohnErgebnisse::FRVAG, &LohnErgebnisse::FRVAGEB},
    {"AVANT", &LohnErgebnisse::FAVAN, &LohnErgebnisse::FAVANEB},
    {"AVAGT", &LohnErgebnisse::FAVAG, &LohnErgebnisse::FAVAGEB},
    {"PVANT", &LohnErgebnisse::FPVAN, &LohnErgebnisse::FPVANEB},
    {"PVAGT", &LohnErgebnisse::FPVAG, &LohnErgebnisse::FPVAGEB},
};

struct Zeile {
    int nummer = 0;
    std::map<std::string, std::string, std::less<>> felder;

    const std::string& text(std::string_view spalte) const
    {
        auto it = felder.find(spalte);
        if (it == felder.end()) throw Fehler{"line " + std::to_string(nummer) + ": no column " + std::string(spalte)};
        return it->second;
    }
    Currency zahl(std::string_view spalte) const
    {
        auto z = leseZahl(text(spalte));
        if (!z) {
            throw Fehler{"line " + std::to_string(nummer) + ": column " + std::string(spalte) + ": not a number \"" +
                         text(spalte) + "\""};
        }
        return *z;
    }
    int ganz(std::string_view spalte) const
    {
        const Currency z = zahl(spalte);
        if (z.raw() % Currency::kScale != 0) {
            throw Fehler{"line " + std::to_string(nummer) + ": column " + std::string(spalte) +
                         ": not a whole number \"" + text(spalte) + "\""};
        }
        return int(z.raw() / Currency::kScale);
    }
    Byte byte(std::string_view spalte) const { return Byte(ganz(spalte)); }
};

using Setzer = std::function<void(TLohnGehalt&, const Zeile&, std::string_view)>;

Setzer alsByte(void (TLohnGehalt::*setter)(Byte))
{
    return [setter](TLohnGehalt& lg, const Zeile& z, std::string_view s) { (lg.*setter)(z.byte(s)); };
}
Setzer alsZahl(void (TLohnGehalt::*setter)(int))
{
    return [setter](TLohnGehalt& lg, const Zeile& z, std::string_view s) { (lg.*setter)(z.ganz(s)); };
}
Setzer alsBetrag(void (TLohnGehalt::*setter)(Currency))
{
    return [setter](TLohnGehalt& lg, const Zeile& z, std::string_view s) { (lg.*setter)(z.zahl(s)); };
}

// The inputs in the order they are set. Rechtskreis, Jahr, BGR and Monat come
// first (the year resets inputs, the month's values depend on the code); the
// contribution gross comes last, as the zone base is formed when it is set.
const std::pair<const char*, Setzer> kEingaben[] = {
    {"Rechtskreis", alsByte(&TLohnGehalt::SetRechtskreis)},
    {"Jahr", alsZahl(&TLohnGehalt::SetJahr)},
    {"BGR", [](TLohnGehalt& lg, const Zeile& z, std::string_view s) { lg.SetBGR(z.text(s)); }},
    {"Monat", alsZahl(&TLohnGehalt::SetMonat)},
    {"Gleitzone", alsByte(&TLohnGehalt::SetGleitzone)},
    {"RVVoll", alsByte(&TLohnGehalt::SetRVVoll)},
    {"PVZuschlag", alsByte(&TLohnGehalt::SetPVZuschlag)},
    {"Sachsen", alsByte(&TLohnGehalt::SetSachsen)},
    {"MiniRVPflicht", alsByte(&TLohnGehalt::SetMiniRVPflicht)},
    {"PVKinder", alsByte(&TLohnGehalt::SetPVKinder)},
    {"KVZusatz", alsBetrag(&TLohnGehalt::SetKVZusatz)},
    // "-" leaves the engine's own rate
    {"KVSatz",
     [](TLohnGehalt& lg, const Zeile& z, std::string_view s) {
         if (z.text(s) != "-") lg.SetKVSatz(z.zahl(s));
     }},
    {"U1Satz", alsBetrag(&TLohnGehalt::SetU1Satz)},
    {"U2Satz", alsBetrag(&TLohnGehalt::SetU2Satz)},
    {"SVBruttoEB", alsBetrag(&TLohnGehalt::SetSVBruttoEB)},
    {"SVTageVorher", alsZahl(&TLohnGehalt::SetSVTageVorher)},
    {"SVAuto", alsByte(&TLohnGehalt::SetSVAuto)},
    {"KVBruttoVor", alsBetrag(&TLohnGehalt::SetKVBruttoVor)},
    {"RVBruttoVor", alsBetrag(&TLohnGehalt::SetRVBruttoVor)},
    {"SVTage", alsByte(&TLohnGehalt::SetSVTage)},
    {"SVBrutto", alsBetrag(&TLohnGehalt::SetSVBrutto)},
};

std::string cent(Currency c)
{
    return c.raw() % Currency::kScale == 0 ? std::to_string(c.raw() / Currency::kScale) : c.toString();
}

struct Abweichung {
    std::string spalte;
    Currency erwartet, ist;  // cents
};

// The differing asserted columns of one line.
std::vector<Abweichung> pruefe(const Zeile& z, const TLohnGehalt& lg, bool zeigen)
{
    std::vector<Abweichung> abw;
    const auto& e = static_cast<const LohnErgebnisse&>(lg);
    for (const auto& s : kErgebnisse) {
        const std::string& text = z.text(s.name);
        Currency ist = e.*s.feld;
        if (s.eb) ist += e.*s.eb;
        ist = ist * 100;
        if (zeigen) std::cout << "  " << s.name << " expected " << text << " got " << cent(ist) << "\n";
        if (text == "*") continue;
        const Currency erwartet = z.zahl(s.name);
        if (erwartet != ist) abw.push_back({s.name, erwartet, ist});
    }
    return abw;
}

std::set<std::string> leseOffen(const std::string& pfad)
{
    std::ifstream in(pfad);
    if (!in) throw Fehler{"cannot read " + pfad};
    std::set<std::string> ids;
    std::string zeile;
    while (std::getline(in, zeile)) {
        if (auto p = zeile.find('#'); p != std::string::npos) zeile.erase(p);
        while (!zeile.empty() && (zeile.back() == ' ' || zeile.back() == '\t' || zeile.back() == '\r'))
            zeile.pop_back();
        while (!zeile.empty() && (zeile.front() == ' ' || zeile.front() == '\t')) zeile.erase(0, 1);
        if (!zeile.empty()) ids.insert(zeile);
    }
    return ids;
}

int lauf(const std::string& datei, const std::set<std::string>& offen, const std::optional<std::string>& nurId)
{
    std::ifstream in(datei);
    if (!in) throw Fehler{"cannot read " + datei};
    std::string zeile;
    if (!std::getline(in, zeile)) throw Fehler{datei + ": empty"};
    const std::vector<std::string> kopf = teile(zeile);

    // Cases in file order, each with its alternative lines.
    std::vector<std::string> reihenfolge;
    std::map<std::string, std::vector<Zeile>> faelle;
    int nummer = 1;
    while (std::getline(in, zeile)) {
        ++nummer;
        if (zeile.empty()) continue;
        const auto felder = teile(zeile);
        if (felder.size() != kopf.size()) {
            throw Fehler{"line " + std::to_string(nummer) + ": " + std::to_string(felder.size()) +
                         " fields, header has " + std::to_string(kopf.size())};
        }
        Zeile z;
        z.nummer = nummer;
        for (std::size_t i = 0; i < kopf.size(); ++i) z.felder[kopf[i]] = felder[i];
        const std::string& id = z.text("id");
        if (!faelle.contains(id)) reihenfolge.push_back(id);
        faelle[id].push_back(std::move(z));
    }
    for (const auto& id : offen) {
        if (!faelle.contains(id)) throw Fehler{"open case " + id + " is not in " + datei};
    }

    int passed = 0, failed = 0, open = 0;
    for (const auto& id : reihenfolge) {
        if (nurId && id != *nurId) continue;
        bool gilt = false;
        std::vector<Abweichung> naechste;
        int naechsteZeile = 0;
        std::string fehlerText;
        for (const Zeile& z : faelle[id]) {
            try {
                TLohnGehalt lg;
                for (const auto& [spalte, setze] : kEingaben) setze(lg, z, spalte);
                lg.Berechnen();
                if (nurId) std::cout << "line " << z.nummer << ":\n";
                auto abw = pruefe(z, lg, nurId.has_value());
                if (abw.empty()) {
                    gilt = true;
                    break;
                }
                if (naechsteZeile == 0 || abw.size() < naechste.size()) {
                    naechste = std::move(abw);
                    naechsteZeile = z.nummer;
                }
            } catch (const Fehler&) {
                throw;
            } catch (const std::exception& ex) {
                fehlerText = ex.what();
                naechsteZeile = z.nummer;
            }
        }
        const bool istOffen = offen.contains(id);
        if (gilt && istOffen) {
            ++failed;
            std::cout << id << ": listed as open but holds\n";
        } else if (gilt) {
            ++passed;
        } else if (istOffen) {
            ++open;
        } else {
            ++failed;
            std::cout << id << " (line " << naechsteZeile << "):";
            if (!fehlerText.empty()) std::cout << " error: " << fehlerText;
            for (const auto& a : naechste)
                std::cout << " " << a.spalte << " " << cent(a.erwartet) << "/" << cent(a.ist);
            std::cout << "\n";
        }
    }
    std::cout << passed << " passed, " << failed << " failed, " << open << " open\n";
    if (passed + failed + open == 0) {
        std::cout << "no cases\n";
        return 1;
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<std::string> datei, offen, id;
    bool falsch = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--open" && i + 1 < argc)
            offen = argv[++i];
        else if (arg == "--id" && i + 1 < argc)
            id = argv[++i];
        else if (!datei && !arg.starts_with("--"))
            datei = arg;
        else
            falsch = true;
    }
    if (!datei || falsch) {
        std::cerr << "usage: sv_cases FILE [--open IDS] [--id ID]\n";
        return 2;
    }
    try {
        return lauf(*datei, offen ? leseOffen(*offen) : std::set<std::string>{}, id);
    } catch (const Fehler& f) {
        std::cerr << "sv_cases: " << f.text << "\n";
        return 2;
    }
}
