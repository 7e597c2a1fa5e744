#pragma once
// The calculation driver's plain part: the engine's inputs of one run as plain
// values, the setter table that hands them to an engine in the calling
// contract's order, the checks that stop a run before anything is set, the
// net of a computation, net to gross, the garnishment decisions and the
// mini-job limit. The handlers that read these values from the windows are in
// Berechnen.h.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Currency.h"
#include "ErfassZustand.h"
#include "Gehaltsroutinen.h"
#include "NettoIteration.h"
#include "Rechengroessen.h"

namespace lx {

// A row of the garnishment list: the pay item's amount and its mark ("x",
// "", "WG", "ÜbStd.", "VL-Abzug", "Abzug").
struct PfaendungsZeile {
    Currency betrag;
    std::string marke;
};

// Everything one calculation reads from the windows, already converted; the
// defaults are the windows' presets. The switches hold what the lists show (a
// yes/no list as bool, a list of special cases as its code); the rules that
// combine them are the setter table's.
struct BerechnungsEingaben {
    // year, month, code
    Byte rechtskreis = 1;  // 1 West, 0 East
    int jahr = kLetztesRechenjahr;
    std::string bgr = "1111";
    int monat = 1;

    // social insurance
    Byte gleitzone = 1;
    Byte rvVoll = 0;
    Byte pvZuschlag = 1;
    Byte sachsen = 0;
    Byte miniRVPflicht = 0;
    Byte pkvNachSVBrutto = 0;
    Currency pkvBeitrag = 350.00_cur;
    Currency ppvBeitrag = 50.00_cur;
    Byte kvBes = 0;
    Byte rvBes = 0;
    Byte avBes = 0;
    Byte pvBes = 0;
    Currency kvZusatz = 1.30_cur;
    Currency u1Satz = 1.50_cur;
    Currency u2Satz = 0.20_cur;
    Currency kvSatz = 14.60_cur;
    Byte vb = 0;  // the pension-benefit mode (PnlVB's tag)
    bool mehrfach = false;
    Currency bruttoAnderer;
    int svTageVorher = 1;
    int stTage = 30;
    int svTage = 30;

    // the entry dialog's nine totals
    Bruttosummen brutto{};

    // earlier months and annual values
    Byte stAuto = 1;
    Byte svAuto = 1;
    Currency stBruttoJahr;
    Currency vbBruttoJahr;
    Currency kvBruttoVor;
    Currency rvBruttoVor;
    Currency fbJahr;

    // garnishment
    Byte pfaendung = 0;
    int unterhaltPers = 0;
    Currency pfaendVerbleib;
    bool pfdEntUmwNein = true;      // "ZV und AV berücksichtigen" reads "nein"
    bool pfdBruttomethode = false;  // the method reads "Bruttomethode"
    std::vector<PfaendungsZeile> pfdZeilen;

    // tax
    int stKl = 1;
    bool pkpvWieSV = true;  // LSTChkPKV: the private premiums of the social-insurance page
    Currency pkpv;          // LSTVEdiPKV otherwise
    Currency faktor;
    Byte konfession = 0;
    Byte bundesland = 12;
    Byte kammer = 1;
    Byte ermKiSt = 1;
    bool allgemeineTabelle = true;  // "Allgemeine Steuertabelle"
    Currency kiFB;
    Currency stFreibetrag;
    int gebJahr = 1990;

    // supplementary pension
    std::string zvArt = "keine";  // the options' scheme
    Currency zvPStGrenze = 146.00_cur;
    Currency zvMax56;
    Currency zvSatzAG;
    Currency zvSatzAN;
    Currency sanierungsgeldSatz = 1.00_cur;
    Byte zvUmlage = 0;
    bool zvHaupt = false;        // the main window's scheme is not "keine"
    bool zvHochrechnen = false;  // "Indiv. steuer- und sv-pfl. Ant. hochr." reads "ja"

    // pension benefits (the block's fields as they stand)
    Currency vbMax;
    int vbBeginnJahr = kErstesVBBeginnJahr;
    int vbMonate = 12;
    Currency vbErsterVers;
    Currency vbEinmal;

    // deferred compensation
    Byte bavArt = 0;
    Currency bavBetrag;
    Currency bavAN;
    Byte bavStFrei = 1;
    Byte bavZus1800 = 0;
    Currency bavPauschal = 1752.00_cur;
    Byte bavMonatlich = 1;

    // partial retirement
    bool atz = false;
    Currency atzAufstockung = 20.00_cur;
    Currency atzAufstRV = 80.00_cur;
    Currency atzRegelentgelt;  // the manual regular pay, else the automatic one

    // the run
    bool nettoModus = false;  // the net field's tag 1
    Currency wunschNetto;     // the net field's amount
    bool ntZeilen = false;    // some entry row is marked NT

    bool vbBlock() const { return brutto[kVBBrutto] != 0_cur; }
};

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

// Why a run stops before anything is set: the error box's text and where the
// user corrects it (an options page, SeitenNr, and its field, or a main-window
// field when `seite` is kHauptfenster; no field when `fokus` is empty).
inline constexpr int kHauptfenster = -1;
struct Stopp {
    std::string text;
    int seite = kHauptfenster;
    std::string fokus;
    bool operator==(const Stopp&) const = default;
};

// The checks before any setter: the pension-benefit basis, the professional
// pension fund, the individual scheme's rates, then the ranges the engine
// works in (tax class 0-6, tax and SV days 1-30, earlier SV days 0-330,
// pension months 1-12 with pension benefits).
std::optional<Stopp> PruefeEingaben(const BerechnungsEingaben& w);

// The net of the pay period from the trial gross G (net to gross).
Currency NettoLaufend(const TLohnGehalt& lg, Currency G);
// The net of gross mode: the total gross less the period's, the one-off
// payment's and the multi-year pay's deductions.
Currency NettoBrutto(const TLohnGehalt& lg, Currency gesamtbrutto);

// Net to gross on an engine whose inputs are set: computation 1 as set, then
// each trial gross set as the tax, SV, total and (with a scheme) ZV gross. The
// engine ends holding the last trial's computation.
NettoIterationErgebnis NettoZuBrutto(TLohnGehalt& lg, Currency wunschNetto, bool zv, bool steuerklasse6);

// The garnishment's steps after the computation.
struct PfaendungsPlan {
    bool sonderflag = false;         // the special calculation is needed
    Currency korrektur;              // SetPfaendKorrektur
    bool sonderberechnung = false;   // ActSonderberechnung runs
    bool berechnePfaendung = false;  // BerechnePfaendung runs
    bool operator==(const PfaendungsPlan&) const = default;
};
// The non-garnishable part of the rows by their marks.
Currency PfaendungsKorrektur(const std::vector<PfaendungsZeile>& zeilen);
PfaendungsPlan PlanePfaendung(const BerechnungsEingaben& w);

// The marginal-employment limit for a mini-job code ("6500", "0500", "6100")
// in the years the year list offers, else none.
std::optional<Currency> Geringfuegigkeitsgrenze(std::string_view bgr, int jahr, int monat);
// The information when the SV gross is above the limit.
std::optional<std::string> MinijobHinweis(std::string_view bgr, int jahr, int monat, Currency svBrutto);

}  // namespace lx
