#pragma once
// The driver's inputs into an engine: every setter of a run, in the order the
// engine's calling contract asks for.

#include "BerechnungsEingaben.h"
#include "Gehaltsroutinen.h"
#include "Kennzeichen.h"
#include "Rechengroessen.h"

namespace lx {

// The setters of one run in the calling contract's order (legal area before
// year, year before code and month, all the zone depends on before the SV
// gross, tax class before factor). Every input the driver owns is set in
// every run; the partial-retirement values only with partial retirement on.
// The care children and the garnishment correction are set by their own
// steps. A template so that tests can record the calls.
template <class Engine>
void SetzeEingaben(Engine& lg, const BerechnungsEingaben& w)
{
    const auto& b = w.brutto;
    lg.SetRechtskreis(w.rechtskreis);
    lg.SetJahr(w.jahr);
    lg.SetBGR(w.bgr);
    lg.SetMonat(w.monat);
    lg.SetGleitzone(w.gleitzone);
    lg.SetRVVoll(w.rvVoll);
    lg.SetPVZuschlag(w.pvZuschlag);
    lg.SetSachsen(w.sachsen);
    lg.SetMiniRVPflicht(w.miniRVPflicht);
    lg.SetPKVNachSVBrutto(w.pkvNachSVBrutto);
    lg.SetPKVBeitrag(w.pkvBeitrag);
    lg.SetPPVBeitrag(w.ppvBeitrag);
    lg.SetPKV(Code(PKVStatusFuer(w.kvBes)));
    lg.SetKVBes(w.kvBes);
    lg.SetRVBes(w.rvBes);
    lg.SetAVBes(w.avBes);
    lg.SetPVBes(w.pvBes);
    lg.SetKVZusatz(w.kvZusatz);
    lg.SetU1Satz(w.u1Satz);
    lg.SetU2Satz(w.u2Satz);
    lg.SetKVSatz(w.kvSatz);
    lg.SetVB(w.vb);
    const bool mehrfach = w.mehrfach && w.bruttoAnderer != 0_cur;
    lg.SetMehrfach(Byte(mehrfach ? 1 : 0));
    lg.SetBruttoAnderer(mehrfach ? w.bruttoAnderer : 0_cur);
    lg.SetSVBrutto(b[kSVBrutto]);
    lg.SetSVBruttoEB(b[kSVBruttoEB]);
    lg.SetSVTageVorher(w.svTageVorher);
    lg.SetStBrutto(b[kSteuerbrutto]);
    lg.SetStBruttoEB(b[kSteuerbruttoEB]);
    lg.SetStBruttoLMJ(b[kSteuerbruttoLMJ]);
    lg.SetGesamtbrutto(b[kGesamtbrutto]);
    lg.SetStAuto(w.stAuto);
    lg.SetSVAuto(w.svAuto);
    lg.SetStBruttoJahr(w.stBruttoJahr);
    lg.SetVBBruttoJahr(w.vbBruttoJahr);
    lg.SetKVBruttoVor(w.kvBruttoVor);
    lg.SetRVBruttoVor(w.rvBruttoVor);
    lg.SetFBJahr(w.fbJahr);
    lg.SetZVBrutto(b[kZVBrutto]);
    lg.SetVBBrutto(b[kVBBrutto]);
    lg.SetStTage(Byte(w.stTage));
    lg.SetSVTage(Byte(w.svTage));
    lg.SetPfaendung(w.pfaendung);
    lg.SetUnterhaltPers(Byte(w.unterhaltPers));
    lg.SetPfaendVerbleib(w.pfaendVerbleib);
    lg.SetLZZ(2);
    lg.SetStKl(Byte(w.stKl));
    lg.SetPKPV(w.pkpvWieSV ? w.pkvBeitrag + w.ppvBeitrag : w.pkpv);
    lg.SetFaktor(w.faktor);
    lg.SetKonfession(w.konfession);
    lg.SetBundesland(w.bundesland);
    lg.SetKammer(w.kammer);
    lg.SetErmKiSt(w.ermKiSt);
    // Before 2010 the flag only tells the special table; from 2010 the
    // general table also tells West from East.
    Byte krv = 0;
    if (!VorsorgepauschaleAb2010(w.jahr)) {
        krv = w.allgemeineTabelle ? 0 : 1;
    } else {
        krv = !w.allgemeineTabelle ? 2 : w.rechtskreis == 1 ? 0 : 1;
    }
    lg.SetKRV(krv);
    lg.SetKiFB(w.kiFB);
    lg.SetStFreibetrag(w.stFreibetrag);
    lg.SetGebJahr(w.gebJahr);
    lg.SetZVArt(w.zvArt);
    lg.SetZVPStGrenze(w.zvPStGrenze);
    lg.SetZVMax56(w.zvMax56);
    lg.SetZVSatzAG(w.zvSatzAG);
    lg.SetZVSatzAN(w.zvSatzAN);
    lg.SetSanierungsgeldSatz(w.sanierungsgeldSatz);
    lg.SetZVUmlage(w.zvUmlage);
    lg.SetVBMax(w.vbMax);
    if (w.vbBlock()) {
        lg.SetVBBrutto(b[kVBBrutto]);
        lg.SetVBBruttoEB(b[kVBBruttoEB]);
        lg.SetVBBeginnJahr(w.vbBeginnJahr);
        lg.SetVBMonate(Byte(w.vbMonate));
        lg.SetVBErsterVers(w.vbErsterVers);
        lg.SetVBEinmal(w.vbEinmal);
    } else {
        lg.SetVBBrutto(0_cur);
        lg.SetVBBruttoEB(0_cur);
        lg.SetVBBeginnJahr(kErstesVBBeginnJahr);
        lg.SetVBMonate(12);
        lg.SetVBErsterVers(0_cur);
        lg.SetVBEinmal(0_cur);
    }
    lg.SetBAVArt(w.bavArt);
    lg.SetBAVBetrag(w.bavArt == BAVArt::Keine ? 0_cur : w.bavBetrag);
    lg.SetBAVAN(w.bavArt == BAVArt::Keine ? 0_cur : w.bavAN);
    lg.SetBAVStFrei(w.bavStFrei);
    lg.SetBAVZus1800(w.bavZus1800);
    lg.SetBAVPauschal(w.bavPauschal);
    lg.SetBAVMonatlich(w.bavMonatlich);
    lg.SetATZ(Byte(w.atz ? 1 : 0));
    if (w.atz) {
        lg.SetATZAufstockung(w.atzAufstockung);
        lg.SetATZAufstRV(w.atzAufstRV);
        lg.SetATZRegelentgelt(w.atzRegelentgelt);
    }
}

}  // namespace lx
