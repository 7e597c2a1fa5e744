#include "EingabenKopieren.h"

#include "Dez.h"

namespace lx {

void CopyInputs(const TLohnGehalt& von, TLohnGehalt& nach, const KopieVorgaben& vorgaben)
{
    LohnEingaben w = von.GegebeneEingaben();
    auto ersetze = [](auto& feld, const auto& wert) {
        if (wert) feld = *wert;
    };
    ersetze(w.FSVBruttoUngek, vorgaben.svBrutto);
    ersetze(w.FSVBruttoEB, vorgaben.svBruttoEB);
    ersetze(w.FStBrutto, vorgaben.stBrutto);
    ersetze(w.FStBruttoEB, vorgaben.stBruttoEB);
    ersetze(w.FStBruttoLMJ, vorgaben.stBruttoLMJ);
    ersetze(w.FGesamtbrutto, vorgaben.gesamtbrutto);
    ersetze(w.FZVBrutto, vorgaben.zvBrutto);
    ersetze(w.FVBBrutto, vorgaben.vbBrutto);
    ersetze(w.FGebJahr, vorgaben.gebJahr);
    ersetze(w.FVBMax, vorgaben.vbMax);
    if (vorgaben.zvKeine) w.FZVArt = "keine";
    if (vorgaben.weitere) vorgaben.weitere(w);

    // Legal area before the year, the year before everything it resets, code
    // before month, and all the zone depends on before the SV gross.
    nach.SetRechtskreis(w.FRechtskreis);
    nach.SetJahr(w.FJahr);
    nach.SetBGR(w.FBGR);
    nach.SetMonat(w.FMonat);
    nach.SetGleitzone(w.FGleitzone);
    nach.SetRVVoll(w.FRVVoll);
    nach.SetPVZuschlag(w.FPVZuschlag);
    nach.SetSachsen(w.FSachsen);
    nach.SetMiniRVPflicht(w.FMiniRVPflicht);
    nach.SetPKVNachSVBrutto(w.FPKVNachSVBrutto);
    nach.SetPKVBeitrag(w.FPKVBeitrag);
    nach.SetPPVBeitrag(w.FPPVBeitrag);
    nach.SetPKV(w.FPKV);
    nach.SetKVBes(w.FKVBes);
    nach.SetRVBes(w.FRVBes);
    nach.SetAVBes(w.FAVBes);
    nach.SetPVBes(w.FPVBes);
    nach.SetKVZusatz(w.FKVZusatz);
    nach.SetU1Satz(w.FU1Satz);
    nach.SetU2Satz(w.FU2Satz);
    nach.SetKVSatz(w.FKVSatz);
    nach.SetVB(w.FVB);
    nach.SetMehrfach(w.FMehrfach);
    nach.SetBruttoAnderer(w.FBruttoAnderer);

    nach.SetSVBrutto(w.FSVBruttoUngek);
    nach.SetSVBruttoEB(w.FSVBruttoEB);
    nach.SetSVTageVorher(w.FSVTageVorher);
    nach.SetStBrutto(w.FStBrutto);
    nach.SetStBruttoEB(w.FStBruttoEB);
    nach.SetStBruttoLMJ(w.FStBruttoLMJ);
    nach.SetGesamtbrutto(w.FGesamtbrutto);
    nach.SetStAuto(w.FStAuto);
    nach.SetSVAuto(w.FSVAuto);
    nach.SetStBruttoJahr(w.FStBruttoJahr);
    nach.SetVBBruttoJahr(w.FVBBruttoJahr);
    nach.SetKVBruttoVor(w.FKVBruttoVor);
    nach.SetRVBruttoVor(w.FRVBruttoVor);
    nach.SetFBJahr(w.FFBJahr);
    nach.SetZVBrutto(w.FZVBrutto);
    nach.SetStTage(w.FStTage);
    nach.SetSVTage(w.FSVTage);
    nach.SetPfaendung(w.FPfaendung);
    nach.SetUnterhaltPers(w.FUnterhaltPers);
    nach.SetPfaendVerbleib(w.FPfaendVerbleib);
    nach.SetLZZ(w.FLZZ);

    nach.SetStKl(w.FStKl);
    nach.SetPKPV(w.FPKPV);
    nach.SetFaktor(w.FFaktor);
    nach.SetKonfession(w.FKonfession);
    nach.SetBundesland(w.FBundesland);
    nach.SetKammer(w.FKammer);
    nach.SetErmKiSt(w.FErmKiSt);
    nach.SetKRV(w.FKRV);
    nach.SetKiFB(w.FKiFB);
    // Without the care children the comparison net would lack the child discount.
    nach.SetPVKinder(w.FPVKinder);
    // The engine holds the allowance times 100; the setter multiplies again.
    nach.SetStFreibetrag(dez(w.FStFreibetrag).div10<2>().toCurrency(Round::Cut));
    nach.SetGebJahr(w.FGebJahr);

    nach.SetZVArt(w.FZVArt);
    nach.SetZVPStGrenze(w.FZVPStGrenze);
    nach.SetZVMax56(w.FZVMax56);
    nach.SetZVSatzAG(w.FZVSatzAG);
    nach.SetZVSatzAN(w.FZVSatzAN);
    nach.SetSanierungsgeldSatz(w.FSanierungsgeldSatz);
    nach.SetZVUmlage(w.FZVUmlage);

    nach.SetVBMax(w.FVBMax);
    nach.SetVBBrutto(w.FVBBrutto);
    nach.SetVBBruttoEB(w.FVBBruttoEB);
    nach.SetVBBeginnJahr(w.FVBBeginnJahr);
    nach.SetVBMonate(w.FVBMonate);
    nach.SetVBErsterVers(w.FVBErsterVers);
    nach.SetVBEinmal(w.FVBEinmal);

    nach.SetBAVArt(w.FBAVArt);
    nach.SetBAVBetrag(w.FBAVBetrag);
    nach.SetBAVAN(w.FBAVAN);
    nach.SetBAVStFrei(w.FBAVStFreiArt);
    nach.SetBAVZus1800(w.FBAVZus1800);
    nach.SetBAVPauschal(w.FBAVPauschal);
    nach.SetBAVMonatlich(w.FBAVMonatlich);

    nach.SetATZ(w.FATZ);
    if (w.FATZ == 1) {
        nach.SetATZAufstockung(w.FATZAufstockung);
        nach.SetATZAufstRV(w.FATZAufstRV);
        nach.SetATZRegelentgelt(w.FATZRegelentgelt);
    }
}

}  // namespace lx
