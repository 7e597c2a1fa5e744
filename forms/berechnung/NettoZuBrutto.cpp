#include "NettoZuBrutto.h"

#include "Hochrechnung.h"
#include "Nettobetrag.h"
#include "erfassung/Erfassung.h"

namespace lx {

NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6)
{
    lg.Berechnen();
    const Currency erstesNetto = NettoLaufend(lg, wunschNetto);
    auto netto = [&lg, zv](Currency G) { return NettoBeiBrutto(lg, G, zv); };
    NettoIterationRegeln regeln;
    regeln.steuerklasse6 = steuerklasse6;
    return NettoSucheNachErster(wunschNetto, erstesNetto, wunschNetto, netto, regeln);
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

NettoIterationErgebnis NettoZuBruttoZeilen(TLohnGehalt& lg, const std::vector<Lohnart>& zeilen, Currency wunschNetto,
                                           bool steuerklasse6)
{
    std::vector<Lohnart> versuch = zeilen;
    // The first row's mark only tells that it held the wanted net.
    versuch.front().flags[kNT] = false;
    std::vector<NTZeile> andere = NTZeilen(versuch);
    const Currency ntNetto = SummeNTBetraege(0_cur, andere);
    auto netto = [&](Currency G) {
        versuch.front().betrag = G;
        const Bruttosummen b = BerechneBrutto(versuch, true);
        SetzeBruttosummen(lg, b);
        lg.Berechnen();
        return NettoBrutto(lg, b[kGesamtbrutto]) + ntNetto;
    };
    NettoIterationRegeln regeln;
    regeln.steuerklasse6 = steuerklasse6;
    return NettoSuche(wunschNetto, wunschNetto, netto, regeln);
}

}  // namespace lx
