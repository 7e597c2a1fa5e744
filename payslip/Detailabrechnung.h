#pragma once
// The detailed payslip: a fixed-width text built from the working engine's
// fields, the entry rows and the texts of the main window's and the options
// dialog's controls. The builder only reads; what it writes back into controls
// comes out as optional texts, for the caller to apply.

#include <optional>
#include <string>
#include <vector>

#include "Currency.h"
#include "Gehaltsroutinen.h"
#include "Optionen.h"
#include "Rechengroessen.h"

namespace lx {

// Kind of an entry row (the row's image index).
enum class Postenart { Zahlung = 0, Sachbezug = 1, Abzug = 2 };

// One row of the entry dialog's pay-item list.
struct Posten {
    std::string bezeichnung;  // caption: the pay-item name
    std::string betrag;       // amount text as shown
    // marks, "x" or empty
    std::string lst, sv, zv, eb, lmj, nt, vb;
    Postenart art = Postenart::Zahlung;
};

// Everything besides the engine that the payslip reads. Control texts carry
// the control's name; the defaults are the options' presets.
struct DetailEingaben {
    std::vector<Posten> posten;
    // the entry dialog's totals, as shown
    std::string gesamtbrutto = "0,00";
    std::string steuerbrutto = "0,00";
    std::string steuerbruttoEB = "0,00";

    // main window
    std::string ComboMonat;
    std::string ComboJahr;
    std::string LEdiBrutto;
    std::string LEdiNetto;
    int LEdiNettoTag = 0;  // 1: net mode
    std::string ComboZV;
    std::string LxEdiBGR;
    std::string LEdiStKl;
    std::string LEdiKiFB;
    std::string ComboKiJaNein = "nein";
    std::string LEdiStFB;
    std::string LEdiGebJahr;
    std::string statusPanel0;  // "Eintritt dd.mm.yyyy" or empty
    std::string statusPanel1;  // "Austritt dd.mm.yyyy" or empty

    // the last calculation grossed up net-marked items, and their net sums
    int FNTHochrechnung = 0;
    Currency NTSummeLfd;
    Currency NTSummeEBZ;
    Currency NTSummeLMJ;

    // options dialog
    std::string ZVComboArt = "keine";
    std::string ZVEdiNameIndZV = "ind.ZV";
    std::string ZVComboHochr = "nein";
    std::string AVCombo1Art = std::string(kBAVArtListe.front().text);
    std::string ATZLxVEdiAufst = "20";
    std::string PfdComboJaNein = "nein";
    int PfdComboJaNeinTag = 0;  // 1: the garnishment special calculation ran
    std::string PfdVEdiVerbleib = "0,00";
    std::string SVComboUmlage = "Umlage 2 rechnen";
    std::string SVLabEdiKKasse;
    std::string SVVEdiSVTage = "30";
    std::string SVVEdiVBMax = "0,00";
    std::string LSTComboBundesland;
    std::string LSTComboStTab;
    std::string LSTVEdiStTage = "30";
    std::string EBVEdiTgVor = "1";
    std::string TZComboJaNein = "nein";
    std::string TZVEdiWoStd = "20";
    std::string TZVEdiWoVZ = "37";
    std::string VBVEdiJahr = std::to_string(kErstesVBBeginnJahr);
    std::string VBVEdiErsterVers = "0,00";
    std::string VBVEdiEB = "0,00";
    std::string VBVEdiMonate = "12";
    std::string TBVEdiUB1Von = "0";
    std::string TBVEdiUB1Bis = "0";
    std::string TBLEdiGrund1;
    std::string TBVEdiUB2Von = "0";
    std::string TBVEdiUB2Bis = "0";
    std::string TBLEdiGrund2;

    // FPfaendBetrag of the second engine, which holds the special calculation
    Currency pfaendBetragZweit;
};

// What the caller shows and writes back.
struct DetailAbrechnung {
    std::vector<std::string> zeilen;
    // write-backs: a value replaces the field's text, nullopt leaves it
    std::optional<std::string> LEdiBrutto;
    std::optional<std::string> LEdiNetto;
    std::optional<std::string> LEdiStFB;
    std::optional<std::string> EBVEdiStJahr;
    std::optional<std::string> EBVEdiKVBrVor;
    std::optional<std::string> EBVEdiRVBrVor;
    // the payslip window's view buttons
    bool BtnAbrSichtbar = false;
    bool BtnPfdSichtbar = false;
    bool BtnATZSichtbar = false;
    // the partial-retirement report is to run
    bool atzAbrechnung = false;
};

// The first word of the title line; printing finds the payslip by it.
inline constexpr const char* kAbrechnungsTitel = "Zudezivudirodeded";

// Builds the payslip. A text that is read as an amount and is no number raises
// ConversionError before anything is returned, so nothing is half built. The
// caller replaces the memo's lines, clears the hidden payslip list, sets the
// view buttons, applies the write-backs and, with `atzAbrechnung`, writes the
// partial-retirement report (Berichte.h).
DetailAbrechnung BaueDetailabrechnung(const TLohnGehalt& lg, const DetailEingaben& ein);

// --- parts, for the reports and the tests

// The health and care deductions shown, negative: 0 where the member pays the
// insurer himself (a voluntary member's health, a voluntary member's full care
// or a private care insurance paid by the employee).
Currency KVAbzug(const TLohnGehalt& lg);
Currency PVAbzug(const TLohnGehalt& lg);

// The care rate shown: FPVSatz, from July 2023 less 0,25 per child beyond the first.
Currency PVSatzAnzeige(const TLohnGehalt& lg);
// Its text: three decimals for care digit 2.
std::string PVSatzText(const TLohnGehalt& lg);
// The childless surcharge text (" + 0,25%", " + 0,35%", " + 0,60%") by year and month.
std::string PVZuschlagText(int jahr, int monat);

// Net from the gross M that the net starts from.
Currency NettoBetrag(const TLohnGehalt& lg, Currency m);
// Payout from the net, the deduction total T and the garnished amount.
Currency Auszahlungsbetrag(const TLohnGehalt& lg, Currency netto, Currency abzuege, Currency pfaendung);

// The deferred-compensation item lines of the main block, labelled `art`.
std::vector<std::string> BAVPostenZeilen(const TLohnGehalt& lg, const std::string& art);
// The tax-free limits of deferred compensation for the right list (empty when none applies).
std::vector<std::string> BAVSteuerfreiZeilen(const TLohnGehalt& lg);

// The three flat-rate tax lines on base `basis` with their labels; adds L + Z + C to `summe`.
struct PauschalLabels {
    const char* steuer;
    const char* soli;
    const char* kirche;
};
std::vector<std::string> PauschalsteuerZeilen(const TLohnGehalt& lg, Currency basis, const PauschalLabels& labels,
                                              std::string_view comboKiJaNein, Currency& summe);

}  // namespace lx
