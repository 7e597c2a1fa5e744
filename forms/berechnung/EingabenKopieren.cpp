#include "EingabenKopieren.h"

namespace lx {

void EingabenKopieren(const TLohnGehalt& von, TLohnGehalt& nach, const KopieVorgaben& vorgaben)
{
    Monatseingaben e = von.EingabenDesMonats();
    auto ersetze = [](auto& feld, const auto& wert) {
        if (wert) feld = *wert;
    };
    ersetze(e.SVBrutto, vorgaben.svBrutto);
    ersetze(e.SVBruttoEB, vorgaben.svBruttoEB);
    ersetze(e.StBrutto, vorgaben.stBrutto);
    ersetze(e.StBruttoEB, vorgaben.stBruttoEB);
    ersetze(e.StBruttoLMJ, vorgaben.stBruttoLMJ);
    ersetze(e.Gesamtbrutto, vorgaben.gesamtbrutto);
    ersetze(e.ZVBrutto, vorgaben.zvBrutto);
    ersetze(e.VBBrutto, vorgaben.vbBrutto);
    ersetze(e.GebJahr, vorgaben.gebJahr);
    ersetze(e.VBMax, vorgaben.vbMax);
    if (vorgaben.zvKeine) e.ZVArt = "keine";
    if (vorgaben.weitere) vorgaben.weitere(e);
    nach.SetEingaben(e);
}

}  // namespace lx
