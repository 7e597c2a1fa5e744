#pragma once
// Church tax: the program's own rules, shared by every flow-plan module. The
// modules supply the base (the period share of JBMG, STS or STV) and what the
// rules read from their state; everything else is the church-tax area's table.

#include <array>
#include <cstdint>
#include <string_view>

#include "Currency.h"

namespace lx {

// The church a rule belongs to.
enum class Kirche : std::uint8_t {
    Evangelisch,
    Katholisch,
    Beide,
};

// How the church tax of a couple of different confessions ("ev/rk", "rk/ev") reaches the churches.
enum class Mischehe : std::uint8_t {
    Halbteilung,   // half to each church
    EigeneKirche,  // all to the employee's own church, the first of the pair
};

// A minimum church tax of a pay period. It is levied only from members whose
// wage tax is withheld and whose base after the child allowances is above 0.
struct Mindestbetrag {
    Kirche kirche = Kirche::Beide;  // the church that levies it
    Currency monat;                 // a month; 0: no minimum (a year counts twelve months)
    Currency woche;
    Currency tag;
    int bisJahr = 0;  // last plan year that knows it; 0: still levied
};

// One church-tax area (the options list "Bundesland für Kirchensteuer:", codes 1..18).
struct KirchensteuerGebiet {
    int satz;          // rate in percent
    Currency kappung;  // cap in percent of the wage; 0: none
    Mischehe mischehe;
    std::array<Mindestbetrag, 2> mindest;  // unused entries have no amount
};

// The area of a code; any code outside 1..18 gets the rules without cap and minimum.
const KirchensteuerGebiet& kirchensteuerGebiet(int bundesland);

// The calendar year whose church-tax rules a plan applies: its name is the
// year, or month and two-digit year for a plan of part of a year ("1211").
int kirchensteuerJahr(std::string_view planName);

// One church-tax calculation on a base that the module has already formed.
struct KirchensteuerFall {
    int Bundesland = 0;
    int Konfession = 0;   // 0 ev, 1 rk, 2 ev/rk, 3 rk/ev
    int Anteil = 1;       // 1 Protestant part, 0 Catholic part
    Currency Kappung;     // non-zero: apply the area's cap
    Currency Satz;        // 0 area's rules; 0 < Satz < 99 own rate; 99 undivided tax
    Currency basisCent;   // wage tax that the church tax is levied on, in cents
    Currency RE4Cent;     // wage of the pay period in cents (for the cap)
    Currency LSTLZZCent;  // wage tax of the pay period in cents (for the minimum)
    int LZZ = 2;          // the module's current pay period: 1 year, 2 month, 3 week, 4 day
    int Jahr = 0;         // plan year; 0: the rules in force today
};

// Church tax in euros (whole cents).
Currency Kirchensteuer(const KirchensteuerFall& fall);

}  // namespace lx
