// lx_bench [FILE] [--passes N] [--only K]
//
// Times the 2024 monthly rows of the official results (FILE, by default
// tests/data/official-plans.tsv) cycled over N passes (default 200) and prints
// the minimum and the median ns per calculation of
//   - the wage tax through the plan interface: entry, surcharge, church tax;
//   - the same with the row's special payment (rows with SONSTB);
//   - a whole TLohnGehalt month, code "1111": setters and Berechnen;
//   - 300 months in a row on one engine, only the gross changing (the
//     net-to-gross search), per run of 300.
// --only K times only the K-th of them (1..4), for a profiler. Before it times
// anything it checks every row used against the file and stops with status 1
// on a difference.

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iomanip>
#include <iostream>
#include <string>
#include <vector>

#include "Gehaltsroutinen.h"
#include "LxSteuernPlan.h"
#include "PlanRegistry.h"
#include "Vektorzeilen.h"

using namespace lx;
using namespace lx::vektoren;

namespace {

constexpr int kBundesland = 12;  // Nordrhein-Westfalen
constexpr int kKonfession = 0;   // Protestant
constexpr int kMonateInFolge = 300;

volatile std::int64_t senke;  // keeps the results alive

struct Steuer {
    Currency LSTLZZ, SOLZLZZ, KiSt, STS, SOLZS, KiStS;
};

// The arguments of a special payment, read from the row before timing.
struct Sonst {
    Currency SONSTB, JRE4, JVBEZ, VBS;
};

Steuer steuer(LxSteuernPlan& plan, const LohnsteuerEingaben& e, const Sonst* sonst)
{
    Steuer s;
    s.LSTLZZ = plan.LohnsteuerLzz(e);
    s.SOLZLZZ = plan.SolzLzz();
    s.KiSt = plan.KirchensteuerLzz(1, kBundesland, kKonfession, 1, 0_cur, 0_cur) +
             plan.KirchensteuerLzz(1, kBundesland, kKonfession, 0, 0_cur, 0_cur);
    if (sonst) {
        s.STS = plan.LohnsteuerSonst(sonst->SONSTB, sonst->JRE4, sonst->JVBEZ, sonst->VBS);
        s.SOLZS = plan.SolzSonst();
        s.KiStS = plan.KirchensteuerSonst(1, kBundesland, kKonfession, 1, 0, 0_cur, 0_cur) +
                  plan.KirchensteuerSonst(1, kBundesland, kKonfession, 0, 0, 0_cur, 0_cur);
    }
    return s;
}

// A row the engine can give to the plan as it stands: statutory insurance, no
// factor, no pension, no allowance, no special payment.
bool monatsfaehig(const Zeile& z)
{
    for (const char* spalte :
         {"PKV", "AF", "ALTER1", "VBEZ", "LZZFREIB", "LZZHINZU", "JFREIB", "JHINZU", "SONSTB", "VMT", "WFUNDF"}) {
        if (!z.wert(spalte).isZero()) return false;
    }
    return true;
}

// A row's inputs for the engine, read before timing.
struct Monat {
    const NummerierteZeile* zeile;
    Byte KRV, PVZ, PVKinder, PVS, STKL;
    Currency KVZ, ZKF, RE4;
};

Monat monatAus(const NummerierteZeile& nz)
{
    const Zeile& z = nz.zeile;
    const int pva = z.code("PVA");
    return {&nz,
            static_cast<Byte>(z.code("KRV")),
            static_cast<Byte>(z.code("PVZ")),
            static_cast<Byte>(pva == 0 ? 0 : pva + 1),
            static_cast<Byte>(z.code("PVS")),
            static_cast<Byte>(z.code("STKL")),
            z.wert("KVZ"),
            z.wert("ZKF"),
            z.euro("RE4")};
}

void einrichten(TLohnGehalt& lg, const Monat& m)
{
    lg.SetRechtskreis(m.KRV == 1 ? 2 : 1);
    lg.SetJahr(2024);
    lg.SetBGR("1111");
    lg.SetMonat(6);
    lg.SetKVZusatz(m.KVZ);
    lg.SetPVZuschlag(m.PVZ);
    lg.SetPVKinder(m.PVKinder);
    lg.SetSachsen(m.PVS);
    lg.SetStKl(m.STKL);
    lg.SetKammer(2);
    lg.SetKRV(m.KRV);
    lg.SetKonfession(kKonfession);
    lg.SetBundesland(kBundesland);
    lg.SetLZZ(2);
    lg.SetKiFB(m.ZKF);
    lg.SetZVArt("keine");
}

void brutto(TLohnGehalt& lg, Currency betrag)
{
    lg.SetStBrutto(betrag);
    lg.SetGesamtbrutto(betrag);
    lg.SetSVBrutto(betrag);
}

bool pruefe(const char* was, int nummer, Currency erwartetCent, Currency ist)
{
    if (ist * 100 == erwartetCent) return true;
    std::cout << "line " << nummer << ": " << was << " expected " << centText(erwartetCent) << " got "
              << centText(ist * 100) << "\n";
    return false;
}

// Minimum and median of the ns per unit over the passes.
int gemessen = 0;
int nurFall = 0;

void messe(const char* titel, int passes, std::int64_t einheiten, const std::function<void()>& lauf)
{
    if (nurFall != 0 && ++gemessen != nurFall) return;
    if (nurFall == 0) ++gemessen;
    std::vector<double> ns;
    lauf();  // warm
    for (int i = 0; i < passes; ++i) {
        const auto start = std::chrono::steady_clock::now();
        lauf();
        const auto ende = std::chrono::steady_clock::now();
        ns.push_back(double(std::chrono::duration_cast<std::chrono::nanoseconds>(ende - start).count()) /
                     double(einheiten));
    }
    std::sort(ns.begin(), ns.end());
    std::cout << std::left << std::setw(44) << titel << std::right << std::fixed << std::setprecision(1) << " min "
              << std::setw(11) << ns.front() << " ns   median " << std::setw(11) << ns[ns.size() / 2] << " ns\n";
}

}  // namespace

