#pragma once
// Legal values of German social insurance by year and month, as data. Amounts
// are euros per month, rates percent (14.60 % is 14.6000). A lookup for a
// period that the tables do not cover gives no value (nullopt or nullptr);
// the engine then keeps what it had or computes nothing from it.

#include <optional>
#include <string_view>

#include "Currency.h"

namespace lx {

struct Beitragsbemessungsgrenzen {
    Currency kvpv;    // health and care
    Currency rvWest;  // pension and unemployment, West
    Currency rvOst;   // pension and unemployment, East
};

// Contribution ceilings of the year (2004 to 2024).
std::optional<Beitragsbemessungsgrenzen> BBGFuer(int jahr);

// One row of the month table: the values that may change within a year.
struct MonatsWerte {
    int jahr;
    int vonMonat;
    int bisMonat;
    Currency pkvZuschussMax;
    std::optional<Currency> kvSatzZuschuss;  // not given for 2004 and 2005
    Currency ppvZuschussMax;
    Currency gleitzoneOG;
    Currency faktorF;
    std::optional<Currency> kvSatz;     // general health rate, from 2009
    std::optional<Currency> kvSatzErm;  // reduced health rate (health digit 3), from 2009
    Currency rvSatz;
    Currency avSatz;
    Currency pvSatz;  // whole care rate, before halving for care digit 2
    Currency insolvenzSatz;
};

// The row for the year and month, or nullptr when the year has no row.
const MonatsWerte* MonatsWerteFuer(int jahr, int monat);

// Lower bound G of the transition zone.
std::optional<Currency> GleitzoneUntergrenze(int jahr, int monat);

// One twentieth of the monthly reference value (limit for pension benefits).
std::optional<Currency> VBGrenzeFuer(int jahr);

// Care surcharge for the childless, percentage points (0 where there is none).
Currency PVZuschlagFuer(int jahr, int monat);

// Care child discount in percentage points by number of children (applies from July 2023).
Currency PVKinderAbschlagFuer(int kinder);
bool PVKinderAbschlagGilt(int jahr, int monat);

// Monthly threshold of the additional 9 % supplementary-pension levy.
std::optional<Currency> ZVZusatzumlageGrenze(int jahr, int monat);

// Employer rate of a supplementary pension scheme; `satzAG` is the entered rate.
Currency ZVUmlageSatzFuer(std::string_view art, Currency satzAG);

// Sanierungsgeld rate of a scheme; `eingegeben` is the entered rate.
Currency SanierungsgeldSatzFuer(std::string_view art, int jahr, Currency eingegeben);

// Percentage of the pension ceiling by which scheme levies are tax-free.
int ZVSteuerfreiProzent(int jahr);

// Tax- and contribution-free share of deferred compensation, percent of the pension ceiling (West).
int BAVGrenzeProzFuer(int jahr);

// Flat employer rates and the minimum pension base of a mini-job.
Currency MinijobRVPauschalsatz(int jahr, int monat);
Currency MinijobKVPauschalsatz(int jahr, int monat);
Currency MinijobRVMindestbemessung(int jahr);

// Employees' chamber levy rate of a church-tax area code (Bremen 5, Saarland 14), else 0.
Currency KammerbeitragSatz(int bundesland);
inline constexpr int kBundeslandBremen = 5;
inline constexpr int kBundeslandSaarland = 14;

}  // namespace lx
