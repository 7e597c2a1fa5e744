// tax_vectors FILE [--plan P]
//
// Runs each row of a file of official wage-tax results (tab-separated, first
// line the column names, amounts in cents) through the flow-plan module of its
// plan, calling the module as the payroll engine does, and compares LSTLZZ,
// SOLZLZZ, STS, SOLZS, STV and SOLZV. Prints one line per differing value and
// ends with "N passed, M failed"; exit status 0 only when every row passed.
// Rows of a plan whose module is not built yet count as failed.

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Currency.h"
#include "LxSteuernPlan.h"
#include "PlanRegistry.h"
#include "Vektorzeilen.h"

using namespace lx;
using namespace lx::vektoren;

namespace {

// The results in cents, by the engine's calling order.
std::map<std::string, Currency, std::less<>> rechne(LxSteuernPlan& plan, const Zeile& z)
{
    std::map<std::string, Currency, std::less<>> r;
    for (const char* name : kErgebnisse) r[name] = 0_cur;
    r["LSTLZZ"] = plan.LohnsteuerLzz(eingaben(z)) * 100;
    r["SOLZLZZ"] = plan.SolzLzz() * 100;
    if (z.euro("SONSTB") > 0_cur) {
        r["STS"] = plan.LohnsteuerSonst(z.euro("SONSTB"), z.euro("JRE4"), z.euro("JVBEZ"), z.euro("VBS")) * 100;
        r["SOLZS"] = plan.SolzSonst() * 100;
    }
    if (z.euro("VMT") > 0_cur) {
        r["STV"] = plan.LohnsteuerVmt(z.euro("SONSTB"), z.euro("JRE4")) * 100;
        r["SOLZV"] = plan.SolzVmt() * 100;
    }
    return r;
}

int lauf(const std::string& datei, const std::optional<std::string>& nurPlan)
{
    const std::vector<NummerierteZeile> zeilen = leseDatei(datei);

    int passed = 0;
    int failed = 0;
    std::map<std::string, int> ohneModul;  // plan -> rows
    PlanSatz plaene;
    for (const auto& [nummer, z] : zeilen) {
        if (nurPlan && z.plan != *nurPlan) continue;
        LxSteuernPlan* plan = plaene.nachName(z.plan);
        if (plan == nullptr) {
            ++ohneModul[z.plan];
            ++failed;
            continue;
        }
        bool gleich = true;
        try {
            const auto ergebnis = rechne(*plan, z);
            for (const char* name : kErgebnisse) {
                const Currency erwartet = z.wert(name);
                const Currency ist = ergebnis.at(name);
                if (erwartet != ist) {
                    gleich = false;
                    std::cout << "line " << nummer << ": plan " << z.plan << " " << name << " expected "
                              << centText(erwartet) << " got " << centText(ist) << "\n";
                }
            }
        } catch (const std::exception& ex) {
            gleich = false;
            std::cout << "line " << nummer << ": plan " << z.plan << " error: " << ex.what() << "\n";
        }
        ++(gleich ? passed : failed);
    }
    for (const auto& [name, anzahl] : ohneModul) {
        std::cout << "plan " << name << ": no module yet, " << anzahl << " rows counted as failed\n";
    }
    std::cout << passed << " passed, " << failed << " failed\n";
    if (passed + failed == 0) {
        std::cout << "no rows" << (nurPlan ? " for plan " + *nurPlan : std::string()) << "\n";
        return 1;
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::optional<std::string> datei;
    std::optional<std::string> plan;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--plan" && i + 1 < argc) {
            plan = argv[++i];
        } else if (!datei && !arg.starts_with("--")) {
            datei = arg;
        } else {
            datei.reset();
            break;
        }
    }
    if (!datei) {
        std::cerr << "usage: tax_vectors FILE [--plan P]\n";
        return 2;
    }
    try {
        return lauf(*datei, plan);
    } catch (const Fehler& f) {
        std::cerr << "tax_vectors: " << f.text << "\n";
        return 2;
    }
}
