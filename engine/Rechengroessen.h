#pragma once
// Legal values of German social insurance by year and month, as data. Amounts
// are euros per month, rates percent (14.60 % is 14.6000). A lookup for a
// period that the tables do not cover gives no value (nullopt or nullptr);
// the engine then keeps what it had or computes nothing from it.

#include <optional>
#include <string_view>

#include "Currency.h"
#include "PlanRegistry.h"

namespace lx {

// The years the program computes are the years of the wage-tax plans (a typed
// year of that range is taken); the year lists offer 2008 on.
inline constexpr int kErstesRechenjahr = kErstesPlanJahr;
inline constexpr int kLetztesRechenjahr = kLetztesPlanJahr;
inline constexpr int kErstesListenjahr = 2008;
// A pension that began in 2005 or earlier has the allowance of 2005: the first
// start year the pension fields take.
inline constexpr int kErstesVBBeginnJahr = 2005;

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

// Lower bound G of the transition zone: the marginal-employment limit.
std::optional<Currency> GleitzoneUntergrenze(int jahr, int monat);

// The general health rate of the month (the reduced one for health digit 3),
// from 2009; nullopt before. A month outside 1..12 counts as the nearest.
std::optional<Currency> KVSatzFuer(int jahr, int monat, int kvZiffer);
// The rate the computation takes whatever it was given: in 2009, when the law
// set the rate and lowered it in July, the month's rate; nullopt in other years.
std::optional<Currency> KVSatzVorgeschrieben(int jahr, int monat, int kvZiffer);

// From 2015 each fund sets its own additional health rate; before, every
// member paid the same 0.90 points.
bool KVZusatzJeKasse(int jahr);
// The preset of the additional health rate: the year's average rate (SGB V
// § 242a) from 2015, the fixed 0.90 points before. The subsidy maximum of a
// private member takes the same rate from 2019.
Currency KVZusatzVorgabeFuer(int jahr);
// From 2019 the employer pays half of the additional rate as well.
bool KVZusatzParitaetisch(int jahr);

// The full pension share inside the transition zone could be chosen until June 2019.
bool RVVollWaehlbar(int jahr, int monat);

// From 2009 the insolvency-money levy is collected with the contributions.
bool InsolvenzgeldumlageMitBeitraegen(int jahr);

// From 2010 the wage tax takes the private health and care premiums, the
// factor of tax class IV, and its general table tells West from East.
bool VorsorgepauschaleAb2010(int jahr);

// From 2020 pension benefits up to the one-twentieth value are free of health
// contributions (an allowance); before, benefits below it were (a limit).
bool VBFreibetragKV(int jahr);

// One twentieth of the monthly reference value (limit for pension benefits).
std::optional<Currency> VBGrenzeFuer(int jahr);

// Care surcharge for the childless, percentage points (0 where there is none).
Currency PVZuschlagFuer(int jahr, int monat);

// Care child discount in percentage points by number of children (applies from July 2023).
Currency PVKinderAbschlagFuer(int kinder);
bool PVKinderAbschlagGilt(int jahr, int monat);
// The discount of the month: PVKinderAbschlagFuer where it applies, else 0.
Currency PVKinderAbschlag(int jahr, int monat, int kinder);

// Monthly threshold of the additional 9 % supplementary-pension levy.
std::optional<Currency> ZVZusatzumlageGrenze(int jahr, int monat);

// Rate of the additional levy above that threshold.
inline constexpr Currency kZVZusatzumlageSatz = 9_cur;

// Employer rate of a supplementary pension scheme; `satzAG` is the entered rate.
Currency ZVUmlageSatzFuer(std::string_view art, Currency satzAG);

// Sanierungsgeld rate of a scheme; `eingegeben` is the entered rate.
Currency SanierungsgeldSatzFuer(std::string_view art, int jahr, Currency eingegeben);

// The rates a scheme presets in the year (employer, employee, Sanierungsgeld);
// a scheme without presets of its own gives 0, 0 and 1.00.
struct ZVVorgabe {
    Currency ag;
    Currency an;
    Currency sanierung;
};
ZVVorgabe ZVVorgabeFuer(std::string_view art, int jahr);

// Percentage of the pension ceiling by which scheme levies are tax-free.
int ZVSteuerfreiProzent(int jahr);

// Tax- and contribution-free share of deferred compensation, percent of the pension ceiling (West).
int BAVGrenzeProzFuer(int jahr);
// The additional tax-free 1800 euros a year (150 a month) of a new pledge; none from 2018.
inline constexpr Currency kBAVZusatzJahr = 1800_cur;
inline constexpr Currency kBAVZusatzMonat = 150_cur;
bool BAVZusatzMoeglich(int jahr);

// Flat wage tax on supplementary pension and deferred compensation (EStG § 40b),
// the solidarity surcharge on a flat tax, and the flat tax of a mini-job, percent.
inline constexpr Currency kPauschsteuerSatz = 20_cur;
inline constexpr Currency kPauschSoliSatz = 5.5_cur;
inline constexpr Currency kMinijobPauschsteuerSatz = 2_cur;

// Flat employer rates and the minimum pension base of a mini-job.
Currency MinijobRVPauschalsatz(int jahr, int monat);
Currency MinijobKVPauschalsatz(int jahr, int monat);
Currency MinijobRVMindestbemessung(int jahr);

// Employees' chamber levy rate of a church-tax area code (Bremen 5, Saarland 14), else 0.
Currency KammerbeitragSatz(int bundesland);
inline constexpr int kBundeslandBremen = 5;
inline constexpr int kBundeslandSaarland = 14;

}  // namespace lx
