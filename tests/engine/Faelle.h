#pragma once
// A pay month set up the way the calculation driver does it, for the engine tests.

#include <string_view>

#include "Gehaltsroutinen.h"

namespace lx::test {

// Year, month, code and one gross for tax and contributions; West, additional
// health rate 1.70, no childless surcharge, no church tax, no scheme. The
// contribution gross is set last, so callers that change a switch the zone
// depends on set it again.
inline TLohnGehalt Monat(int jahr, int monat, std::string_view bgr, Currency brutto)
{
    TLohnGehalt lg;
    lg.SetRechtskreis(1);
    lg.SetJahr(jahr);
    lg.SetBGR(bgr);
    lg.SetMonat(monat);
    lg.SetKVZusatz(1.70_cur);
    lg.SetPVZuschlag(0);
    lg.SetKonfession(4);
    lg.SetKammer(2);
    lg.SetZVArt("keine");
    lg.SetStBrutto(brutto);
    lg.SetGesamtbrutto(brutto);
    lg.SetSVBrutto(brutto);
    return lg;
}

}  // namespace lx::test
