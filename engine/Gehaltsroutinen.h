#pragma once
// TLohnGehalt: the payroll engine for one employee's pay month. Callers set
// the inputs one at a time through the setters or all of a month at once
// through SetEingaben (Monatseingaben.h), run Berechnen and read inputs and
// results from the fields (which are the engine's own names: FJahr, FLSt,
// FKVAN, ...). Fields are written only by the setters and the computations.
//
// Calling contract: SetRechtskreis before SetJahr; SetJahr (resets part of the
// inputs and loads the year's values); SetBGR before SetMonat; SetStKl before
// SetFaktor; SetGleitzone, SetVB, SetBGR, SetMonat, SetMehrfach and
// SetBruttoAnderer before SetSVBrutto; then Berechnen and, optionally,
// BerechnePfaendung.
//
// Every computation starts from the inputs as the setters last gave them: the
// setters write a snapshot of the inputs as well as the fields, and Berechnen
// starts by restoring the fields from it. After a computation the fields show
// the adjusted amounts (tax gross, contribution gross, ...).
//
// Values outside the callers' contract are defined, not trusted: a month
// outside 1..12 is stored as 1 or 12; a year without legal values keeps the
// values loaded before; 0 tax days compute no period tax; 0 contribution days
// give no month base. No input can make a computation wrap around: a birth
// year outside 0..9999 or earlier contribution days outside 0..330 raise
// ConversionError "'<value>' ist kein gültiger Integerwert" in their setter
// and change nothing (as SetBGR does); amounts are computed only by the
// checked money operations, so an amount whose products leave the money range
// raises MoneyError "Überlauf bei einer Betragsberechnung" - SetStFreibetrag
// already when twelve months of the allowance do not fit (and changes nothing
// then), Berechnen for any other amount. The calculation driver shows either
// error in a box.

#include <cstdint>
#include <string>
#include <string_view>

#include "Kennzeichen.h"
#include "LohnFelder.h"
#include "Monatseingaben.h"
#include "PlanRegistry.h"

namespace lx {

class TLohnGehalt : public LohnEingaben, public LohnKonstanten, public LohnErgebnisse {
public:
    TLohnGehalt() = default;

    // The inputs as the setters last gave them, before any computation adjusted them.
    const LohnEingaben& GegebeneEingaben() const { return gegeben_; }

    // Every input of a month through its setter, in the calling contract's
    // order; the care children only where given, the partial-retirement
    // amounts only with partial retirement on, the garnishment correction not.
    void SetEingaben(const Monatseingaben& e);
    // The inputs as the setters last gave them, in the setters' units: with
    // SetEingaben a second engine takes the same month.
    Monatseingaben EingabenDesMonats() const;

    // --- legal area, year, month, contribution-group code
    void SetRechtskreis(Byte v);
    void SetJahr(int jahr);
    void SetMonat(int monat);
    // Splits the code into its four digits; a character that is no digit (or a
    // code shorter than four characters) raises ConversionError
    // "'<character>' ist kein gültiger Integerwert" and changes nothing.
    void SetBGR(std::string_view code);
    void SetGebJahr(int jahr);  // 0..9999, 0: not known

    // --- social-insurance switches and special cases
    void SetGleitzone(Byte v);
    void SetRVVoll(Byte v);
    void SetPKVNachSVBrutto(Byte v);
    void SetMiniRVPflicht(Byte v);
    void SetKVBes(Byte v);
    void SetRVBes(Byte v);
    void SetAVBes(Byte v);
    void SetPVBes(Byte v);
    void SetKVZusatz(Currency v);
    void SetKVSatz(Currency v);
    void SetPKV(Byte v);
    void SetSVTage(Byte v);
    void SetStTage(Byte v);
    void SetSVTageVorher(int v);  // 0..330
    void SetPVZuschlag(Byte v);   // stores 0 before 2005
    void SetPVKinder(Byte v);
    void SetSachsen(Byte v);
    void SetPKVBeitrag(Currency v);
    void SetPPVBeitrag(Currency v);
    void SetMehrfach(Byte v);
    void SetBruttoAnderer(Currency v);

    // --- gross amounts
    void SetStBrutto(Currency v);
    void SetStBruttoEB(Currency v);
    void SetStBruttoLMJ(Currency v);
    void SetGesamtbrutto(Currency v);
    // Stores the amount in FSVBruttoUngek and FSVBrutto; inside the transition
    // zone (zone on, no pension benefits, below the upper bound, no mini-job)
    // FSVBrutto becomes the zone's assessment base.
    void SetSVBrutto(Currency v);
    void SetSVBruttoEB(Currency v);
    void SetZVBrutto(Currency v);

