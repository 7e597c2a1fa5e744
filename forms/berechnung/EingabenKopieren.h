#pragma once
// Hands the working engine's month to the second engine, for the gross-up's
// comparison net and the garnishment special calculation. The values are the
// ones the setters gave the working engine (never the fields a computation
// has adjusted), with the caller's overrides.

#include <functional>
#include <optional>

#include "Gehaltsroutinen.h"

namespace lx {

struct KopieVorgaben {
    // Gross totals of the remaining pay items ("SV-Brutto ungek.", "SV-Brutto EB
    // ungek.", "Steuerbrutto", "Steuerbrutto EB", "Steuerbrutto LMJ",
    // "Gesamtbrutto", "ZV-Brutto", "VB-Brutto lfd.").
    std::optional<Currency> svBrutto;
    std::optional<Currency> svBruttoEB;
    std::optional<Currency> stBrutto;
    std::optional<Currency> stBruttoEB;
    std::optional<Currency> stBruttoLMJ;
    std::optional<Currency> gesamtbrutto;
    std::optional<Currency> zvBrutto;
    std::optional<Currency> vbBrutto;
    std::optional<int> gebJahr;     // the birth year field
    std::optional<Currency> vbMax;  // the options' pension-benefit ceiling
    bool zvKeine = false;           // supplementary scheme "keine"
    // Further changes of a caller, made on the month after the overrides
    // above and before it reaches the second engine.
    std::function<void(Monatseingaben&)> weitere;
};

// Gives `nach` the month `von` was given, with the overrides; then `nach` is
// ready for Berechnen. The garnishment correction is left alone: each caller
// sets its own.
void EingabenKopieren(const TLohnGehalt& von, TLohnGehalt& nach, const KopieVorgaben& vorgaben = {});

}  // namespace lx
