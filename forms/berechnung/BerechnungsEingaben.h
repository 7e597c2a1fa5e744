#pragma once
// The engine's inputs of one calculation as plain values: what the driver
// reads from the windows (EingabenLesen.h), checks (EingabenPruefen.h) and
// hands to an engine (EingabenSetzen.h).

#include <string>
#include <vector>

#include "Currency.h"
#include "LohnFelder.h"
#include "Rechengroessen.h"
#include "erfassung/ErfassZustand.h"
#include "hauptfenster/HauptZustand.h"

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
// combine them are EingabenSetzen's.
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
    int gebJahr = kGebJahrVorgabe;

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

}  // namespace lx
