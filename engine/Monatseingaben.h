#pragma once
// The inputs of one pay month as one value: a member per setter, named as the
// setter without "Set", holding what the setter takes (the allowance per
// month, the contribution gross before the transition zone). The members
// stand in the order TLohnGehalt::SetEingaben calls the setters, which is the
// calling contract's (Gehaltsroutinen.h): legal area before year, the year
// before everything it resets, code before month, all the zone depends on
// before the SV gross, tax class before factor.

#include <optional>
#include <string>

#include "Currency.h"
#include "LohnFelder.h"

namespace lx {

struct Monatseingaben {
    // legal area, year, code, month
    Byte Rechtskreis = 1;
    int Jahr = 0;
    std::string BGR = "1111";
    int Monat = 1;

    // social insurance
    Byte Gleitzone = 1;
    Byte RVVoll = 0;
    Byte PVZuschlag = 1;
    Byte Sachsen = 0;
    Byte MiniRVPflicht = 0;
    Byte PKVNachSVBrutto = 0;
    Currency PKVBeitrag;
    Currency PPVBeitrag;
    Byte PKV = 0;
    Byte KVBes = 0;
    Byte RVBes = 0;
    Byte AVBes = 0;
    Byte PVBes = 0;
    Currency KVZusatz;
    Currency U1Satz;
    Currency U2Satz;
    Currency KVSatz;
    Byte VB = 0;
    Byte Mehrfach = 0;
    Currency BruttoAnderer;

    // gross amounts, earlier months, days
    Currency SVBrutto;
    Currency SVBruttoEB;
    int SVTageVorher = 0;
    Currency StBrutto;
    Currency StBruttoEB;
    Currency StBruttoLMJ;
    Currency Gesamtbrutto;
    Byte StAuto = 0;
    Byte SVAuto = 0;
    Currency StBruttoJahr;
    Currency VBBruttoJahr;
    Currency KVBruttoVor;
    Currency RVBruttoVor;
    Currency FBJahr;
    Currency ZVBrutto;
    Byte StTage = 30;
    Byte SVTage = 30;

    // garnishment (the correction is each caller's own step)
    Byte Pfaendung = 0;
    Byte UnterhaltPers = 0;
    Currency PfaendVerbleib;

    // tax
    Byte LZZ = 2;
    Byte StKl = 1;
    Currency PKPV;
    Currency Faktor;
    Byte Konfession = 0;
    Byte Bundesland = 12;
    Byte Kammer = 0;
    Byte ErmKiSt = 0;
    Byte KRV = 0;
    Currency KiFB;
    // The care children: empty where the caller's own step has set them.
    std::optional<Byte> PVKinder;
    Currency StFreibetrag;
    int GebJahr = 0;

    // supplementary pension
    std::string ZVArt = "keine";
    Currency ZVPStGrenze;
    Currency ZVMax56;
    Currency ZVSatzAG;
    Currency ZVSatzAN;
    Currency SanierungsgeldSatz;
    Byte ZVUmlage = 0;

    // pension benefits
    Currency VBMax;
    Currency VBBrutto;
    Currency VBBruttoEB;
    int VBBeginnJahr = 0;
    Byte VBMonate = 12;
    Currency VBErsterVers;
    Currency VBEinmal;

    // deferred compensation
    Byte BAVArt = 0;
    Currency BAVBetrag;
    Currency BAVAN;
    Byte BAVStFrei = 1;
    Byte BAVZus1800 = 0;
    Currency BAVPauschal;
    Byte BAVMonatlich = 0;

    // partial retirement: the three amounts reach the engine only with it on
    Byte ATZ = 0;
    Currency ATZAufstockung;
    Currency ATZAufstRV;
    Currency ATZRegelentgelt;

