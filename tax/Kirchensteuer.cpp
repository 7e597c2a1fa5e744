#include "Kirchensteuer.h"

#include <algorithm>

#include "Dez.h"
#include "LxMath.h"
#include "PlanRundung.h"

namespace lx {

namespace {

// Codes 1..18 in the order of the options list.
const KirchensteuerGebiet kGebiete[] = {
    {8, 50, 0_cur, 0_cur, 0_cur},       // 1 Baden-Württemberg
    {8, 30, 0_cur, 0_cur, 0_cur},       // 2 Bayern
    {9, 70, 3.0_cur, 0_cur, 0_cur},     // 3 Berlin
    {9, 70, 3.0_cur, 0_cur, 0_cur},     // 4 Brandenburg
    {9, 80, 3.5_cur, 0_cur, 0_cur},     // 5 Bremen
    {9, 90, 3.5_cur, 0_cur, 0_cur},     // 6 Bremerhaven
    {9, 70, 3.0_cur, 0.30_cur, 0_cur},  // 7 Hamburg
    {9, 50, 0_cur, 0.15_cur, 0_cur},    // 8 Hessen
    {9, 90, 3.0_cur, 0.30_cur, 0_cur},  // 9 Mecklenburg-Vorpommern
    {9, 73, 3.5_cur, 0_cur, 0_cur},     // 10 Niedersachsen
    {9, 50, 3.5_cur, 0_cur, 0_cur},     // 11 bremische Evang. Kirche
    {9, 50, 0_cur, 0_cur, 0_cur},       // 12 Nordrhein-Westfalen
    {9, 50, 0_cur, 0_cur, 0_cur},       // 13 Rheinland-Pfalz
    {9, 25, 0_cur, 0_cur, 0_cur},       // 14 Saarland
    {9, 85, 3.5_cur, 0_cur, 0.30_cur},  // 15 Sachsen
    {9, 73, 3.5_cur, 0_cur, 0.30_cur},  // 16 Sachsen-Anhalt
    {9, 85, 3.0_cur, 0.30_cur, 0_cur},  // 17 Schleswig-Holstein
    {9, 73, 3.5_cur, 0_cur, 0.30_cur},  // 18 Thüringen
};
const KirchensteuerGebiet kOhneGebiet = {9, 50, 0_cur, 0_cur, 0_cur};

constexpr Currency kMindestAlt = 0.30_cur;
constexpr int kBadenWuerttemberg = 1;
constexpr int kNiedersachsen = 10;

}  // namespace

const KirchensteuerGebiet& kirchensteuerGebiet(int bundesland)
{
    if (bundesland < 1 || bundesland > int(std::size(kGebiete))) return kOhneGebiet;
    return kGebiete[bundesland - 1];
}

Currency Kirchensteuer(const KirchensteuerFall& fall)
{
    const KirchensteuerGebiet& gebiet = kirchensteuerGebiet(fall.Bundesland);
    const bool eigenerSatz = fall.Satz > 0_cur && fall.Satz < 99_cur;
    const bool ungeteilt = fall.Satz == 99_cur;

    const Dez<4> satz = eigenerSatz ? dez(fall.Satz) : Dez<4>::integer(gebiet.satz);
    // To hundredths of a cent first, then to euros cut to whole cents.
    Currency kCent = RundeCentExakt((dez(fall.basisCent) * satz).div10<2>());
    Currency k = AbrundenCentExakt(dez(kCent).div10<2>());
    if (eigenerSatz) return k;

    if (!fall.Kappung.isZero() && !gebiet.kappung.isZero()) {
        Currency kappe = RundeCentExakt((dez(fall.RE4Cent) * dez(gebiet.kappung)).div10<4>());
        k = std::min(k, kappe);
    }

    const std::int64_t monate = fall.LZZ == 1 ? 12 : 1;
    Currency mindest = gebiet.mindest;
    if (fall.mindestAlt && (fall.Bundesland == kBadenWuerttemberg || fall.Bundesland == kNiedersachsen)) {
        mindest = kMindestAlt;
    }
    if (!mindest.isZero()) k = std::max(k, mindest * monate);
    if (ungeteilt) return k;

    if (!gebiet.mindestMitLohnsteuer.isZero() && fall.Konfession != 1 && fall.LSTLZZCent > 0_cur) {
        k = std::max(k, gebiet.mindestMitLohnsteuer * monate);
    }

    switch (fall.Konfession) {
        case 0:
            return fall.Anteil == 1 ? k : 0_cur;
        case 1:
            return fall.Anteil == 1 ? 0_cur : k;
        case 2:
        case 3: {
            Currency ev = RundeCentExakt((dez(k) * gebiet.anteilEv).div10<2>());
            return fall.Anteil == 1 ? ev : k - ev;
        }
        default:
            return 0_cur;  // not liable
    }
}

}  // namespace lx