int main(int argc, char** argv)
{
    std::string datei = LX_BENCH_DATA;
    int passes = 200;
    int nur = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--passes" && i + 1 < argc) {
            passes = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--only" && i + 1 < argc) {
            nur = std::atoi(argv[++i]);
        } else if (!arg.starts_with("--")) {
            datei = arg;
        } else {
            std::cerr << "usage: lx_bench [FILE] [--passes N] [--only K]\n";
            return 2;
        }
    }

    std::vector<NummerierteZeile> zeilen;
    try {
        for (auto& nz : leseDatei(datei)) {
            if (nz.zeile.plan == "2024" && nz.zeile.code("LZZ") == 2) zeilen.push_back(std::move(nz));
        }
    } catch (const Fehler& f) {
        std::cerr << "lx_bench: " << f.text << "\n";
        return 2;
    }
    const auto modul = createPlan("2024");
    LxSteuernPlan* plan = modul.get();
    if (zeilen.empty() || plan == nullptr) {
        std::cerr << "lx_bench: no 2024 monthly rows in " << datei << "\n";
        return 2;
    }

    struct Fall {
        const NummerierteZeile* zeile;
        LohnsteuerEingaben e;
        Sonst sonst;
        bool mitSonst;
    };
    std::vector<Fall> alle, sonst;
    std::vector<Monat> monate;
    for (const auto& nz : zeilen) {
        const Zeile& z = nz.zeile;
        const Fall f{&nz,
                     eingaben(z),
                     {z.euro("SONSTB"), z.euro("JRE4"), z.euro("JVBEZ"), z.euro("VBS")},
                     z.euro("SONSTB") > 0_cur};
        alle.push_back(f);
        if (f.mitSonst) sonst.push_back(f);
        if (monatsfaehig(nz.zeile)) monate.push_back(monatAus(nz));
    }

    // The results first: a fast wrong answer is worth nothing.
    bool gut = true;
    for (const Fall& f : alle) {
        const Zeile& z = f.zeile->zeile;
        const bool mitSonst = f.mitSonst;
        const Steuer s = steuer(*plan, f.e, mitSonst ? &f.sonst : nullptr);
        gut &= pruefe("LSTLZZ", f.zeile->nummer, z.wert("LSTLZZ"), s.LSTLZZ);
        gut &= pruefe("SOLZLZZ", f.zeile->nummer, z.wert("SOLZLZZ"), s.SOLZLZZ);
        if (mitSonst) {
            gut &= pruefe("STS", f.zeile->nummer, z.wert("STS"), s.STS);
            gut &= pruefe("SOLZS", f.zeile->nummer, z.wert("SOLZS"), s.SOLZS);
        }
    }
    for (const Monat& m : monate) {
        TLohnGehalt lg;
        einrichten(lg, m);
        brutto(lg, m.RE4);
        lg.Berechnen();
        gut &= pruefe("month FLSt", m.zeile->nummer, m.zeile->zeile.wert("LSTLZZ"), lg.FLSt);
        gut &= pruefe("month FSolZ", m.zeile->nummer, m.zeile->zeile.wert("SOLZLZZ"), lg.FSolZ);
    }
    if (!gut) {
        std::cout << "results differ from " << datei << ": nothing timed\n";
        return 1;
    }
    nurFall = nur;
    std::cout << alle.size() << " monthly 2024 rows, " << sonst.size() << " with a special payment, " << monate.size()
              << " as engine months: all results as in the file\n"
              << passes << " passes\n";

    messe("wage tax: entry, surcharge, church tax", passes, std::int64_t(alle.size()), [&] {
        std::int64_t summe = 0;
        for (const Fall& f : alle) summe += steuer(*plan, f.e, nullptr).KiSt.raw();
        senke = summe;
    });
    messe("wage tax with a special payment", passes, std::int64_t(sonst.size()), [&] {
        std::int64_t summe = 0;
        for (const Fall& f : sonst) summe += steuer(*plan, f.e, &f.sonst).KiStS.raw();
        senke = summe;
    });
    messe("TLohnGehalt month (setters, Berechnen)", passes, std::int64_t(monate.size()), [&] {
        std::int64_t summe = 0;
        for (const Monat& m : monate) {
            TLohnGehalt lg;
            einrichten(lg, m);
            brutto(lg, m.RE4);
            lg.Berechnen();
            summe += lg.FLSt.raw();
        }
        senke = summe;
    });
    TLohnGehalt folge;
    einrichten(folge, monate.front());
    std::size_t naechster = 0;
    messe("300 months in a row, per 300", passes, 1, [&] {
        std::int64_t summe = 0;
        for (int i = 0; i < kMonateInFolge; ++i) {
            brutto(folge, monate[naechster].RE4);
            naechster = (naechster + 1) % monate.size();
            folge.Berechnen();
            summe += folge.FLSt.raw();
        }
        senke = summe;
    });
    return 0;
}