    friend bool operator==(const Monatseingaben&, const Monatseingaben&) = default;
};

// Every input of `e` through the engine's setters in the members' order; the
// care children only where given, the partial-retirement amounts only with
// partial retirement on. A template so that tests can record the calls:
// TLohnGehalt::SetEingaben is this on the engine.
template <class Engine>
void SetzeMonatseingaben(Engine& lg, const Monatseingaben& e)
{
    lg.SetRechtskreis(e.Rechtskreis);
    lg.SetJahr(e.Jahr);
    lg.SetBGR(e.BGR);
    lg.SetMonat(e.Monat);

    lg.SetGleitzone(e.Gleitzone);
    lg.SetRVVoll(e.RVVoll);
    lg.SetPVZuschlag(e.PVZuschlag);
    lg.SetSachsen(e.Sachsen);
    lg.SetMiniRVPflicht(e.MiniRVPflicht);
    lg.SetPKVNachSVBrutto(e.PKVNachSVBrutto);
    lg.SetPKVBeitrag(e.PKVBeitrag);
    lg.SetPPVBeitrag(e.PPVBeitrag);
    lg.SetPKV(e.PKV);
    lg.SetKVBes(e.KVBes);
    lg.SetRVBes(e.RVBes);
    lg.SetAVBes(e.AVBes);
    lg.SetPVBes(e.PVBes);
    lg.SetKVZusatz(e.KVZusatz);
    lg.SetU1Satz(e.U1Satz);
    lg.SetU2Satz(e.U2Satz);
    lg.SetKVSatz(e.KVSatz);
    lg.SetVB(e.VB);
    lg.SetMehrfach(e.Mehrfach);
    lg.SetBruttoAnderer(e.BruttoAnderer);

    lg.SetSVBrutto(e.SVBrutto);
    lg.SetSVBruttoEB(e.SVBruttoEB);
    lg.SetSVTageVorher(e.SVTageVorher);
    lg.SetStBrutto(e.StBrutto);
    lg.SetStBruttoEB(e.StBruttoEB);
    lg.SetStBruttoLMJ(e.StBruttoLMJ);
    lg.SetGesamtbrutto(e.Gesamtbrutto);
    lg.SetStAuto(e.StAuto);
    lg.SetSVAuto(e.SVAuto);
    lg.SetStBruttoJahr(e.StBruttoJahr);
    lg.SetVBBruttoJahr(e.VBBruttoJahr);
    lg.SetKVBruttoVor(e.KVBruttoVor);
    lg.SetRVBruttoVor(e.RVBruttoVor);
    lg.SetFBJahr(e.FBJahr);
    lg.SetZVBrutto(e.ZVBrutto);
    lg.SetStTage(e.StTage);
    lg.SetSVTage(e.SVTage);

    lg.SetPfaendung(e.Pfaendung);
    lg.SetUnterhaltPers(e.UnterhaltPers);
    lg.SetPfaendVerbleib(e.PfaendVerbleib);

    lg.SetLZZ(e.LZZ);
    lg.SetStKl(e.StKl);
    lg.SetPKPV(e.PKPV);
    lg.SetFaktor(e.Faktor);
    lg.SetKonfession(e.Konfession);
    lg.SetBundesland(e.Bundesland);
    lg.SetKammer(e.Kammer);
    lg.SetErmKiSt(e.ErmKiSt);
    lg.SetKRV(e.KRV);
    lg.SetKiFB(e.KiFB);
    if (e.PVKinder) lg.SetPVKinder(*e.PVKinder);
    lg.SetStFreibetrag(e.StFreibetrag);
    lg.SetGebJahr(e.GebJahr);

    lg.SetZVArt(e.ZVArt);
    lg.SetZVPStGrenze(e.ZVPStGrenze);
    lg.SetZVMax56(e.ZVMax56);
    lg.SetZVSatzAG(e.ZVSatzAG);
    lg.SetZVSatzAN(e.ZVSatzAN);
    lg.SetSanierungsgeldSatz(e.SanierungsgeldSatz);
    lg.SetZVUmlage(e.ZVUmlage);

    lg.SetVBMax(e.VBMax);
    lg.SetVBBrutto(e.VBBrutto);
    lg.SetVBBruttoEB(e.VBBruttoEB);
    lg.SetVBBeginnJahr(e.VBBeginnJahr);
    lg.SetVBMonate(e.VBMonate);
    lg.SetVBErsterVers(e.VBErsterVers);
    lg.SetVBEinmal(e.VBEinmal);

    lg.SetBAVArt(e.BAVArt);
    lg.SetBAVBetrag(e.BAVBetrag);
    lg.SetBAVAN(e.BAVAN);
    lg.SetBAVStFrei(e.BAVStFrei);
    lg.SetBAVZus1800(e.BAVZus1800);
    lg.SetBAVPauschal(e.BAVPauschal);
    lg.SetBAVMonatlich(e.BAVMonatlich);

    lg.SetATZ(e.ATZ);
    if (e.ATZ == 1) {
        lg.SetATZAufstockung(e.ATZAufstockung);
        lg.SetATZAufstRV(e.ATZAufstRV);
        lg.SetATZRegelentgelt(e.ATZRegelentgelt);
    }
}

}  // namespace lx
