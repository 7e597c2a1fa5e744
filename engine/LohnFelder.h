#pragma once
// The fields of the payroll engine, grouped by who writes them: the inputs
// (written only by the setters), the legal values of the year and month
// (written by SetJahr/SetMonat) and the results of a computation. TLohnGehalt
// derives from all three, so callers read every field by its own name.

#include <cstdint>
#include <string>

#include "Currency.h"

namespace lx {

using Byte = std::uint8_t;

// Inputs as the setters last gave them. A computation adjusts some of them in
// place (tax gross, contribution gross, ...) and shows the adjusted values
// afterwards; the next computation starts again from the given ones.
struct LohnEingaben {
    // contribution-group code and its four digits (health, pension, unemployment, care)
    std::string FBGR;
    Byte FBGRKV = 0;
    Byte FBGRRV = 0;
    Byte FBGRAV = 0;
    Byte FBGRPV = 0;
    // special cases of the four branches
    Byte FKVBes = 0;
    Byte FRVBes = 0;
    Byte FAVBes = 0;
    Byte FPVBes = 0;
    Currency FKVZusatz;  // additional health rate, percent
    Byte FPKV = 0;       // 0 statutory, 1 private without, 2 private with employer subsidy

    Byte FRechtskreis = 0;  // 1 West, 0 East
    Byte FMonat = 0;
    int FJahr = 0;
    int FGebJahr = 0;  // birth year, 0 = not known

    Byte FGleitzone = 0;
    Byte FRVVoll = 0;
    Byte FPKVNachSVBrutto = 0;
    Byte FSVTage = 30;
    int FSVTageVorher = 0;
    Byte FMehrfach = 0;
    Currency FBruttoAnderer;
    Byte FStTage = 30;
    Byte FPVZuschlag = 0;
    Byte FSachsen = 0;
    Byte FMiniRVPflicht = 0;
    Currency FPKVBeitrag;
    Currency FPPVBeitrag;

    Currency FStBrutto;
    Currency FStBruttoEB;
    Currency FStBruttoLMJ;
    Currency FGesamtbrutto;
    Currency FSVBrutto;       // after the transition-zone reduction
    Currency FSVBruttoUngek;  // before it
    Currency FSVBruttoEB;
    Currency FZVBrutto;

    Byte FStKl = 0;
    Currency FKiFB;  // child allowances, in steps of 0.5, held exactly
    Byte FKonfession = 0;
    Byte FBundesland = 0;
    Byte FKammer = 0;
    Byte FErmKiSt = 0;
    Currency FStFreibetrag;  // monthly tax allowance times 100
    Byte FKRV = 0;
    Byte FLZZ = 0;
    Currency FPKPV;
    Byte FFaktorAktiv = 0;
    Currency FFaktor;

    std::string FZVArt;
    Byte FZVUmlage = 0;
    Currency FZVPStGrenze;
    Currency FSanierungsgeldSatz;
    Currency FZVSatzAG;
    Currency FZVSatzAN;
    Currency FZVMax56;

    Currency FKVSatz;  // general health rate (also loaded by SetJahr/SetMonat)
    Byte FPVKinder = 0;
    Currency FU1Satz;
    Currency FU2Satz;

    Byte FStAuto = 0;
    Byte FSVAuto = 0;
    Currency FStBruttoJahr;
    Currency FVBBruttoJahr;
    Currency FFBJahr;
    Currency FKVBruttoVor;
    Currency FRVBruttoVor;

    Byte FVB = 0;  // pension-benefit contribution mode 0, 1, 2
    Currency FVBMax;
    Currency FVBBrutto;
    Currency FVBBruttoEB;
    int FVBBeginnJahr = 0;
    Currency FVBErsterVers;
    Currency FVBEinmal;
    Byte FVBMonate = 0;

    Byte FBAVArt = 0;
    Currency FBAVBetrag;  // employer-financed
    Currency FBAVAN;      // employee's deferral of pay
    Byte FBAVStFreiArt = 0;
    Byte FBAVZus1800 = 0;
    Currency FBAVPauschal;
    Byte FBAVMonatlich = 0;

    Byte FPfaendung = 0;
    Currency FPfaendKorrektur;
    Byte FUnterhaltPers = 0;
    Currency FPfaendVerbleib;

    Byte FATZ = 0;
    Currency FATZAufstockung;
    Currency FATZAufstRV;
    Currency FATZRegelentgelt;

    friend bool operator==(const LohnEingaben&, const LohnEingaben&) = default;
};

// Legal values of the engine's year and month.
struct LohnKonstanten {
    Currency FBBGKV;  // monthly ceiling health and care
    Currency FBBGRV;  // monthly ceiling pension and unemployment, West or East
    Currency FPKVZuschussMax;
    Currency FPPVZuschussMax;
    Currency FFaktorF;
    Currency FGleitzoneOG;
    Currency FRVSatz;
    Currency FAVSatz;
    Currency FPVSatz;
    Currency FInsolvenzSatz;
    Currency FKVSatzZuschuss;

    friend bool operator==(const LohnKonstanten&, const LohnKonstanten&) = default;
};

// Results and intermediate values of the last computation.
struct LohnErgebnisse {
    Currency FBBGKVAnteil;
    Currency FBBGRVAnteil;
    Byte FMinijob = 0;

    Currency FLSt;
    Currency FLStEB;
    Currency FLStLMJ;
    Currency FKiStEv;
    Currency FKiStRk;
    Currency FKiStEvEB;
    Currency FKiStRkEB;
    Currency FKiStEvLMJ;
    Currency FKiStRkLMJ;
    Currency FSolZ;
    Currency FSolZEB;
    Currency FSolZLMJ;
    Byte FAlter1 = 0;
    Byte FVmtBegrenzt = 0;

    Currency FKVBasis;
    Currency FRVBasis;
    Currency FKVBasisEB;
    Currency FRVBasisEB;

    Currency FKVAN, FKVAG, FKVANEB, FKVAGEB;
    Currency FRVAN, FRVAG, FRVANEB, FRVAGEB;
    Currency FAVAN, FAVAG, FAVANEB, FAVAGEB;
    Currency FPVAN, FPVAG, FPVANEB, FPVAGEB;
    Currency FPVKinderAbschlag;  // care rate of the employee side after the child discount

    Currency FU1;
    Currency FU2;
    Currency FInsolvenz;

    Currency FZVUmlageSatz;
    Currency FZVAG;
    Currency FZVZusatzumlage;
    Currency FSanierungsgeld;
    Currency FZVAN;
    Currency FZVStPfl;
    Currency FZVPauschal;
    Currency FZVSVPfl;

    Currency FBAVStLfd;
    Currency FBAVStEB;
    Currency FBAVPauschBasis;
    Currency FBAVSVLfd;
    Currency FBAVSVEB;
    Byte FBAVGrenzeProz = 0;

    Currency FVBGrenze;
    Currency FKammerbeitrag;
    Currency FPfaendBetrag;

    Currency FATZAufstBetrag;
    Currency FATZRVBasis;
    Currency FATZRVBeitrag;

    friend bool operator==(const LohnErgebnisse&, const LohnErgebnisse&) = default;
};

}  // namespace lx
