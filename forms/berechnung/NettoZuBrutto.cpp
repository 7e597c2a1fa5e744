#include "NettoZuBrutto.h"

#include "Nettobetrag.h"

namespace lx {

NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6)
{
    lg.Berechnen();
    const Currency erstesNetto = NettoLaufend(lg, wunschNetto);
    auto netto = [&lg, zv](Currency G) { return NettoBeiBrutto(lg, G, zv); };
    NettoIterationRegeln regeln;
    regeln.steuerklasse6 = steuerklasse6;
    return NettoIterationNachErster(wunschNetto, erstesNetto, wunschNetto, netto, regeln);
}

Currency NettoBeiBrutto(TLohnGehalt& lg, Currency G, bool zv)
{
    lg.SetStBrutto(G);
    lg.SetSVBrutto(G);
    if (zv) lg.SetZVBrutto(G);
    // The garnishable net and the payslip take the trial as the total gross.
    lg.SetGesamtbrutto(G);
    lg.Berechnen();
    return NettoLaufend(lg, G);
}

}  // namespace lx
