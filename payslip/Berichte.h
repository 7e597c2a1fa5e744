#pragma once
// The garnishment reports (net and gross method) and the partial-retirement
// report: texts of 44-character lines under a title, built from an engine's
// fields and the rows of the options dialog's lists. Pure: they return the
// lines for the payslip window's hidden lists.

#include <string>
#include <vector>

#include "Currency.h"
#include "Gehaltsroutinen.h"

namespace lx {

// The report lines are the payslip's right-list lines.
std::string FormatAbrZeile(std::string_view label, std::string_view wert, bool geld, bool negativ = false);

// One row of the garnishment list: caption, amount text, mark ("x", "",
// "WG", "ÜbStd.", "VL-Abzug", "Abzug").
struct PfaendungsListenZeile {
    std::string bezeichnung;
    std::string betrag;
    std::string marke;
};

struct PfaendungsEingaben {
    std::string PfdComboMethode;  // "Nettomethode" or "Bruttomethode"
    std::string LEdiDruckName;    // print name, may be empty
    std::string ComboMonat;
    std::string ComboJahr;
    std::vector<PfaendungsListenZeile> zeilen;
};

// Net method, from the second engine after the special calculation.
std::vector<std::string> NettoPfaendungsabrechnung(const TLohnGehalt& lg2, const PfaendungsEingaben& ein);
// Gross method, from the working engine.
std::vector<std::string> BruttoPfaendungsabrechnung(const TLohnGehalt& lg, const PfaendungsEingaben& ein);

// The net both reports garnish from: total gross less taxes and the employee's
// contributions that the net deducts, and less what a self-paying member pays
// his insurer beyond the subsidy.
Currency PfaendbaresNetto(const TLohnGehalt& lg);

// One row of the partial-retirement list: caption, top-up choice ("ja" or
// "nein"), part-time and full-time amount texts.
struct ATZZeile {
    std::string bezeichnung;
    std::string aufstocken;
    std::string teilzeit;
    std::string vollzeit;
};

struct ATZEingaben {
    std::string LEdiDruckName;
    std::string ComboMonat;
    std::string ComboJahr;
    std::vector<ATZZeile> zeilen;
};

std::vector<std::string> ATZAbrechnung(const TLohnGehalt& lg, const ATZEingaben& ein);

// Base B and contribution K of the additional pension contribution, as the
// report derives them step by step (B never below 0).
struct ATZZusatzbeitrag {
    Currency basis;
    Currency beitrag;
};
ATZZusatzbeitrag ATZZusatzbeitragFuer(const TLohnGehalt& lg);

}  // namespace lx