    // --- tax data
    void SetStKl(Byte v);
    void SetKammer(Byte v);
    void SetKRV(Byte v);
    void SetKonfession(Byte v);
    void SetBundesland(Byte v);
    void SetErmKiSt(Byte v);
    void SetLZZ(Byte v);
    void SetKiFB(Currency v);          // child allowances, steps of 0.5
    void SetStFreibetrag(Currency v);  // stores the amount times 100
    void SetPKPV(Currency v);
    void SetFaktor(Currency v);  // only in tax class 4
    void SetStAuto(Byte v);
    void SetSVAuto(Byte v);
    void SetStBruttoJahr(Currency v);
    void SetVBBruttoJahr(Currency v);
    void SetFBJahr(Currency v);
    void SetKVBruttoVor(Currency v);
    void SetRVBruttoVor(Currency v);

    // --- pension benefits
    void SetVB(Byte v);
    void SetVBMax(Currency v);
    void SetVBBrutto(Currency v);
    void SetVBBruttoEB(Currency v);
    void SetVBErsterVers(Currency v);
    void SetVBEinmal(Currency v);
    void SetVBBeginnJahr(int v);
    void SetVBMonate(Byte v);

    // --- deferred compensation and supplementary pension
    void SetBAVArt(Byte v);
    void SetBAVStFrei(Byte v);
    void SetBAVZus1800(Byte v);
    void SetBAVMonatlich(Byte v);
    void SetBAVBetrag(Currency v);
    void SetBAVAN(Currency v);
    void SetBAVPauschal(Currency v);
    void SetZVArt(std::string_view v);
    void SetZVUmlage(Byte v);
    void SetZVPStGrenze(Currency v);
    void SetZVMax56(Currency v);
    void SetSanierungsgeldSatz(Currency v);
    void SetZVSatzAG(Currency v);
    void SetZVSatzAN(Currency v);

    // --- levies, partial retirement, garnishment
    void SetU1Satz(Currency v);
    void SetU2Satz(Currency v);
    void SetATZ(Byte v);
    void SetATZAufstockung(Currency v);
    void SetATZAufstRV(Currency v);
    void SetATZRegelentgelt(Currency v);
    void SetPfaendung(Byte v);
    void SetUnterhaltPers(Byte v);
    void SetPfaendKorrektur(Currency v);
    void SetPfaendVerbleib(Currency v);

    // --- computation
    // The whole pay month: deferred compensation, supplementary pension, tax
    // days, contribution bases, wage tax, contributions, levies, partial
    // retirement and chamber levy. Starts from the inputs as last set.
    void Berechnen();
    // FPfaendBetrag := BerechnePfaendbar (after Berechnen).
    void BerechnePfaendung();
    Currency BerechnePfaendbar() const;
    // `brutto` less the taxes and the employee's shares of the computation; a
    // member who pays the health or care insurer himself keeps that share.
    Currency NettoVon(Currency brutto) const;
    // What a member who pays the health or care insurer himself pays it, less
    // the employer's subsidy: the garnishable net loses it as it loses the
    // statutory shares (ZPO § 850e Nr. 1).
    Currency SelbstgezahlteVorsorge() const;

    // Contribution bases (month and one-off payment)
    Currency BerechneVBGrenze() const;
    Currency BerechneKVBasis() const;
    Currency BerechneRVBasis() const;
    void BerechneSVBruttoVor();  // earlier gross of the year, with FSVAuto
    Currency BerechneBBGKVAnteil() const;
    Currency BerechneBBGRVAnteil() const;
    Currency BerechneKVBasisEB() const;
    Currency BerechneRVBasisEB() const;

    // Pension and unemployment shares
    Currency BerechneRVAN() const;
    Currency BerechneRVAG() const;
    Currency BerechneAVAN() const;
    Currency BerechneAVAG() const;
    Currency BerechneRVANEB() const;
    Currency BerechneRVAGEB() const;
    Currency BerechneAVANEB() const;
    Currency BerechneAVAGEB() const;

    // Health and care shares
    Currency BerechneKVAN() const;
    Currency BerechneKVAG() const;
    Currency BerechneKVANEB() const;
    Currency BerechneKVAGEB() const;
    Currency BerechnePVSatzKinder() const;
    Currency BerechnePVAN() const;
    Currency BerechnePVAG() const;
    Currency BerechnePVANEB() const;
    Currency BerechnePVAGEB() const;

