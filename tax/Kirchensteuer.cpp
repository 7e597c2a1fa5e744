#include "Kirchensteuer.h"

#include <algorithm>
#include <charconv>

#include "Dez.h"
#include "LxMath.h"
#include "PlanRundung.h"

namespace lx {

namespace {

// Minimum amounts by pay period as the church-tax resolutions state them.
constexpr Mindestbetrag mindest(Kirche kirche, Currency monat, Currency woche, Currency tag, int bisJahr = 0)
{
    return {.kirche = kirche, .monat = monat, .woche = woche, .tag = tag, .bisJahr = bisJahr};
}

constexpr Mindestbetrag kKeinMindest{};

// Codes 1..18 in the order of the options list. Couples of different
// confessions share the tax half and half, except where the state's law gives
// all of it to the employee's own church (Bavaria, Lower Saxony, Bremen).
const KirchensteuerGebiet kGebiete[] = {
    // 1 Baden-Württemberg: a minimum of both churches in the older plans
    {8, 0_cur, Mischehe::Halbteilung, {mindest(Kirche::Beide, 0.30_cur, 0.07_cur, 0.01_cur, 2008), kKeinMindest}},
    // 2 Bayern
    {8, 0_cur, Mischehe::EigeneKirche, {kKeinMindest, kKeinMindest}},
    // 3 Berlin
    {9, 3.0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}},
    // 4 Brandenburg
    {9, 3.0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}},
    // 5 Bremen
    {9, 3.5_cur, Mischehe::EigeneKirche, {kKeinMindest, kKeinMindest}},
    // 6 Bremerhaven
    {9, 3.5_cur, Mischehe::EigeneKirche, {kKeinMindest, kKeinMindest}},
    // 7 Hamburg
    {9, 3.0_cur, Mischehe::Halbteilung, {mindest(Kirche::Beide, 0.30_cur, 0.07_cur, 0_cur), kKeinMindest}},
    // 8 Hessen
    {9, 0_cur, Mischehe::Halbteilung, {mindest(Kirche::Beide, 0.15_cur, 0.04_cur, 0.01_cur), kKeinMindest}},
    // 9 Mecklenburg-Vorpommern: the archdioceses; the Protestant church up to 2013
    {9,
     3.0_cur,
     Mischehe::Halbteilung,
     {mindest(Kirche::Katholisch, 0.30_cur, 0.07_cur, 0_cur),
      mindest(Kirche::Evangelisch, 0.30_cur, 0.07_cur, 0.01_cur, 2013)}},
    // 10 Niedersachsen: a minimum of both churches in the older plans
    {9, 3.5_cur, Mischehe::EigeneKirche, {mindest(Kirche::Beide, 0.30_cur, 0.07_cur, 0.01_cur, 2009), kKeinMindest}},
    // 11 bremische Evang. Kirche
    {9, 3.5_cur, Mischehe::EigeneKirche, {kKeinMindest, kKeinMindest}},
    // 12 Nordrhein-Westfalen
    {9, 0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}},
    // 13 Rheinland-Pfalz
    {9, 0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}},
    // 14 Saarland
    {9, 0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}},
    // 15 Sachsen
    {9, 3.5_cur, Mischehe::Halbteilung, {mindest(Kirche::Evangelisch, 0.30_cur, 0.07_cur, 0.01_cur), kKeinMindest}},
    // 16 Sachsen-Anhalt
    {9, 3.5_cur, Mischehe::Halbteilung, {mindest(Kirche::Evangelisch, 0.30_cur, 0.07_cur, 0.01_cur), kKeinMindest}},
    // 17 Schleswig-Holstein
    {9, 3.0_cur, Mischehe::Halbteilung, {mindest(Kirche::Beide, 0.30_cur, 0.07_cur, 0_cur), kKeinMindest}},
    // 18 Thüringen
    {9, 3.5_cur, Mischehe::Halbteilung, {mindest(Kirche::Evangelisch, 0.30_cur, 0.07_cur, 0.01_cur), kKeinMindest}},
};
const KirchensteuerGebiet kOhneGebiet = {9, 0_cur, Mischehe::Halbteilung, {kKeinMindest, kKeinMindest}};

constexpr int kEvangelisch = 0;
constexpr int kKatholisch = 1;
constexpr int kEvRk = 2;
constexpr int kRkEv = 3;

// Whether a church's rule reaches the confession: a couple of different
// confessions belongs to both churches.
bool trifft(Kirche kirche, int konfession)
{
    if (konfession < kEvangelisch || konfession > kRkEv) return false;
    switch (kirche) {
        case Kirche::Evangelisch:
            return konfession != kKatholisch;
        case Kirche::Katholisch:
            return konfession != kEvangelisch;
        case Kirche::Beide:
            return true;
    }
    return false;
}

Currency betragFuer(const Mindestbetrag& m, int lzz)
{
    switch (lzz) {
        case 1:
            return m.monat * 12;
        case 3:
            return m.woche;
        case 4:
            return m.tag;
        default:
            return m.monat;
    }
}

// The highest minimum that the area's churches levy in this case. The
// undivided tax belongs to no single church, so only a minimum of both counts.
Currency mindestbetrag(const KirchensteuerGebiet& gebiet, const KirchensteuerFall& fall, bool ungeteilt)
{
    Currency hoechster;
    for (const Mindestbetrag& m : gebiet.mindest) {
        if (m.monat.isZero()) continue;
        if (m.bisJahr != 0 && (fall.Jahr == 0 || fall.Jahr > m.bisJahr)) continue;
        if (ungeteilt ? m.kirche != Kirche::Beide : !trifft(m.kirche, fall.Konfession)) continue;
        hoechster = std::max(hoechster, betragFuer(m, fall.LZZ));
    }
    return hoechster;
}

}  // namespace

const KirchensteuerGebiet& kirchensteuerGebiet(int bundesland)
{
    if (bundesland < 1 || bundesland > int(std::size(kGebiete))) return kOhneGebiet;
    return kGebiete[bundesland - 1];
}

int kirchensteuerJahr(std::string_view planName)
{
    int zahl = 0;
    const auto [ende, fehler] = std::from_chars(planName.data(), planName.data() + planName.size(), zahl);
    if (fehler != std::errc{} || ende != planName.data() + planName.size() || planName.size() != 4) return 0;
    return planName.starts_with("20") ? zahl : 2000 + zahl % 100;
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

    // Levied only where wage tax arises after the child allowances (EStG § 51a):
    // withheld wage tax whose base the allowances take away owes no minimum.
    if (fall.LSTLZZCent > 0_cur && fall.basisCent > 0_cur) k = std::max(k, mindestbetrag(gebiet, fall, ungeteilt));
    if (ungeteilt) return k;

    switch (fall.Konfession) {
        case kEvangelisch:
            return fall.Anteil == 1 ? k : 0_cur;
        case kKatholisch:
            return fall.Anteil == 1 ? 0_cur : k;
        case kEvRk:
        case kRkEv: {
            if (gebiet.mischehe == Mischehe::EigeneKirche) {
                const bool evangelisch = fall.Konfession == kEvRk;
                return (fall.Anteil == 1) == evangelisch ? k : 0_cur;
            }
            // The Protestant half rounded, the Catholic half the rest: the parts add up to the tax.
            Currency ev = RundeCentExakt((dez(k) * 50).div10<2>());
            return fall.Anteil == 1 ? ev : k - ev;
        }
        default:
            return 0_cur;  // not liable
    }
}

}  // namespace lx
