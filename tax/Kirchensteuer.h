#pragma once
// Church tax: the program's own rules, shared by every flow-plan module. The
// modules supply the base (the period share of JBMG, STS or STV) and what the
// rules read from their state; everything else is the church-tax area's table.

#include "Currency.h"

namespace lx {

// One church-tax area (the options list "Bundesland für Kirchensteuer:", codes 1..18).
struct KirchensteuerGebiet {
    int satz;                       // rate in percent
    int anteilEv;                   // Protestant share of a mixed couple's tax, percent
    Currency kappung;               // cap in percent of the wage; 0: none
    Currency mindest;               // monthly minimum that always applies; 0: none
    Currency mindestMitLohnsteuer;  // monthly minimum when there is wage tax; 0: none
};

// The area of a code; any code outside 1..18 gets the rules without cap and minimum.
const KirchensteuerGebiet& kirchensteuerGebiet(int bundesland);

// One church-tax calculation on a base that the module has already formed.
struct KirchensteuerFall {
    int Bundesland = 0;
    int Konfession = 0;       // 0 ev, 1 rk, 2 ev/rk, 3 rk/ev
    int Anteil = 1;           // 1 Protestant part, 0 Catholic part
    Currency Kappung;         // non-zero: apply the area's cap
    Currency Satz;            // 0 area's rules; 0 < Satz < 99 own rate; 99 undivided tax
    Currency basisCent;       // wage tax that the church tax is levied on, in cents
    Currency RE4Cent;         // wage of the pay period in cents (for the cap)
    Currency LSTLZZCent;      // wage tax of the pay period in cents (for the minimum)
    int LZZ = 2;              // the module's current pay period: minimums count 12 times for 1
    bool mindestAlt = false;  // the 2004 to 2009 plans: areas 1 and 10 have an always-minimum of 0.30
};

// Church tax in euros (whole cents).
Currency Kirchensteuer(const KirchensteuerFall& fall);

}  // namespace lx