    // Supplementary pension scheme (in this order; BerechneZVStPfl and
    // BerechneZVPauschal settle the tax-free maximum FZVMax56)
    Currency ZVUmlageSatz() const;
    Currency BerechneZVAG() const;
    Currency BerechneZVZusatzumlage() const;
    Currency BerechneSanierungsgeld();
    Currency BerechneZVStPfl();
    Currency BerechneZVPauschal();
    Currency BerechneZVSVPfl() const;
    Currency BerechneZVAN() const;

    // Deferred compensation: adjust the tax and contribution gross and return
    // the change of the current pay
    void SetBAVGrenze();
    Currency BerechneBAVSteuer();
    Currency BerechneBAVSV();
    // The tax-free limit of the period (month or year) as a share of the West
    // pension ceiling, and the additional amount a new pledge may add to it.
    Currency BAVSteuerfreiGrenze() const;
    Currency BAVZusatzGrenze() const;

    // Levies, partial retirement, chamber levy
    Currency BerechneU1() const;
    Currency BerechneU2() const;
    Currency BerechneInsolvenz() const;
    Currency BerechneATZAufstockung() const;
    Currency BerechneATZRVBasis() const;
    Currency BerechneATZRVBeitrag() const;
    Currency BerechneKammerbeitrag() const;

    // Wage tax, solidarity surcharge and church tax of the pay period, the
    // one-off payment and multi-year pay through the year's flow plan.
    void BerechneLohnsteuer();

    // A voluntary member pays the whole health or care contribution himself
    // (health digit 9, or the branch's special case 2); the employer's share is a subsidy.
    bool KVFreiwillig() const
    {
        return FBGRKV == KVZiffer::Freiwillig || FKVBes == Besonderheit::FreiwilligSelbstzahler;
    }
    bool PVFreiwillig() const
    {
        return FBGRKV == KVZiffer::Freiwillig || FPVBes == Besonderheit::FreiwilligSelbstzahler;
    }

    // A mini-job with pension obligation: the employee tops the employer's flat rate up.
    bool MinijobMitRVPflicht() const;
    // The employer's pension share is the flat rate of a mini-job (with
    // pension obligation, or pension digit 5).
    bool RVAGPauschal() const;

private:
    // Writes an input into the field and into the snapshot of given inputs.
    template <class T, class W>
    void setze(T LohnEingaben::*feld, W wert)
    {
        gegeben_.*feld = T(wert);
        static_cast<LohnEingaben&>(*this).*feld = T(wert);
    }

    void ladeMonatswerte();

    // transition zone of the month: the rules before October 2022 and after
    Currency aufMonat(Currency betrag) const;
    Currency aufTage(Currency betrag) const;
    bool inGleitzone() const;
    Currency gleitzoneBasis(Currency ae) const;
    void gleitzoneDesMonats();
    void gleitzoneMitEinmalzahlung();
    bool gleitzoneNeu() const;
    Currency gleitzoneBasisAN() const;
    Currency umlageBasis() const;
    bool mehrfachAufteilen() const;
    Currency aufteilen(Currency betrag) const;

    // rate rules shared by the month's and the one-off shares
    Currency kvOrdentlichAN(Currency basis) const;
    Currency kvOrdentlichAG(Currency basis) const;
    Currency kvSatzAG() const;
    Currency pvSatzANOhneKinder() const;
    Currency pvSatzAN() const;
    Currency pvSatzAG() const;
    Currency pvZuschlag() const;
    Currency pvKinderAbschlagPunkte() const;
    bool kvANNull() const;
    bool kvAGNull() const;
    bool kvBeitragAusPraemie() const;
    bool pvANNull() const;
    bool pvAGNull() const;
    bool pvBeitragAusPraemie() const;
    bool rvANNull() const;
    bool rvAGNull() const;
    bool avANNull() const;
    bool avAGNull() const;
    Currency minijobRVSatz() const;

    LohnEingaben gegeben_;
    // monthly taxable pay after deferred compensation and the scheme's levy,
    // before the division by tax days
    Currency stBruttoMonat_;
    // private premium for the wage tax, reduced by the subsidies before 2012
    Currency pkpvSteuer_;
    // This engine's flow-plan module: no other engine calls it between an
    // entry and its follow-up operations. A copy gets one of its own.
    PlanSatz plaene_;
};

}  // namespace lx
